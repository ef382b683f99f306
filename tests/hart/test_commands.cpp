// The wrappers: request bytes, reply decoding, attempts and the response-code policy.
#include <cstring>
#include <string>
#include <thread>

#include "Encoding.h"
#include "LinkFixture.h"

namespace {

class Commands : public LinkFixture {
 protected:
  // A long acknowledge from 26/05/010203 to `command` with status 00 00 and `data`.
  static std::vector<uint8_t> Reply(int command, const char* data, int responseCode = 0) {
    char body[256];
    const auto bytes = Hex(data);
    std::snprintf(body, sizeof body, "86 A6 05 01 02 03 %02X %02X %02X 00 %s", command,
                  static_cast<int>(bytes.size()) + 2, responseCode, data);
    return Ack(5, body);
  }
  int Attempts() const { return static_cast<int>(scripted->writes.size()); }
};

// ---- identification and addressing ----

const char* kCmd0Reply = "06 80 00 0E 00 00 FE 26 05 05 05 01 02 08 00 01 02 03";

TEST_F(Commands, CommandZeroIdentifiesAndAddressesLaterLongFrames) {
  std::memset(&ds.request.manufacturerId, 0, 5);
  Answer(Ack(5, kCmd0Reply));
  HartIdentity id{};
  ASSERT_EQ(HartCmd0(ds, 0, id), HART_OK);
  EXPECT_EQ(scripted->writes[0], Hex("FF FF FF FF FF 02 80 00 00 82"));
  EXPECT_EQ(id.manufacturerId, 0x26);
  EXPECT_EQ(id.deviceType, 0x05);
  EXPECT_EQ(id.minPreambles, 5);
  EXPECT_EQ(id.universalRevision, 5);
  EXPECT_EQ(id.deviceRevision, 1);
  EXPECT_EQ(id.softwareRevision, 2);
  EXPECT_EQ(id.hardwareRevision, 1);
  EXPECT_EQ(id.physicalSignaling, 0);
  EXPECT_EQ(id.deviceId, 0x010203u);

  Answer(Reply(1, "0C 42 C8 00 00"));
  HartPvReading pv{};
  ASSERT_EQ(HartCmd1(ds, pv), HART_OK);
  EXPECT_EQ(scripted->writes[1], Hex("FF FF FF FF FF 82 A6 05 01 02 03 01 00 20"));
  EXPECT_EQ(pv.unitCode, 12);
  EXPECT_FLOAT_EQ(pv.pv, 100.0f);
}

TEST_F(Commands, CommandZeroGoesToThePollingAddressTwiceAtMost) {
  Silence();
  Silence();
  HartIdentity id{};
  id.deviceId = 77;
  const int64_t start = clock.NowMs();
  EXPECT_EQ(HartCmd0(ds, 7, id), HART_NO_REPLY);
  EXPECT_EQ(Attempts(), 2);
  EXPECT_EQ(scripted->writes[0], Hex("FF FF FF FF FF 02 87 00 00 85"));
  EXPECT_EQ(id.deviceId, 77u);                         // untouched
  EXPECT_EQ(ds.request.manufacturerId, 0x26);          // the old address stays
  EXPECT_EQ(clock.NowMs() - start, 2 * (100 + 1250));  // a 10-byte frame waits 100 ms
}

TEST_F(Commands, CommandZeroNeedsAllTwelveIdentityBytes) {
  Answer(Ack(5, "06 80 00 05 00 00 FE 26 05"));  // response code 0 but only 3 data bytes
  HartIdentity id{};
  EXPECT_EQ(HartCmd0(ds, 0, id), HART_SHORT_REPLY);
  EXPECT_EQ(ds.request.manufacturerId, 0x26);
}

TEST_F(Commands, BroadcastSendsToTheAllZeroAddress) {
  UseBroadcastAddress(ds);
  Answer(Reply(1, "0C 42 C8 00 00"));
  HartPvReading pv{};
  ASSERT_EQ(HartCmd1(ds, pv), HART_OK);
  EXPECT_EQ(scripted->writes[0], Hex("FF FF FF FF FF 82 80 00 00 00 00 01 00 03"));
}

// ---- the exchange policy ----

TEST_F(Commands, SilentDeviceCostsFourFullExchanges) {
  for (int i = 0; i < 4; ++i)
    Silence();
  HartPvReading pv{7, 1.5f};
  EXPECT_EQ(HartCmd1(ds, pv), HART_NO_REPLY);
  EXPECT_EQ(Attempts(), 4);
  EXPECT_EQ(pv.unitCode, 7);
  EXPECT_FLOAT_EQ(pv.pv, 1.5f);
}

TEST_F(Commands, BadCheckByteAndCorruptedRequestAreRetried) {
  auto bad = Reply(1, "0C 42 C8 00 00");
  bad.back() ^= 0xFF;
  Answer(bad);
  // The device reports our request reached it corrupted (first status byte, bit 7).
  Answer(Reply(1, "", 0x88));
  Answer(Reply(1, "0C 42 C8 00 00"));
  HartPvReading pv{};
  EXPECT_EQ(HartCmd1(ds, pv), HART_OK);
  EXPECT_EQ(Attempts(), 3);
  EXPECT_FLOAT_EQ(pv.pv, 100.0f);
}

TEST_F(Commands, CorruptedRequestFourTimesIsAFailure) {
  for (int i = 0; i < 4; ++i)
    Answer(Reply(1, "", 0x82));
  HartPvReading pv{};
  const HartResult result = HartCmd1(ds, pv);
  EXPECT_EQ(result, HART_DEVICE_COMM_ERROR);
  EXPECT_EQ(Attempts(), 4);
  EXPECT_EQ(HartResultText(result), "Device received a corrupted request");
}

TEST_F(Commands, ErrorResponseEndsTheWrapperWithoutOutputs) {
  Answer(Reply(35, "0C 42 C8 00 00 00 00 00 00", 7));
  HartRangeValues range{12, 100.0f, 0.0f};
  range.upperRange = 250.0f;
  const HartResult result = HartCmd35(ds, range);
  EXPECT_EQ(result, HART_DEVICE_ERROR);
  EXPECT_EQ(Attempts(), 1);
  EXPECT_FLOAT_EQ(range.upperRange, 250.0f);
  // The result carries the device's answer, whichever thread words it.
  EXPECT_EQ(result.responseCode, 7);
  EXPECT_EQ(result.command, 35);
  std::string text;
  std::thread([&] { text = HartResultText(result); }).join();
  EXPECT_EQ(text, "In write protect mode");

  Answer(Reply(200, "", 64));
  HartResponse reply;
  const HartResult refused = HartExchange(ds, 200, nullptr, 0, 0, reply);
  EXPECT_EQ(refused, HART_DEVICE_ERROR);
  EXPECT_EQ(HartResultText(refused), "Command not implemented");
}

TEST_F(Commands, WarningResponseIsASuccess) {
  // 8: set to nearest possible value; the echo carries what the device applied.
  Answer(Reply(34, "41 20 00 00", 8));
  HartFloatEcho damping{100.0f, 0.0f};
  ASSERT_EQ(HartCmd34(ds, damping), HART_OK);
  EXPECT_EQ(LastLongRequestData(), Hex("42 C8 00 00"));
  EXPECT_FLOAT_EQ(damping.actual, 10.0f);
}

TEST_F(Commands, ShortSuccessfulReplyIsNotTakenForValues) {
  Answer(Reply(15, "00 00 0C 42 C8 00 00"));  // 7 of 17 bytes
  HartOutputInfo info{};
  info.damping = 2.0f;
  EXPECT_EQ(HartCmd15(ds, info), HART_SHORT_REPLY);
  EXPECT_FLOAT_EQ(info.damping, 2.0f);
  EXPECT_EQ(HartResultText(HART_SHORT_REPLY), "Reply too short");
}

// ---- universal and common-practice commands ----

TEST_F(Commands, OutputInfoOfCommandFifteen) {
  Answer(Reply(15, "00 01 0C 42 C8 00 00 C0 C0 00 00 3F 80 00 00 FB FA"));
  HartOutputInfo info{};
  ASSERT_EQ(HartCmd15(ds, info), HART_OK);
  EXPECT_EQ(info.transferFunction, 1);
  EXPECT_EQ(info.rangeUnits, 12);
  EXPECT_FLOAT_EQ(info.upperRange, 100.0f);
  EXPECT_FLOAT_EQ(info.lowerRange, -6.0f);
  EXPECT_FLOAT_EQ(info.damping, 1.0f);
  EXPECT_EQ(info.writeProtect, 0xFB);
  EXPECT_EQ(info.distributor, 0xFA);
}

TEST_F(Commands, MessageGoesPackedAndComesBackUnpacked) {
  Answer(Reply(17, "04 20 C4 82 08 20 82 08 20 82 08 20 82 08 20 82 08 20 82 08 20 14 51 C8"));
  char message[33] = "ABCD                            ";
  ASSERT_EQ(HartCmd17(ds, message), HART_OK);
  EXPECT_EQ(scripted->writes[0],
            Hex("FF FF FF FF FF 82 A6 05 01 02 03 11 18 04 20 C4 82 08 20 82 08 20 82 08 20 "
                "82 08 20 82 08 20 82 08 20 82 08 20 62"));
  EXPECT_EQ(std::string(message, 32), "ABCD" + std::string(24, ' ') + "EEGH");  // the echo
}

TEST_F(Commands, RangeValuesOfCommandThirtyFive) {
  Answer(Reply(35, "0C 42 C8 00 00 00 00 00 00"));
  HartRangeValues range{12, 100.0f, 0.0f};
  ASSERT_EQ(HartCmd35(ds, range), HART_OK);
  EXPECT_EQ(scripted->writes[0], Hex("FF FF FF FF FF 82 A6 05 01 02 03 23 09 0C 42 C8 00 00 00 00 "
                                     "00 00 8D"));
}

TEST_F(Commands, AssemblyNumberIsTwentyFourBitsHighByteFirst) {
  Answer(Reply(19, "12 34 57"));
  uint32_t number = 0x123456;
  ASSERT_EQ(HartCmd19(ds, number), HART_OK);
  EXPECT_EQ(LastLongRequestData(), Hex("12 34 56"));
  EXPECT_EQ(number, 0x123457u);
}

// ---- device-specific commands ----

TEST_F(Commands, SixteenBitValuesGoLowByteFirst) {
  Answer(Reply(226, ""));
  ASSERT_EQ(HartCmd226(ds, 2, 0xFFFF), HART_OK);
  EXPECT_EQ(LastLongRequestData(), Hex("02 FF FF"));

  Answer(Reply(225, "03 34 12"));
  uint16_t value = 0;
  ASSERT_EQ(HartCmd225(ds, 3, value), HART_OK);
  EXPECT_EQ(LastLongRequestData(), Hex("03"));
  EXPECT_EQ(value, 0x1234);

  Answer(Reply(201, "00 01 23 45 CD AB"));
  int32_t ad = 0;
  ASSERT_EQ(HartCmd201(ds, ad, value), HART_OK);
  EXPECT_EQ(ad, 0x12345);
  EXPECT_EQ(value, 0xABCD);
}

TEST_F(Commands, ThirtyTwoBitTableValuesGoHighByteFirst) {
  Answer(Reply(228, ""));
  ASSERT_EQ(HartCmd228(ds, 5, 0x00012345), HART_OK);
  EXPECT_EQ(LastLongRequestData(), Hex("05 00 01 23 45"));

  Answer(Reply(227, "05 FF FF FF FE"));
  int32_t value = 0;
  ASSERT_EQ(HartCmd227(ds, 5, value), HART_OK);
  EXPECT_EQ(value, -2);

  Answer(Reply(223, "01 42 C8 00 00"));
  float temperature = 0;
  ASSERT_EQ(HartCmd223(ds, 1, temperature), HART_OK);
  EXPECT_FLOAT_EQ(temperature, 100.0f);
}

TEST_F(Commands, SensorRecordTypeCodesAndExcitation) {
  Answer(Reply(147, "3F 80 00 00 01 02 03 3D F9 AA BB"));
  HartSensorRecord rec{};
  ASSERT_EQ(HartCmd147(ds, rec), HART_OK);
  EXPECT_FLOAT_EQ(rec.value, 1.0f);
  EXPECT_EQ(rec.alarmType, 1);
  EXPECT_EQ(rec.displayMode, 2);
  EXPECT_EQ(rec.numberFormat, 3);
  EXPECT_EQ(rec.excitation, 20);  // 61 / 3
  EXPECT_EQ(rec.typeIndex, 3);
  EXPECT_EQ(rec.extra1, 0xAA);
  EXPECT_EQ(rec.extra2, 0xBB);

  Answer(Reply(147, "3F 80 00 00 01 02 03 3D 00"));
  rec.typeIndex = 4;
  ASSERT_EQ(HartCmd147(ds, rec), HART_OK);
  EXPECT_EQ(rec.typeIndex, 4);  // unknown wire code: left as it was
  EXPECT_EQ(rec.typeCode, 0x00);
  EXPECT_EQ(rec.extra1, 0xAA);  // not carried: kept

  Answer(Reply(187, "3F 80 00 00 01 02 03 3C"));
  rec.excitation = 20;
  ASSERT_EQ(HartCmd187(ds, rec), HART_OK);
  EXPECT_EQ(LastLongRequestData(), Hex("3F 80 00 00 01 02 03 3C FB AA BB"));

  // No type of the page's own: the device's last reported code goes back.
  Answer(Reply(187, "3F 80 00 00 01 02 03 3C"));
  rec.typeIndex = 9;
  rec.typeCode = 0xF1;
  ASSERT_EQ(HartCmd187(ds, rec), HART_OK);
  EXPECT_EQ(LastLongRequestData()[8], 0xF1);
}

TEST_F(Commands, CompensationSendsSixValuesAndReadsSeven) {
  Answer(Reply(146,
               "02 3F 80 00 00 40 00 00 00 40 40 00 00 40 80 00 00 40 A0 00 00 40 C0 00 "
               "00 40 E0 00 00"));
  HartCompRecord rec{2, {1, 2, 3, 4, 5, 6, 99}};
  ASSERT_EQ(HartCmd146(ds, rec), HART_OK);
  const auto sent = LastLongRequestData();
  ASSERT_EQ(sent.size(), 25u);
  EXPECT_EQ(std::vector<uint8_t>(sent.end() - 4, sent.end()), Hex("40 C0 00 00"));  // 6.0
  EXPECT_FLOAT_EQ(rec.value[6], 7.0f);
}

TEST_F(Commands, RangePairAndCounts) {
  Answer(Reply(149, "C0 C0 00 00 40 C0 00 00 0C"));
  HartRangePair pair{};
  ASSERT_EQ(HartCmd149(ds, pair), HART_OK);
  EXPECT_FLOAT_EQ(pair.lower, -6.0f);
  EXPECT_FLOAT_EQ(pair.upper, 6.0f);
  EXPECT_EQ(pair.code, 12);

  Answer(Reply(221, "03 07"));
  uint8_t temps = 0, points = 0;
  ASSERT_EQ(HartCmd221(ds, temps, points), HART_OK);
  EXPECT_EQ(temps, 3);
  EXPECT_EQ(points, 7);
}

TEST_F(Commands, SingleValueDeviceCommands) {
  Answer(Reply(145,
               "01 3F 80 00 00 40 00 00 00 40 40 00 00 40 80 00 00 40 A0 00 00 40 C0 00 "
               "00 40 E0 00 00"));
  HartCompRecord comp{};
  ASSERT_EQ(HartCmd145(ds, comp), HART_OK);
  EXPECT_EQ(comp.code, 1);
  EXPECT_FLOAT_EQ(comp.value[0], 1.0f);
  EXPECT_FLOAT_EQ(comp.value[6], 7.0f);

  Answer(Reply(150, "41 20 00 00"));
  float value = 0;
  ASSERT_EQ(HartCmd150(ds, value), HART_OK);
  EXPECT_EQ(scripted->writes.back(), Hex("FF FF FF FF FF 82 A6 05 01 02 03 96 00 B7"));
  EXPECT_FLOAT_EQ(value, 10.0f);

  Answer(Reply(190, "3F C0 00 00"));
  value = 2.0f;
  ASSERT_EQ(HartCmd190(ds, value), HART_OK);
  EXPECT_EQ(LastLongRequestData(), Hex("40 00 00 00"));
  EXPECT_FLOAT_EQ(value, 1.5f);

  Answer(Reply(215, "03"));
  uint8_t choice = 2;
  ASSERT_EQ(HartCmd215(ds, choice), HART_OK);
  EXPECT_EQ(LastLongRequestData(), Hex("02"));
  EXPECT_EQ(choice, 3);
}

}  // namespace
