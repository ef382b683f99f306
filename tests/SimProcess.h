// Starts the hart-sim program on a pseudo-terminal linked as COM3 in a temporary folder,
// and stops it again. Used by the end-to-end tests and the benchmarks.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

class SimProcess {
 public:
  explicit SimProcess(const std::string& extraArgs = "", const char* program = HART_SIM_PATH) {
    char pattern[] = "/tmp/hart-bench-XXXXXX";
    dir_ = mkdtemp(pattern);
    link_ = dir_ + "/COM3";
    pid_ = fork();
    if (pid_ == 0) {
      const std::string cmd = std::string("exec ") + program + " --link " + link_ + " " +
                              extraArgs + " >" + dir_ + "/sim.log 2>&1";
      execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    for (int i = 0; i < 500 && !std::filesystem::exists(link_); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ~SimProcess() {
    Stop();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  // Interrupts the program and waits for it; true when it exited normally.
  bool Stop(int signal = SIGTERM) {
    if (pid_ <= 0) return false;
    kill(pid_, signal);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) || (WIFSIGNALED(status) && WTERMSIG(status) == signal);
  }
  const std::string& link() const { return link_; }
  const std::string& dir() const { return dir_; }
  bool ready() const { return std::filesystem::exists(link_); }

 private:
  std::string dir_, link_;
  pid_t pid_ = -1;
};

// Wire time of n bytes at 1200 baud, 11 bits a byte, in milliseconds.
inline double WireMs(int bytes) {
  return bytes * 11.0 * 1000.0 / 1200.0;
}
