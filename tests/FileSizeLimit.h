// A full disk without root or a small file system: with RLIMIT_FSIZE set low and SIGXFSZ
// ignored, every write past the limit fails with EFBIG ("File too large"), as writes on a
// full disk fail with ENOSPC.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// In this process, for the life of the object. The soft limit only, so it can be raised again.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t oldHandler_ = SIG_DFL;
};

// Runs a shell command in a child process whose file size limit is `bytes` (SIGXFSZ ignored,
// which exec keeps). Its output goes where `command` sends it. The exit status, or -1.
inline int RunWithFileSizeLimit(const std::string& command, rlim_t bytes) {
  const pid_t pid = fork();
  if (pid == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limited{};
    getrlimit(RLIMIT_FSIZE, &limited);
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
