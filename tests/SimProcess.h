// Starts the hart-sim program on a pseudo-terminal linked as COM3 in a temporary folder,
// and stops it again. Used by the end-to-end tests and the benchmarks.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

class SimProcess {
 public:
  // With `commands`, the program's standard input is a pipe that Say() writes to. Without
  // `waitForLink` the constructor returns at once, for a test that races the link itself.
  explicit SimProcess(const std::string& extraArgs = "", const char* program = HART_SIM_PATH,
                      bool commands = false, bool waitForLink = true) {
    char pattern[] = "/tmp/hart-bench-XXXXXX";
    dir_ = mkdtemp(pattern);
    link_ = dir_ + "/COM3";
    int pipeFds[2] = {-1, -1};
    if (commands && pipe(pipeFds) != 0) pipeFds[0] = pipeFds[1] = -1;
    pid_ = fork();
    if (pid_ == 0) {
      if (pipeFds[0] >= 0) {
        dup2(pipeFds[0], 0);
        close(pipeFds[0]);
        close(pipeFds[1]);
      }
      const std::string cmd = std::string("exec ") + program + " --link " + link_ + " " +
                              extraArgs + " >" + dir_ + "/sim.log 2>&1";
      execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    if (pipeFds[0] >= 0) close(pipeFds[0]);
    commands_ = pipeFds[1];
    for (int i = 0; waitForLink && i < 500 && !std::filesystem::exists(link_); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ~SimProcess() {
    Stop();
    if (commands_ >= 0) close(commands_);
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
  // Sends one command line to the program's standard input.
  bool Say(const std::string& line) {
    const std::string text = line + "\n";
    return commands_ >= 0 && write(commands_, text.data(), text.size()) == ssize_t(text.size());
  }
  // Everything the program has printed so far.
  std::string Log() const {
    std::ifstream in(dir_ + "/sim.log");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Waits (up to 5 s of real time) until the program has printed `text`.
  bool WaitForLog(const std::string& text) const {
    for (int i = 0; i < 500; ++i) {
      if (Log().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
  const std::string& link() const { return link_; }
  const std::string& dir() const { return dir_; }
  bool ready() const { return std::filesystem::exists(link_); }
  // The HART-IP port the program printed (started with "--hartip 0"); 0 when it did not.
  int HartIpPort() const {
    if (!WaitForLog("(UDP and TCP)")) return 0;
    const std::string log = Log();
    const size_t at = log.find(" port ", log.find("HART-IP on"));
    return at == std::string::npos ? 0 : std::atoi(log.c_str() + at + 6);
  }

 private:
  std::string dir_, link_;
  pid_t pid_ = -1;
  int commands_ = -1;
};

// Wire time of n bytes at 1200 baud, 11 bits a byte, in milliseconds.
inline double WireMs(int bytes) {
  return bytes * 11.0 * 1000.0 / 1200.0;
}
