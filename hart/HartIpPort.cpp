#include "HartIpPort.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <string_view>

namespace {

constexpr std::string_view kUdpScheme = "hartip://";
constexpr std::string_view kTcpScheme = "hartip+tcp://";
// A modem hands the master the device's preambles; the link's parser wants at least two.
constexpr int kDeliveredPreambles = 5;
constexpr int kSendGiveUpMs = 1000;  // a full TCP send queue for this long: the server is stuck

int MsUntil(std::chrono::steady_clock::time_point deadline) {
  const auto left =
      std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
          .count();
  return static_cast<int>(std::clamp<long long>(left, 0, INT_MAX));
}

const char* KindText(uint8_t messageType) {
  switch (messageType) {
    case hartip::kError:
      return "an error";
    case hartip::kNak:
      return "a NAK";
    default:
      return "a response";
  }
}

}  // namespace

bool IsHartIpName(const std::string& name) {
  const std::string_view view = name;
  return view.starts_with(kUdpScheme) || view.starts_with(kTcpScheme);
}

std::string HartIpName(const HartIpAddress& address) {
  const std::string& host = address.host;
  const bool ipv6 = host.find(':') != std::string::npos;
  return std::string(address.tcp ? kTcpScheme : kUdpScheme) + (ipv6 ? "[" + host + "]" : host) +
         ":" + std::to_string(address.port);
}

bool ParseHartIpName(const std::string& name, HartIpAddress& out, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = "bad HART-IP port name '" + name + "': " + why;
    return false;
  };
  std::string_view rest = name;
  HartIpAddress address;
  if (rest.starts_with(kTcpScheme)) {
    address.tcp = true;
    rest.remove_prefix(kTcpScheme.size());
  } else if (rest.starts_with(kUdpScheme)) {
    rest.remove_prefix(kUdpScheme.size());
  } else {
    return fail("it starts neither hartip:// nor hartip+tcp://");
  }
  if (rest.ends_with('/')) rest.remove_suffix(1);
  std::string_view portText;
  if (rest.starts_with('[')) {  // [IPv6]:port
    const size_t close = rest.find(']');
    if (close == std::string_view::npos) return fail("no ']' after the IPv6 address");
    address.host = std::string(rest.substr(1, close - 1));
    std::string_view after = rest.substr(close + 1);
    if (!after.empty()) {
      if (!after.starts_with(':')) return fail("':PORT' expected after ']'");
      portText = after.substr(1);
      if (portText.empty()) return fail("no port after ':'");
    }
  } else {
    const size_t colon = rest.find(':');
    // More than one colon without brackets: a bare IPv6 address on the default port.
    if (colon != std::string_view::npos && rest.find(':', colon + 1) == std::string_view::npos) {
      address.host = std::string(rest.substr(0, colon));
      portText = rest.substr(colon + 1);
      if (portText.empty()) return fail("no port after ':'");
    } else {
      address.host = std::string(rest);
    }
  }
  if (address.host.empty()) return fail("no host");
  if (!portText.empty()) {
    unsigned port = 0;
    const auto [end, ec] =
        std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (ec != std::errc() || end != portText.data() + portText.size() || port < 1 || port > 65535)
      return fail("the port must be a number from 1 to 65535");
    address.port = static_cast<uint16_t>(port);
  }
  out = address;
  return true;
}

HartIpPort::HartIpPort(const Timing& timing)
    : timing_(timing), keepAliveEvery_(KeepAliveSpacing(0)) {}

std::chrono::milliseconds HartIpPort::KeepAliveSpacing(uint32_t inactivityMs) const {
  int64_t every = timing_.keepAliveMs;
  // Well inside the timer the server settled on, but a timer of a few milliseconds must not
  // turn the keep-alives into a flood.
  if (inactivityMs > 0) every = std::min<int64_t>(every, inactivityMs / 3);
  return std::chrono::milliseconds(std::max<int64_t>({every, timing_.keepAliveFloorMs, 1}));
}

HartIpPort::~HartIpPort() {
  Close();
}

bool HartIpPort::Open(const std::string& name) {
  Close();
  Note("");
  HartIpAddress address;
  std::string error;
  if (!ParseHartIpName(name, address, &error) || !net::Startup(&error)) {
    Note(error);
    return false;
  }
  if (!StartSession(address, &error)) {
    Close();
    Note(error);
    return false;
  }
  keepAlive_ = std::thread(&HartIpPort::KeepAliveLoop, this);
  return true;
}

bool HartIpPort::StartSession(const HartIpAddress& address, std::string* error) {
  net::Endpoint found[4];
  int count = 0;
  if (!net::Resolve(address.host, address.port, address.tcp, found, 4, &count, error)) return false;
  tcp_ = address.tcp;
  // Each address of the host in turn (IPv4 first) until one holds a server.
  for (int i = 0; i < count; ++i) {
    if (socket_ != net::kNoSocket) net::Close(socket_);
    stream_.clear();
    broken_ = false;
    peer_ = net::Text(found[i]);
    socket_ = net::Open(found[i], tcp_);
    if (socket_ == net::kNoSocket) {
      *error = "cannot make a socket for " + peer_ + ": " + net::ErrorText(net::LastError());
      continue;
    }
    if (!net::Connect(socket_, found[i], timing_.sessionReplyMs, error)) continue;

    const int sequence =
        Send(hartip::kSessionInitiate,
             hartip::EncodeSessionInitiateBody(hartip::kPrimaryMaster, timing_.inactivityMs));
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timing_.sessionReplyMs);
    while (sequence >= 0 && !broken_) {
      hartip::Header h;
      std::vector<uint8_t> body;
      if (!NextMessage(h, body)) {
        const int left = MsUntil(deadline);
        if (left == 0) break;
        WaitSocket(left);
        continue;
      }
      if (h.messageId != hartip::kSessionInitiate || h.sequence != sequence ||
          h.messageType == hartip::kRequest) {
        continue;  // not the answer to our initiate
      }
      if (h.messageType != hartip::kResponse ||
          (h.status != hartip::kStatusSuccess && h.status != hartip::kStatusSetToNearest)) {
        *error = "the HART-IP server at " + peer_ + " refused the session (" +
                 KindText(h.messageType) + ", status " + std::to_string(h.status) + ")";
        return false;
      }
      uint8_t master = 0;
      uint32_t inactivityMs = 0;
      if (hartip::DecodeSessionInitiateBody(body.data(), body.size(), master, inactivityMs)) {
        std::lock_guard<std::mutex> hold(mu_);
        keepAliveEvery_ = KeepAliveSpacing(inactivityMs);
      }
      session_ = true;
      return true;
    }
    *error = broken_ ? LastError()
                     : "no answer from a HART-IP server at " + peer_ + " within " +
                           std::to_string(timing_.sessionReplyMs) + " ms";
  }
  return false;
}

void HartIpPort::Close() {
  if (keepAlive_.joinable()) {
    {
      std::lock_guard<std::mutex> hold(mu_);
      stop_ = true;
    }
    wake_.notify_all();
    keepAlive_.join();
  }
  if (socket_ != net::kNoSocket) {
    if (session_ && !broken_)
      AwaitAnswer(hartip::kSessionClose, Send(hartip::kSessionClose, {}), timing_.closeReplyMs);
    net::Close(socket_);
  }
  socket_ = net::kNoSocket;
  session_ = false;
  ready_.clear();
  stream_.clear();
  awaiting_ = false;
  broken_ = false;
  std::lock_guard<std::mutex> hold(mu_);
  stop_ = false;
  nextSequence_ = 0;
  keepAliveEvery_ = KeepAliveSpacing(0);
}

void HartIpPort::AwaitAnswer(uint8_t messageId, int sequence, int timeoutMs) {
  if (sequence < 0) return;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  // A server that went away ends the wait at once when the socket learns of it (a closed
  // connection, a refused datagram), else at the deadline.
  for (;;) {
    hartip::Header h;
    std::vector<uint8_t> body;
    if (NextMessage(h, body)) {
      if (h.messageId == messageId && h.sequence == sequence && h.messageType != hartip::kRequest)
        return;
      continue;
    }
    const int left = MsUntil(deadline);
    if (broken_ || left == 0) return;
    WaitSocket(left);
  }
}

bool HartIpPort::Purge() {
  if (!IsOpen()) return false;
  Drain();
  ready_.clear();
  awaiting_ = false;
  return !broken_;
}

int HartIpPort::BytesWaiting() {
  if (!IsOpen()) return -1;
  Drain();
  if (ready_.empty() && broken_) return -1;
  return static_cast<int>(ready_.size());
}

int HartIpPort::Read(uint8_t* buf, int max) {
  if (!IsOpen()) return -1;
  if (max <= 0) return 0;
  if (ready_.empty()) Drain();
  if (ready_.empty() && broken_) return -1;
  const size_t n = std::min(static_cast<size_t>(max), ready_.size());
  std::copy_n(ready_.begin(), n, buf);
  ready_.erase(ready_.begin(), ready_.begin() + static_cast<std::ptrdiff_t>(n));
  return static_cast<int>(n);
}

int HartIpPort::Write(const uint8_t* buf, int n) {
  if (!IsOpen() || broken_) return -1;
  if (n <= 0) return 0;
  int start = 0;
  while (start < n && buf[start] == 0xFF)
    ++start;
  if (start == n) return -1;  // preambles only: no frame to carry
  Note("");
  const int sequence = Send(hartip::kTokenPassingPdu, {buf + start, buf + n});
  if (sequence < 0) return -1;
  awaiting_ = true;
  awaitedSequence_ = static_cast<uint16_t>(sequence);
  return n;
}

bool HartIpPort::WaitReadable(int timeoutMs) {
  if (!IsOpen()) return false;
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
  for (;;) {
    Drain();
    if (!ready_.empty()) return true;
    if (broken_ || !awaiting_) return false;  // nothing can come for this request any more
    const int left = MsUntil(deadline);
    if (left == 0) return false;
    WaitSocket(left);
  }
}

std::string HartIpPort::LastError() const {
  std::lock_guard<std::mutex> hold(mu_);
  return lastError_;
}

int HartIpPort::Send(uint8_t messageId, const std::vector<uint8_t>& body) {
  std::lock_guard<std::mutex> hold(mu_);
  return SendLocked(messageId, body);
}

int HartIpPort::SendLocked(uint8_t messageId, const std::vector<uint8_t>& body) {
  const uint16_t sequence = nextSequence_++;
  const std::vector<uint8_t> message = hartip::EncodeMessage(
      hartip::kRequest, messageId, hartip::kStatusSuccess, sequence, body.data(), body.size());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kSendGiveUpMs);
  size_t done = 0;
  while (done < message.size()) {
    const long sent = net::Send(socket_, message.data() + done, message.size() - done);
    if (sent > 0) {
      done += static_cast<size_t>(sent);
      continue;
    }
    const int e = net::LastError();
    const int left = MsUntil(deadline);
    if (sent < 0 && net::WouldBlock(e) && left > 0) {
      net::PollItem item;
      item.socket = socket_;
      item.wantRead = false;
      item.wantWrite = true;
      net::Poll(&item, 1, left);
      continue;
    }
    const std::string why =
        sent < 0 && net::Refused(e)
            ? "the HART-IP server at " + peer_ + " is gone (" + net::ErrorText(e) + ")"
            : "sending to the HART-IP server at " + peer_ + " failed" +
                  (sent < 0 ? ": " + net::ErrorText(e) : std::string(" (stuck)"));
    if (!broken_.exchange(true)) lastError_ = why;
    return -1;
  }
  lastSent_ = std::chrono::steady_clock::now();
  return sequence;
}

bool HartIpPort::NextMessage(hartip::Header& header, std::vector<uint8_t>& body) {
  if (broken_ || socket_ == net::kNoSocket) return false;
  uint8_t buf[2048];
  for (;;) {
    if (tcp_ && stream_.size() >= hartip::kHeaderSize) {
      hartip::DecodeHeader(stream_.data(), stream_.size(), header);
      // Without a sane byte count there is no telling where the next message starts.
      if (header.byteCount < hartip::kHeaderSize) {
        Broke("the HART-IP server at " + peer_ + " sent a stream that is not HART-IP");
        return false;
      }
      if (stream_.size() >= header.byteCount) {
        const auto end = stream_.begin() + header.byteCount;
        body.assign(stream_.begin() + hartip::kHeaderSize, end);
        stream_.erase(stream_.begin(), end);
        if (header.version != hartip::kVersion) continue;  // dropped whole
        return true;
      }
    }
    const long n = net::Receive(socket_, buf, sizeof buf);
    if (n < 0) {
      const int e = net::LastError();
      if (net::WouldBlock(e)) return false;
      Broke(net::Refused(e)
                ? "the HART-IP server at " + peer_ + " does not answer (" + net::ErrorText(e) + ")"
                : "receiving from the HART-IP server at " + peer_ +
                      " failed: " + net::ErrorText(e));
      return false;
    }
    if (tcp_) {
      if (n == 0) {
        Broke("the HART-IP server at " + peer_ + " closed the connection");
        return false;
      }
      stream_.insert(stream_.end(), buf, buf + n);
      continue;
    }
    // A datagram is one message; anything else in it makes it not HART-IP.
    const size_t size = static_cast<size_t>(n);
    if (!hartip::DecodeHeader(buf, size, header) || header.version != hartip::kVersion ||
        header.byteCount < hartip::kHeaderSize || header.byteCount > size) {
      continue;
    }
    body.assign(buf + hartip::kHeaderSize, buf + header.byteCount);
    return true;
  }
}

void HartIpPort::Deliver(const hartip::Header& header, const std::vector<uint8_t>& body) {
  // Keep-alive answers, a late session answer, bursts: nothing for the reader.
  if (header.messageId != hartip::kTokenPassingPdu || header.messageType == hartip::kRequest ||
      header.messageType == hartip::kPublish) {
    return;
  }
  if (!awaiting_ || header.sequence != awaitedSequence_) return;  // for an earlier request
  awaiting_ = false;
  if (header.messageType == hartip::kResponse && header.status == hartip::kStatusSuccess &&
      !body.empty()) {
    ready_.insert(ready_.end(), kDeliveredPreambles, 0xFF);
    ready_.insert(ready_.end(), body.begin(), body.end());
    return;
  }
  Note("the HART-IP server at " + peer_ + " answered the request with " +
       KindText(header.messageType) + ", status " + std::to_string(header.status) +
       (body.empty() ? ", no frame" : ""));
}

void HartIpPort::Drain() {
  hartip::Header header;
  std::vector<uint8_t> body;
  while (NextMessage(header, body))
    Deliver(header, body);
}

void HartIpPort::WaitSocket(int ms) {
  net::PollItem item;
  item.socket = socket_;
  net::Poll(&item, 1, ms);
}

void HartIpPort::Broke(const std::string& why) {
  std::lock_guard<std::mutex> hold(mu_);
  if (!broken_.exchange(true)) lastError_ = why;
}

void HartIpPort::Note(const std::string& why) {
  std::lock_guard<std::mutex> hold(mu_);
  lastError_ = why;
}

void HartIpPort::KeepAliveLoop() {
  std::unique_lock<std::mutex> lock(mu_);
  while (!stop_) {
    if (broken_) {  // nothing more to send on this session
      wake_.wait(lock, [this] { return stop_; });
      return;
    }
    const auto due = lastSent_ + keepAliveEvery_;
    if (wake_.wait_until(lock, due, [this] { return stop_; })) return;
    // Traffic since may have moved the due time.
    if (std::chrono::steady_clock::now() >= lastSent_ + keepAliveEvery_)
      SendLocked(hartip::kKeepAlive, {});
  }
}
