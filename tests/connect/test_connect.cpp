// The connection choices of the Default Parameters dialog without the dialog: the port list
// from a fake system list, the Link= text of each kind read back, the HART-IP fields'
// refusals, and the Test's exchanges against the in-process loop on a virtual clock.
#include <gtest/gtest.h>

#include "ConnectionTest.h"
#include "PortList.h"
#ifndef _WIN32
#include "SimProcess.h"
#endif
#include "SimLoop.h"
#include "SimulatedPort.h"

namespace {

std::vector<std::string> Texts(const std::vector<PortEntry>& entries) {
  std::vector<std::string> texts;
  for (const PortEntry& e : entries)
    texts.push_back(e.text);
  return texts;
}

const std::vector<PortInfo> kPorts = {
    {"ttyUSB0", "FT232R USB UART", "/dev/ttyUSB0", 0x0403, 0x6001},
    {"ttyACM0", "", "/dev/ttyACM0", 0x2341, std::nullopt},
    {"ttyS0", "", "/dev/ttyS0", std::nullopt, std::nullopt},
};

TEST(PortList, TheSystemsPortsComeFirstThenAStaleLinkThenCom1ToCom25) {
  std::vector<PortEntry> entries = SerialPortEntries(kPorts, "");
  ASSERT_EQ(entries.size(), 3u + 25u);
  EXPECT_EQ(Texts(entries)[0], "ttyUSB0 - FT232R USB UART (0403:6001)");
  EXPECT_EQ(Texts(entries)[1], "ttyACM0 (2341)");
  EXPECT_EQ(Texts(entries)[2], "ttyS0");
  EXPECT_EQ(Texts(entries)[3], "COM1");
  EXPECT_EQ(Texts(entries).back(), "COM25");
  EXPECT_EQ(LinkText(entries[0].choice), "/dev/ttyUSB0");
  EXPECT_EQ(entries[27].choice.kind, LinkChoice::Kind::ComPort);
  EXPECT_EQ(entries[27].choice.portIndex, 24);

  // A link the system still lists adds nothing; one it lost is shown after its ports.
  EXPECT_EQ(SerialPortEntries(kPorts, "/dev/ttyACM0").size(), 28u);
  entries = SerialPortEntries(kPorts, "/dev/ttyUSB1");
  ASSERT_EQ(entries.size(), 29u);
  EXPECT_EQ(entries[3].text, "/dev/ttyUSB1 (not present)");
  EXPECT_EQ(LinkText(entries[3].choice), "/dev/ttyUSB1");
  EXPECT_EQ(entries[4].text, "COM1");
  // A HART-IP link is not a serial port.
  EXPECT_EQ(SerialPortEntries({}, "hartip://10.0.0.7").size(), 25u);
}

TEST(PortList, AvailablePortsAsksTheInstalledSource) {
  SetPortSource([] { return kPorts; });
  EXPECT_EQ(AvailablePorts().size(), 3u);
  SetPortSource([] { return std::vector<PortInfo>{}; });
  EXPECT_TRUE(AvailablePorts().empty());
  SetPortSource({});
}

TEST(LinkChoiceText, EachKindIsWrittenAndReadBack) {
  for (const std::string link : {"/dev/ttyUSB0", "hartip://10.0.0.7:5094",
                                 "hartip+tcp://gw.plant:20004", "hartip://[fe80::1]:5094"}) {
    const LinkChoice choice = ReadLinkChoice(link, 4);
    EXPECT_EQ(LinkText(choice), link);
    EXPECT_EQ(ReadLinkChoice(LinkText(choice), 4), choice) << link;
  }
  EXPECT_EQ(ReadLinkChoice("hartip+tcp://gw.plant:20004", 0).hartIp.tcp, true);
  EXPECT_EQ(ReadLinkChoice("hartip+tcp://gw.plant:20004", 0).hartIp.port, 20004);
  // Written by hand without a port: the default port, then written out in full.
  EXPECT_EQ(LinkText(ReadLinkChoice("hartip://gw", 0)), "hartip://gw:5094");
  // No link is COM(Port), which writes none.
  const LinkChoice com = ReadLinkChoice("", 6);
  EXPECT_EQ(com.kind, LinkChoice::Kind::ComPort);
  EXPECT_EQ(com.portIndex, 6);
  EXPECT_EQ(LinkText(com), "");
  // A HART-IP text the link would refuse is kept as it is rather than lost.
  EXPECT_EQ(LinkText(ReadLinkChoice("hartip://gw:99999", 0)), "hartip://gw:99999");
}

TEST(LinkChoiceText, TheHartIpFieldsAreRefusedNamingTheField) {
  HartIpAddress address;
  const std::pair<const char*, const char*> bad[] = {
      {"", "5094"},    {"gate way", "5094"}, {"gw", ""},  {"gw", "0"},
      {"gw", "65536"}, {"gw", "50x"},        {"gw", "-1"}};
  for (const auto& [host, port] : bad) {
    const std::string refusal = CheckHartIpFields(host, port, address);
    const std::string field =
        *host && std::string(host) != "gate way" ? "HART-IP Port" : "HART-IP Host";
    EXPECT_TRUE(refusal.ends_with(": " + field)) << host << " " << port << ": " << refusal;
  }
  EXPECT_EQ(CheckHartIpFields("[::1]", "65535", address), "");
  EXPECT_EQ(address.host, "::1");
  EXPECT_EQ(address.port, 65535);
}

class ConnectionTestRun : public ::testing::Test {
 protected:
  void SetUp() override {
    loop.AddDevice(0);
    ds.clock = &clock;
    ds.port = std::make_unique<SimulatedPort>(loop, clock);
  }
  SimLoop loop;
  VirtualClock clock;
  DeviceState ds;
  std::atomic<bool> stop{false};
};

TEST_F(ConnectionTestRun, NamesTheDeviceThatAnsweredAndClosesThePort) {
  AimTestLink(ds, ReadLinkChoice("", 4), ReplyTimeout::HartStandard);
  EXPECT_EQ(ds.portNameOverride, "");
  EXPECT_EQ(ds.portIndex, 4);
  EXPECT_EQ(ds.replyTimeout, ReplyTimeout::HartStandard);
  ConnectionTestOutcome outcome = RunConnectionTest(ds, 0, stop);
  EXPECT_EQ(outcome.kind, ConnectionTestOutcome::Kind::Answered);
  EXPECT_EQ(outcome.tag, "PT-101");
  EXPECT_EQ(outcome.identity.manufacturerId, 0x26);
  EXPECT_EQ(outcome.identity.deviceId, 0x0A0001u);
  EXPECT_EQ(static_cast<SimulatedPort&>(*ds.port).openedName, "COM5");
  EXPECT_FALSE(ds.port->IsOpen());

  // Nobody at address 3; and a stop asked for before the start sends nothing.
  outcome = RunConnectionTest(ds, 3, stop);
  EXPECT_EQ(outcome.kind, ConnectionTestOutcome::Kind::NoDevice);
  stop = true;
  const size_t writes = static_cast<SimulatedPort&>(*ds.port).writes.size();
  EXPECT_EQ(RunConnectionTest(ds, 0, stop).kind, ConnectionTestOutcome::Kind::NoDevice);
  EXPECT_EQ(static_cast<SimulatedPort&>(*ds.port).writes.size(), writes);
}

#ifndef _WIN32
TEST_F(ConnectionTestRun, APortThatIsGoneIsNamedWithTheReason) {
  ds.port.reset();  // the system's own port backend
  LinkChoice gone;
  gone.kind = LinkChoice::Kind::SystemPort;
  gone.path = "/dev/ttyUSB-gone";
  AimTestLink(ds, gone, ReplyTimeout::Tolerant);
  const ConnectionTestOutcome outcome = RunConnectionTest(ds, 0, stop);
  EXPECT_EQ(outcome.kind, ConnectionTestOutcome::Kind::PortFailed);
  EXPECT_EQ(outcome.portReason, "/dev/ttyUSB-gone: no such port");
}
#endif

#ifndef _WIN32
// What the user does with a gateway: its address typed into the dialog, then Test, here
// against hart-sim serving its loop over HART-IP, both over UDP and over TCP.
TEST(ConnectionTestGateway, NamesTheDeviceBehindAHartIpGateway) {
  SimProcess sim("--address 0 --no-pacing --hartip 0");
  const int port = sim.HartIpPort();
  ASSERT_NE(port, 0) << "hart-sim serves no HART-IP";
  for (const char* scheme : {"hartip://", "hartip+tcp://"}) {
    const LinkChoice choice =
        ReadLinkChoice(scheme + std::string("127.0.0.1:") + std::to_string(port), 2);
    ASSERT_EQ(choice.kind, LinkChoice::Kind::HartIp) << scheme;
    DeviceState ds;
    std::atomic<bool> stop{false};
    AimTestLink(ds, choice, ReplyTimeout::HartStandard);
    const ConnectionTestOutcome outcome = RunConnectionTest(ds, 0, stop);
    EXPECT_EQ(outcome.kind, ConnectionTestOutcome::Kind::Answered) << scheme << outcome.portReason;
    EXPECT_EQ(outcome.tag, "PT-101") << scheme;
    EXPECT_EQ(outcome.identity.deviceId, 0x0A0001u) << scheme;
  }
  EXPECT_NE(sim.Log().find("via HART-IP UDP"), std::string::npos);
  EXPECT_NE(sim.Log().find("via HART-IP TCP"), std::string::npos);
}
#endif

}  // namespace
