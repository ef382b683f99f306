#include "WholeFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// A name beside the target that no other writer (thread or process) picks at the same time.
std::string TempNameFor(const std::string& path, int attempt) {
  static std::atomic<unsigned> counter{0};
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
#ifdef _WIN32
  const unsigned long pid = GetCurrentProcessId();
#else
  const unsigned long pid = static_cast<unsigned long>(getpid());
#endif
  return path + ".tmp" + std::to_string(pid) + "-" + std::to_string(counter++) + "-" +
         std::to_string((static_cast<unsigned long long>(now) + attempt) % 1000000);
}

#ifdef _WIN32
std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string LastSystemError() {
  std::string text = std::system_category().message(static_cast<int>(GetLastError()));
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
    text.pop_back();
  return text;
}
#else
std::string LastSystemError() {
  return std::generic_category().message(errno);
}
#endif

}  // namespace

WholeFileWriter::~WholeFileWriter() {
  Discard();
}

void WholeFileWriter::Fail(const std::string& reason) {
  if (error_.empty()) error_ = reason.empty() ? "unknown error" : reason;
}

bool WholeFileWriter::Open(const std::string& path) {
  Discard();
  path_ = path;
  error_.clear();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp_ = TempNameFor(path, attempt);
#ifdef _WIN32
    handle_ = CreateFileW(Wide(temp_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ != INVALID_HANDLE_VALUE) {
      open_ = true;
      return true;
    }
    handle_ = nullptr;
    if (GetLastError() == ERROR_FILE_EXISTS) continue;
#else
    // 0666 under the umask, as any new file; an existing target's mode is kept below.
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      struct stat old {};
      if (::stat(path.c_str(), &old) == 0) ::fchmod(fd_, old.st_mode & 07777);
      open_ = true;
      return true;
    }
    if (errno == EEXIST) continue;
#endif
    break;
  }
  Fail(LastSystemError());
  temp_.clear();
  return false;
}

bool WholeFileWriter::Write(const void* data, size_t size) {
  if (!open_ && error_.empty()) Fail("file not open");
  if (!error_.empty()) return false;
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
#ifdef _WIN32
    DWORD wrote = 0;
    const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!WriteFile(handle_, p, chunk, &wrote, nullptr) || wrote == 0) {
      Fail(LastSystemError());
      return false;
    }
#else
    const ssize_t wrote = ::write(fd_, p, size);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      // A write that takes nothing without an error is a full device as well.
      Fail(wrote < 0 ? LastSystemError() : std::generic_category().message(ENOSPC));
      return false;
    }
#endif
    p += wrote;
    size -= static_cast<size_t>(wrote);
  }
  return true;
}

void WholeFileWriter::CloseHandle() {
#ifdef _WIN32
  if (handle_) ::CloseHandle(handle_);
  handle_ = nullptr;
#else
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
#endif
}

bool WholeFileWriter::Commit() {
  if (!open_) {
    Fail("file not open");
    return false;
  }
  if (error_.empty()) {
#ifdef _WIN32
    if (!FlushFileBuffers(handle_)) Fail(LastSystemError());
    if (error_.empty() && !::CloseHandle(handle_)) Fail(LastSystemError());
    handle_ = nullptr;
    if (error_.empty() && !MoveFileExW(Wide(temp_).c_str(), Wide(path_).c_str(),
                                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      Fail(LastSystemError());
#else
    if (::fsync(fd_) != 0) Fail(LastSystemError());
    // close() may report a delayed write error (NFS): a failure here is a failure too.
    if (::close(fd_) != 0 && error_.empty()) Fail(LastSystemError());
    fd_ = -1;
    if (error_.empty() && ::rename(temp_.c_str(), path_.c_str()) != 0) Fail(LastSystemError());
    if (error_.empty()) {
      // The rename itself reaches the disk with the folder; best effort, the data is safe.
      const size_t slash = path_.find_last_of('/');
      const std::string folder = slash == std::string::npos ? "." : path_.substr(0, slash + 1);
      const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
      }
    }
#endif
  }
  if (!error_.empty()) {
    Discard();
    return false;
  }
  open_ = false;
  temp_.clear();
  return true;
}

void WholeFileWriter::Discard() {
  CloseHandle();
  if (!temp_.empty()) {
#ifdef _WIN32
    DeleteFileW(Wide(temp_).c_str());
#else
    ::unlink(temp_.c_str());
#endif
  }
  temp_.clear();
  open_ = false;
}

bool WriteFileWhole(const std::string& path, std::string_view bytes, std::string* error) {
  WholeFileWriter file;
  if (file.Open(path) && file.Write(bytes) && file.Commit()) return true;
  if (error) *error = file.Error();
  return false;
}

std::string SaveFailureText(const std::string& path, const std::string& reason) {
  return "Could not save " + path + ": " + reason;
}
