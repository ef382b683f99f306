#include "SimHartIpServer.h"

#include <algorithm>
#include <cmath>

#include "FrameText.h"

namespace {

constexpr int kLoopPreambles = 5;  // what a gateway puts ahead of a frame on the loop

}  // namespace

struct SimHartIpServer::Client {
  uint64_t id = 0;
  bool tcp = false;
  net::Socket socket = net::kNoSocket;  // TCP: its connection; UDP: the server's socket
  net::Endpoint peer;
  std::string name;  // "UDP 127.0.0.1:40000"
  bool session = false;
  uint32_t inactivityMs = 0;
  double connectedMs = 0;  // TCP: when it was accepted
  double lastMs = 0;       // its last message
  // TCP bytes received and bytes not yet taken by the connection; the ones before inAt and
  // outAt are done with, and go in one piece when the buffer is next added to.
  std::vector<uint8_t> in;
  size_t inAt = 0;
  std::vector<uint8_t> out;
  size_t outAt = 0;
  size_t waiting = 0;       // its responses in pending_
  bool peerClosed = false;  // TCP: no more bytes come; what arrived before is still taken
  bool closeWhenSent = false;
  bool gone = false;
};

namespace {

// Drops the bytes before `at` (done with), so the buffer holds only what still counts.
void Compact(std::vector<uint8_t>& bytes, size_t& at) {
  if (at == 0) return;
  bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
  at = 0;
}

}  // namespace

SimHartIpServer::SimHartIpServer(SimLoop& loop, Events events, bool pacing)
    : loop_(loop), events_(std::move(events)), pacing_(pacing) {}

SimHartIpServer::~SimHartIpServer() {
  for (const auto& [id, c] : clients_)
    if (c->tcp) net::Close(c->socket);
  net::Close(udp_);
  net::Close(listener_);
}

bool SimHartIpServer::Start(const std::string& bindAddress, uint16_t port, std::string* error) {
  if (!net::Startup(error)) return false;
  net::Endpoint at[1];
  int count = 0;
  // With port 0 the UDP socket picks the number; TCP may find it taken and a few more tries
  // pick another.
  for (int attempt = 0; attempt < (port == 0 ? 20 : 1); ++attempt) {
    if (!net::Resolve(bindAddress, port, false, at, 1, &count, error)) return false;
    net::Close(udp_);
    net::Close(listener_);
    udp_ = net::Open(at[0], false);
    listener_ = net::Open(at[0], true);
    if (udp_ == net::kNoSocket || listener_ == net::kNoSocket) {
      if (error) *error = "cannot make the HART-IP sockets: " + net::ErrorText(net::LastError());
      return false;
    }
    if (!net::Listen(udp_, at[0], false, error)) return false;
    net::Endpoint bound;
    if (!net::LocalEndpoint(udp_, &bound)) return false;
    port_ = net::PortOf(bound);
    if (net::Listen(listener_, bound, true, error)) return true;
  }
  return false;
}

std::vector<net::PollItem> SimHartIpServer::PollItems() {
  std::vector<net::PollItem> items(2);
  items[0].socket = udp_;
  items[1].socket = listener_;
  polled_.clear();
  for (const auto& [id, c] : clients_) {
    if (!c->tcp) continue;
    net::PollItem item;
    item.socket = c->socket;
    // A client whose input is read far enough ahead waits until it is taken.
    item.wantRead = c->in.size() - c->inAt < kReadAheadBytes;
    item.wantWrite = c->out.size() > c->outAt;
    items.push_back(item);
    polled_.push_back(id);
  }
  return items;
}

void SimHartIpServer::Handle(const std::vector<net::PollItem>& items, double nowMs) {
  if (items.size() >= 2) {
    if (items[0].readable || items[0].failed) ReceiveDatagrams(nowMs);
    if (items[1].readable) Accept(nowMs);
  }
  for (size_t i = 2; i < items.size() && i - 2 < polled_.size(); ++i) {
    Client* c = Find(polled_[i - 2]);
    if (!c) continue;
    if (items[i].readable || items[i].failed) ReceiveStream(*c);
    if (!c->gone && items[i].writable) Flush(*c);
  }
  // Every connection takes its turn, with what it sent now or earlier and could not take then.
  for (const auto& [id, c] : clients_)
    if (c->tcp && !c->gone) TakeMessages(*c, nowMs);
  std::vector<uint64_t> gone;
  for (const auto& [id, c] : clients_)
    if (c->gone) gone.push_back(id);
  for (uint64_t id : gone)
    Drop(id);
}

int SimHartIpServer::Service(double nowMs) {
  while (!pending_.empty() && pending_.begin()->first <= nowMs) {
    Pending p = std::move(pending_.begin()->second);
    pending_.erase(pending_.begin());
    if (Client* c = Find(p.client)) {
      --c->waiting;
      Transmit(*c, p.message);
    }
  }
  std::vector<uint64_t> ended;
  bool backlog = false;
  for (const auto& [id, c] : clients_) {
    if (c->gone) {
      ended.push_back(id);
    } else if (c->session && nowMs - c->lastMs > c->inactivityMs) {
      // Sessions quiet for longer than their inactivity timer end, as on a real server.
      Note(c->name + ": session closed after " + std::to_string(c->inactivityMs) +
           " ms without a message");
      ended.push_back(id);
    } else if (c->tcp && !c->session && nowMs - c->connectedMs >= kNoSessionCloseMs) {
      Note(c->name + ": connection closed, no session after " +
           std::to_string(static_cast<int>(kNoSessionCloseMs)) + " ms");
      ended.push_back(id);
    } else if (!c->tcp && !c->session && c->waiting == 0) {
      ended.push_back(id);  // a peer refused a session (or answered once): nothing to keep
    } else if (c->tcp && HasWholeMessage(*c) && CanTakeMessage(*c)) {
      backlog = true;
    }
  }
  for (uint64_t id : ended)
    Drop(id);
  if (backlog) return 0;
  if (pending_.empty()) return -1;
  return std::max(0, static_cast<int>(std::ceil(pending_.begin()->first - nowMs)));
}

int SimHartIpServer::SessionCount() const {
  int n = 0;
  for (const auto& [id, c] : clients_)
    if (c->session && !c->gone) ++n;
  return n;
}

SimHartIpServer::Client* SimHartIpServer::Find(uint64_t id) {
  auto it = clients_.find(id);
  return it == clients_.end() ? nullptr : it->second.get();
}

SimHartIpServer::Client* SimHartIpServer::UdpClient(const net::Endpoint& peer, bool create) {
  for (const auto& [id, c] : clients_)
    if (!c->tcp && c->peer == peer) return c.get();
  if (!create) return nullptr;
  auto c = std::make_unique<Client>();
  c->id = nextClient_++;
  c->socket = udp_;
  c->peer = peer;
  c->name = "UDP " + net::Text(peer);
  Client* made = c.get();
  clients_.emplace(made->id, std::move(c));
  return made;
}

void SimHartIpServer::ReceiveDatagrams(double nowMs) {
  uint8_t buf[4096];
  // A bounded batch: what is left waits for the next turn, after the connections had theirs.
  for (int taken = 0; taken < kDatagramsPerTurn; ++taken) {
    net::Endpoint from;
    const long n = net::ReceiveFrom(udp_, buf, sizeof buf, &from);
    if (n < 0) return;  // nothing more (or a client's ICMP error, which concerns nobody now)
    const size_t size = static_cast<size_t>(n);
    hartip::Header h;
    if (!hartip::DecodeHeader(buf, size, h) || h.byteCount != size) {
      Note("UDP " + net::Text(from) + ": dropped a datagram that is not HART-IP (" +
           std::to_string(size) + " bytes: " + HexBytes({buf, buf + std::min<size_t>(size, 16)}) +
           (size > 16 ? " ..." : "") + ")");
      continue;
    }
    const bool answered = h.messageId == hartip::kSessionInitiate || h.version != hartip::kVersion;
    Client* c = UdpClient(from, answered && h.messageType == hartip::kRequest);
    if (!c) {
      Note("UDP " + net::Text(from) + ": dropped message id " + std::to_string(h.messageId) +
           " outside a session");
      continue;
    }
    if (h.version != hartip::kVersion) {
      RefuseVersion(*c, h, nowMs);
      continue;
    }
    if (c->waiting >= kMaxWaitingResponses) {
      Note(c->name + ": dropped sequence " + std::to_string(h.sequence) + ", " +
           std::to_string(kMaxWaitingResponses) + " responses already wait");
      continue;
    }
    OnMessage(*c, h, {buf + hartip::kHeaderSize, buf + size}, nowMs);
  }
}

void SimHartIpServer::Accept(double nowMs) {
  for (int taken = 0; taken < kMaxConnections; ++taken) {
    net::Endpoint peer;
    const net::Socket s = net::Accept(listener_, &peer);
    if (s == net::kNoSocket) return;
    auto c = std::make_unique<Client>();
    c->id = nextClient_++;
    c->tcp = true;
    c->socket = s;
    c->peer = peer;
    c->name = "TCP " + net::Text(peer);
    c->connectedMs = nowMs;
    c->lastMs = nowMs;
    if (!MakeRoomForConnection()) {
      Note(c->name + ": refused, " + std::to_string(kMaxConnections) + " connections open");
      net::Close(s);
      continue;
    }
    Note(c->name + ": connected");
    clients_.emplace(c->id, std::move(c));
  }
}

// At the connection limit the oldest connection without a session goes: it is the likeliest
// to be dead, and a new client must never be locked out by idle ones.
bool SimHartIpServer::MakeRoomForConnection() {
  int open = 0;
  Client* oldest = nullptr;
  for (const auto& [id, c] : clients_) {
    if (!c->tcp || c->gone) continue;
    ++open;
    if (!c->session && !oldest) oldest = c.get();
  }
  if (open < kMaxConnections) return true;
  if (!oldest) return false;
  Note(oldest->name + ": connection closed to make room, no session yet");
  Drop(oldest->id);
  return true;
}

void SimHartIpServer::ReceiveStream(Client& c) {
  if (c.peerClosed) return;
  Compact(c.in, c.inAt);
  uint8_t buf[4096];
  while (c.in.size() < kReadAheadBytes) {
    const long n = net::Receive(c.socket, buf, sizeof buf);
    if (n == 0 || (n < 0 && !net::WouldBlock(net::LastError()))) {
      c.peerClosed = true;  // closed after the messages that came before
      return;
    }
    if (n < 0) return;
    c.in.insert(c.in.end(), buf, buf + n);
  }
}

bool SimHartIpServer::HasWholeMessage(const Client& c) const {
  const size_t available = c.in.size() - c.inAt;
  if (available < hartip::kHeaderSize) return false;
  hartip::Header h;
  hartip::DecodeHeader(c.in.data() + c.inAt, available, h);
  return available >= h.byteCount;  // (a count below the header's own size ends the stream)
}

bool SimHartIpServer::CanTakeMessage(const Client& c) const {
  return !c.gone && !c.closeWhenSent && c.waiting < kMaxWaitingResponses;
}

void SimHartIpServer::TakeMessages(Client& c, double nowMs) {
  // Whole messages by their byte count, a bounded number per turn; the rest waits for more
  // bytes or the next turn.
  for (int taken = 0; taken < kMessagesPerTurn && CanTakeMessage(c) && HasWholeMessage(c);
       ++taken) {
    const uint8_t* at = c.in.data() + c.inAt;
    hartip::Header h;
    hartip::DecodeHeader(at, hartip::kHeaderSize, h);
    if (h.byteCount < hartip::kHeaderSize) {
      Note(c.name + ": the stream is not HART-IP (" + HexBytes({at, at + hartip::kHeaderSize}) +
           "); closing it");
      c.gone = true;
      return;
    }
    const std::vector<uint8_t> body(at + hartip::kHeaderSize, at + h.byteCount);
    c.inAt += h.byteCount;
    if (h.version != hartip::kVersion)
      RefuseVersion(c, h, nowMs);
    else
      OnMessage(c, h, body, nowMs);
  }
  if (c.inAt == c.in.size()) {
    c.in.clear();
    c.inAt = 0;
  }
  if (c.peerClosed && !c.gone && !HasWholeMessage(c)) {
    Note(c.name + ": connection closed");
    c.gone = true;
  }
}

void SimHartIpServer::RefuseVersion(Client& c, const hartip::Header& h, double nowMs) {
  if (h.messageType != hartip::kRequest) {
    Note(c.name + ": dropped a message of version " + std::to_string(h.version));
    return;
  }
  Note(c.name + ": version " + std::to_string(h.version) + " not supported (message id " +
       std::to_string(h.messageId) + ")");
  Respond(c, h, kStatusVersionNotSupported, {}, nowMs);
}

void SimHartIpServer::OnMessage(Client& c, const hartip::Header& h,
                                const std::vector<uint8_t>& body, double nowMs) {
  if (h.messageType != hartip::kRequest) {
    Note(c.name + ": dropped a message of type " + std::to_string(h.messageType) +
         " (only requests are answered)");
    return;
  }
  if (h.messageId != hartip::kSessionInitiate && !c.session) {
    Note(c.name + ": dropped message id " + std::to_string(h.messageId) + " outside a session");
    return;
  }
  c.lastMs = nowMs;
  switch (h.messageId) {
    case hartip::kSessionInitiate:
      InitiateSession(c, h, body, nowMs);
      return;
    case hartip::kSessionClose:
      Note(c.name + ": session closed by the client");
      Respond(c, h, hartip::kStatusSuccess, {}, nowMs);
      c.session = false;
      c.closeWhenSent = true;
      return;
    case hartip::kKeepAlive:
      Respond(c, h, hartip::kStatusSuccess, {}, nowMs);
      return;
    case hartip::kTokenPassingPdu:
      break;
    default:
      Note(c.name + ": dropped unknown message id " + std::to_string(h.messageId));
      return;
  }

  // The frame goes on the loop as a gateway would send it, with preambles ahead. The loop's
  // receiver starts clean before and after, so a HART-IP frame never merges with bytes of
  // the serial side (two masters at once would collide on a real loop anyway).
  std::vector<uint8_t> onLoop(kLoopPreambles, 0xFF);
  onLoop.insert(onLoop.end(), body.begin(), body.end());
  loop_.ResetReceiver();
  std::vector<std::vector<uint8_t>> requests;
  const std::vector<SimReplyPiece> pieces = loop_.Receive(onLoop.data(), onLoop.size(), &requests);
  loop_.ResetReceiver();
  for (const auto& request : requests)
    if (events_.request) events_.request(request, c.name);
  if (requests.empty()) {
    Note(c.name + ": sequence " + std::to_string(h.sequence) + " carries no request frame (" +
         HexBytes(body) + ")");
    return;
  }
  std::vector<uint8_t> wire;
  double due = nowMs + static_cast<double>(onLoop.size()) * kSimWireByteMs;
  double last = due;
  for (const SimReplyPiece& p : pieces) {
    wire.insert(wire.end(), p.bytes.begin(), p.bytes.end());
    const double start = std::max(due + p.delayMs, last);
    last = start + static_cast<double>(p.bytes.size()) * kSimWireByteMs;
  }
  const int start = FindFrameStart(wire);
  if (start < 0) return;  // silent device (or only noise): no response
  const std::vector<uint8_t> frame(wire.begin() + start, wire.end());
  if (events_.reply) events_.reply(frame, c.name);
  Respond(c, h, hartip::kStatusSuccess, frame, pacing_ ? last : nowMs);
}

void SimHartIpServer::InitiateSession(Client& c, const hartip::Header& h,
                                      const std::vector<uint8_t>& body, double nowMs) {
  if (c.session) {
    Note(c.name + ": another session initiate refused, the session is already established");
    Respond(c, h, kStatusSessionAlreadyEstablished, {}, nowMs);
    return;
  }
  uint8_t master = 0;
  uint32_t asked = 0;
  if (!hartip::DecodeSessionInitiateBody(body.data(), body.size(), master, asked)) {
    Note(c.name + ": session initiate with " + std::to_string(body.size()) + " body bytes refused");
    Respond(c, h, hartip::kStatusTooFewDataBytes, {}, nowMs);
    return;
  }
  if (SessionCount() >= kMaxSessions) {
    Note(c.name + ": session refused, all " + std::to_string(kMaxSessions) + " sessions in use");
    Respond(c, h, kStatusAllSessionsInUse, {}, nowMs);
    return;
  }
  // A timer of zero would keep a dead client's session forever, a tiny one would end a live
  // one between two requests: the nearest value we keep is granted instead.
  const uint32_t granted = std::clamp(asked, kMinInactivityMs, kMaxInactivityMs);
  c.session = true;
  c.inactivityMs = granted;
  Note(c.name + ": session opened (master type " + std::to_string(master) + ", inactivity timer " +
       std::to_string(granted) + " ms" +
       (granted != asked ? ", " + std::to_string(asked) + " ms asked" : std::string()) + ")");
  Respond(c, h, granted == asked ? hartip::kStatusSuccess : hartip::kStatusSetToNearest,
          hartip::EncodeSessionInitiateBody(master, granted), nowMs);
}

void SimHartIpServer::Respond(Client& c, const hartip::Header& request, uint8_t status,
                              const std::vector<uint8_t>& body, double dueMs) {
  // After every response already due then, so a client's responses leave in order.
  pending_.emplace(
      dueMs, Pending{c.id, hartip::EncodeMessage(hartip::kResponse, request.messageId, status,
                                                 request.sequence, body.data(), body.size())});
  ++c.waiting;
}

void SimHartIpServer::Transmit(Client& c, const std::vector<uint8_t>& message) {
  if (!c.tcp) {
    if (net::SendTo(udp_, message.data(), message.size(), c.peer) < 0)
      Note(c.name + ": response lost: " + net::ErrorText(net::LastError()));
    if (c.closeWhenSent) c.gone = true;
    return;
  }
  if (c.out.size() - c.outAt + message.size() > kMaxUnsentBytes) {
    if (!c.gone)
      Note(c.name + ": connection closed, it does not read its responses (" +
           std::to_string(c.out.size() - c.outAt) + " bytes unsent)");
    c.gone = true;
    return;
  }
  Compact(c.out, c.outAt);
  c.out.insert(c.out.end(), message.begin(), message.end());
  Flush(c);
}

void SimHartIpServer::Flush(Client& c) {
  while (c.outAt < c.out.size()) {
    const long n = net::Send(c.socket, c.out.data() + c.outAt, c.out.size() - c.outAt);
    if (n < 0) {
      if (net::WouldBlock(net::LastError())) return;  // the rest when the socket takes it
      if (!c.gone) Note(c.name + ": connection lost: " + net::ErrorText(net::LastError()));
      c.gone = true;
      return;
    }
    c.outAt += static_cast<size_t>(n);
  }
  c.out.clear();
  c.outAt = 0;
  if (c.closeWhenSent) c.gone = true;
}

void SimHartIpServer::Drop(uint64_t client) {
  auto it = clients_.find(client);
  if (it == clients_.end()) return;
  if (it->second->tcp) net::Close(it->second->socket);
  clients_.erase(it);
  std::erase_if(pending_, [client](const auto& entry) { return entry.second.client == client; });
}

void SimHartIpServer::Note(const std::string& line) {
  if (events_.note) events_.note(line);
}
