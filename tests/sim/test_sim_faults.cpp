// Misbehaviour on demand: each fault changes the reply as described and then wears off.
#include <gtest/gtest.h>

#include <functional>

#include "SimTestUtil.h"

namespace {

const auto kCmd0 = Hex("FF FF FF FF FF 02 80 00 00 82");
// Command 0's reply after the cold start was reported (see the frame tests).
const auto kCmd0Reply =
    Hex("FF FF FF FF FF 06 80 00 0E 00 00 FE 26 05 05 05 01 03 10 00 0A 00 01 4C");

class SimFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device = &loop.AddDevice(0);  // id 0A 00 01
    Send(loop, kCmd0);
  }
  void Set(const std::function<void(SimFaults&)>& change) {
    SimFaults f = device->Faults();
    change(f);
    device->SetFaults(f);
  }
  SimLoop loop;
  SimTransmitter* device = nullptr;
};

TEST_F(SimFaultsTest, CleanReplyIsTheReference) {
  EXPECT_EQ(Send(loop, kCmd0), kCmd0Reply);
}

TEST_F(SimFaultsTest, SilenceForKRequestsThenForever) {
  device->SilenceNext(2);
  EXPECT_TRUE(Send(loop, kCmd0).empty());
  EXPECT_TRUE(Send(loop, kCmd0).empty());
  EXPECT_EQ(Send(loop, kCmd0), kCmd0Reply);
  device->SetSilent(true);
  for (int i = 0; i < 5; ++i)
    EXPECT_TRUE(Send(loop, kCmd0).empty());
  device->SetSilent(false);
  EXPECT_EQ(Send(loop, kCmd0), kCmd0Reply);
}

TEST_F(SimFaultsTest, SilentDeviceDoesNotActOnTheRequest) {
  device->SilenceNext(1);
  auto id = device->Identity().deviceId;
  EXPECT_TRUE(Send(loop, LongRequest(id, 47, {1})).empty());
  EXPECT_EQ(device->Image().U8(image::kTransfer), 0);
}

TEST_F(SimFaultsTest, WrongCheckByteForKReplies) {
  Set([](SimFaults& f) { f.badCheckReplies = 1; });
  auto bad = Send(loop, kCmd0);
  ASSERT_EQ(bad.size(), kCmd0Reply.size());
  EXPECT_NE(bad.back(), kCmd0Reply.back());
  EXPECT_TRUE(std::equal(bad.begin(), bad.end() - 1, kCmd0Reply.begin()));
  EXPECT_EQ(Send(loop, kCmd0), kCmd0Reply);
}

TEST_F(SimFaultsTest, ReplyInPiecesEachLaterThanTheOneBefore) {
  Set([](SimFaults& f) {
    f.pieceSizes = {16, 16};
    f.pieceGapMs = 30;
    f.replyDelayMs = 50;
    f.preambles = 22;  // 22 + 19 = 41 bytes: 16 + 16 + 9
  });
  auto pieces = loop.Receive(kCmd0.data(), kCmd0.size());
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].bytes.size(), 16u);
  EXPECT_EQ(pieces[1].bytes.size(), 16u);
  EXPECT_EQ(pieces[2].bytes.size(), 9u);
  EXPECT_EQ(pieces[0].delayMs, 50);
  EXPECT_EQ(pieces[1].delayMs, 80);
  EXPECT_EQ(pieces[2].delayMs, 110);
  std::vector<uint8_t> expected(17, 0xFF);
  expected.insert(expected.end(), kCmd0Reply.begin(), kCmd0Reply.end());
  EXPECT_EQ(Joined(pieces), expected);
}

TEST_F(SimFaultsTest, PreambleCounts) {
  for (int n : {1, 2, 20, 21}) {
    Set([n](SimFaults& f) { f.preambles = n; });
    auto reply = Send(loop, kCmd0);
    ASSERT_EQ(reply.size(), kCmd0Reply.size() - 5 + size_t(n)) << n;
    EXPECT_EQ(reply[size_t(n)], 0x06) << n;
    EXPECT_EQ(std::count(reply.begin(), reply.begin() + n, 0xFF), n);
  }
}

TEST_F(SimFaultsTest, NoiseOrAnotherFrameAheadOfTheReply) {
  // A burst frame from another device (81, its own check byte 0x81^0x80^0x01^0x00 = 0x00)
  // ahead of the acknowledge.
  const auto burst = Hex("FF FF FF 81 80 01 00 00");
  Set([&](SimFaults& f) { f.leadingBytes = burst; });
  auto reply = Send(loop, kCmd0);
  std::vector<uint8_t> expected = burst;
  expected.insert(expected.end(), kCmd0Reply.begin(), kCmd0Reply.end());
  EXPECT_EQ(reply, expected);
}

TEST_F(SimFaultsTest, OversizedReplyClaimsMoreDataThanAnyBuffer) {
  Set([](SimFaults& f) { f.replyDataBytes = 60; });
  auto reply = Send(loop, kCmd0);
  EXPECT_EQ(reply[8], 62);                       // byte count above 34
  EXPECT_EQ(reply.size(), 5u + 4 + 2 + 60 + 1);  // more than 64 bytes
  // Fewer data bytes than the command has.
  Set([](SimFaults& f) { f.replyDataBytes = 3; });
  reply = Send(loop, kCmd0);
  EXPECT_EQ(reply, Hex("FF FF FF FF FF 06 80 00 05 00 00 FE 26 05 5E"));
}

TEST_F(SimFaultsTest, ForcedErrorCodeSendsNoDataAndDoesNotAct) {
  Set([](SimFaults& f) {
    f.forcedResponseCode = 32;  // busy
    f.forcedResponseReplies = 1;
  });
  auto id = device->Identity().deviceId;
  Ack ack = ParseLongAck(Send(loop, LongRequest(id, 47, {1})));
  EXPECT_EQ(ack.code, 32);
  EXPECT_TRUE(ack.data.empty());
  EXPECT_EQ(device->Image().U8(image::kTransfer), 0);
  ack = ParseLongAck(Send(loop, LongRequest(id, 47, {1})));
  EXPECT_EQ(ack.code, 0);
  EXPECT_EQ(device->Image().U8(image::kTransfer), 1);
}

TEST_F(SimFaultsTest, ForcedWarningKeepsDataAndActs) {
  Set([](SimFaults& f) {
    f.forcedResponseCode = 8;
    f.forcedResponseReplies = 2;
  });
  auto id = device->Identity().deviceId;
  Ack ack = ParseLongAck(Send(loop, LongRequest(id, 47, {1})));
  EXPECT_EQ(ack.code, 8);
  EXPECT_EQ(ack.data, Hex("01"));
  EXPECT_EQ(device->Image().U8(image::kTransfer), 1);
}

TEST_F(SimFaultsTest, CommunicationErrorStatusForKReplies) {
  Set([](SimFaults& f) {
    f.commErrorStatus = 0x10;  // framing error; bit 7 is added
    f.commErrorReplies = 1;
  });
  EXPECT_EQ(Send(loop, kCmd0), Hex("FF FF FF FF FF 06 80 00 02 90 00 14"));
  EXPECT_EQ(Send(loop, kCmd0), kCmd0Reply);
}

TEST_F(SimFaultsTest, StatusBitsAreOredIn) {
  Set([](SimFaults& f) { f.statusBits = kStatusMoreStatus; });
  auto reply = Send(loop, kCmd0);
  EXPECT_EQ(reply[10], 0x10);
  EXPECT_EQ(reply.back(), kCmd0Reply.back() ^ 0x10);
}

}  // namespace
