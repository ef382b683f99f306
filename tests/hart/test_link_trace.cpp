// What the link tells its observer, the status words, and the pcap capture of the traffic.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Commands.h"
#include "FrameText.h"
#include "LinkFixture.h"
#include "PcapTrace.h"

namespace {

// Command 1 to 26-05-010203 and its reply: PV 12.5 kPa, status 0.
const char kPvRequest[] = "FF FF FF FF FF 82 A6 05 01 02 03 01 00 20";
const char kPvReply[] = "FF FF FF FF FF 86 A6 05 01 02 03 01 07 00 00 0C 41 48 00 00 26";

struct Recorded {
  bool fromDevice;
  std::vector<uint8_t> bytes;
  int result;
  bool parsed;
  uint8_t status;
  int replyAt;
  int skippedFrames;
};

class Recorder : public LinkObserver {
 public:
  void OnFrame(const LinkFrame& f) override {
    frames.push_back({f.fromDevice, f.bytes, f.result, f.reply != nullptr,
                      f.reply ? f.reply->deviceStatus : uint8_t(0), f.replyAt, f.skippedFrames});
  }
  std::vector<Recorded> frames;
};

class LinkTraceTest : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    ds.observer = &recorder;
  }
  Recorder recorder;
};

TEST_F(LinkTraceTest, TheObserverSeesEachRequestAndWhatCameBackOfEveryAttempt) {
  // A reply with noise ahead, one with a wrong check byte, then silence.
  Answer(Hex(std::string("00 13 ") + kPvReply));
  HartPvReading pv{};
  ASSERT_EQ(HartCmd1(ds, pv), HART_OK);
  std::vector<uint8_t> corrupt = Hex(kPvReply);
  corrupt.back() ^= 0x01;
  Answer(corrupt);
  Silence();
  HartResponse reply{};
  EXPECT_EQ(HartTransact(ds, 1, 0, {}, 0, reply, 2), HART_NO_REPLY);

  ASSERT_EQ(recorder.frames.size(), 6u);
  EXPECT_FALSE(recorder.frames[0].fromDevice);
  EXPECT_EQ(recorder.frames[0].bytes, Hex(kPvRequest));
  EXPECT_EQ(recorder.frames[0].result, HART_OK);
  EXPECT_TRUE(recorder.frames[1].fromDevice);
  EXPECT_EQ(recorder.frames[1].bytes, Hex(std::string("00 13 ") + kPvReply));
  EXPECT_EQ(recorder.frames[1].result, HART_OK);
  EXPECT_TRUE(recorder.frames[1].parsed);
  EXPECT_EQ(recorder.frames[3].result, HART_BAD_CHECKSUM);
  EXPECT_FALSE(recorder.frames[3].parsed);
  EXPECT_EQ(recorder.frames[3].bytes, corrupt);
  EXPECT_EQ(recorder.frames[5].result, HART_NO_REPLY);
  EXPECT_TRUE(recorder.frames[5].bytes.empty());
}

TEST_F(LinkTraceTest, AFrameThatIsNotOursIsSeenWithTheAnswerAfterIt) {
  // Device 26-05-010204 answers first (PV 7.0, check byte 88), then ours.
  const std::string stream =
      std::string("FF FF FF FF FF 86 A6 05 01 02 04 01 07 00 00 0C 40 E0 00 00 88 ") + kPvReply;
  Answer(Hex(stream));
  HartPvReading pv{};
  ASSERT_EQ(HartCmd1(ds, pv), HART_OK);
  EXPECT_FLOAT_EQ(pv.pv, 12.5f);
  ASSERT_EQ(recorder.frames.size(), 2u);
  EXPECT_EQ(recorder.frames[1].bytes, Hex(stream));
  EXPECT_TRUE(recorder.frames[1].parsed);
  // The answer's delimiter follows the 21 bytes of the other frame and its own 5 preambles.
  EXPECT_EQ(recorder.frames[1].replyAt, 26);
  EXPECT_EQ(recorder.frames[1].skippedFrames, 1);
  EXPECT_EQ(recorder.frames[0].skippedFrames, 0);
}

TEST(FrameTextTest, StatusBitsAreNamedFromTheTopBitDown) {
  EXPECT_EQ(DeviceStatusText(0x00), "OK");
  EXPECT_EQ(DeviceStatusText(0x80), "Field device malfunction");
  EXPECT_EQ(DeviceStatusText(0x40), "Configuration changed");
  EXPECT_EQ(DeviceStatusText(0x20), "Cold start");
  EXPECT_EQ(DeviceStatusText(0x10), "More status available");
  EXPECT_EQ(DeviceStatusText(0x08), "Loop current fixed");
  EXPECT_EQ(DeviceStatusText(0x04), "Loop current saturated");
  EXPECT_EQ(DeviceStatusText(0x02), "Non-PV out of limits");
  EXPECT_EQ(DeviceStatusText(0x01), "PV out of limits");
  EXPECT_EQ(DeviceStatusText(0x61), "Configuration changed, Cold start, PV out of limits");
  const uint8_t id[3] = {0x0A, 0x00, 0x01};
  EXPECT_EQ(LongAddressText(0xA6, 0x05, id), "26-05-0A0001");
  // hartctl and the program name a device the same way from its command 0 answer.
  HartIdentity identity{};
  identity.manufacturerId = 0xA6;
  identity.deviceType = 0x05;
  identity.deviceId = 0x0A0001;
  EXPECT_EQ(IdentityAddressText(identity), "26-05-0A0001");
  EXPECT_EQ(DescribeFrame(Hex(kPvReply)), "ACK long M1 26:05:010203 cmd 1 bc 7 rc 0 st 0x00");
}

TEST(PcapTraceTest, AFrameBecomesAHartIpMessageInUdpOnPort5094) {
  PcapEncoder encoder;
  std::vector<uint8_t> out;
  ASSERT_TRUE(encoder.AppendRecord(out, false, Hex(kPvRequest), 1'796'810'507'878'159));
  // Record header: seconds, microseconds, captured and original length (14 + 20 + 8 + 17).
  const std::vector<uint8_t> record(out.begin(), out.begin() + 16);
  EXPECT_EQ(record, Hex("0B 27 19 6B 4F 66 0D 00 3B 00 00 00 3B 00 00 00"));
  ASSERT_EQ(out.size(), 16u + 59u);
  const uint8_t* ip = out.data() + 16 + 14;
  EXPECT_EQ(ip[9], 17);  // UDP
  uint32_t sum = 0;      // a sound IPv4 header sums to all ones
  for (int i = 0; i < 20; i += 2)
    sum += uint32_t(ip[i] << 8 | ip[i + 1]);
  EXPECT_EQ((sum & 0xFFFF) + (sum >> 16), 0xFFFFu);
  const std::vector<uint8_t> udpAndBody(ip + 20, ip + 20 + 8 + 17);
  EXPECT_EQ(udpAndBody, Hex("C0 00 13 E6 00 19 00 00 "
                            "01 00 03 00 00 01 00 11 "
                            "82 A6 05 01 02 03 01 00 20"));

  // The reply keeps the request's sequence number; bytes after its check byte are left out.
  out.clear();
  ASSERT_TRUE(encoder.AppendRecord(out, true, Hex(std::string(kPvReply) + " 00 00"), 0));
  const std::vector<uint8_t> hartIp(out.begin() + 16 + 14 + 20 + 8, out.end());
  EXPECT_EQ(hartIp, Hex("01 01 03 00 00 01 00 18 "
                        "86 A6 05 01 02 03 01 07 00 00 0C 41 48 00 00 26"));
  // Silence or noise holds no frame.
  EXPECT_FALSE(encoder.AppendRecord(out, true, {}, 0));
  EXPECT_FALSE(encoder.AppendRecord(out, true, Hex("00 13 FF"), 0));
}

TEST_F(LinkTraceTest, TsharkDecodesTheCaptureOfAnExchange) {
  if (std::system("tshark --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "no tshark";
  const std::string path = ::testing::TempDir() + "link-trace.pcap";
  PcapTrace trace;
  std::string problem;
  ASSERT_TRUE(trace.Open(path, &problem)) << problem;
  ds.observer = &trace;
  Answer(Hex(kPvReply));
  HartPvReading pv{};
  ASSERT_EQ(HartCmd1(ds, pv), HART_OK);
  ASSERT_TRUE(trace.Finish(&problem)) << problem;

  const std::string command = "tshark -r " + path +
                              " -T fields -e hart_ip.message_type -e hart_ip.transaction_id"
                              " -e hart_ip.pt.command -e hart_ip.pt.response_code 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string text;
  char buf[256];
  while (std::fgets(buf, sizeof buf, pipe))
    text += buf;
  ASSERT_EQ(pclose(pipe), 0);
  EXPECT_EQ(text, "0\t1\t1\t\n1\t1\t1\t0\n");
  std::filesystem::remove(path);
}

}  // namespace
