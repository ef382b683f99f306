// The request frame, the send timing and the receive state machine, with hand-written bytes.
#include <algorithm>
#include <cstring>
#include <random>

#include "LinkFixture.h"

namespace {

// Command 1 reply from 26/05/010203: unit 12 (kPa), PV 100.0.
const char* kCmd1ReplyBody = "86 A6 05 01 02 03 01 07 00 00 0C 42 C8 00 00";

class Link : public LinkFixture {
 protected:
  int SendLong(uint8_t command, HartResponse& out) {
    ds.request.longFrame = 1;
    ds.request.command = command;
    ds.request.byteCount = 0;
    std::memset(&out, 0, sizeof out);
    return HartSendCommand(ds, out);
  }
  int SendCmd1(HartResponse& out) { return SendLong(1, out); }
  std::vector<uint8_t> Cmd1Reply(int preambles = 5) { return Ack(preambles, kCmd1ReplyBody); }
};

TEST_F(Link, FramesCommandZeroShortAndCommandOneLong) {
  uint8_t frame[64];
  HartRequest r{};
  r.preambleCount = 5;
  r.masterBit = 1;
  int n = HartBuildFrame(r, frame);
  EXPECT_EQ(std::vector<uint8_t>(frame, frame + n), Hex("FF FF FF FF FF 02 80 00 00 82"));

  r = ds.request;
  r.longFrame = 1;
  r.command = 1;
  n = HartBuildFrame(r, frame);
  EXPECT_EQ(std::vector<uint8_t>(frame, frame + n),
            Hex("FF FF FF FF FF 82 A6 05 01 02 03 01 00 20"));
}

TEST_F(Link, SendWaitsForTheFrameToLeaveTheWireWithRtsRaised) {
  EXPECT_EQ(HartSendWaitMs(14), 138);
  EXPECT_EQ(HartSendWaitMs(14 + 24), 366);  // (38 - 10) * 9.5 + 100 = 366
  Answer(Cmd1Reply());
  HartResponse out;
  ASSERT_EQ(SendCmd1(out), HART_OK);
  ASSERT_EQ(scripted->rtsLog.size(), 2u);
  EXPECT_TRUE(scripted->rtsLog[0].first);
  EXPECT_FALSE(scripted->rtsLog[1].first);
  EXPECT_EQ(scripted->rtsLog[1].second - scripted->writeTimes[0], 138);
  EXPECT_EQ(scripted->purges, 1);
}

TEST_F(Link, ParsesEveryFieldOfALongReply) {
  Answer(Cmd1Reply());
  HartResponse out;
  ASSERT_EQ(SendCmd1(out), HART_OK);
  EXPECT_EQ(out.preambleCount, 5);
  EXPECT_EQ(out.longFrame, 1);
  EXPECT_EQ(out.masterBit, 1);
  EXPECT_EQ(out.burstBit, 0);
  EXPECT_EQ(out.manufacturerId, 0x26);
  EXPECT_EQ(out.deviceType, 0x05);
  EXPECT_EQ(std::vector<uint8_t>(out.deviceId, out.deviceId + 3), Hex("01 02 03"));
  EXPECT_EQ(out.command, 1);
  EXPECT_EQ(out.byteCount, 7);
  EXPECT_EQ(out.data[0], 0x0C);
  EXPECT_EQ(std::vector<uint8_t>(out.data + 1, out.data + 5), Hex("42 C8 00 00"));
  EXPECT_EQ(out.checksum, 0xA5);
}

TEST_F(Link, PreambleRunsOfTwoToTwentyOnly) {
  for (int preambles : {2, 20}) {
    Answer(Cmd1Reply(preambles));
    HartResponse out;
    EXPECT_EQ(SendCmd1(out), HART_OK) << preambles;
    EXPECT_EQ(out.preambleCount, preambles);
  }
  for (int preambles : {1, 21}) {
    Answer(Cmd1Reply(preambles));
    HartResponse out;
    EXPECT_EQ(SendCmd1(out), HART_NO_REPLY) << preambles;
  }
}

TEST_F(Link, ReplyInPiecesParsesLikeOneWhole) {
  // A command 2 reply: current 12.0 mA, 50 percent.
  const auto whole = Ack(5, "86 A6 05 01 02 03 02 0A 00 00 41 40 00 00 42 48 00 00");
  std::vector<uint8_t> bytes = whole;
  Answer(bytes);
  HartResponse once{};
  ds.request.longFrame = 1;
  ds.request.command = 2;
  ASSERT_EQ(HartSendCommand(ds, once), HART_OK);

  // The same reply arriving as 16 + 4 + rest, with gaps between the pieces.
  scripted->replies.push_back({{150, {bytes.begin(), bytes.begin() + 16}},
                               {300, {bytes.begin() + 16, bytes.begin() + 20}},
                               {700, {bytes.begin() + 20, bytes.end()}}});
  HartResponse pieces{};
  ASSERT_EQ(HartSendCommand(ds, pieces), HART_OK);
  EXPECT_EQ(std::memcmp(&once, &pieces, sizeof once), 0);
}

TEST_F(Link, ReadsAtMostSixteenBytesAtATime) {
  // A 41-byte reply on the line at once: 16 + 16 + 9.
  auto reply = Ack(5,
                   "86 A6 05 01 02 03 30 1B 00 00"
                   " 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19");
  ASSERT_EQ(reply.size(), 41u);
  Answer(reply);
  HartResponse out;
  ASSERT_EQ(SendLong(48, out), HART_OK);
  EXPECT_EQ(scripted->readSizes, (std::vector<int>{16, 16, 9}));
  EXPECT_EQ(out.data[24], 0x19);
}

TEST_F(Link, SkipsNoiseAndOtherFramesThatEndWithinThirtyTwoBytes) {
  // Noise, a lone FF, a burst frame (0x81) and a master request (0x02) before the reply.
  std::vector<uint8_t> bytes = Hex("00 13 FF 55");
  auto burst = Ack(2, "81 A6 05 01 02 03 01 02 00 00");
  bytes.insert(bytes.end(), burst.begin(), burst.end());
  auto reply = Cmd1Reply(2);
  bytes.insert(bytes.end(), reply.begin(), reply.end());
  Answer(bytes);
  HartResponse out;
  EXPECT_EQ(SendCmd1(out), HART_OK);
  EXPECT_EQ(out.command, 1);
  EXPECT_EQ(out.data[0], 0x0C);
}

TEST_F(Link, GivesUpWhenTheFrameStartsBeyondThirtyTwoBytes) {
  std::vector<uint8_t> bytes(40, 0x00);
  auto reply = Cmd1Reply();
  bytes.insert(bytes.end(), reply.begin(), reply.end());
  Answer(bytes);
  HartResponse out;
  EXPECT_EQ(SendCmd1(out), HART_NO_REPLY);

  // Arriving byte by byte, the delimiter may be the 32nd byte received but not the 33rd.
  for (int noise : {26, 27}) {
    std::vector<uint8_t> late(static_cast<size_t>(noise), 0x00);
    late.insert(late.end(), reply.begin(), reply.end());
    ScriptedReply trickle;
    for (size_t i = 0; i < late.size(); ++i)
      trickle.push_back({138 + 10 * static_cast<int>(i), {late[i]}});
    scripted->replies.push_back(trickle);
    EXPECT_EQ(SendCmd1(out), noise == 26 ? HART_OK : HART_NO_REPLY) << noise;
  }
}

TEST_F(Link, WrongCheckByteIsReported) {
  auto reply = Cmd1Reply();
  reply.back() ^= 0x01;
  Answer(reply);
  HartResponse out;
  EXPECT_EQ(SendCmd1(out), HART_BAD_CHECKSUM);
  EXPECT_EQ(out.data[0], 0x0C);  // the reply was parsed all the same
}

TEST_F(Link, SilenceCostsTheQuietAllowanceOnTopOfTheSendWait) {
  Silence();
  const int64_t start = clock.NowMs();
  HartResponse out;
  EXPECT_EQ(SendCmd1(out), HART_NO_REPLY);
  EXPECT_EQ(clock.NowMs() - start, 138 + 1250);
}

TEST_F(Link, QuietTimeIsCountedOverTheWholeExchange) {
  // 1000 ms of quiet before the first byte and 300 ms in a gap later: 1300 > 1250.
  auto reply = Cmd1Reply();
  scripted->replies.push_back({{138 + 1000, {reply.begin(), reply.begin() + 8}},
                               {138 + 1300, {reply.begin() + 8, reply.end()}}});
  HartResponse out;
  EXPECT_EQ(SendCmd1(out), HART_NO_REPLY);

  scripted->replies.push_back({{138 + 1000, {reply.begin(), reply.begin() + 8}},
                               {138 + 1200, {reply.begin() + 8, reply.end()}}});
  EXPECT_EQ(SendCmd1(out), HART_OK);
}

TEST_F(Link, HartStandardGivesUpOnASilentDeviceAfterTheSlaveTimeOut) {
  ds.replyTimeout = ReplyTimeout::HartStandard;
  Silence();
  int64_t start = clock.NowMs();
  HartResponse out;
  EXPECT_EQ(SendCmd1(out), HART_NO_REPLY);
  // 28 characters of 11 bits at 1200 baud (256.7 ms) and 20 ms of turnaround, rounded up.
  EXPECT_EQ(clock.NowMs() - start, 138 + 277);

  // An empty polling address during a search: two attempts of a 10-byte frame.
  Silence();
  Silence();
  start = clock.NowMs();
  HartIdentity id{};
  EXPECT_EQ(HartCmd0(ds, 3, id), HART_NO_REPLY);
  EXPECT_EQ(clock.NowMs() - start, 2 * (100 + 277));
}

TEST_F(Link, HartStandardReadsAReplyThatStartedInTimeUnderTheQuietAllowance) {
  // The reply starts `at` ms after the send wait, its tail follows after a 700 ms gap
  // (more than the start limit, within the quiet allowance). Noise that is not a preamble
  // does not count as the reply's start.
  struct Case {
    int at;
    bool noiseFirst;
    int hartStandard;
  };
  const auto reply = Cmd1Reply();
  for (const Case c : {Case{250, false, HART_OK}, Case{300, false, HART_NO_REPLY},
                       Case{300, true, HART_NO_REPLY}}) {
    for (const ReplyTimeout choice : {ReplyTimeout::HartStandard, ReplyTimeout::Tolerant}) {
      ds.replyTimeout = choice;
      ScriptedReply script;
      if (c.noiseFirst) script.push_back({138 + 100, {0x00}});
      script.push_back({138 + c.at, {reply.begin(), reply.begin() + 8}});
      script.push_back({138 + c.at + 700, {reply.begin() + 8, reply.end()}});
      scripted->replies.push_back(script);
      HartResponse out;
      const int expected = choice == ReplyTimeout::Tolerant ? HART_OK : c.hartStandard;
      EXPECT_EQ(SendCmd1(out), expected) << c.at << (c.noiseFirst ? " after noise" : "")
                                         << (choice == ReplyTimeout::Tolerant ? " tolerant" : "");
      if (expected == HART_OK) {
        EXPECT_EQ(out.data[0], 0x0C);
      }
    }
  }
}

TEST_F(Link, ReplyLongerThanTheBuffersIsNeverComplete) {
  // Byte count 0x28: 38 data bytes would not fit the 32-byte data field.
  std::string body = "86 A6 05 01 02 03 01 28 00 00";
  for (int i = 0; i < 38; ++i)
    body += " 11";
  Answer(Ack(5, body.c_str()));
  HartResponse out;
  EXPECT_EQ(SendCmd1(out), HART_NO_REPLY);

  // A frame start within 32 bytes but more than 64 bytes before its end: 20 preambles.
  std::string full = "86 A6 05 01 02 03 01 22 00 00";
  for (int i = 0; i < 32; ++i)
    full += " 22";
  std::vector<uint8_t> bytes(10, 0x00);
  auto reply = Ack(20, full.c_str());
  bytes.insert(bytes.end(), reply.begin(), reply.end());
  ASSERT_GT(bytes.size(), 64u);
  Answer(bytes);
  EXPECT_EQ(SendCmd1(out), HART_NO_REPLY);
}

// Whole frames with their check bytes worked out by hand. Our request is command 1 to
// 26-05-010203 from the primary master; the answer reads PV 100.0 kPa.
const char kOurAnswer[] = "FF FF FF FF FF 86 A6 05 01 02 03 01 07 00 00 0C 42 C8 00 00 A5";
// Frames that do not answer it, each claiming PV 7.0 or zeros.
const char kOtherDevicesAnswer[] = "FF FF FF FF FF 86 A6 05 01 02 04 01 07 00 00 0C 40 E0 00 00 88";
const char kSecondaryMastersAnswer[] =
    "FF FF FF FF FF 86 26 05 01 02 03 01 07 00 00 0C 40 E0 00 00 0F";
// A command 48 reply of our device with 25 data bytes behind 20 preambles: 56 bytes, so our
// answer after it fits the 64-byte buffer only when the skipped frame gives its room back.
std::vector<uint8_t> Command48Answer() {
  std::vector<uint8_t> bytes(20, 0xFF);
  std::string frame = "86 A6 05 01 02 03 30 1B 00 00";
  for (int i = 0; i < 25; ++i)
    frame += " 00";
  const std::vector<uint8_t> tail = Hex(frame + " 0E");
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  return bytes;
}

TEST_F(Link, OnlyTheAnswerToOurRequestIsTaken) {
  const std::pair<const char*, std::vector<uint8_t>> notOurs[] = {
      {"command 48", Command48Answer()},
      {"another device", Hex(kOtherDevicesAnswer)},
      {"the secondary master", Hex(kSecondaryMastersAnswer)},
  };
  for (const auto& [what, foreign] : notOurs) {
    SCOPED_TRACE(what);
    // Ahead of our answer in the same stream: skipped, and our answer is taken.
    std::vector<uint8_t> stream = foreign;
    const std::vector<uint8_t> ours = Hex(kOurAnswer);
    stream.insert(stream.end(), ours.begin(), ours.end());
    Answer(stream);
    HartResponse out;
    ASSERT_EQ(SendCmd1(out), HART_OK);
    EXPECT_EQ(out.command, 1);
    EXPECT_EQ(out.masterBit, 1);
    EXPECT_EQ(out.deviceId[2], 0x03);
    EXPECT_EQ(std::vector<uint8_t>(out.data, out.data + 5), Hex("0C 42 C8 00 00"));

    // Alone, on every attempt: no reply within the allowance, and nothing of it is taken.
    for (int attempt = 0; attempt < 4; ++attempt)
      Answer(foreign);
    HartPvReading pv{0x55, -1.0f};
    const int64_t start = clock.NowMs();
    EXPECT_EQ(HartCmd1(ds, pv), HART_NO_REPLY);
    EXPECT_EQ(clock.NowMs() - start, 4 * (138 + 1250));
    EXPECT_EQ(pv.unitCode, 0x55);
    EXPECT_EQ(pv.pv, -1.0f);
  }
}

TEST_F(Link, AShortRequestTakesTheAnswerOfItsPollingAddressOnly) {
  ds.request.longFrame = 0;
  ds.request.pollingAddress = 3;
  ds.request.command = 0;
  ds.request.byteCount = 0;
  // Polling address 5 answers first, then 3.
  Answer(Hex("FF FF FF FF FF 06 85 00 02 00 00 81  FF FF FF FF FF 06 83 00 02 00 00 87"));
  HartResponse out{};
  ASSERT_EQ(HartSendCommand(ds, out), HART_OK);
  EXPECT_EQ(out.pollingAddress, 3);
  EXPECT_EQ(out.checksum, 0x87);
}

TEST_F(Link, ABroadcastRequestTakesTheAnswerOfAnyDeviceToOurMaster) {
  UseBroadcastAddress(ds);
  Answer(Hex("FF FF FF FF FF 86 A6 05 0A 00 01 01 07 00 00 0C 42 C8 00 00 AE"));
  HartResponse out;
  ASSERT_EQ(SendCmd1(out), HART_OK);
  EXPECT_EQ(std::vector<uint8_t>(out.deviceId, out.deviceId + 3), Hex("0A 00 01"));
  Answer(Hex(kSecondaryMastersAnswer));
  EXPECT_EQ(SendCmd1(out), HART_NO_REPLY);
}

TEST_F(Link, ShortWritesAreRetriedThenReportedWithRtsDropped) {
  scripted->shortWrites = 2;
  Answer(Cmd1Reply());
  HartResponse out;
  EXPECT_EQ(SendCmd1(out), HART_OK);
  EXPECT_EQ(scripted->writes.size(), 3u);

  scripted->shortWrites = 3;
  scripted->writes.clear();
  scripted->rtsLog.clear();
  EXPECT_EQ(SendCmd1(out), HART_WRITE_FAILED);
  EXPECT_EQ(scripted->writes.size(), 3u);
  ASSERT_FALSE(scripted->rtsLog.empty());
  EXPECT_FALSE(scripted->rtsLog.back().first);
}

TEST_F(Link, OpenUsesThePortNamesOfTheIndex) {
  ds.portIndex = 8;
  ASSERT_TRUE(HartOpenPort(ds));
  EXPECT_EQ(scripted->openedName, "COM9");
  ds.portIndex = 9;
  ASSERT_TRUE(HartOpenPort(ds));
  EXPECT_EQ(scripted->openedName, "\\\\.\\COM10");
  scripted->failOpen = true;
  EXPECT_FALSE(HartOpenPort(ds));
  EXPECT_EQ(ds.portHandle, nullptr);
  HartResponse out;
  EXPECT_EQ(HartSendCommand(ds, out), HART_WRITE_FAILED);  // no port: nothing sent
}

TEST_F(Link, AcceptanceDoesNotDependOnHowTheBytesAreSplit) {
  // Each stream as it arrives whole and as pieces of 16, 4 and the rest, each piece read
  // before the next arrives (the send wait of command 1 is 138 ms).
  auto expect = [this](std::vector<uint8_t> lead, int preambles, int want) {
    std::vector<uint8_t> bytes = lead;
    const auto reply = Cmd1Reply(preambles);
    bytes.insert(bytes.end(), reply.begin(), reply.end());
    Answer(bytes);
    HartResponse out;
    EXPECT_EQ(SendCmd1(out), want) << "whole, " << lead.size() << " leading bytes";
    scripted->replies.push_back({{150, {bytes.begin(), bytes.begin() + 16}},
                                 {200, {bytes.begin() + 16, bytes.begin() + 20}},
                                 {250, {bytes.begin() + 20, bytes.end()}}});
    EXPECT_EQ(SendCmd1(out), want) << "split, " << lead.size() << " leading bytes";
  };
  // Noise, then the delimiter at byte 25 and byte 31: within the hunt.
  expect(std::vector<uint8_t>(20, 0x00), 5, HART_OK);
  expect(std::vector<uint8_t>(26, 0x00), 5, HART_OK);
  // The delimiter at byte 32: too late, whole or split.
  expect(std::vector<uint8_t>(27, 0x00), 5, HART_NO_REPLY);
  // A run of 21 preambles is refused, but the count starts again after it.
  std::vector<uint8_t> longRun(21, 0xFF);
  longRun.push_back(0x00);
  expect(longRun, 5, HART_OK);
}

TEST_F(Link, ArbitraryLineNoiseEndsWithinTheAllowanceAndNeverOverruns) {
  // Streams rich in preambles, delimiters and byte counts, in random pieces. Under the
  // address sanitizer this also proves no buffer is written past.
  std::mt19937 rng(20261208);
  const uint8_t interesting[] = {0xFF, 0xFF, 0x86, 0x06, 0x22, 0x23, 0x01, 0x00};
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> bytes(rng() % 120);
    for (uint8_t& b : bytes)
      b = rng() % 2 ? interesting[rng() % sizeof interesting] : static_cast<uint8_t>(rng());
    if (round % 2) {  // a good reply somewhere in the noise
      const auto reply = Cmd1Reply(2 + static_cast<int>(rng() % 4));
      bytes.insert(bytes.begin() + static_cast<long>(rng() % (bytes.size() + 1)), reply.begin(),
                   reply.end());
    }
    ScriptedReply pieces;
    for (size_t at = 0, delay = 138; at < bytes.size();) {
      const size_t n = std::min<size_t>(1 + rng() % 24, bytes.size() - at);
      delay += rng() % 200;
      pieces.push_back({static_cast<int>(delay), {bytes.begin() + at, bytes.begin() + at + n}});
      at += n;
    }
    scripted->replies.push_back(pieces);
    const int64_t start = clock.NowMs();
    HartResponse out;
    const int result = SendCmd1(out);
    ASSERT_TRUE(result >= HART_OK && result <= HART_BAD_CHECKSUM) << round;
    ASSERT_LE(clock.NowMs() - start, 138 + 1250) << round;
    if (result != HART_NO_REPLY) {  // a complete frame
      ASSERT_LE(out.byteCount, 34) << round;
    }
  }
}

TEST(ResultText, SlotsAndDeviceTexts) {
  EXPECT_EQ(HartResultText(HART_OK), "Succeed");
  EXPECT_EQ(HartResultText(HART_WRITE_FAILED), "fail to send");
  EXPECT_EQ(HartResultText(HART_NO_REPLY), "No response,timeout!");
  EXPECT_EQ(HartResultText(HART_BAD_CHECKSUM), "Check code error");
  EXPECT_EQ(HartResultText(5), "Unknown error");
  EXPECT_EQ(HartResultText(0), "");
  EXPECT_EQ(HartResultText({HART_DEVICE_ERROR, 64, 1}), "Command not implemented");
  EXPECT_EQ(HartResultText({HART_DEVICE_ERROR, 7, 35}), "In write protect mode");
  EXPECT_EQ(HartResultText({HART_DEVICE_ERROR, 11, 35}), "Upper range value too high");
  EXPECT_EQ(HartResultText({HART_DEVICE_ERROR, 11, 40}), "In multidrop mode");
  for (int warning : {8, 14, 24, 27, 30, 31, 96, 111})
    EXPECT_TRUE(HartIsWarningCode(warning));
  for (int error : {1, 7, 9, 16, 28, 32, 64, 95, 112})
    EXPECT_FALSE(HartIsWarningCode(error));
}

}  // namespace
