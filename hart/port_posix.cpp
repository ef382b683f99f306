// The termios serial port. The descriptor stays non-blocking: Read takes what is there,
// Write waits with poll() when the driver's queue is full, WaitReadable polls.
//
// Pseudo-terminals (the simulator's loop, socat) cannot do everything a UART does: the pty
// driver drops PARENB (and answers a later identical request with EINVAL because the
// PARODD it kept no longer matches), and has no modem lines. On a pty the port therefore
// asks for no parity and leaves RTS/DTR alone; on a real tty every failure is an error.
//
// The port is ours alone while open: flock() keeps out every other program that locks it
// (root included), TIOCEXCL every other open by anyone but root.
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <iterator>
#include <string_view>

#include "ParityMarkDecoder.h"
#include "SerialPort.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

// Milliseconds left until `deadline`, for poll(); never negative.
int MsUntil(SteadyClock::time_point deadline) {
  const auto left =
      std::chrono::ceil<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
  return static_cast<int>(std::clamp<long long>(left, 0, INT_MAX));
}

bool IsPseudoTerminal(int fd, const std::string& path) {
#ifdef __linux__
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISCHR(st.st_mode)) {
    const unsigned devMajor = major(st.st_rdev);
    // 136..143: Unix98 pty slaves; 3: the old BSD-style ttyp* slaves.
    if ((devMajor >= 136 && devMajor <= 143) || devMajor == 3) return true;
  }
#else
  (void)fd;
#endif
  char* real = realpath(path.c_str(), nullptr);
  if (real == nullptr) return false;
  const bool underPts = std::string_view(real).starts_with("/dev/pts/");
  std::free(real);
  return underPts;
}

// The words for why a port could not be opened.
std::string OpenFailureReason(int error) {
  switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return "no such port";
    case EACCES:
    case EPERM:
      return "permission denied";
    case EBUSY:
    case EWOULDBLOCK:
      return "in use by another program";
    default:
      return std::strerror(error);
  }
}

std::string GoneOrFailed(const char* what, int error) {
  if (error == EIO || error == ENXIO || error == ENODEV || error == EPIPE)
    return std::string("the port is gone (") + std::strerror(error) + ")";
  return std::string(what) + " failed: " + std::strerror(error);
}

class PosixSerialPort final : public SerialPort {
 public:
  ~PosixSerialPort() override { Close(); }

  bool Open(const std::string& name) override {
    Close();
    error_.clear();
    name_ = name;
    path_ = ResolvePosixPortName(name);
    fd_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return Refuse(OpenFailureReason(errno));
    // Locked before anything is changed: a port another program holds is left as it is.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd_);
      fd_ = -1;
      return Refuse(OpenFailureReason(error));
    }
    owned_ = true;
    if (!Configure()) {
      Close();
      return false;
    }
    return true;
  }

  void Close() override {
    if (fd_ >= 0) {
      // Give up exclusivity explicitly: a pty keeps its flags while the other side is open.
      if (owned_) ::ioctl(fd_, TIOCNXCL);
      ::close(fd_);  // also lets go of the lock
    }
    fd_ = -1;
    owned_ = false;
    pty_ = false;
    ready_.clear();
    decoder_.Reset();
  }

  std::string LastError() const override { return error_; }

  bool IsOpen() const override { return fd_ >= 0; }

  bool SetRts(bool on) override {
    if (fd_ < 0) return false;
    if (pty_) return true;
    int bit = TIOCM_RTS;
    return ::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit) == 0;
  }

  bool Purge() override {
    if (fd_ < 0) return false;
    ready_.clear();
    decoder_.Reset();
    return ::tcflush(fd_, TCIOFLUSH) == 0;
  }

  int BytesWaiting() override {
    if (fd_ < 0) return -1;
    int raw = 0;
    if (::ioctl(fd_, FIONREAD, &raw) < 0) return -1;
    // The kernel's count is of raw bytes, marks included: it may overstate, never miss.
    return raw + static_cast<int>(ready_.size());
  }

  int Read(uint8_t* buf, int max) override {
    if (fd_ < 0) return -1;
    if (max <= 0) return 0;
    const size_t want = static_cast<size_t>(max);
    if (ready_.size() < want && Pull(want - ready_.size()) < 0 && ready_.empty()) return -1;
    const size_t n = std::min(want, ready_.size());
    std::copy_n(ready_.begin(), n, buf);
    ready_.erase(ready_.begin(), ready_.begin() + static_cast<std::ptrdiff_t>(n));
    return static_cast<int>(n);
  }

  int Write(const uint8_t* buf, int n) override {
    if (fd_ < 0) return -1;
    if (n <= 0) return 0;
    error_.clear();
    // Like a Windows write time-out: 10 ms a byte plus 800 ms before giving up short.
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(800 + 10LL * n);
    int done = 0;
    while (done < n) {
      const ssize_t w = ::write(fd_, buf + done, static_cast<size_t>(n - done));
      if (w > 0) {
        done += static_cast<int>(w);
        continue;
      }
      if (w < 0 && errno == EINTR) continue;
      if (w < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
        Note(GoneOrFailed("writing", errno));
        return done > 0 ? done : -1;
      }
      pollfd p{fd_, POLLOUT, 0};
      const int left = MsUntil(deadline);
      const int r = left == 0 ? 0 : ::poll(&p, 1, left);
      if (r < 0 && errno == EINTR) continue;
      if (r < 0) {
        Note(GoneOrFailed("waiting to write", errno));
        break;
      }
      if (r == 0) {
        Note("the port took no bytes for " + std::to_string(800 + 10 * n) + " ms");
        break;
      }
      if ((p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
        Note("the port is gone (hung up)");
        break;
      }
    }
    return done;
  }

  bool WaitReadable(int timeoutMs) override {
    if (fd_ < 0) return false;
    if (!ready_.empty()) return true;
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
      pollfd p{fd_, POLLIN, 0};
      const int r = ::poll(&p, 1, MsUntil(deadline));
      if (r < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      if (r == 0) return false;
      if ((p.revents & POLLIN) == 0) {  // hung up or failed
        Note("the port is gone (hung up)");
        return false;
      }
      // Take the bytes in: what arrived may be only the start of a parity mark.
      const int raw = Pull(kChunk);
      if (raw < 0) return false;
      if (!ready_.empty()) return true;
      if (raw == 0 && (p.revents & (POLLHUP | POLLERR)) != 0) {
        Note("the port is gone (hung up)");
        return false;
      }
      if (MsUntil(deadline) == 0) return false;
    }
  }

 private:
  static constexpr size_t kChunk = 256;

  // Keeps the first reason of a failed open or exchange; false, for the caller to return.
  bool Note(const std::string& reason) {
    if (error_.empty()) error_ = PortFailureText(name_, path_, reason);
    return false;
  }
  bool Refuse(const std::string& reason) {
    Note(reason);
    Close();
    return false;
  }
  bool SetupFailed(const char* step) {
    if (errno == ENOTTY) return Note("not a serial port");
    return Note(std::string("cannot set it up for HART (") + step + ": " + std::strerror(errno) +
                ")");
  }

  bool Configure() {
    pty_ = IsPseudoTerminal(fd_, path_);
    // Everything but the pty exemptions must succeed on a real line.
    if (::ioctl(fd_, TIOCEXCL) != 0 && !pty_) return SetupFailed("exclusive use");

    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return SetupFailed("reading its settings");
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | IGNPAR | ISTRIP | INLCR | IGNCR | ICRNL |
                                        IXON | IXOFF | IXANY);
#ifdef IUCLC
    t.c_iflag &= ~static_cast<tcflag_t>(IUCLC);
#endif
#ifdef IMAXBEL
    t.c_iflag &= ~static_cast<tcflag_t>(IMAXBEL);
#endif
    t.c_iflag |= INPCK | PARMRK;
    t.c_oflag = 0;
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | PARENB | PARODD | CRTSCTS);
#ifdef CMSPAR
    t.c_cflag &= ~static_cast<tcflag_t>(CMSPAR);
#endif
    t.c_cflag |= CS8 | CREAD | CLOCAL;
    if (!pty_) t.c_cflag |= PARENB | PARODD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::cfsetispeed(&t, B1200) != 0 || ::cfsetospeed(&t, B1200) != 0)
      return SetupFailed("1200 baud");
    if (::tcsetattr(fd_, TCSANOW, &t) != 0) return SetupFailed("applying the line settings");

    // tcsetattr succeeds when any part took effect: check that all of it did.
    termios got{};
    if (::tcgetattr(fd_, &got) != 0) return SetupFailed("reading its settings");
    constexpr tcflag_t kCflagChecked = CSIZE | CSTOPB | PARENB | PARODD | CRTSCTS | CREAD | CLOCAL;
    constexpr tcflag_t kIflagChecked =
        INPCK | PARMRK | IGNPAR | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IGNBRK | BRKINT;
    constexpr tcflag_t kLflagChecked = ECHO | ICANON | ISIG | IEXTEN;
    if (::cfgetispeed(&got) != B1200 || ::cfgetospeed(&got) != B1200 ||
        (got.c_cflag & kCflagChecked) != (t.c_cflag & kCflagChecked) ||
        (got.c_iflag & kIflagChecked) != (t.c_iflag & kIflagChecked) ||
        (got.c_lflag & kLflagChecked) != 0 || (got.c_oflag & OPOST) != 0 || got.c_cc[VMIN] != 0 ||
        got.c_cc[VTIME] != 0) {
      return Note("it does not take 1200 baud, 8 data bits, odd parity, 1 stop bit");
    }

    if (pty_) return true;  // no modem lines to set
    int dtr = TIOCM_DTR;
    int rts = TIOCM_RTS;
    if (::ioctl(fd_, TIOCMBIS, &dtr) != 0 || ::ioctl(fd_, TIOCMBIC, &rts) != 0)
      return SetupFailed("setting DTR and RTS");
    return true;
  }

  // Reads up to `rawMax` raw bytes from the driver and decodes them into ready_. Returns
  // the raw count (0 when nothing was there) or -1 on an error with nothing read.
  int Pull(size_t rawMax) {
    uint8_t raw[kChunk];
    size_t total = 0;
    while (total < rawMax) {
      const size_t want = std::min(sizeof raw, rawMax - total);
      const ssize_t r = ::read(fd_, raw, want);
      if (r < 0) {
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) break;
        Note(GoneOrFailed("reading", errno));
        return total > 0 ? static_cast<int>(total) : -1;
      }
      if (r == 0) {
        // VMIN 0 / VTIME 0: nothing waiting, or the line hung up (the far end of a pty
        // closed, an adapter was pulled), which poll tells apart.
        pollfd p{fd_, POLLIN, 0};
        if (total == 0 && ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR)) != 0) {
          Note("the port is gone (hung up)");
          return -1;
        }
        break;
      }
      decoder_.Decode(raw, static_cast<size_t>(r), std::back_inserter(ready_));
      total += static_cast<size_t>(r);
      if (static_cast<size_t>(r) < want) break;
    }
    return static_cast<int>(total);
  }

  int fd_ = -1;
  bool owned_ = false;  // locked and set for exclusive use by us
  bool pty_ = false;
  std::string name_;   // as given to Open
  std::string path_;   // what it resolved to
  std::string error_;  // see LastError
  ParityMarkDecoder decoder_;
  std::deque<uint8_t> ready_;  // decoded bytes not yet handed to a reader
};

}  // namespace

std::string ResolvePosixPortName(const std::string& name) {
  std::string_view rest = name;
  constexpr std::string_view kDeviceNamespace = "\\\\.\\";
  if (rest.starts_with(kDeviceNamespace)) rest.remove_prefix(kDeviceNamespace.size());
  if (!rest.starts_with("COM")) return name;
  const std::string_view digits = rest.substr(3);
  int number = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || number < 1) {
    return name;
  }
  // lstat, not stat: a link to an unplugged adapter must fail to open, not fall back to
  // a different port.
  const std::string local = "./" + std::string(rest);
  struct stat st {};
  if (::lstat(local.c_str(), &st) == 0) return local;
  return "/dev/ttyS" + std::to_string(number - 1);
}

std::unique_ptr<SerialPort> MakeSystemSerialPort() {
  return std::make_unique<PosixSerialPort>();
}
