// hart-sim's HART-IP server as its clients see it: the link's session over UDP and TCP, a
// silent device, the capture, and what the server does with messages that are not proper
// requests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "HartIpTestClients.h"
#include "HexBytes.h"
#include "SimProcess.h"

namespace {

using Bytes = std::vector<uint8_t>;

class SimHartIp : public ::testing::TestWithParam<const char*> {};

TEST_P(SimHartIp, TheLinkRunsItsCommandsOverASession) {
  SimProcess sim("--hartip 0 --no-pacing --pressure 42.5");
  const int port = sim.HartIpPort();
  ASSERT_GT(port, 0) << sim.Log();
  Master m(GetParam(), port);
  ASSERT_TRUE(m.Open()) << sim.Log();
  HartPvReading pv{};
  ASSERT_EQ(HartCmd1(m.ds, pv), HART_OK);
  EXPECT_FLOAT_EQ(pv.pv, 42.5f);
  char text[32] = "OVER HART-IP 7";
  ASSERT_EQ(HartCmd17(m.ds, text), HART_OK);
  char back[32] = {};
  ASSERT_EQ(HartCmd12(m.ds, back), HART_OK);
  EXPECT_EQ(std::string(back, 14), "OVER HART-IP 7");  // 32 characters, no terminator
  const std::string via = std::string(" via HART-IP ") + (GetParam()[6] == '+' ? "TCP" : "UDP");
  EXPECT_NE(sim.Log().find("cmd 17 bc 24" + via), std::string::npos) << sim.Log();

  // The server stops: the next exchange ends in a write failure, not a hang.
  sim.Stop();
  EXPECT_EQ(HartCmd1(m.ds, pv), HART_WRITE_FAILED);
}

INSTANTIATE_TEST_SUITE_P(UdpAndTcp, SimHartIp, ::testing::Values("hartip", "hartip+tcp"),
                         [](const auto& info) { return info.index ? "Tcp" : "Udp"; });

TEST(SimHartIpSilence, ASilentDeviceIsNoReplyAndTheSessionGoesOn) {
  SimProcess sim("--hartip 0 --no-pacing", HART_SIM_PATH, /*commands=*/true);
  const int port = sim.HartIpPort();
  ASSERT_GT(port, 0) << sim.Log();
  Master m("hartip", port);
  ASSERT_TRUE(m.Open());
  sim.Say("silent on");
  ASSERT_TRUE(sim.WaitForLog("ok device 0: silent"));
  HartResponse reply{};
  // One attempt: the only case here that waits out the link's real allowance.
  EXPECT_EQ(HartTransact(m.ds, 1, 0, nullptr, 0, reply, 1), HART_NO_REPLY);
  sim.Say("silent off");
  ASSERT_TRUE(sim.WaitForLog("ok device 0: answering"));
  HartPvReading pv{};
  EXPECT_EQ(HartCmd1(m.ds, pv), HART_OK);
}

TEST(SimHartIpCapture, TsharkDecodesTheCommands) {
  if (std::system("command -v tshark >/dev/null 2>&1") != 0) GTEST_SKIP() << "no tshark";
  const std::string dir =
      std::filesystem::temp_directory_path() / ("hartip-capture-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string capture = dir + "/sim.pcap";
  {
    SimProcess sim("--hartip 0 --no-pacing --pcap " + capture);
    const int port = sim.HartIpPort();
    ASSERT_GT(port, 0) << sim.Log();
    Master m("hartip", port);
    ASSERT_TRUE(m.Open());
    HartPvReading pv{};
    ASSERT_EQ(HartCmd1(m.ds, pv), HART_OK);
  }
  const std::string text = dir + "/tshark.txt";
  ASSERT_EQ(std::system(("tshark -r " + capture + " -V >" + text + " 2>&1").c_str()), 0);
  std::stringstream s;
  s << std::ifstream(text).rdbuf();
  EXPECT_NE(s.str().find("Pass Through Response"), std::string::npos) << s.str();
  EXPECT_NE(s.str().find("Command: 1\n"), std::string::npos) << s.str();
  std::filesystem::remove_all(dir);
}

TEST(SimHartIpServer, DropsWhatIsNotARequestAndJoinsSplitMessages) {
  SimProcess sim("--hartip 0 --no-pacing");
  const int port = sim.HartIpPort();
  ASSERT_GT(port, 0) << sim.Log();

  RawClient udp(port, false);
  ASSERT_TRUE(udp.connected());
  udp.Send(Hex("48 45 4C 4C 4F"));                          // not HART-IP
  udp.Send(Hex("01 00 03 00 00 07 00 0D 02 80 00 00 82"));  // command 0, no session yet
  udp.Send(Hex("01 00 00 00 00 09 00 0D 01 00 00 EA 60"));  // Session Initiate
  // The first answer is the initiate's: its body echoed under its sequence number.
  EXPECT_EQ(udp.Receive(), Hex("01 01 00 00 00 09 00 0D 01 00 00 EA 60"));
  udp.Send(Hex("01 00 03 00 00 0A 00 0D 02 80 00 00 82"));
  const Bytes reply = udp.Receive();
  ASSERT_GE(reply.size(), 12u);
  // Response, sequence 10, 8 + 19 bytes: the command 0 reply frame without preambles.
  EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 12), Hex("01 01 03 00 00 0A 00 1B 06 80 00 0E"));

  RawClient tcp(port, true);
  ASSERT_TRUE(tcp.connected());
  tcp.Send(Hex("01 00 00 00 00"));
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  tcp.Send(Hex("01 00 0D 01 00 00 EA 60"));
  EXPECT_EQ(tcp.Receive(), Hex("01 01 00 00 00 01 00 0D 01 00 00 EA 60"));
  tcp.Send(Hex("01 00 02 00 00 02 00 08"));  // Keep Alive
  EXPECT_EQ(tcp.Receive(), Hex("01 01 02 00 00 02 00 08"));
  tcp.Send(Hex("01 00 03 00 00 03 00 02"));  // a byte count below the header's own size
  EXPECT_EQ(tcp.Receive(), Bytes{});         // the server gives the stream up

  const std::string log = sim.Log();
  EXPECT_NE(log.find("dropped a datagram that is not HART-IP (5 bytes: 48 45 4C 4C 4F)"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("dropped message id 3 outside a session"), std::string::npos) << log;
  EXPECT_NE(log.find("the stream is not HART-IP"), std::string::npos) << log;
}

}  // namespace
