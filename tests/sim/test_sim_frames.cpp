// Whole request and reply frames, written out by hand from the frame rules (preambles,
// delimiter, address, command, byte count, status, data, exclusive-or check byte).
#include <gtest/gtest.h>

#include "SimTestUtil.h"

namespace {

// A loop with one device at polling address 0 whose long address is 26 05 01 02 03.
class SimFrames : public ::testing::Test {
 protected:
  void SetUp() override {
    SimTransmitter& d = loop.AddDevice(0);
    SimIdentity id = d.Identity();
    id.deviceId = 0x010203;
    d.SetIdentity(id);
    device = &d;
  }
  // Clears the cold-start bit, which the first reply after power-up carries.
  void ReportColdStart() { Send(loop, Hex("FF FF FF FF FF 02 80 00 00 82")); }

  SimLoop loop;
  SimTransmitter* device = nullptr;
};

TEST_F(SimFrames, Command0ShortFrameRepliesWithIdentityAndColdStartOnce) {
  // 254, manufacturer 26, type 05, 5 preambles, revisions 5/1/3, hardware 2 << 3, flags 0,
  // id 01 02 03. Status 0x20: cold start, reported once.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 02 80 00 00 82")),
            Hex("FF FF FF FF FF 06 80 00 0E 00 20 FE 26 05 05 05 01 03 10 00 01 02 03 67"));
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 02 80 00 00 82")),
            Hex("FF FF FF FF FF 06 80 00 0E 00 00 FE 26 05 05 05 01 03 10 00 01 02 03 47"));
}

TEST_F(SimFrames, Command1LongFrameEchoesTheAddressAndSendsThePv) {
  device->SetPressure(50.0);
  // Unit 0C (kPa), PV 50.0 = 42 48 00 00; status 0x20 (first reply since power-up).
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 01 00 20")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 01 07 00 20 0C 42 48 00 00 05"));
}

TEST_F(SimFrames, SecondaryMasterBitIsEchoed) {
  ReportColdStart();
  // Master bit 0 in the request: 26 instead of A6, check byte 0x20 ^ 0x80.
  device->SetPressure(50.0);
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 26 05 01 02 03 01 00 A0")),
            Hex("FF FF FF FF FF 86 26 05 01 02 03 01 07 00 00 0C 42 48 00 00 A5"));
}

TEST_F(SimFrames, Command17StoresAndEchoesThePackedMessage) {
  ReportColdStart();
  // "ABCD" + 28 spaces packs to 04 20 C4 and seven groups 82 08 20.
  const std::string msg = "04 20 C4 82 08 20 82 08 20 82 08 20 82 08 20 82 08 20 82 08 20 82 08 20";
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 11 18 " + msg + " 62")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 11 1A 00 40 " + msg + " 24"));
  // Command 12 reads it back; the configuration-changed bit stays set.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 0C 00 2D")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 0C 1A 00 40 " + msg + " 39"));
}

TEST_F(SimFrames, Command35RangeIsEchoed) {
  ReportColdStart();
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 23 09 0C 42 C8 00 00 00 00 00 00 8D")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 23 0B 00 40 0C 42 C8 00 00 00 00 00 00 CB"));
}

TEST_F(SimFrames, ThermalPointValueIsSentLowByteFirst) {
  ReportColdStart();
  // 226: index 2, T-AD 0xFFFF; 225 reads it back with the index echoed.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 E2 03 02 FF FF C2")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 E2 05 00 40 02 FF FF 80"));
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 E1 01 02 C3")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 E1 05 00 40 02 FF FF 83"));
  // In memory: T-AD of point 2 at 832 + 16, low byte first.
  SimImage m = device->Image();
  EXPECT_EQ(m.U16(image::kTemperatureAd0 + 16), 0xFFFF);
}

TEST_F(SimFrames, TableAdCountIsSentHighByteFirst) {
  ReportColdStart();
  // 228: table index 5, AD 0x00012345; 227 reads it back.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 E4 05 05 00 01 23 45 A2")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 E4 07 00 40 05 00 01 23 45 E4"));
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 E3 01 05 C6")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 E3 07 00 40 05 00 01 23 45 E3"));
  // In memory at 976 + 8 * 5, low byte first.
  EXPECT_EQ(device->Image().U32(image::kTable0 + 40), 0x00012345u);
}

TEST_F(SimFrames, SensorRecordReadAndWrite) {
  ReportColdStart();
  // 147: zero trim 0.0, alarm 0, display 0, format 2, filter byte 1E (10 x 3), type F9.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 93 00 B2")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 93 0B 00 00 00 00 00 00 00 00 02 1E F9 58"));
  // 187: alarm 1, display 2, format 3, excitation 20 sent as 3C, type FB, reserved 00 00.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 BB 0B 00 00 00 00 01 02 03 3C FB "
                           "00 00 56")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 BB 0B 00 40 00 00 00 00 01 02 03 3C FB 12"));
  SimImage m = device->Image();
  EXPECT_EQ(m.U8(image::kAlarmType), 1);
  EXPECT_EQ(m.U8(image::kDisplayMode), 2);
  EXPECT_EQ(m.U8(image::kNumberFormat), 3);
  EXPECT_EQ(m.U8(image::kFilterConfig), 0x3C);
  EXPECT_EQ(m.U8(image::kExcitation), 0xFB);
}

TEST_F(SimFrames, ErrorRepliesCarryOnlyTheStatusBytes) {
  ReportColdStart();
  // Command 200 does not exist: 64, byte count 2.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 C8 00 E9")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 C8 02 40 00 AF"));
  // Command 34 with 2 of its 4 data bytes: 5.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 22 02 3F 80 BE")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 22 02 05 00 00"));
  // Damping write while write-protected: 7.
  device->SetWriteProtected(true);
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 22 04 3F 80 00 00 B8")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 22 02 07 00 02"));
}

TEST_F(SimFrames, CorruptedRequestGetsACommunicationErrorAndIsNotActedOn) {
  ReportColdStart();
  // Command 19 (assembly number 12 34 56) with check byte 00 instead of 0x21^0x13^0x03^
  // 0x12^0x34^0x56 = 0x5B: status 88 (bit 7: communication error; 08: check byte), no data.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 13 03 12 34 56 00")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 13 02 88 00 BC"));
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 A6 05 01 02 03 10 00 31")),
            Hex("FF FF FF FF FF 86 A6 05 01 02 03 10 05 00 00 00 30 39 39"));  // still 12345
}

TEST_F(SimFrames, RequestsAreFoundInAnySplitAfterTwoOrMorePreambles) {
  const auto request = Hex("FF FF 02 80 00 00 82");
  std::vector<uint8_t> reply;
  for (uint8_t b : request) {
    auto pieces = loop.Receive(&b, 1);
    if (b != request.back()) {
      EXPECT_TRUE(pieces.empty());
    }
    reply = Joined(pieces);
  }
  EXPECT_EQ(reply.size(), 24u);
  // One preamble is not enough; noise and a device's reply on the line are skipped.
  EXPECT_TRUE(Send(loop, Hex("FF 02 80 00 00 82")).empty());
  EXPECT_EQ(Send(loop, Hex("00 17 FF FF 06 80 00 02 00 00 84 FF FF FF 02 80 00 00 82")).size(),
            24u);
  // The receiver records each request it found, from delimiter to check byte.
  EXPECT_EQ(loop.Requests().size(), 2u);
  EXPECT_EQ(loop.Requests().back(), Hex("02 80 00 00 82"));
}

TEST_F(SimFrames, ResetReceiverDropsAHalfRequest) {
  auto head = Hex("FF FF FF FF FF 82 A6 05 01");
  loop.Receive(head.data(), head.size());
  loop.ResetReceiver();
  // Without the reset the next frame's bytes would complete the first one.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 02 80 00 00 82")).size(), 24u);
}

}  // namespace
