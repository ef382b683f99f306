// Clients of hart-sim's HART-IP port for the tests: the link as the program opens it, and a
// raw socket to send what the link never would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Commands.h"
#include "NetSocket.h"

// A DeviceState on the virtual clock (the link's own waits cost nothing), opened on hart-sim's
// HART-IP port and addressed to the device at polling address 0.
struct Master {
  Master(const std::string& scheme, int port) {
    ds.clock = &clock;
    ds.portNameOverride = scheme + "://127.0.0.1:" + std::to_string(port);
  }
  bool Open() {
    HartIdentity id{};
    return HartOpenPort(ds) && HartCmd0(ds, 0, id) == HART_OK;
  }
  VirtualClock clock;
  DeviceState ds;
};

class RawClient {
 public:
  RawClient(int port, bool tcp) {
    net::Endpoint at;
    int n = 0;
    net::Resolve("127.0.0.1", uint16_t(port), tcp, &at, 1, &n, nullptr);
    s_ = net::Open(at, tcp);
    connected_ = net::Connect(s_, at, 2000, nullptr);
  }
  ~RawClient() { net::Close(s_); }
  RawClient(const RawClient&) = delete;
  RawClient& operator=(const RawClient&) = delete;
  bool connected() const { return connected_; }
  net::Socket socket() const { return s_; }
  void Send(const std::vector<uint8_t>& b) { net::Send(s_, b.data(), b.size()); }
  // What arrives within `waitMs` (one datagram, or what the stream holds); empty on a close.
  std::vector<uint8_t> Receive(int waitMs = 2000) {
    net::PollItem item;
    item.socket = s_;
    if (net::Poll(&item, 1, waitMs) <= 0) return {};
    uint8_t buf[512];
    const long n = net::Receive(s_, buf, sizeof buf);
    return n > 0 ? std::vector<uint8_t>(buf, buf + n) : std::vector<uint8_t>{};
  }

 private:
  net::Socket s_ = net::kNoSocket;
  bool connected_ = false;
};
