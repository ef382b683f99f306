// The universal reads a generic master sends before anything else, against the device's own
// memory and process. Floats spelled out: 120.0 = 42 F0 00 00, 20.8 = 41 A6 66 66, 70.0 =
// 42 8C 00 00, 1000.0 = 44 7A 00 00, -100.0 = C2 C8 00 00, 11.0 = 41 30 00 00.
#include <gtest/gtest.h>

#include "SimTestUtil.h"

namespace {

// A long frame to the all-zero (broadcast) address.
std::vector<uint8_t> BroadcastRequest(uint8_t command, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> f = LongRequest(0, command, data);
  std::fill(f.begin() + 6, f.begin() + 11, uint8_t(0));
  f[6] = 0x80;
  f.back() = 0;
  for (size_t k = 5; k + 1 < f.size(); ++k)
    f.back() ^= f[k];
  return f;
}

std::vector<uint8_t> Data(SimLoop& loop, uint32_t id, uint8_t command,
                          const std::vector<uint8_t>& data = {}) {
  Ack a = ParseLongAck(Send(loop, LongRequest(id, command, data)));
  EXPECT_TRUE(a.checkOk) << "command " << int(command);
  EXPECT_EQ(a.code, 0) << "command " << int(command);
  return a.data;
}

TEST(SimUniversalReads, DynamicVariablesTransducerAndStatusFollowTheDevice) {
  SimLoop loop;
  SimTransmitter& d = loop.AddDevice(0);
  const uint32_t id = d.Identity().deviceId;
  // 120 kPa at 70 degC: a calibration point of the factory table, so the PV is exact; 120 %
  // of the 0..100 kPa range saturates the output at 20.8 mA.
  d.SetPressure(120.0);
  d.SetDieTemperature(70.0);
  EXPECT_EQ(Data(loop, id, 3), Hex("41 A6 66 66  0C 42 F0 00 00  20 42 8C 00 00"));
  EXPECT_EQ(Data(loop, id, 8), Hex("41 40 FA FA"));
  EXPECT_EQ(Data(loop, id, 48), Hex("00 00 00 00 00 00 00 00 00 00 01 00 00 00"));
  EXPECT_EQ(Data(loop, id, 14), Hex("0A 00 01 0C 44 7A 00 00 C2 C8 00 00 41 30 00 00"));

  // To bar, range 0..10: limits -1..10 bar, minimum span 0.11 (3D E1 47 AE), PV 1.2 bar
  // (3F 99 99 9A), 12 % of range: 5.92 mA (40 BD 70 A4).
  Data(loop, id, 35, Hex("07 41 20 00 00 00 00 00 00"));
  EXPECT_EQ(Data(loop, id, 14), Hex("0A 00 01 07 41 20 00 00 BF 80 00 00 3D E1 47 AE"));
  EXPECT_EQ(Data(loop, id, 3), Hex("40 BD 70 A4  07 3F 99 99 9A  20 42 8C 00 00"));

  // Above the limits, the die too hot, a broken diode, the output fixed (not saturated).
  d.SetPressure(1200.0);
  d.SetDieTemperature(90.0);
  d.SetTemperatureAdOverride(0);
  Data(loop, id, 40, Hex("41 40 00 00"));
  EXPECT_EQ(Data(loop, id, 48), Hex("07 00 00 00 00 00 00 00 00 00 00 00 00 01"));
  EXPECT_EQ(Data(loop, id, 3).size(), 14u);
}

TEST(SimUniversalReads, Command11AnswersOnlyForTheTagAndCommand7TellsTheLoopMode) {
  SimLoop loop;
  SimTransmitter& a = loop.AddDevice(0);  // tag PT-101, id 0A 00 01
  SimTransmitter& b = loop.AddDevice(5);  // id 0A 00 02
  SimImage m = b.Image();
  const std::vector<uint8_t> ft5 = Hex("19 4B 75 82 08 20");  // "FT-5    "
  std::copy(ft5.begin(), ft5.end(), m.Data() + image::kTag);
  b.SetImage(m);

  // Broadcast, tag FT-5: the device at 5 answers with its identity, not the lowest address.
  // Status 28: cold start and (multidrop) current fixed.
  EXPECT_EQ(Send(loop, Hex("FF FF FF FF FF 82 80 00 00 00 00 0B 06 19 4B 75 82 08 20 82")),
            Hex("FF FF FF FF FF 86 A6 05 0A 00 02 0B 0E 00 28 "
                "FE 26 05 05 05 01 03 10 00 0A 00 02 C7"));
  // Device 0's own tag by broadcast; a tag nobody has; FT-5 sent to device 0's address.
  Ack own = ParseLongAck(Send(loop, BroadcastRequest(11, Hex("41 4B 71 C3 18 20"))));
  EXPECT_TRUE(own.checkOk);
  EXPECT_EQ(own.data, Hex("FE 26 05 05 05 01 03 10 00 0A 00 01"));
  const int heard = a.RequestsHeard();
  EXPECT_TRUE(Send(loop, BroadcastRequest(11, Hex("38 F0 8F 11 98 20"))).empty());  // "NOBODY"
  EXPECT_TRUE(Send(loop, LongRequest(0x0A0001, 11, ft5)).empty());
  EXPECT_EQ(a.RequestsHeard(), heard);

  EXPECT_EQ(Data(loop, 0x0A0001, 7), Hex("00 01"));
  EXPECT_EQ(Data(loop, 0x0A0002, 7), Hex("05 00"));
}

}  // namespace
