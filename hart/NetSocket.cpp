#include "NetSocket.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

#include <cstring>
#include <mutex>
#include <vector>

namespace net {

namespace {

#ifdef _WIN32
using AddressLength = int;
using PollFd = WSAPOLLFD;
constexpr int kSendFlags = 0;
int PollCall(PollFd* fds, size_t n, int timeoutMs) {
  return WSAPoll(fds, static_cast<ULONG>(n), timeoutMs);
}
#else
using AddressLength = socklen_t;
using PollFd = pollfd;
constexpr int kSendFlags = MSG_NOSIGNAL;
int PollCall(PollFd* fds, size_t n, int timeoutMs) {
  return ::poll(fds, static_cast<nfds_t>(n), timeoutMs);
}
#endif

const sockaddr* Address(const Endpoint& e) {
  return reinterpret_cast<const sockaddr*>(e.storage);
}
sockaddr* Address(Endpoint& e) {
  return reinterpret_cast<sockaddr*>(e.storage);
}

bool SetNonBlocking(Socket s) {
#ifdef _WIN32
  u_long on = 1;
  return ioctlsocket(s, FIONBIO, &on) == 0;
#else
  const int flags = fcntl(s, F_GETFL);
  return flags >= 0 && fcntl(s, F_SETFL, flags | O_NONBLOCK) == 0;
#endif
}

// Small request/response messages: each goes out at once, not held back to join the next.
void SendAtOnce(Socket s) {
  int on = 1;
  setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
}

bool InProgress(int error) {
#ifdef _WIN32
  return error == WSAEWOULDBLOCK || error == WSAEINPROGRESS;
#else
  return error == EINPROGRESS || error == EINTR;
#endif
}

void SetError(std::string* error, const std::string& text) {
  if (error) *error = text;
}

}  // namespace

static_assert(sizeof(sockaddr_storage) <= sizeof(Endpoint::storage));

bool Endpoint::operator==(const Endpoint& other) const {
  return length == other.length &&
         std::memcmp(storage, other.storage, static_cast<size_t>(length)) == 0;
}

bool Startup(std::string* error) {
#ifdef _WIN32
  static std::once_flag once;
  static int result = 0;
  std::call_once(once, [] {
    WSADATA data;
    result = WSAStartup(MAKEWORD(2, 2), &data);
  });
  if (result != 0) SetError(error, "the socket library did not start: " + ErrorText(result));
  return result == 0;
#else
  (void)error;
  return true;
#endif
}

bool Resolve(const std::string& host, uint16_t port, bool stream, Endpoint* out, int maxOut,
             int* count, std::string* error) {
  *count = 0;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = stream ? SOCK_STREAM : SOCK_DGRAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  const int rc = getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
  if (rc != 0) {
    SetError(error, "cannot resolve " + host + ": " + gai_strerror(rc));
    return false;
  }
  for (int family : {AF_INET, AF_INET6}) {
    for (addrinfo* a = found; a && *count < maxOut; a = a->ai_next) {
      if (a->ai_family != family || a->ai_addrlen > sizeof(Endpoint::storage)) continue;
      Endpoint& e = out[(*count)++];
      std::memcpy(e.storage, a->ai_addr, a->ai_addrlen);
      e.length = static_cast<int>(a->ai_addrlen);
    }
  }
  freeaddrinfo(found);
  if (*count == 0) SetError(error, "no IPv4 or IPv6 address for " + host);
  return *count > 0;
}

Socket Open(const Endpoint& like, bool stream) {
  const Socket s =
      static_cast<Socket>(::socket(Address(like)->sa_family, stream ? SOCK_STREAM : SOCK_DGRAM, 0));
  if (s == kNoSocket) return kNoSocket;
  if (!SetNonBlocking(s)) {
    Close(s);
    return kNoSocket;
  }
  if (stream) SendAtOnce(s);
  return s;
}

void Close(Socket s) {
  if (s == kNoSocket) return;
#ifdef _WIN32
  closesocket(s);
#else
  ::close(s);
#endif
}

bool Connect(Socket s, const Endpoint& to, int timeoutMs, std::string* error) {
  if (::connect(s, Address(to), static_cast<AddressLength>(to.length)) == 0) return true;
  const int first = LastError();
  if (!InProgress(first)) {
    SetError(error, "cannot connect to " + Text(to) + ": " + ErrorText(first));
    return false;
  }
  PollItem item;
  item.socket = s;
  item.wantRead = false;
  item.wantWrite = true;
  const int ready = Poll(&item, 1, timeoutMs);
  if (ready == 0) {
    SetError(error,
             "no connection to " + Text(to) + " within " + std::to_string(timeoutMs) + " ms");
    return false;
  }
  int soError = 0;
  AddressLength len = sizeof soError;
  if (ready < 0 ||
      getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&soError), &len) != 0) {
    soError = LastError();
  }
  if (soError != 0) {
    SetError(error, "cannot connect to " + Text(to) + ": " + ErrorText(soError));
    return false;
  }
  return true;
}

bool Listen(Socket s, const Endpoint& at, bool stream, std::string* error) {
  if (stream) {
    int on = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on);
  }
  if (::bind(s, Address(at), static_cast<AddressLength>(at.length)) != 0 ||
      (stream && ::listen(s, 8) != 0)) {
    SetError(error, "cannot serve " + Text(at) + (stream ? " (TCP): " : " (UDP): ") +
                        ErrorText(LastError()));
    return false;
  }
  return true;
}

Socket Accept(Socket listener, Endpoint* peer) {
  Endpoint e;
  AddressLength len = sizeof e.storage;
  const Socket s = static_cast<Socket>(::accept(listener, Address(e), &len));
  if (s == kNoSocket) return kNoSocket;
  if (!SetNonBlocking(s)) {
    Close(s);
    return kNoSocket;
  }
  SendAtOnce(s);
  e.length = static_cast<int>(len);
  if (peer) *peer = e;
  return s;
}

long Send(Socket s, const uint8_t* bytes, size_t n) {
#ifdef _WIN32
  return ::send(s, reinterpret_cast<const char*>(bytes), static_cast<int>(n), kSendFlags);
#else
  for (;;) {
    const ssize_t r = ::send(s, bytes, n, kSendFlags);
    if (r >= 0 || errno != EINTR) return static_cast<long>(r);
  }
#endif
}

long Receive(Socket s, uint8_t* bytes, size_t n) {
#ifdef _WIN32
  return ::recv(s, reinterpret_cast<char*>(bytes), static_cast<int>(n), 0);
#else
  for (;;) {
    const ssize_t r = ::recv(s, bytes, n, 0);
    if (r >= 0 || errno != EINTR) return static_cast<long>(r);
  }
#endif
}

long SendTo(Socket s, const uint8_t* bytes, size_t n, const Endpoint& to) {
  return static_cast<long>(::sendto(s, reinterpret_cast<const char*>(bytes),
#ifdef _WIN32
                                    static_cast<int>(n),
#else
                                    n,
#endif
                                    kSendFlags, Address(to),
                                    static_cast<AddressLength>(to.length)));
}

long ReceiveFrom(Socket s, uint8_t* bytes, size_t n, Endpoint* from) {
  Endpoint e;
  AddressLength len = sizeof e.storage;
  const long r = static_cast<long>(::recvfrom(s, reinterpret_cast<char*>(bytes),
#ifdef _WIN32
                                              static_cast<int>(n),
#else
                                              n,
#endif
                                              0, Address(e), &len));
  e.length = static_cast<int>(len);
  if (r >= 0 && from) *from = e;
  return r;
}

int LastError() {
#ifdef _WIN32
  return WSAGetLastError();
#else
  return errno;
#endif
}

bool WouldBlock(int error) {
#ifdef _WIN32
  return error == WSAEWOULDBLOCK;
#else
  return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
#endif
}

bool Refused(int error) {
#ifdef _WIN32
  return error == WSAECONNREFUSED || error == WSAECONNRESET || error == WSAECONNABORTED;
#else
  return error == ECONNREFUSED || error == ECONNRESET || error == EPIPE;
#endif
}

std::string ErrorText(int error) {
#ifdef _WIN32
  char buf[256] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, static_cast<DWORD>(error), 0, buf, sizeof buf, nullptr);
  std::string text(buf, n);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
    text.pop_back();
  return text.empty() ? "error " + std::to_string(error) : text;
#else
  return std::strerror(error);
#endif
}

std::string Text(const Endpoint& e) {
  char host[64] = "?";
  const sockaddr* a = Address(e);
  if (a->sa_family == AF_INET6) {
    const auto* in6 = reinterpret_cast<const sockaddr_in6*>(e.storage);
    inet_ntop(AF_INET6, &in6->sin6_addr, host, sizeof host);
    return std::string("[") + host + "]:" + std::to_string(PortOf(e));
  }
  const auto* in = reinterpret_cast<const sockaddr_in*>(e.storage);
  inet_ntop(AF_INET, &in->sin_addr, host, sizeof host);
  return std::string(host) + ":" + std::to_string(PortOf(e));
}

uint16_t PortOf(const Endpoint& e) {
  const sockaddr* a = Address(e);
  if (a->sa_family == AF_INET6)
    return ntohs(reinterpret_cast<const sockaddr_in6*>(e.storage)->sin6_port);
  if (a->sa_family == AF_INET)
    return ntohs(reinterpret_cast<const sockaddr_in*>(e.storage)->sin_port);
  return 0;
}

bool LocalEndpoint(Socket s, Endpoint* out) {
  AddressLength len = sizeof out->storage;
  if (::getsockname(s, Address(*out), &len) != 0) return false;
  out->length = static_cast<int>(len);
  return true;
}

int Poll(PollItem* items, size_t n, int timeoutMs) {
  std::vector<PollFd> fds(n);
  for (size_t i = 0; i < n; ++i) {
    fds[i].fd = items[i].socket;
    fds[i].events =
        static_cast<short>((items[i].wantRead ? POLLIN : 0) | (items[i].wantWrite ? POLLOUT : 0));
    fds[i].revents = 0;
  }
  int r;
  do {
    r = PollCall(fds.data(), n, timeoutMs);
  } while (r < 0 && WouldBlock(LastError()));  // interrupted: poll again
  for (size_t i = 0; i < n; ++i) {
    items[i].readable = (fds[i].revents & POLLIN) != 0;
    items[i].writable = (fds[i].revents & POLLOUT) != 0;
    items[i].failed = (fds[i].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0;
  }
  return r;
}

}  // namespace net
