// hart-sim: a loop of simulated HART transmitters served on a pseudo-terminal, so the real
// program (or hartctl) talks to it through its real serial port code, and over HART-IP.
//
//   hart-sim [--link PATH] [--hartip [PORT]] [--address N]... [--pressure VALUE] [--no-pacing]
//            [--offset PERCENT] [--span-error PERCENT] [--hysteresis PERCENT] [--noise PERCENT]
//
// PATH becomes a symbolic link to the terminal (e.g. ./COM3). With --hartip the same loop is
// also served over HART-IP, UDP and TCP (SimHartIpServer.h). Replies leave at the real
// 1200-baud byte time (11 bits a byte) after a 20 ms device turnaround, unless --no-pacing.
// Every frame is printed in hex with a one-line decode, and with --pcap FILE also written to
// a capture. Lines on standard input change the process (SimConsole.h); each gets one answer
// line. SIGINT or SIGTERM stops it and removes the link.
//
// Whenever a client closes the terminal hart-sim clears the odd-parity flag it left: the
// Linux pty keeps the PARODD a client asked for (while dropping PARENB), and the kernel
// refuses a request that changes nothing it can apply, so the next identical 8-O-1 request
// would fail with EINVAL. That flag alone, and only while PARENB is clear: the next client
// may already have opened the terminal and set it up (a close and the next open can come in
// one batch of events); without PARENB the flag means nothing on a pty, so it loses nothing,
// and the rest of its settings stay as it made them. hart-sim holds the terminal side open
// itself, so the master never sees a hang-up; it watches the terminal's opens and closes
// instead. The link appears only once the terminal is set up, held open and watched, the last
// step before serving.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/inotify.h>
#endif

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "PcapTrace.h"
#include "SimConsole.h"
#include "SimFrame.h"
#include "SimHartIpServer.h"
#include "SimLoop.h"

namespace {

volatile sig_atomic_t g_stop = 0;
void OnSignal(int) {
  g_stop = 1;
}

constexpr double kByteMs = kSimWireByteMs;
// A request's bytes follow each other without a pause; after this much silence an
// unfinished frame is given up (its master was killed mid-frame, or the line was noise).
constexpr double kFrameGapMs = 10 * kByteMs;

struct Options {
  std::string link;
  bool hartIp = false;
  int hartIpPort = hartip::kPort;
  std::string hartIpBind = "127.0.0.1";
  std::string log;   // the frame log's file; standard output without one
  std::string pcap;  // the capture's file; none without one
  std::vector<int> addresses;
  double pressure = 0.0;
  SimCalibrationErrors errors;  // every device's
  bool pacing = true;
  bool help = false;
};

const char kUsage[] =
    "usage: hart-sim [--link PATH] [--hartip [PORT]] [--hartip-bind ADDR] [--address N]...\n"
    "                [--pressure VALUE] [--no-pacing] [--log FILE] [--pcap FILE]\n"
    "                [--offset PERCENT] [--span-error PERCENT] [--hysteresis PERCENT]\n"
    "                [--noise PERCENT]\n"
    "  --link PATH      make PATH a link to the simulated port\n"
    "  --hartip [PORT]  also serve the loop over HART-IP, UDP and TCP, on PORT (default\n"
    "                   5094; 0 picks a free one and prints it); --link is then optional\n"
    "  --hartip-bind ADDR  the address HART-IP listens on (default 127.0.0.1)\n"
    "  --address N      a transmitter at polling address N (0..15); default 0\n"
    "  --pressure VALUE applied pressure in kPa (default 0)\n"
    "  --no-pacing      send replies at once instead of at 1200 baud\n"
    "  --log FILE       write the frame log to FILE; standard output keeps the answers to\n"
    "                   the commands below\n"
    "  --pcap FILE      write every request and reply to FILE, a pcap capture (as HART-IP)\n"
    "  --offset, --span-error, --hysteresis, --noise PERCENT\n"
    "                   every device starts out of calibration by that much (% of the PV\n"
    "                   span), as the commands offset, span, hysteresis and noise below\n";

int Usage(FILE* to, int status) {
  std::fputs(kUsage, to);
  std::fputs(kSimConsoleHelp, to);
  return status;
}

bool ParseNumber(const char* text, double& out) {
  char* end = nullptr;
  errno = 0;
  out = std::strtod(text, &end);
  return errno == 0 && end != text && *end == '\0' && std::isfinite(out);
}

const SimErrorSetting* ErrorOption(const std::string& arg) {
  for (const SimErrorSetting& s : kSimErrorSettings)
    if (arg == s.option) return &s;
  return nullptr;
}

bool ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    bool hasValue = i + 1 < argc;
    double v = 0;
    if (a == "--link" && hasValue) {
      o.link = argv[++i];
    } else if (a == "--hartip") {
      o.hartIp = true;
      // The port is optional: a number right after it.
      if (hasValue && argv[i + 1][0] >= '0' && argv[i + 1][0] <= '9') {
        if (!ParseNumber(argv[++i], v) || v < 0 || v > 65535 || v != std::floor(v)) return false;
        o.hartIpPort = int(v);
      }
    } else if (a == "--hartip-bind" && hasValue) {
      o.hartIpBind = argv[++i];
    } else if (a == "--pcap" && hasValue) {
      o.pcap = argv[++i];
    } else if (a == "--address" && hasValue) {
      if (!ParseNumber(argv[++i], v) || v < 0 || v > 15 || v != std::floor(v)) return false;
      o.addresses.push_back(int(v));
    } else if (a == "--pressure" && hasValue) {
      if (!ParseNumber(argv[++i], v)) return false;
      o.pressure = v;
    } else if (const SimErrorSetting* e = ErrorOption(a); e && hasValue) {
      const std::string refusal = ParseErrorSetting(*e, argv[++i], v);
      if (!refusal.empty()) {
        std::fprintf(stderr, "hart-sim: %s: %s\n", e->option, refusal.c_str());
        return false;
      }
      o.errors.*(e->field) = v;
    } else if (a == "--log" && hasValue) {
      o.log = argv[++i];
    } else if (a == "--no-pacing") {
      o.pacing = false;
    } else if (a == "--help") {
      o.help = true;
      return true;
    } else {
      return false;
    }
  }
  if (o.addresses.empty()) o.addresses.push_back(0);
  return !o.link.empty() || o.hartIp;
}

double NowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

FILE* g_frames = stdout;  // where frames and the terminal's comings and goings are logged
PcapTrace g_capture;      // every frame both ways, when open
std::string g_capturePath;
bool g_captureFailureTold = false;

// A frame in the log (and the capture): the serial side's as they are, HART-IP's with the
// client they came from or went to.
void LogFrame(bool fromDevice, const std::vector<uint8_t>& bytes, const std::string& via = "") {
  std::fprintf(g_frames, "%s %s\n    %s%s%s\n", fromDevice ? "->" : "<-", HexBytes(bytes).c_str(),
               DescribeFrame(bytes).c_str(), via.empty() ? "" : " via HART-IP ", via.c_str());
  std::fflush(g_frames);
  if (!g_capture.IsOpen()) return;
  g_capture.Write(fromDevice, bytes, WallClockMicros());
  // Serving goes on without the capture; the user hears of it once, when it happens, and the
  // reason at the end.
  if (g_capture.Failed() && !g_captureFailureTold) {
    g_captureFailureTold = true;
    std::fprintf(stderr, "hart-sim: writing the capture %s failed; it will not be saved\n",
                 g_capturePath.c_str());
  }
}

void LogLine(const std::string& line) {
  std::fprintf(g_frames, "hart-sim: %s\n", line.c_str());
  std::fflush(g_frames);
}

// Replaces a link left by an earlier run; never a regular file or anything else.
bool MakeLink(const std::string& target, const std::string& link) {
  struct stat st;
  if (lstat(link.c_str(), &st) == 0) {
    if (!S_ISLNK(st.st_mode)) {
      std::fprintf(stderr, "hart-sim: %s exists and is not a link; not replacing it\n",
                   link.c_str());
      return false;
    }
    if (unlink(link.c_str()) != 0) {
      std::perror("hart-sim: unlink");
      return false;
    }
  }
  if (symlink(target.c_str(), link.c_str()) != 0) {
    std::perror("hart-sim: symlink");
    return false;
  }
  return true;
}

// Removes the link only while it still points at our terminal.
void RemoveLink(const std::string& target, const std::string& link) {
  char buf[512];
  ssize_t n = readlink(link.c_str(), buf, sizeof buf - 1);
  if (n < 0) return;
  buf[n] = '\0';
  if (target == buf) unlink(link.c_str());
}

// The command lines arriving on standard input. At its end (a script started us with
// nothing to say) it is no longer polled; the server goes on.
class CommandInput {
 public:
  // The descriptor to poll now, or -1.
  int PollFd(double nowMs) const { return open_ && nowMs >= pausedUntilMs_ ? 0 : -1; }
  void Close() { open_ = false; }

  // Reads what is waiting and returns the answer line of each complete line.
  std::vector<std::string> Read(SimLoop& loop, double nowMs) {
    char buf[512];
    const ssize_t n = read(0, buf, sizeof buf);
    if (n < 0 && errno == EIO) {
      // A background job of an interactive shell may not read its terminal: try later
      // (it may be brought to the foreground).
      pausedUntilMs_ = nowMs + 1000;
      return {};
    }
    if (n < 0 && errno != EINTR && errno != EAGAIN) {
      std::perror("hart-sim: standard input (commands off)");
      open_ = false;
    }
    if (n < 0) return {};
    std::string text(buf, size_t(n));
    if (n == 0) {  // end of input: a last line without its newline still counts
      open_ = false;
      if (!partial_.empty() || overlong_) text = "\n";
    }
    std::vector<std::string> answers;
    for (char c : text) {
      if (c != '\n') {
        if (partial_.size() < kMaxLine)
          partial_ += c;
        else
          overlong_ = true;
        continue;
      }
      if (!partial_.empty() && partial_.back() == '\r') partial_.pop_back();
      std::string answer =
          overlong_ ? "error: line longer than " + std::to_string(kMaxLine) + " characters"
                    : RunConsoleLine(loop, partial_);
      if (!answer.empty()) answers.push_back(answer);
      partial_.clear();
      overlong_ = false;
    }
    return answers;
  }

 private:
  static constexpr size_t kMaxLine = 200;
  bool open_ = true;
  double pausedUntilMs_ = 0;
  std::string partial_;
  bool overlong_ = false;
};

// Watches who opens and closes the terminal (our own descriptor, opened before, aside) and
// tells when the last client has closed it.
class ClientWatch {
 public:
  explicit ClientWatch(const std::string& path) {
    if (path.empty()) return;  // no terminal served
#ifdef __linux__
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0 && inotify_add_watch(fd_, path.c_str(), IN_OPEN | IN_CLOSE) < 0) {
      std::perror("hart-sim: inotify_add_watch (terminal settings stay as clients leave them)");
      close(fd_);
      fd_ = -1;
    }
#else
    (void)path;
#endif
  }
  ~ClientWatch() {
    if (fd_ >= 0) close(fd_);
  }
  int Fd() const {
    return fd_;
  }

  struct Change {
    bool closed = false;    // a client closed the terminal
    bool noneLeft = false;  // ... and no other has it open
  };
  // Takes the queued events. Reading them all before deciding means a client that opened
  // right after the last one closed is not taken for gone.
  Change Take() {
    bool closed = false;
#ifdef __linux__
    alignas(inotify_event) char buf[4096];
    ssize_t n;
    while ((n = read(fd_, buf, sizeof buf)) > 0) {
      for (ssize_t at = 0; at < n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
        if (e->mask & IN_OPEN) ++clients_;
        if (e->mask & IN_CLOSE) {
          clients_ = std::max(0, clients_ - 1);
          closed = true;
        }
        at += ssize_t(sizeof(inotify_event) + e->len);
      }
    }
#endif
    return {closed, closed && clients_ == 0};
  }

 private:
  int fd_ = -1;
  int clients_ = 0;
};

// The pseudo-terminal the serial side is served on, linked as the user asked.
struct Terminal {
  int master = -1;
  int keepOpen = -1;  // our own hold on the terminal side
  std::string slavePath;
};

bool SetRaw(int fd) {
  termios tio;
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  return tcsetattr(fd, TCSANOW, &tio) == 0;
}

bool OpenTerminal(Terminal& t) {
  t.master = posix_openpt(O_RDWR | O_NOCTTY);
  if (t.master < 0 || grantpt(t.master) != 0 || unlockpt(t.master) != 0) {
    std::perror("hart-sim: pseudo-terminal");
    return false;
  }
  const char* slaveName = ptsname(t.master);
  if (!slaveName) {
    std::perror("hart-sim: ptsname");
    return false;
  }
  t.slavePath = slaveName;
  // Holding the terminal side open keeps the pair alive between the clients' sessions
  // (otherwise reads fail with EIO once a client closes it).
  t.keepOpen = open(t.slavePath.c_str(), O_RDWR | O_NOCTTY);
  if (t.keepOpen < 0) {
    std::perror(("hart-sim: " + t.slavePath).c_str());
    return false;
  }
  // Raw both ways before any client can see the terminal.
  if (!SetRaw(t.keepOpen) || !SetRaw(t.master)) {
    std::perror("hart-sim: terminal settings");
    return false;
  }
  const int flags = fcntl(t.master, F_GETFL);
  if (flags < 0 || fcntl(t.master, F_SETFL, flags | O_NONBLOCK) != 0) {
    std::perror("hart-sim: non-blocking terminal");
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options opt;
  if (!ParseArgs(argc, argv, opt)) return Usage(stderr, 2);
  if (opt.help) return Usage(stdout, 0);

  Terminal term;
  if (!opt.link.empty() && !OpenTerminal(term)) return 1;
  ClientWatch clients(term.slavePath);

  SimLoop loop;
  loop.KeepRequestLog(false);  // served for days: each frame is logged as it comes
  for (int a : opt.addresses) {
    SimTransmitter& device = loop.AddDevice(uint8_t(a));
    device.SetPressure(opt.pressure);  // first: the sensor starts settled there
    device.SetCalibrationErrors(opt.errors);
  }

  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);
  signal(SIGTTIN, SIG_IGN);  // in the background, reading the terminal fails instead

  if (!opt.log.empty()) {
    g_frames = std::fopen(opt.log.c_str(), "w");
    if (!g_frames) {
      std::perror(("hart-sim: " + opt.log).c_str());
      return 1;
    }
  }
  std::string problem;
  std::unique_ptr<SimHartIpServer> hartIp;
  if (opt.hartIp) {
    SimHartIpServer::Events events;
    events.request = [](const std::vector<uint8_t>& f, const std::string& c) {
      LogFrame(false, f, c);
    };
    events.reply = [](const std::vector<uint8_t>& f, const std::string& c) {
      LogFrame(true, f, c);
    };
    events.note = [](const std::string& line) { LogLine("HART-IP " + line); };
    hartIp = std::make_unique<SimHartIpServer>(loop, std::move(events), opt.pacing);
    if (!hartIp->Start(opt.hartIpBind, uint16_t(opt.hartIpPort), &problem)) {
      std::fprintf(stderr, "hart-sim: %s\n", problem.c_str());
      return 1;
    }
  }
  if (!opt.link.empty() && !MakeLink(term.slavePath, opt.link)) return 1;
  // The capture opens last: an earlier step failing must not leave an empty capture in the
  // place of an older one. Nothing is served before the loop, so no frame is missed.
  g_capturePath = opt.pcap;
  if (!opt.pcap.empty() && !g_capture.Open(opt.pcap, &problem)) {
    std::fprintf(stderr, "hart-sim: %s\n", problem.c_str());
    if (!opt.link.empty()) RemoveLink(term.slavePath, opt.link);
    return 1;
  }
  if (!opt.link.empty())
    std::printf("hart-sim: %s -> %s, devices at", opt.link.c_str(), term.slavePath.c_str());
  else
    std::printf("hart-sim: devices at");
  for (SimTransmitter* d : loop.Devices())
    std::printf(" %d (id %06X)", d->PollingAddress(), unsigned(d->Identity().deviceId));
  std::printf(", pressure %g kPa, %s\n", opt.pressure, opt.pacing ? "paced" : "no pacing");
  if (opt.errors != SimCalibrationErrors{})
    std::printf("hart-sim: out of calibration: %s\n", CalibrationErrorsText(opt.errors).c_str());
  if (hartIp)
    std::printf("hart-sim: HART-IP on %s port %u (UDP and TCP)\n", opt.hartIpBind.c_str(),
                unsigned(hartIp->Port()));
  std::fflush(stdout);

  struct Out {
    double dueMs;
    uint8_t byte;
  };
  std::deque<Out> out;
  double lastDue = 0;
  double requestWireEnd = 0;  // when the bytes received so far would have left a real wire
  CommandInput input;

  while (!g_stop) {
    const double now = NowMs();
    // Send what is due, in one write per pass.
    std::vector<uint8_t> batch;
    while (!out.empty() && out.front().dueMs <= now) {
      batch.push_back(out.front().byte);
      out.pop_front();
    }
    if (!batch.empty()) {
      ssize_t w = write(term.master, batch.data(), batch.size());
      if (w < 0 && errno != EAGAIN && errno != EINTR) {
        std::perror("hart-sim: write");  // the reply is lost
      } else {
        // Whatever the terminal did not take goes out on the next pass.
        for (size_t k = batch.size(); k > size_t(std::max<ssize_t>(w, 0)); --k)
          out.push_front({now, batch[k - 1]});
      }
    }

    int timeout = 100;
    if (!out.empty()) timeout = std::max(0, int(std::ceil(out.front().dueMs - NowMs())));
    if (hartIp) {
      const int due = hartIp->Service(NowMs());
      if (due >= 0) timeout = std::min(timeout, due);
    }
    // A negative descriptor is skipped: no terminal, standard input at its end.
    std::vector<pollfd> pfd = {
        {term.master, POLLIN, 0}, {input.PollFd(now), POLLIN, 0}, {clients.Fd(), POLLIN, 0}};
    std::vector<net::PollItem> ipItems;
    if (hartIp) ipItems = hartIp->PollItems();
    for (const net::PollItem& item : ipItems)
      pfd.push_back(
          {item.socket, short((item.wantRead ? POLLIN : 0) | (item.wantWrite ? POLLOUT : 0)), 0});
    int r = poll(pfd.data(), nfds_t(pfd.size()), timeout);
    if (r < 0) {
      if (errno == EINTR) continue;
      std::perror("hart-sim: poll");
      break;
    }
    if (hartIp) {
      for (size_t k = 0; k < ipItems.size(); ++k) {
        const short got = pfd[3 + k].revents;
        ipItems[k].readable = got & POLLIN;
        ipItems[k].writable = got & POLLOUT;
        ipItems[k].failed = got & (POLLERR | POLLHUP | POLLNVAL);
      }
      hartIp->Handle(ipItems, NowMs());
    }
    if (pfd[1].revents & POLLNVAL) input.Close();
    if (pfd[1].revents & (POLLIN | POLLHUP)) {
      for (const std::string& answer : input.Read(loop, NowMs()))
        std::printf("%s\n", answer.c_str());
      std::fflush(stdout);
    }
    const ClientWatch::Change change =
        (pfd[2].revents & POLLIN) ? clients.Take() : ClientWatch::Change{};
    if (change.noneLeft) {
      // Nobody waits for a reply or a half-sent request any more.
      out.clear();
      loop.ResetReceiver();
      ioctl(term.keepOpen, TIOCNXCL);
    }
    termios settings{};
    if (change.closed && tcgetattr(term.keepOpen, &settings) == 0 && (settings.c_cflag & PARODD) &&
        !(settings.c_cflag & PARENB)) {
      settings.c_cflag &= ~tcflag_t(PARODD);
      tcsetattr(term.keepOpen, TCSANOW, &settings);
      LogLine("the client closed the terminal; its odd-parity flag is cleared");
    }
    if (!(pfd[0].revents & POLLIN)) {
      if (pfd[0].revents & (POLLHUP | POLLERR)) usleep(10000);
      continue;
    }
    uint8_t buf[256];
    ssize_t n = read(term.master, buf, sizeof buf);
    if (n <= 0) continue;
    const double arrived = NowMs();
    if (arrived - requestWireEnd > kFrameGapMs) loop.ResetReceiver();
    // A pseudo-terminal delivers the master's burst at once; on a real loop each byte takes
    // its wire time, so the request ends that much later.
    requestWireEnd = std::max(requestWireEnd, arrived) + double(n) * kByteMs;
    std::vector<std::vector<uint8_t>> requests;
    std::vector<SimReplyPiece> pieces = loop.Receive(buf, size_t(n), &requests);
    for (const auto& request : requests)
      LogFrame(false, request);
    std::vector<uint8_t> reply;
    for (const SimReplyPiece& p : pieces) {
      reply.insert(reply.end(), p.bytes.begin(), p.bytes.end());
      // The turnaround counts from the last request byte on the wire; each reply byte then
      // takes its wire time and reaches the master once its stop bit is out, due times
      // measured from one start so rounding never accumulates.
      double start = opt.pacing ? std::max(requestWireEnd + p.delayMs, lastDue) : arrived;
      for (size_t k = 0; k < p.bytes.size(); ++k) {
        double due = opt.pacing ? start + double(k + 1) * kByteMs : arrived;
        out.push_back({due, p.bytes[k]});
        lastDue = due;
      }
    }
    if (!reply.empty()) LogFrame(true, reply);
  }

  if (!opt.link.empty()) RemoveLink(term.slavePath, opt.link);
  if (term.keepOpen >= 0) close(term.keepOpen);
  if (term.master >= 0) close(term.master);
  hartIp.reset();
  int status = 0;
  if (g_capture.IsOpen() && !g_capture.Finish(&problem)) {
    std::fprintf(stderr, "hart-sim: capture not saved: %s\n", problem.c_str());
    status = 1;
  }
  if (g_frames != stdout) std::fclose(g_frames);
  std::printf("hart-sim: stopped\n");
  return status;
}
