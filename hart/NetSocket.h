// The few socket calls HART-IP needs, written once for POSIX and for Windows (winsock), so
// the port and the simulator's server stay free of platform branches. Sockets are
// non-blocking throughout; nothing here waits except Poll and Connect's bounded wait.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace net {

#ifdef _WIN32
using Socket = uintptr_t;  // SOCKET
constexpr Socket kNoSocket = ~static_cast<Socket>(0);
#else
using Socket = int;
constexpr Socket kNoSocket = -1;
#endif

// A socket address (IPv4 or IPv6), opaque outside NetSocket.cpp.
struct Endpoint {
  alignas(8) unsigned char storage[128] = {};
  int length = 0;
  bool operator==(const Endpoint& other) const;
};

// Once per process before the first socket (WSAStartup on Windows). False with a reason.
bool Startup(std::string* error);

// The addresses of `host` for UDP or TCP at `port`, IPv4 ones first. False with a reason.
bool Resolve(const std::string& host, uint16_t port, bool stream, Endpoint* out, int maxOut,
             int* count, std::string* error);

// A non-blocking socket of the endpoint's family; kNoSocket on failure.
Socket Open(const Endpoint& like, bool stream);
void Close(Socket s);

// TCP: connects within `timeoutMs`; UDP: fixes the peer, so the system reports a peer that
// refuses (an ICMP port unreachable) on the next receive. False with a reason.
bool Connect(Socket s, const Endpoint& to, int timeoutMs, std::string* error);
// Binds (address reuse on for a listener) and, for TCP, listens. False with a reason.
bool Listen(Socket s, const Endpoint& at, bool stream, std::string* error);
Socket Accept(Socket listener, Endpoint* peer);

// Like send/recv/sendto/recvfrom: the count, or -1 with the reason in LastError(). Sending
// never raises SIGPIPE.
long Send(Socket s, const uint8_t* bytes, size_t n);
long Receive(Socket s, uint8_t* bytes, size_t n);
long SendTo(Socket s, const uint8_t* bytes, size_t n, const Endpoint& to);
long ReceiveFrom(Socket s, uint8_t* bytes, size_t n, Endpoint* from);

int LastError();
bool WouldBlock(int error);  // nothing there now / the send queue is full
bool Refused(int error);     // the peer refused or reset: the server is gone
std::string ErrorText(int error);

// "127.0.0.1:5094" ("[::1]:5094").
std::string Text(const Endpoint& e);
uint16_t PortOf(const Endpoint& e);
bool LocalEndpoint(Socket s, Endpoint* out);

// One entry of a Poll: what to wait for and, after it, what happened.
struct PollItem {
  Socket socket = kNoSocket;
  bool wantRead = true;
  bool wantWrite = false;
  bool readable = false;
  bool writable = false;
  bool failed = false;  // error or hang-up: a receive tells which
};
// Waits up to `timeoutMs` (-1: no limit) until an item is ready. The count of ready items,
// 0 when the time ran out, -1 on an error.
int Poll(PollItem* items, size_t n, int timeoutMs);

}  // namespace net
