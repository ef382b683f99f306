// Starts hart-sim on a pseudo-terminal linked in a temporary folder, paced at the real
// byte time, and stops it again.
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
  explicit SimProcess(const std::string& extraArgs = "") {
    char pattern[] = "/tmp/hart-bench-XXXXXX";
    dir_ = mkdtemp(pattern);
    link_ = dir_ + "/COM3";
    pid_ = fork();
    if (pid_ == 0) {
      const std::string cmd = std::string("exec ") + HART_SIM_PATH + " --link " + link_ + " " +
                              extraArgs + " >/dev/null";
      execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    for (int i = 0; i < 500 && !std::filesystem::exists(link_); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ~SimProcess() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  const std::string& link() const { return link_; }
  bool ready() const { return std::filesystem::exists(link_); }

 private:
  std::string dir_, link_;
  pid_t pid_ = -1;
};

// Wire time of n bytes at 1200 baud, 11 bits a byte, in milliseconds.
inline double WireMs(int bytes) { return bytes * 11.0 * 1000.0 / 1200.0; }
