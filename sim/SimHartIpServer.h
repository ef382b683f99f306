// The simulated loop served over HART-IP, UDP and TCP on one port number, as a gateway in
// front of the loop would: each client (a UDP peer, a TCP connection) opens a session, then
// every token-passing request carries one frame to the loop and its response the device's
// reply frame, both without preambles, under the request's sequence number:
//   -> 01 00 03 00 00 01 00 11  82 A6 05 01 02 03 01 00 20          command 1, sequence 1
//   <- 01 01 03 00 00 01 00 18  86 A6 05 01 02 03 01 07 00 00 <unit, PV> <check>
// A silent device gets no response. Datagrams and messages that are not HART-IP, requests
// outside a session and replies nobody asked for are dropped and noted. A session that stays
// quiet longer than the inactivity timer its client asked for is closed.
//
// The server owns its sockets but not the wait: its host polls PollItems() together with its
// own descriptors, then calls Handle() with the outcome and Service() for what is due.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HartIpHeader.h"
#include "NetSocket.h"
#include "SimLoop.h"

// One byte on a 1200-baud line, 11 bits with start, parity and stop, in milliseconds.
constexpr double kSimWireByteMs = 11.0 * 1000.0 / 1200.0;

class SimHartIpServer {
 public:
  // What the server tells its host, each with the client it concerns ("UDP 127.0.0.1:40000"):
  // the request frames it put on the loop, the reply frames it sent, its session events.
  struct Events {
    std::function<void(const std::vector<uint8_t>& frame, const std::string& client)> request;
    std::function<void(const std::vector<uint8_t>& frame, const std::string& client)> reply;
    std::function<void(const std::string& line)> note;
  };

  // With `pacing`, a response leaves when a modem on the loop would have delivered the whole
  // reply: the request's bytes, the device turnaround, the reply's bytes at the wire time.
  SimHartIpServer(SimLoop& loop, Events events, bool pacing);
  ~SimHartIpServer();
  SimHartIpServer(const SimHartIpServer&) = delete;
  SimHartIpServer& operator=(const SimHartIpServer&) = delete;

  // Serves UDP and TCP at `bindAddress`:`port`; port 0 picks one free for both. False with a
  // reason.
  bool Start(const std::string& bindAddress, uint16_t port, std::string* error);
  uint16_t Port() const { return port_; }

  // The sockets to wait on now; after the wait, Handle takes the same items back.
  std::vector<net::PollItem> PollItems();
  void Handle(const std::vector<net::PollItem>& items, double nowMs);
  // Sends what is due and closes idle sessions. Milliseconds until the next response is due,
  // or -1 when none waits.
  int Service(double nowMs);

 private:
  struct Client;
  struct Pending {
    double dueMs;
    uint64_t client;
    std::vector<uint8_t> message;
  };

  Client* UdpClient(const net::Endpoint& peer, bool create);
  void ReceiveDatagrams(double nowMs);
  void Accept(double nowMs);
  void ReceiveStream(Client& c, double nowMs);
  void TakeMessages(Client& c, double nowMs);
  void OnMessage(Client& c, const hartip::Header& h, const std::vector<uint8_t>& body,
                 double nowMs);
  void Respond(Client& c, const hartip::Header& request, uint8_t status,
               const std::vector<uint8_t>& body, double dueMs);
  void Transmit(Client& c, const std::vector<uint8_t>& message);
  void Flush(Client& c);
  void Drop(uint64_t client);
  void Note(const std::string& line);

  SimLoop& loop_;
  Events events_;
  bool pacing_;
  uint16_t port_ = 0;
  net::Socket udp_ = net::kNoSocket;
  net::Socket listener_ = net::kNoSocket;
  std::vector<std::unique_ptr<Client>> clients_;
  std::vector<uint64_t> polled_;  // the client of each PollItems entry after the first two
  std::vector<Pending> pending_;  // in due order
  uint64_t nextClient_ = 1;
};
