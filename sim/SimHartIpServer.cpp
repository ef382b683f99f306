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
  double lastMs = 0;
  std::vector<uint8_t> in;   // TCP bytes not yet a whole message
  std::vector<uint8_t> out;  // TCP bytes not yet taken by the connection
  bool closeWhenSent = false;
  bool gone = false;
};

SimHartIpServer::SimHartIpServer(SimLoop& loop, Events events, bool pacing)
    : loop_(loop), events_(std::move(events)), pacing_(pacing) {}

SimHartIpServer::~SimHartIpServer() {
  for (const auto& c : clients_)
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
  for (const auto& c : clients_) {
    if (!c->tcp) continue;
    net::PollItem item;
    item.socket = c->socket;
    item.wantWrite = !c->out.empty();
    items.push_back(item);
    polled_.push_back(c->id);
  }
  return items;
}

void SimHartIpServer::Handle(const std::vector<net::PollItem>& items, double nowMs) {
  if (items.size() >= 2) {
    if (items[0].readable || items[0].failed) ReceiveDatagrams(nowMs);
    if (items[1].readable) Accept(nowMs);
  }
  for (size_t i = 2; i < items.size() && i - 2 < polled_.size(); ++i) {
    const uint64_t id = polled_[i - 2];
    auto it =
        std::find_if(clients_.begin(), clients_.end(), [id](const auto& c) { return c->id == id; });
    if (it == clients_.end()) continue;
    Client& c = **it;
    if (items[i].readable || items[i].failed) ReceiveStream(c, nowMs);
    if (!c.gone && items[i].writable) Flush(c);
  }
  std::vector<uint64_t> gone;
  for (const auto& c : clients_)
    if (c->gone) gone.push_back(c->id);
  for (uint64_t id : gone)
    Drop(id);
}

int SimHartIpServer::Service(double nowMs) {
  while (!pending_.empty() && pending_.front().dueMs <= nowMs) {
    Pending p = std::move(pending_.front());
    pending_.erase(pending_.begin());
    auto it = std::find_if(clients_.begin(), clients_.end(),
                           [&](const auto& c) { return c->id == p.client; });
    if (it != clients_.end()) Transmit(**it, p.message);
  }
  // Sessions quiet for longer than their inactivity timer end, as on a real server.
  std::vector<uint64_t> idle;
  for (const auto& c : clients_) {
    if (c->gone || (c->session && c->inactivityMs > 0 && nowMs - c->lastMs > c->inactivityMs)) {
      if (!c->gone)
        Note(c->name + ": session closed after " + std::to_string(c->inactivityMs) +
             " ms without a message");
      idle.push_back(c->id);
    }
  }
  for (uint64_t id : idle)
    Drop(id);
  if (pending_.empty()) return -1;
  return std::max(0, static_cast<int>(std::ceil(pending_.front().dueMs - nowMs)));
}

SimHartIpServer::Client* SimHartIpServer::UdpClient(const net::Endpoint& peer, bool create) {
  for (const auto& c : clients_)
    if (!c->tcp && c->peer == peer) return c.get();
  if (!create) return nullptr;
  auto c = std::make_unique<Client>();
  c->id = nextClient_++;
  c->socket = udp_;
  c->peer = peer;
  c->name = "UDP " + net::Text(peer);
  clients_.push_back(std::move(c));
  return clients_.back().get();
}

void SimHartIpServer::ReceiveDatagrams(double nowMs) {
  uint8_t buf[4096];
  for (;;) {
    net::Endpoint from;
    const long n = net::ReceiveFrom(udp_, buf, sizeof buf, &from);
    if (n < 0) return;  // nothing more (or a client's ICMP error, which concerns nobody now)
    const size_t size = static_cast<size_t>(n);
    hartip::Header h;
    if (!hartip::DecodeHeader(buf, size, h) || h.version != hartip::kVersion ||
        h.byteCount != size) {
      Note("UDP " + net::Text(from) + ": dropped a datagram that is not HART-IP (" +
           std::to_string(size) + " bytes: " + HexBytes({buf, buf + std::min<size_t>(size, 16)}) +
           (size > 16 ? " ..." : "") + ")");
      continue;
    }
    const bool initiate = h.messageId == hartip::kSessionInitiate;
    Client* c = UdpClient(from, initiate);
    if (!c) {
      Note("UDP " + net::Text(from) + ": dropped message id " + std::to_string(h.messageId) +
           " outside a session");
      continue;
    }
    OnMessage(*c, h, {buf + hartip::kHeaderSize, buf + size}, nowMs);
  }
}

void SimHartIpServer::Accept(double nowMs) {
  for (;;) {
    net::Endpoint peer;
    const net::Socket s = net::Accept(listener_, &peer);
    if (s == net::kNoSocket) return;
    auto c = std::make_unique<Client>();
    c->id = nextClient_++;
    c->tcp = true;
    c->socket = s;
    c->peer = peer;
    c->name = "TCP " + net::Text(peer);
    c->lastMs = nowMs;
    Note(c->name + ": connected");
    clients_.push_back(std::move(c));
  }
}

void SimHartIpServer::ReceiveStream(Client& c, double nowMs) {
  uint8_t buf[4096];
  bool closed = false;
  for (;;) {
    const long n = net::Receive(c.socket, buf, sizeof buf);
    if (n == 0 || (n < 0 && !net::WouldBlock(net::LastError()))) {
      closed = true;  // after the messages that came before
      break;
    }
    if (n < 0) break;
    c.in.insert(c.in.end(), buf, buf + n);
  }
  TakeMessages(c, nowMs);
  if (closed && !c.gone) {
    Note(c.name + ": connection closed");
    c.gone = true;
  }
}

void SimHartIpServer::TakeMessages(Client& c, double nowMs) {
  // Whole messages by their byte count; the rest waits for more bytes.
  while (c.in.size() >= hartip::kHeaderSize) {
    hartip::Header h;
    hartip::DecodeHeader(c.in.data(), c.in.size(), h);
    if (h.byteCount < hartip::kHeaderSize) {
      Note(c.name + ": the stream is not HART-IP (" +
           HexBytes({c.in.begin(), c.in.begin() + hartip::kHeaderSize}) + "); closing it");
      c.gone = true;
      return;
    }
    if (c.in.size() < h.byteCount) return;
    const std::vector<uint8_t> body(c.in.begin() + hartip::kHeaderSize, c.in.begin() + h.byteCount);
    c.in.erase(c.in.begin(), c.in.begin() + h.byteCount);
    if (h.version != hartip::kVersion) {
      Note(c.name + ": dropped a message of version " + std::to_string(h.version));
      continue;
    }
    OnMessage(c, h, body, nowMs);
    if (c.gone || c.closeWhenSent) return;
  }
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
    case hartip::kSessionInitiate: {
      uint8_t master = 0;
      uint32_t inactivityMs = 0;
      if (!hartip::DecodeSessionInitiateBody(body.data(), body.size(), master, inactivityMs)) {
        Note(c.name + ": session initiate with " + std::to_string(body.size()) +
             " body bytes refused");
        Respond(c, h, hartip::kStatusTooFewDataBytes, {}, nowMs);
        return;
      }
      c.session = true;
      c.inactivityMs = inactivityMs;
      Note(c.name + ": session opened (master type " + std::to_string(master) +
           ", inactivity timer " + std::to_string(inactivityMs) + " ms)");
      Respond(c, h, hartip::kStatusSuccess,
              {body.begin(), body.begin() + hartip::kSessionInitiateBodySize}, nowMs);
      return;
    }
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
  const size_t before = loop_.Requests().size();
  const std::vector<SimReplyPiece> pieces = loop_.Receive(onLoop.data(), onLoop.size());
  loop_.ResetReceiver();
  const auto& requests = loop_.Requests();
  for (size_t i = before; i < requests.size(); ++i)
    if (events_.request) events_.request(requests[i], c.name);
  if (requests.size() == before) {
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

void SimHartIpServer::Respond(Client& c, const hartip::Header& request, uint8_t status,
                              const std::vector<uint8_t>& body, double dueMs) {
  Pending p{dueMs, c.id,
            hartip::EncodeMessage(hartip::kResponse, request.messageId, status, request.sequence,
                                  body.data(), body.size())};
  // After every response already waiting for this client, so they leave in order.
  auto at = std::upper_bound(pending_.begin(), pending_.end(), p.dueMs,
                             [](double due, const Pending& q) { return due < q.dueMs; });
  pending_.insert(at, std::move(p));
}

void SimHartIpServer::Transmit(Client& c, const std::vector<uint8_t>& message) {
  if (!c.tcp) {
    if (net::SendTo(udp_, message.data(), message.size(), c.peer) < 0)
      Note(c.name + ": response lost: " + net::ErrorText(net::LastError()));
    if (c.closeWhenSent) c.gone = true;
    return;
  }
  c.out.insert(c.out.end(), message.begin(), message.end());
  Flush(c);
}

void SimHartIpServer::Flush(Client& c) {
  while (!c.out.empty()) {
    const long n = net::Send(c.socket, c.out.data(), c.out.size());
    if (n < 0) {
      if (net::WouldBlock(net::LastError())) return;  // the rest when the socket takes it
      Note(c.name + ": connection lost: " + net::ErrorText(net::LastError()));
      c.gone = true;
      return;
    }
    c.out.erase(c.out.begin(), c.out.begin() + n);
  }
  if (c.closeWhenSent) c.gone = true;
}

void SimHartIpServer::Drop(uint64_t client) {
  auto it = std::find_if(clients_.begin(), clients_.end(),
                         [client](const auto& c) { return c->id == client; });
  if (it == clients_.end()) return;
  if ((*it)->tcp) net::Close((*it)->socket);
  clients_.erase(it);
  std::erase_if(pending_, [client](const Pending& p) { return p.client == client; });
}

void SimHartIpServer::Note(const std::string& line) {
  if (events_.note) events_.note(line);
}
