// HART-IP as a byte port: the link writes its frames and parses replies as on a serial line,
// while underneath each frame travels as a token-passing message of a HART-IP session over
// UDP or TCP. Names:
//   hartip://HOST[:PORT]       UDP (port 5094 unless given)
//   hartip+tcp://HOST[:PORT]   TCP
// HOST is a name, an IPv4 address or a bracketed IPv6 address ([::1]).
//
// Open starts a session (Session Initiate as primary master, 60 s inactivity timer) and
// fails unless the server accepts it in time. A written frame loses its preambles and goes
// out as one request with the next sequence number; the response of that sequence number
// is handed to the reader with 5 preambles ahead, as a modem would deliver it. Everything
// else the server sends (keep-alive answers, late or stale responses, messages that are not
// HART-IP) is dropped. A small thread sends Keep Alive after a quiet spell, so an idle
// session outlives the server's inactivity timer, but never more often than once a second
// however short a timer the server grants. Close ends the session and waits (up to a
// second) for the server to answer that, so a program that exits right after leaves no
// session behind.
//
// Waits are in real time, like the serial port's. When no reply can come for the request
// any more (the server answered it with an error or NAK, closed the connection, or refused
// the datagram), WaitReadable answers false at once instead of waiting out its time: the
// link then ends the exchange with its no-reply result without delay. LastError() says why.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "HartIpHeader.h"
#include "NetSocket.h"
#include "SerialPort.h"

// A parsed HART-IP port name.
struct HartIpAddress {
  bool tcp = false;
  std::string host;
  uint16_t port = hartip::kPort;
};

// True for a name starting hartip:// or hartip+tcp://.
bool IsHartIpName(const std::string& name);
// False (with a reason) unless the name is a HART-IP name with a host and a valid port.
bool ParseHartIpName(const std::string& name, HartIpAddress& out, std::string* error);
// The port name of an address, as ParseHartIpName reads it back: hartip://HOST:PORT or
// hartip+tcp://HOST:PORT, an IPv6 host in brackets.
std::string HartIpName(const HartIpAddress& address);

class HartIpPort final : public SerialPort {
 public:
  struct Timing {
    int sessionReplyMs = 2000;      // Open waits this long for the session to be accepted
    int keepAliveMs = 20000;        // quiet time before a Keep Alive goes out
    int keepAliveFloorMs = 1000;    // never less, whatever timer the server grants
    uint32_t inactivityMs = 60000;  // the inactivity timer asked for
    int closeReplyMs = 1000;        // Close waits this long for the session close's answer
  };

  HartIpPort() : HartIpPort(Timing{}) {}
  explicit HartIpPort(const Timing& timing);
  ~HartIpPort() override;
  HartIpPort(const HartIpPort&) = delete;
  HartIpPort& operator=(const HartIpPort&) = delete;

  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override { return socket_ != net::kNoSocket; }
  bool SetRts(bool) override { return IsOpen(); }  // no modem to key
  bool Purge() override;
  int BytesWaiting() override;
  int Read(uint8_t* buf, int max) override;
  // One frame per call (preambles, then delimiter through check byte).
  int Write(const uint8_t* buf, int n) override;
  bool WaitReadable(int timeoutMs) override;

  // Why Open failed, or what ended the last exchange without a reply; empty when nothing.
  std::string LastError() const override;

 private:
  using SteadyClock = std::chrono::steady_clock;

  bool StartSession(const HartIpAddress& address, std::string* error);
  // Quiet time before a keep-alive when the server grants `inactivityMs` (0: none granted).
  std::chrono::milliseconds KeepAliveSpacing(uint32_t inactivityMs) const;
  void AwaitAnswer(uint8_t messageId, int sequence, int timeoutMs);
  // Sends one request message with the next sequence number; returns it, or -1 on failure.
  int Send(uint8_t messageId, const std::vector<uint8_t>& body);
  int SendLocked(uint8_t messageId, const std::vector<uint8_t>& body);
  // Takes the next whole message the socket holds without waiting. False when there is none
  // (or the connection broke).
  bool NextMessage(hartip::Header& header, std::vector<uint8_t>& body);
  void Deliver(const hartip::Header& header, const std::vector<uint8_t>& body);
  void Drain();
  // Waits up to `ms` for the socket to become readable.
  void WaitSocket(int ms);
  void Broke(const std::string& why);
  void Note(const std::string& why);
  void KeepAliveLoop();

  const Timing timing_;
  bool tcp_ = false;
  std::string peer_;  // "HOST:PORT" for messages
  net::Socket socket_ = net::kNoSocket;
  bool session_ = false;  // the server accepted our Session Initiate

  // Reader side (the thread that runs the exchanges).
  std::deque<uint8_t> ready_;    // reply bytes, preambles added, not yet read
  std::vector<uint8_t> stream_;  // TCP bytes not yet a whole message
  bool awaiting_ = false;        // a reply for awaitedSequence_ may still come
  uint16_t awaitedSequence_ = 0;
  std::atomic<bool> broken_{false};

  // Shared with the keep-alive thread.
  mutable std::mutex mu_;
  std::condition_variable wake_;
  bool stop_ = false;
  uint16_t nextSequence_ = 0;
  SteadyClock::time_point lastSent_{};
  std::chrono::milliseconds keepAliveEvery_{20000};
  std::string lastError_;
  std::thread keepAlive_;
};
