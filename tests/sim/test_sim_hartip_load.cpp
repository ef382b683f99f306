// hart-sim's HART-IP server under load and abuse, as a gateway must hold up: a burst on one
// connection delays nobody else, idle connections lock nobody out and are closed, sessions
// are limited and their initiates answered with the proper status.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "HartIpTestClients.h"
#include "HexBytes.h"
#include "SimHartIpServer.h"
#include "SimProcess.h"

namespace {

using Bytes = std::vector<uint8_t>;
using SteadyClock = std::chrono::steady_clock;

double MsSince(SteadyClock::time_point start) {
  return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

TEST(SimHartIpLoad, ABurstOnOneConnectionDelaysNoOtherClient) {
  SimProcess sim("--hartip 0 --no-pacing");
  const int port = sim.HartIpPort();
  ASSERT_GT(port, 0) << sim.Log();

  // 200 000 keep-alives written as fast as the connection takes them, their responses read
  // as they come.
  constexpr size_t kBurst = 200000;
  const Bytes initiate = Hex("01 00 00 00 00 00 00 0D 01 00 00 EA 60");
  Bytes burst = initiate;
  for (size_t i = 0; i < kBurst; ++i) {
    const Bytes keepAlive = {1, 0, 2, 0, uint8_t(i >> 8), uint8_t(i), 0, 8};
    burst.insert(burst.end(), keepAlive.begin(), keepAlive.end());
  }
  const size_t expected = initiate.size() + kBurst * 8;  // every message answered
  std::atomic<size_t> sent{0};
  std::atomic<size_t> received{0};
  std::atomic<bool> burstDone{false};
  RawClient flood(port, true);
  ASSERT_TRUE(flood.connected());
  std::thread burster([&] {
    const auto start = SteadyClock::now();
    while (received < expected && MsSince(start) < 60000) {
      net::PollItem item;
      item.socket = flood.socket();
      item.wantWrite = sent < burst.size();
      if (net::Poll(&item, 1, 100) <= 0) continue;
      if (item.writable) {
        const long n = net::Send(flood.socket(), burst.data() + sent, burst.size() - sent);
        if (n > 0) sent += size_t(n);
      }
      uint8_t buf[65536];
      const long n = net::Receive(flood.socket(), buf, sizeof buf);
      if (n == 0 || (n < 0 && !net::WouldBlock(net::LastError()))) break;
      if (n > 0) received += size_t(n);
    }
    burstDone = true;
  });
  while (sent < 100000 && !burstDone)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));

  // Meanwhile a well-behaved client opens its session and reads, each step within 1 s.
  Master m("hartip+tcp", port);
  auto start = SteadyClock::now();
  EXPECT_TRUE(m.Open()) << sim.Log();
  EXPECT_LT(MsSince(start), 1000.0) << "opening the session";
  for (int i = 0; i < 5; ++i) {
    start = SteadyClock::now();
    HartPvReading pv{};
    EXPECT_EQ(HartCmd1(m.ds, pv), HART_OK);
    EXPECT_LT(MsSince(start), 1000.0) << "command 1, number " << i;
  }
  const bool overlapped = !burstDone;
  burster.join();
  EXPECT_TRUE(overlapped) << "the burst ended before the other client was served";
  EXPECT_EQ(received, expected) << "the burst's responses";
}

// The server in this process on loopback, its host's loop turned by the test on a clock of
// its own: time moves only when the test moves it.
struct Host {
  Host() : server(loop, Events(), false) {
    loop.AddDevice(0);
    started = server.Start("127.0.0.1", 0, &error);
  }
  SimHartIpServer::Events Events() {
    SimHartIpServer::Events events;
    events.note = [this](const std::string& line) { notes += line + "\n"; };
    return events;
  }
  // One turn: waits up to `waitMs` of real time for a socket, then handles and services.
  void Turn(int waitMs = 0) {
    std::vector<net::PollItem> items = server.PollItems();
    net::Poll(items.data(), items.size(), waitMs);
    server.Handle(items, nowMs);
    server.Service(nowMs);
  }
  // Sends `request` from `client` and turns until `size` bytes came back (fewer when the
  // server answers nothing within a few turns).
  Bytes Exchange(RawClient& client, const Bytes& request, size_t size) {
    client.Send(request);
    Bytes got;
    for (int turn = 0; turn < 10 && got.size() < size; ++turn) {
      Turn(20);
      const Bytes more = client.Receive(0);
      got.insert(got.end(), more.begin(), more.end());
    }
    return got;
  }
  // True when the server has closed the connection of `client`.
  static bool Closed(RawClient& client) {
    net::PollItem item;
    item.socket = client.socket();
    if (net::Poll(&item, 1, 200) <= 0) return false;
    uint8_t buf[64];
    return net::Receive(client.socket(), buf, sizeof buf) <= 0;
  }

  SimLoop loop;
  SimHartIpServer server;
  double nowMs = 0;
  bool started = false;
  std::string error;
  std::string notes;
};

TEST(SimHartIpLimits, IdleConnectionsLockNobodyOutAndCloseAfterFiveSeconds) {
  Host host;
  ASSERT_TRUE(host.started) << host.error;
  const int port = host.server.Port();
  std::vector<std::unique_ptr<RawClient>> idle;
  for (int i = 0; i < 300; ++i) {
    idle.push_back(std::make_unique<RawClient>(port, true));
    ASSERT_TRUE(idle.back()->connected()) << "idle connection " << i;
    host.Turn();
  }
  host.nowMs = 1000;
  RawClient late(port, true);
  ASSERT_TRUE(late.connected());
  EXPECT_EQ(host.Exchange(late, Hex("01 00 00 00 00 01 00 0D 01 00 00 EA 60"), 13),
            Hex("01 01 00 00 00 01 00 0D 01 00 00 EA 60"))
      << host.notes;
  EXPECT_LE(host.server.ClientCount(), size_t(SimHartIpServer::kMaxConnections));

  // Just short of 5 s the latest idle connection is still open; at 5 s every one without a
  // session is closed, the one with a session goes on.
  host.nowMs = 4999;
  host.Turn();
  EXPECT_FALSE(Host::Closed(*idle.back()));
  host.nowMs = 5000;
  host.Turn();
  int closed = 0;
  for (auto& c : idle)
    closed += Host::Closed(*c);
  EXPECT_EQ(closed, 300);
  EXPECT_EQ(host.server.ClientCount(), 1u);
  EXPECT_EQ(host.Exchange(late, Hex("01 00 02 00 00 02 00 08"), 8), Hex("01 01 02 00 00 02 00 08"));
  EXPECT_NE(host.notes.find("connection closed, no session after 5000 ms"), std::string::npos);
}

TEST(SimHartIpLimits, SessionInitiateIsAnsweredAsAGatewayWould) {
  Host host;
  ASSERT_TRUE(host.started) << host.error;
  const int port = host.server.Port();

  // Timer 0 ms: "set to nearest possible value" (8) with 1000 ms; a second initiate on the
  // open session: "session already established" (16); another version, on UDP or TCP:
  // "version not supported" (14), in version 1 under the request's id and sequence.
  RawClient first(port, false);
  EXPECT_EQ(host.Exchange(first, Hex("01 00 00 00 00 01 00 0D 01 00 00 00 00"), 13),
            Hex("01 01 00 08 00 01 00 0D 01 00 00 03 E8"));
  EXPECT_EQ(host.Exchange(first, Hex("01 00 00 00 00 02 00 0D 01 00 00 EA 60"), 8),
            Hex("01 01 00 10 00 02 00 08"));
  EXPECT_EQ(host.Exchange(first, Hex("01 00 02 00 00 03 00 08"), 8), Hex("01 01 02 00 00 03 00 08"))
      << "the session goes on";
  RawClient tcp(port, true);
  EXPECT_EQ(host.Exchange(tcp, Hex("02 00 02 00 00 04 00 08"), 8), Hex("01 01 02 0E 00 04 00 08"));

  // An absurd timer is cut to an hour (0x0036EE80 ms). At most 64 sessions in all.
  std::vector<std::unique_ptr<RawClient>> udp;
  for (int i = 1; i < SimHartIpServer::kMaxSessions; ++i) {
    udp.push_back(std::make_unique<RawClient>(port, false));
    const Bytes answer =
        host.Exchange(*udp.back(), Hex("01 00 00 00 00 07 00 0D 01 FF FF FF FF"), 13);
    ASSERT_EQ(answer, Hex("01 01 00 08 00 07 00 0D 01 00 36 EE 80")) << "session " << i;
  }
  EXPECT_EQ(host.server.SessionCount(), 64);
  RawClient extra(port, false);
  EXPECT_EQ(host.Exchange(extra, Hex("01 00 00 00 00 09 00 0D 01 00 00 EA 60"), 8),
            Hex("01 01 00 0F 00 09 00 08"));
  EXPECT_EQ(host.Exchange(extra, Hex("07 00 00 00 00 0A 00 08"), 8),
            Hex("01 01 00 0E 00 0A 00 08"));
  EXPECT_EQ(host.server.SessionCount(), 64);

  // The first session got 1000 ms: quiet for longer, it ends and a place frees up.
  host.nowMs = 1001;
  host.Turn();
  EXPECT_EQ(host.Exchange(first, Hex("01 00 02 00 00 0B 00 08"), 8), Bytes{});
  EXPECT_NE(host.notes.find("session closed after 1000 ms without a message"), std::string::npos)
      << host.notes;
  EXPECT_EQ(host.Exchange(extra, Hex("01 00 00 00 00 0C 00 0D 01 00 00 EA 60"), 13),
            Hex("01 01 00 00 00 0C 00 0D 01 00 00 EA 60"));
}

}  // namespace
