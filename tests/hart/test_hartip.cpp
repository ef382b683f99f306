// HART-IP: the header and session layouts from hand-written bytes, the port names, which
// port a name gets, and the port through the link against a small scripted server on a real
// socket (UDP and TCP): what goes on the wire, and how each fault ends.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <mutex>
#include <thread>

#include "Commands.h"
#include "HartIpHeader.h"
#include "HartIpPort.h"
#include "NetSocket.h"
#include "PortFactory.h"
#include "ScriptedPort.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(HartIpHeader, MessagesByteForByte) {
  // Session Initiate: primary master, 60 000 ms inactivity timer, sequence 0.
  const Bytes body = hartip::EncodeSessionInitiateBody(hartip::kPrimaryMaster, 60000);
  EXPECT_EQ(hartip::EncodeMessage(hartip::kRequest, hartip::kSessionInitiate, 0, 0, body.data(),
                                  body.size()),
            Hex("01 00 00 00 00 00 00 0D 01 00 00 EA 60"));
  // Command 1 as a token-passing request, sequence 0x0102: 8 + 9 bytes.
  const Bytes frame = Hex("82 A6 05 01 02 03 01 00 20");
  EXPECT_EQ(hartip::EncodeMessage(hartip::kRequest, hartip::kTokenPassingPdu, 0, 0x0102,
                                  frame.data(), frame.size()),
            Hex("01 00 03 00 01 02 00 11 82 A6 05 01 02 03 01 00 20"));

  // A server's answer to the initiate: response, status 8, a 30 s timer it chose instead.
  const Bytes answer = Hex("01 01 00 08 00 00 00 0D 01 00 00 75 30");
  hartip::Header h;
  ASSERT_TRUE(hartip::DecodeHeader(answer.data(), answer.size(), h));
  EXPECT_EQ(h.version, 1);
  EXPECT_EQ(h.messageType, hartip::kResponse);
  EXPECT_EQ(h.messageId, hartip::kSessionInitiate);
  EXPECT_EQ(h.status, hartip::kStatusSetToNearest);
  EXPECT_EQ(h.sequence, 0);
  EXPECT_EQ(h.byteCount, 13);
  uint8_t master = 0;
  uint32_t timer = 0;
  ASSERT_TRUE(hartip::DecodeSessionInitiateBody(answer.data() + 8, 5, master, timer));
  EXPECT_EQ(master, 1);
  EXPECT_EQ(timer, 30000u);
  EXPECT_FALSE(hartip::DecodeSessionInitiateBody(answer.data() + 8, 4, master, timer));
  EXPECT_FALSE(hartip::DecodeHeader(answer.data(), 7, h));
}

TEST(HartIpNames, SchemeHostAndPort) {
  HartIpAddress a;
  ASSERT_TRUE(ParseHartIpName("hartip://gw.local", a, nullptr));
  EXPECT_FALSE(a.tcp);
  EXPECT_EQ(a.host, "gw.local");
  EXPECT_EQ(a.port, 5094);
  ASSERT_TRUE(ParseHartIpName("hartip+tcp://10.0.0.7:20004/", a, nullptr));
  EXPECT_TRUE(a.tcp);
  EXPECT_EQ(a.host, "10.0.0.7");
  EXPECT_EQ(a.port, 20004);
  ASSERT_TRUE(ParseHartIpName("hartip://[::1]:99", a, nullptr));
  EXPECT_EQ(a.host, "::1");
  EXPECT_EQ(a.port, 99);
  std::string why;
  for (const char* bad : {"hartip://", "hartip://h:", "hartip://h:0", "hartip://h:70000",
                          "hartip://h:5x", "hartip://[::1", "COM3"}) {
    EXPECT_FALSE(ParseHartIpName(bad, a, &why)) << bad;
    EXPECT_NE(why.find(bad), std::string::npos) << why;
  }
}

TEST(PortFactory, HartIpNamesGetTheirPortAndInstalledPortsStay) {
  std::unique_ptr<SerialPort> ip = MakePortForName("hartip+tcp://127.0.0.1");
  std::unique_ptr<SerialPort> serial = MakePortForName("COM3");
  EXPECT_NE(dynamic_cast<HartIpPort*>(ip.get()), nullptr);
  EXPECT_EQ(dynamic_cast<HartIpPort*>(serial.get()), nullptr);
  EXPECT_TRUE(PortNeedsReplacing(*serial, "hartip://127.0.0.1"));
  EXPECT_TRUE(PortNeedsReplacing(*ip, "COM3"));
  EXPECT_FALSE(PortNeedsReplacing(*ip, "hartip://127.0.0.1"));
  EXPECT_FALSE(PortNeedsReplacing(*serial, "/dev/ttyUSB0"));

  // A port a test installed is opened with whatever name, HART-IP ones included.
  VirtualClock clock;
  DeviceState ds;
  auto scripted = std::make_unique<ScriptedPort>(clock);
  ScriptedPort* installed = scripted.get();
  ds.port = std::move(scripted);
  ds.portNameOverride = "hartip://192.0.2.1";
  ASSERT_TRUE(HartOpenPort(ds));
  EXPECT_EQ(ds.port.get(), installed);
  EXPECT_EQ(installed->openedName, "hartip://192.0.2.1");
}

// A HART-IP server on 127.0.0.1 that answers each request message with what `answer`
// returns, and keeps every message it received.
class ScriptedServer {
 public:
  using Answer = std::function<std::vector<Bytes>(const hartip::Header&, const Bytes& message)>;

  ScriptedServer(bool tcp, Answer answer) : tcp_(tcp), answer_(std::move(answer)) {
    net::Startup(nullptr);
    net::Endpoint at;
    int n = 0;
    net::Resolve("127.0.0.1", 0, tcp, &at, 1, &n, nullptr);
    socket_ = net::Open(at, tcp);
    EXPECT_TRUE(net::Listen(socket_, at, tcp, nullptr));
    net::LocalEndpoint(socket_, &at);
    port_ = net::PortOf(at);
    thread_ = std::thread([this] { Serve(); });
  }
  ~ScriptedServer() { GoAway(); }

  // Closes the server's sockets, as a server that stops does.
  void GoAway() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  std::string Name() const {
    return std::string(tcp_ ? "hartip+tcp" : "hartip") + "://127.0.0.1:" + std::to_string(port_);
  }
  std::vector<Bytes> Received() {
    std::lock_guard<std::mutex> hold(mu_);
    return received_;
  }
  // Waits (up to 2 s) until a message with `id` has come.
  bool WaitFor(uint8_t id, int count = 1) {
    for (int i = 0; i < 400; ++i) {
      int seen = 0;
      for (const Bytes& m : Received())
        seen += m[2] == id;
      if (seen >= count) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
  }

 private:
  void Serve() {
    net::Socket conn = net::kNoSocket;
    net::Endpoint peer;
    Bytes stream;
    while (!stop_) {
      net::PollItem item;
      item.socket = conn != net::kNoSocket ? conn : socket_;
      net::Poll(&item, 1, 10);
      uint8_t buf[2048];
      if (tcp_ && conn == net::kNoSocket) {
        conn = net::Accept(socket_, &peer);
        continue;
      }
      const long n = tcp_ ? net::Receive(conn, buf, sizeof buf)
                          : net::ReceiveFrom(socket_, buf, sizeof buf, &peer);
      if (n == 0 && tcp_) {  // the client closed: wait for the next one
        net::Close(conn);
        conn = net::kNoSocket;
        stream.clear();
      }
      if (n <= 0) continue;
      stream.insert(stream.end(), buf, buf + n);
      hartip::Header h;
      while (hartip::DecodeHeader(stream.data(), stream.size(), h) &&
             stream.size() >= h.byteCount) {
        const Bytes message(stream.begin(), stream.begin() + h.byteCount);
        stream.erase(stream.begin(), stream.begin() + h.byteCount);
        {
          std::lock_guard<std::mutex> hold(mu_);
          received_.push_back(message);
        }
        for (const Bytes& out : answer_(h, message)) {
          if (tcp_) {
            // In two pieces, cut inside the header: the reader must join them.
            net::Send(conn, out.data(), 3);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            net::Send(conn, out.data() + 3, out.size() - 3);
          } else {
            net::SendTo(socket_, out.data(), out.size(), peer);
          }
        }
      }
      if (!tcp_) stream.clear();
    }
    net::Close(conn);
    net::Close(socket_);
  }

  bool tcp_;
  Answer answer_;
  net::Socket socket_ = net::kNoSocket;
  uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::mutex mu_;
  std::vector<Bytes> received_;
  std::thread thread_;
};

Bytes Message(uint8_t type, uint8_t id, uint8_t status, uint16_t sequence, const Bytes& body) {
  return hartip::EncodeMessage(type, id, status, sequence, body.data(), body.size());
}

// The usual answers: a session initiate echoed, keep-alive and close answered.
std::vector<Bytes> SessionAnswer(const hartip::Header& h, const Bytes& m) {
  return {Message(hartip::kResponse, h.messageId, 0, h.sequence, Bytes(m.begin() + 8, m.end()))};
}

// Command 1 replies of device 26/05/010203: unit 12 (kPa), PV 100.0 or 7.0.
const Bytes kPv100 = Ack(0, "86 A6 05 01 02 03 01 07 00 00 0C 42 C8 00 00");
const Bytes kPv7 = Ack(0, "86 A6 05 01 02 03 01 07 00 00 0C 40 E0 00 00");

class HartIpLink : public ::testing::TestWithParam<bool> {
 protected:
  // Serves `pdu` for token-passing requests; the session messages as usual.
  void Serve(std::function<std::vector<Bytes>(const hartip::Header&)> pdu) {
    server = std::make_unique<ScriptedServer>(
        GetParam(), [pdu](const hartip::Header& h, const Bytes& m) {
          return h.messageId == hartip::kTokenPassingPdu ? pdu(h) : SessionAnswer(h, m);
        });
    ds.clock = &clock;  // the link's own waits cost no time; the socket's are real
    ds.portNameOverride = server->Name();
  }
  void Address() {
    ds.request.manufacturerId = 0x26;
    ds.request.deviceType = 0x05;
    ds.request.deviceId[0] = 0x01;
    ds.request.deviceId[1] = 0x02;
    ds.request.deviceId[2] = 0x03;
  }
  std::string Why() { return ds.port->LastError(); }

  VirtualClock clock;
  DeviceState ds;
  std::unique_ptr<ScriptedServer> server;
};

TEST_P(HartIpLink, ASessionOnTheWire) {
  Serve([](const hartip::Header& h) {
    return std::vector<Bytes>{Message(hartip::kResponse, 3, 0, h.sequence, kPv100)};
  });
  ASSERT_TRUE(HartOpenPort(ds)) << Why();
  Address();
  HartPvReading pv{};
  ASSERT_EQ(HartCmd1(ds, pv), HART_OK) << Why();
  EXPECT_FLOAT_EQ(pv.pv, 100.0f);
  EXPECT_EQ(pv.unitCode, 12);
  HartClosePort(ds);
  ASSERT_TRUE(server->WaitFor(hartip::kSessionClose));
  // Initiate (sequence 0), the frame without its preambles (1), close (2).
  EXPECT_EQ(server->Received(),
            (std::vector<Bytes>{Hex("01 00 00 00 00 00 00 0D 01 00 00 EA 60"),
                                Hex("01 00 03 00 00 01 00 11 82 A6 05 01 02 03 01 00 20"),
                                Hex("01 00 01 00 00 02 00 08")}));
}

TEST_P(HartIpLink, OnlyTheAnswerToThisRequestIsRead) {
  const bool tcp = GetParam();
  Serve([tcp](const hartip::Header& h) {
    std::vector<Bytes> out;
    if (!tcp) out.push_back(Hex("48 45 4C 4C 4F"));  // a datagram that is not HART-IP
    Bytes otherVersion = Message(hartip::kResponse, 3, 0, h.sequence, kPv7);
    otherVersion[0] = 2;
    out.push_back(otherVersion);
    out.push_back(Message(hartip::kResponse, 3, 0, uint16_t(h.sequence - 1), kPv7));  // stale
    out.push_back(Message(hartip::kResponse, hartip::kKeepAlive, 0, h.sequence, {}));
    out.push_back(Message(hartip::kResponse, 3, 0, h.sequence, kPv100));
    return out;
  });
  ASSERT_TRUE(HartOpenPort(ds)) << Why();
  Address();
  for (int i = 0; i < 2; ++i) {
    HartPvReading pv{};
    ASSERT_EQ(HartCmd1(ds, pv), HART_OK) << Why();
    EXPECT_FLOAT_EQ(pv.pv, 100.0f);
  }
}

TEST_P(HartIpLink, ARefusedSessionFailsTheOpenWithItsReason) {
  server = std::make_unique<ScriptedServer>(GetParam(), [](const hartip::Header& h, const Bytes&) {
    return std::vector<Bytes>{Message(hartip::kResponse, 0, 16, h.sequence, {})};
  });
  ds.portNameOverride = server->Name();
  EXPECT_FALSE(HartOpenPort(ds));
  EXPECT_NE(Why().find("refused the session (a response, status 16)"), std::string::npos) << Why();
}

TEST_P(HartIpLink, ARequestTheServerRejectsEndsWithoutWaitingOutTheAllowance) {
  Serve([](const hartip::Header& h) {
    return std::vector<Bytes>{Message(hartip::kNak, 3, 2, h.sequence, {})};
  });
  ASSERT_TRUE(HartOpenPort(ds)) << Why();
  Address();
  const auto start = std::chrono::steady_clock::now();
  HartPvReading pv{};
  EXPECT_EQ(HartCmd1(ds, pv), HART_NO_REPLY);
  // Four attempts, none of them waiting for a reply that cannot come.
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1250));
  EXPECT_NE(Why().find("a NAK, status 2"), std::string::npos) << Why();
}

TEST_P(HartIpLink, AServerThatGoesAwayEndsTheExchange) {
  Serve([](const hartip::Header& h) {
    return std::vector<Bytes>{Message(hartip::kResponse, 3, 0, h.sequence, kPv100)};
  });
  ASSERT_TRUE(HartOpenPort(ds)) << Why();
  Address();
  HartPvReading pv{};
  ASSERT_EQ(HartCmd1(ds, pv), HART_OK);
  server->GoAway();
  const auto start = std::chrono::steady_clock::now();
  // UDP learns of it from the refused datagram, TCP from the closed connection; then every
  // attempt fails to write.
  EXPECT_EQ(HartCmd1(ds, pv), HART_WRITE_FAILED);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1250));
  EXPECT_NE(Why().find(GetParam() ? "closed the connection" : "does not answer"), std::string::npos)
      << Why();
}

TEST_P(HartIpLink, AGatewayMayAnswerLaterThanTheSerialLinesStartLimit) {
  // A gateway answers after its own exchange on its loop: here 400 ms, beyond the 277 ms a
  // reply on a serial line has to start in with the HART standard time-out.
  Serve([](const hartip::Header& h) {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    return std::vector<Bytes>{Message(hartip::kResponse, 3, 0, h.sequence, kPv100)};
  });
  ds.replyTimeout = ReplyTimeout::HartStandard;
  ASSERT_TRUE(HartOpenPort(ds)) << Why();
  Address();
  HartResponse reply{};
  EXPECT_EQ(HartTransact(ds, 1, 0, nullptr, 5, reply, 1), HART_OK) << Why();  // one attempt
}

INSTANTIATE_TEST_SUITE_P(UdpAndTcp, HartIpLink, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Tcp" : "Udp"; });

TEST(HartIpPortKeepAlive, AnIdleSessionIsKeptAliveAndClosedAtTheEnd) {
  ScriptedServer server(false, SessionAnswer);
  HartIpPort::Timing timing;
  timing.keepAliveMs = 20;
  timing.keepAliveFloorMs = 20;
  {
    HartIpPort port(timing);
    ASSERT_TRUE(port.Open(server.Name())) << port.LastError();
    ASSERT_TRUE(server.WaitFor(hartip::kKeepAlive, 2));
    EXPECT_EQ(port.BytesWaiting(), 0);  // their answers are nothing for the reader
  }
  ASSERT_TRUE(server.WaitFor(hartip::kSessionClose));
  const std::vector<Bytes> got = server.Received();
  EXPECT_EQ(got[1], Hex("01 00 02 00 00 01 00 08"));
  EXPECT_EQ(got.back()[2], hartip::kSessionClose);
}

int Count(const std::vector<Bytes>& messages, uint8_t id) {
  int n = 0;
  for (const Bytes& m : messages)
    n += m[2] == id;
  return n;
}

TEST(HartIpPortKeepAlive, AServerGrantingAFewMillisecondsIsNotFlooded) {
  // The server settles on a 3 ms inactivity timer (status 8: set to nearest).
  ScriptedServer server(false, [](const hartip::Header& h, const Bytes& m) {
    if (h.messageId != hartip::kSessionInitiate) return SessionAnswer(h, m);
    return std::vector<Bytes>{
        Message(hartip::kResponse, h.messageId, 8, h.sequence, Hex("01 00 00 00 03"))};
  });
  HartIpPort::Timing timing;
  timing.keepAliveFloorMs = 30;  // the once-a-second floor, shortened for the test
  const auto start = std::chrono::steady_clock::now();
  HartIpPort port(timing);
  ASSERT_TRUE(port.Open(server.Name())) << port.LastError();
  ASSERT_TRUE(server.WaitFor(hartip::kKeepAlive, 3));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  const int sent = Count(server.Received(), hartip::kKeepAlive);
  EXPECT_LE(sent, elapsed / std::chrono::milliseconds(30) + 1) << sent << " keep-alives";
}

TEST(HartIpPortClose, WaitsForTheServerToAnswerTheCloseButNotForever) {
  ScriptedServer answering(true, SessionAnswer);
  HartIpPort port;
  ASSERT_TRUE(port.Open(answering.Name())) << port.LastError();
  port.Close();
  // Answered before Close returned, so the server had it by then.
  EXPECT_EQ(Count(answering.Received(), hartip::kSessionClose), 1);

  // A server that never answers the close holds it up no longer than the wait allowed.
  ScriptedServer silent(false, [](const hartip::Header& h, const Bytes& m) {
    return h.messageId == hartip::kSessionClose ? std::vector<Bytes>{} : SessionAnswer(h, m);
  });
  HartIpPort::Timing timing;
  timing.closeReplyMs = 100;
  HartIpPort waiting(timing);
  ASSERT_TRUE(waiting.Open(silent.Name())) << waiting.LastError();
  const auto start = std::chrono::steady_clock::now();
  waiting.Close();
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, std::chrono::milliseconds(90));
  EXPECT_LT(took, std::chrono::milliseconds(1000));
}

}  // namespace
