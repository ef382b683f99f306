// The simulated loop served over HART-IP, UDP and TCP on one port number, as a gateway in
// front of the loop would: each client (a UDP peer, a TCP connection) opens a session, then
// every token-passing request carries one frame to the loop and its response the device's
// reply frame, both without preambles, under the request's sequence number:
//   -> 01 00 03 00 00 01 00 11  82 A6 05 01 02 03 01 00 20          command 1, sequence 1
//   <- 01 01 03 00 00 01 00 18  86 A6 05 01 02 03 01 07 00 00 <unit, PV> <check>
// A silent device gets no response. Datagrams and messages that are not HART-IP, requests
// outside a session and replies nobody asked for are dropped and noted; a request of another
// protocol version is answered "version not supported".
//
// It holds up like a real gateway: at most kMaxSessions sessions (the next initiate is
// answered "all sessions in use"), inactivity timers kept between kMinInactivityMs and
// kMaxInactivityMs (answered "set to nearest possible value"), a session that stays quiet
// longer than its timer closed, a TCP connection that opens no session closed after
// kNoSessionCloseMs. No client can starve the others: each takes at most kMessagesPerTurn
// messages per Handle, its unread input is read no further ahead than kReadAheadBytes, and a
// client that does not read its responses is closed once kMaxUnsentBytes wait for it. Nothing
// is kept per request, so memory stays flat however long it serves.
//
// The server owns its sockets but not the wait: its host polls PollItems() together with its
// own descriptors, then calls Handle() with the outcome and Service() for what is due.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
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
  static constexpr int kMaxSessions = 64;
  static constexpr uint32_t kMinInactivityMs = 1000;
  static constexpr uint32_t kMaxInactivityMs = 3600 * 1000;  // an hour quiet is a dead client
  static constexpr double kNoSessionCloseMs = 5000;
  static constexpr int kMaxConnections = 128;  // TCP; the oldest without a session makes room
  static constexpr int kMessagesPerTurn = 64;  // per client and Handle
  static constexpr int kDatagramsPerTurn = 256;
  static constexpr size_t kReadAheadBytes = 65536;  // a whole message of any size fits
  static constexpr size_t kMaxUnsentBytes = 256 * 1024;
  static constexpr size_t kMaxWaitingResponses = 64;  // per client, while pacing holds them

  // Header status of a refused Session Initiate (and of a request of another version).
  static constexpr uint8_t kStatusVersionNotSupported = 14;
  static constexpr uint8_t kStatusAllSessionsInUse = 15;
  static constexpr uint8_t kStatusSessionAlreadyEstablished = 16;

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
  // Sends what is due and closes idle sessions and connections. Milliseconds until the next
  // response is due (0 while a client has messages it could not take in its last turn), or
  // -1 when none waits.
  int Service(double nowMs);

  int SessionCount() const;
  size_t ClientCount() const { return clients_.size(); }

 private:
  struct Client;
  struct Pending {
    uint64_t client;
    std::vector<uint8_t> message;
  };

  Client* Find(uint64_t id);
  Client* UdpClient(const net::Endpoint& peer, bool create);
  void ReceiveDatagrams(double nowMs);
  void Accept(double nowMs);
  bool MakeRoomForConnection();
  void ReceiveStream(Client& c);
  void TakeMessages(Client& c, double nowMs);
  bool HasWholeMessage(const Client& c) const;
  bool CanTakeMessage(const Client& c) const;
  void OnMessage(Client& c, const hartip::Header& h, const std::vector<uint8_t>& body,
                 double nowMs);
  void InitiateSession(Client& c, const hartip::Header& h, const std::vector<uint8_t>& body,
                       double nowMs);
  void RefuseVersion(Client& c, const hartip::Header& h, double nowMs);
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
  std::map<uint64_t, std::unique_ptr<Client>> clients_;  // by id: in the order they came
  std::vector<uint64_t> polled_;  // the client of each PollItems entry after the first two
  std::multimap<double, Pending> pending_;  // by due time; equal times in the order queued
  uint64_t nextClient_ = 1;
};
