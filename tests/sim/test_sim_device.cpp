// The simulated transmitter as one consistent device: what one command writes, every other
// command and the configuration blocks read; the process follows the applied pressure.
#include <gtest/gtest.h>

#include <cmath>

#include "SimTestUtil.h"

namespace {

using simbytes::F32BE;

std::vector<uint8_t> Cat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class SimDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    device = &loop.AddDevice(0);
    id = device->Identity().deviceId;
    Run(0);  // the cold start has been reported
  }
  Ack Run(uint8_t command, const std::vector<uint8_t>& data = {}) {
    Ack a = ParseLongAck(Send(loop, LongRequest(id, command, data)));
    EXPECT_TRUE(a.checkOk) << "command " << int(command);
    EXPECT_EQ(a.command, command);
    return a;
  }
  // Runs a command that must succeed and returns its data.
  std::vector<uint8_t> Ok(uint8_t command, const std::vector<uint8_t>& data = {}) {
    Ack a = Run(command, data);
    EXPECT_EQ(a.code, 0) << "command " << int(command);
    return a.data;
  }
  float Pv() { return F32BE(&Ok(1)[1]); }
  float Current() { return F32BE(&Ok(2)[0]); }
  std::vector<uint8_t> Block(uint8_t k) {
    auto d = Ok(245, {k});
    EXPECT_EQ(d.size(), 9u);
    EXPECT_EQ(d[0], k);
    return {d.begin() + 1, d.end()};
  }

  SimLoop loop;
  SimTransmitter* device = nullptr;
  uint32_t id = 0;
};

// ---- Consistency through the configuration image ----

TEST_F(SimDevice, RangeWrittenBy35ReadsBackThrough15And245) {
  Ok(35, Cat(Cat({12}, F(150.0f)), F(-10.0f)));
  auto out = Ok(15);
  ASSERT_EQ(out.size(), 17u);
  EXPECT_EQ(out[2], 12);
  EXPECT_EQ(F32BE(&out[3]), 150.0f);
  EXPECT_EQ(F32BE(&out[7]), -10.0f);
  // Block 1 holds the LRV at offset 8, block 2 the URV at 16, low byte first.
  EXPECT_EQ(Block(1), Hex("00 00 20 C1 00 00 00 00"));  // -10.0 = C1 20 00 00
  EXPECT_EQ(Block(2), Hex("00 00 16 43 00 00 00 00"));  // 150.0 = 43 16 00 00
  EXPECT_EQ(Block(0)[0], 1);                            // device unit code 1: kPa
}

TEST_F(SimDevice, BlockWrittenBy246ChangesWhat15And47Read) {
  // Block 3 (offset 24): damping 2.5 = 40 20 00 00, stored low byte first.
  Ok(246, Hex("03 00 00 20 40 00 00 00 00"));
  EXPECT_EQ(F32BE(&Ok(15)[11]), 2.5f);
  // Block 6 (offset 48): transfer function 1.
  Ok(246, Hex("06 01 00 00 00 00 00 00 00"));
  EXPECT_EQ(Ok(15)[1], 1);
  // And the other way round: 34 shows in block 3.
  EXPECT_EQ(Ok(34, F(4.0f)), F(4.0f));
  EXPECT_EQ(Block(3), Hex("00 00 80 40 00 00 00 00"));
}

TEST_F(SimDevice, UploadOfAllBlocksIsTheWholeImage) {
  std::vector<uint8_t> file;
  for (int k = 0; k < 250; ++k) {
    auto b = Block(uint8_t(k));
    file.insert(file.end(), b.begin(), b.end());
  }
  ASSERT_EQ(file.size(), 2000u);
  SimImage m = device->Image();
  EXPECT_TRUE(std::equal(file.begin(), file.end(), m.Data()));
  EXPECT_EQ(Run(245, {250}).code, 2);
  EXPECT_EQ(Run(246, Hex("FA 00 00 00 00 00 00 00 00")).code, 2);
}

TEST_F(SimDevice, DownloadOfAnotherDevicesImageTakesEffect) {
  SimLoop other;
  SimTransmitter& source = other.AddDevice(0);
  SimImage m = source.Image();
  simbytes::PackText("FROM FILE", m.Data() + image::kMessage, 32);
  m.SetF32(image::kUpperRange, 40.0f);
  for (uint8_t k = 0; k < 250; ++k) {
    std::vector<uint8_t> req = {k};
    req.insert(req.end(), m.Data() + 8 * k, m.Data() + 8 * k + 8);
    Ok(246, req);
  }
  EXPECT_EQ(simbytes::UnpackText(Ok(12).data(), 24), "FROM FILE                       ");
  device->SetPressure(20.0);
  EXPECT_FLOAT_EQ(Current(), 12.0f);
  EXPECT_EQ(device->Identity().deviceId, id);  // addressing is not part of the image
}

TEST_F(SimDevice, IdentificationTextAndNumbers) {
  // 18: tag "FT-7", descriptor "LINE 4", day 9, month 11, year 2023 - 1900.
  std::vector<uint8_t> d(21);
  simbytes::PackText("FT-7", d.data(), 8);
  simbytes::PackText("LINE 4", d.data() + 6, 16);
  d[18] = 9;
  d[19] = 11;
  d[20] = 123;
  EXPECT_EQ(Ok(18, d), d);
  EXPECT_EQ(Ok(13), d);
  EXPECT_EQ(Block(35), Cat(std::vector<uint8_t>(d.begin(), d.begin() + 6), {0, 0}));
  EXPECT_EQ(Block(36)[0], 123);  // year at 288, month, day
  EXPECT_EQ(Block(36)[1], 11);
  EXPECT_EQ(Block(36)[2], 9);
  // 19/16: assembly number; the file tools read its low byte at 184.
  EXPECT_EQ(Ok(19, Hex("12 34 56")), Hex("12 34 56"));
  EXPECT_EQ(Ok(16), Hex("12 34 56"));
  EXPECT_EQ(Block(23), Hex("56 34 12 00 00 00 00 00"));
  // Lot id and versions.
  EXPECT_EQ(Ok(212), std::vector<uint8_t>({'2', '4', 'B', '0', '0', '1', '2', '3'}));
  EXPECT_EQ(Ok(162), Hex("02 00 05 00 01 02 03"));
}

TEST_F(SimDevice, DeviceSpecificSettingsReadBack) {
  // Compensation record: the seventh value is the die temperature, never written.
  device->SetDieTemperature(31.5);
  auto comp = Cat({2}, Cat(Cat(F(10), F(-5)), Cat(Cat(F(0.5f), F(1.2f)), Cat(F(3), F(0.9f)))));
  auto reply = Ok(146, comp);
  EXPECT_EQ(reply, Cat(comp, F(31.5f)));
  EXPECT_EQ(Ok(145), reply);
  EXPECT_EQ(Run(146, Cat({3}, std::vector<uint8_t>(24))).code, 2);
  // Inhibition ratio, pressure mode, SV display.
  EXPECT_EQ(Ok(190, F(12.5f)), F(12.5f));
  EXPECT_EQ(Ok(150), F(12.5f));
  EXPECT_EQ(Ok(215, {1}), Hex("01"));
  EXPECT_EQ(Ok(216), Hex("01"));
  EXPECT_EQ(Block(113)[0], 1);  // pressure mode at 904
  EXPECT_EQ(Ok(167, {3, 90}), Hex("03 5A"));
  EXPECT_EQ(Ok(166), Cat({3, 90}, F(31.5f)));
  // Sensor and PV limits with their unit.
  EXPECT_EQ(Ok(148), Cat(Hex("04 0C"), Cat(F(-100), F(1000))));
  EXPECT_EQ(Ok(149), Cat(Cat(F(-100), F(1000)), {12}));
}

TEST_F(SimDevice, NewUnitConvertsLimitsAndPv) {
  device->SetPressure(50.0);
  Ok(35, Cat(Cat({237}, F(0.5f)), F(0.0f)));  // MPa
  EXPECT_NEAR(Pv(), 0.05f, 1e-6);
  EXPECT_EQ(Ok(1)[0], 237);
  auto limits = Ok(149);
  EXPECT_NEAR(F32BE(&limits[0]), -0.1f, 1e-6);
  EXPECT_NEAR(F32BE(&limits[4]), 1.0f, 1e-6);
  EXPECT_EQ(limits[8], 237);
  EXPECT_NEAR(Current(), 5.6f, 1e-4);                       // 10 % of 0..0.5 MPa
  EXPECT_EQ(Block(0)[0], 2);                                // device unit code 2: MPa
  EXPECT_EQ(Run(35, Cat(Cat({32}, F(50)), F(0))).code, 2);  // degC is no pressure unit
}

// ---- Process ----

TEST_F(SimDevice, LoopCurrentFollowsPressureOverTheRange) {
  device->SetPressure(25.0);
  EXPECT_FLOAT_EQ(Pv(), 25.0f);
  auto loopReading = Ok(2);
  EXPECT_FLOAT_EQ(F32BE(&loopReading[0]), 8.0f);
  EXPECT_FLOAT_EQ(F32BE(&loopReading[4]), 25.0f);
  Ok(47, {1});  // square root: 25 % of range gives 50 % of output
  EXPECT_FLOAT_EQ(Current(), 12.0f);
  EXPECT_FLOAT_EQ(F32BE(&Ok(2)[4]), 25.0f);  // percent of range stays linear
}

TEST_F(SimDevice, SaturationAndLimitsShowInCurrentAndStatus) {
  device->SetPressure(150.0);
  Ack a = Run(2);
  EXPECT_FLOAT_EQ(F32BE(&a.data[0]), 20.8f);
  EXPECT_EQ(a.status, kStatusCurrentSaturated);
  device->SetPressure(-50.0);
  a = Run(2);
  EXPECT_FLOAT_EQ(F32BE(&a.data[0]), 3.9f);
  EXPECT_EQ(a.status, kStatusCurrentSaturated);
  device->SetPressure(1200.0);  // beyond the upper limit of 1000 kPa
  EXPECT_EQ(Run(1).status, kStatusCurrentSaturated | kStatusPvOutOfLimits);
  device->SetPressure(50.0);
  device->SetDieTemperature(90.0);
  EXPECT_EQ(Run(1).status, kStatusNonPvOutOfLimits);
}

TEST_F(SimDevice, FixedCurrentModeAndItsLimits) {
  device->SetPressure(50.0);
  EXPECT_EQ(Ok(40, F(20.0f)), F(20.0f));
  Ack a = Run(2);
  EXPECT_FLOAT_EQ(F32BE(&a.data[0]), 20.0f);
  EXPECT_EQ(a.status, kStatusCurrentFixed);
  EXPECT_EQ(Run(40, F(22.5f)).code, 3);
  EXPECT_EQ(Run(40, F(3.0f)).code, 4);
  EXPECT_FLOAT_EQ(Current(), 20.0f);  // a refused value leaves the mode as it was
  Ok(40, F(0.0f));
  EXPECT_FLOAT_EQ(Current(), 12.0f);
  EXPECT_EQ(Run(2).status, 0);
}

TEST_F(SimDevice, LoopTrimsCorrectTheOutputAMeterSees) {
  device->SetDacError(0.05, 1.01);      // the untrimmed output reads high
  EXPECT_EQ(Run(45, F(4.1f)).code, 9);  // not in fixed current mode
  Ok(40, F(4.0f));
  EXPECT_EQ(Run(45, F(5.1f)).code, 3);
  EXPECT_EQ(Run(45, F(2.9f)).code, 4);
  Ok(45, F(device->MeasuredLoopCurrent()));
  Ok(40, F(20.0f));
  Ok(46, F(device->MeasuredLoopCurrent()));
  EXPECT_NEAR(device->MeasuredLoopCurrent(), 20.0, 0.002);
  Ok(40, F(4.0f));
  EXPECT_NEAR(device->MeasuredLoopCurrent(), 4.0, 0.002);
  Ok(40, F(12.0f));
  EXPECT_NEAR(device->MeasuredLoopCurrent(), 12.0, 0.002);
  EXPECT_FLOAT_EQ(Current(), 12.0f);  // command 2 reports the setting, not the meter
}

TEST_F(SimDevice, ZeroTrimMakesThePresentPressureZero) {
  device->SetPressure(3.0);
  Ok(43);
  EXPECT_NEAR(Pv(), 0.0f, 1e-5);
  EXPECT_NEAR(F32BE(&Ok(147)[0]), 3.0f, 1e-5);  // the sensor record shows the trim
  device->SetPressure(53.0);
  EXPECT_NEAR(Pv(), 50.0f, 1e-4);
  device->SetPressure(500.0);
  EXPECT_EQ(Run(43).code, 9);
  device->SetPressure(-120.0);
  EXPECT_EQ(Run(43).code, 10);
}

TEST_F(SimDevice, TwoPointSensorTrim) {
  device->SetPressure(10.0);
  Ok(131, Cat({12}, F(10.5f)));  // low point reads 10.5
  EXPECT_NEAR(Pv(), 10.5f, 1e-4);
  device->SetPressure(90.0);
  EXPECT_NEAR(Pv(), 90.5f, 1e-4);  // one point only shifts
  Ok(130, Cat({12}, F(89.5f)));    // high point
  EXPECT_NEAR(Pv(), 89.5f, 1e-4);
  device->SetPressure(50.0);
  EXPECT_NEAR(Pv(), 50.0f, 1e-4);  // midway between (10, 10.5) and (90, 89.5)
  // A reference in psi is converted; beyond the PV limits it is refused.
  EXPECT_EQ(Run(131, Cat({6}, F(200.0f))).code, 9);  // 1379 kPa
  EXPECT_EQ(Run(130, Cat({6}, F(-20.0f))).code, 10);
  EXPECT_EQ(Run(130, Cat({250}, F(1.0f))).code, 2);
}

TEST_F(SimDevice, PressureAdFollowsTheCalibrationTable) {
  // At a table point the live count is the table's entry: room point 1, 11 points over
  // -100..1000 kPa, so 120 kPa is point 2, table index 1 * 11 + 2.
  device->SetPressure(120.0);
  auto ad = Ok(201);
  auto entry = Ok(227, {13});
  EXPECT_EQ(std::vector<uint8_t>(ad.begin(), ad.begin() + 4),
            std::vector<uint8_t>(entry.begin() + 1, entry.end()));
  // Temperature count low byte first, and overridable for a broken diode.
  uint16_t tad = simbytes::U16LE(&ad[4]);
  EXPECT_EQ(tad, device->TemperatureAd());
  EXPECT_EQ(simbytes::U16LE(&Ok(225, {1})[1]), tad);  // the room point's T-AD
  device->SetTemperatureAdOverride(0xFFFF);
  EXPECT_EQ(Ok(201)[4], 0xFF);
  EXPECT_EQ(Ok(201)[5], 0xFF);
}

TEST_F(SimDevice, WritingTheRoomTableMovesThePv) {
  // 230 writes point p of the room table (index T/2 * N + p = 11 + p); 228 any index.
  device->SetPressure(120.0);
  auto before = Ok(227, {13});
  uint32_t shifted = simbytes::U32BE(&before[1]) + 8040 * 10;  // as if 130 kPa were 120
  std::vector<uint8_t> req = {2, 0, 0, 0, 0};
  simbytes::PutU32BE(&req[1], shifted);
  Ok(230, req);
  EXPECT_EQ(simbytes::U32BE(&Ok(227, {13})[1]), shifted);
  EXPECT_LT(Pv(), 120.0f);
  EXPECT_EQ(Run(230, {11, 0, 0, 0, 0}).code, 2);  // point index beyond N
  EXPECT_EQ(Run(228, {33, 0, 0, 0, 0}).code, 2);  // beyond T * N
  EXPECT_EQ(Run(223, {3}).code, 2);               // beyond T
}

TEST_F(SimDevice, ThermalCompensationKeepsThePvAcrossTemperature) {
  device->SetPressure(500.0);
  device->SetDieTemperature(70.0);
  EXPECT_NEAR(Pv(), 500.0f, 0.01f);
  device->SetDieTemperature(47.5);  // between two points: interpolated
  EXPECT_NEAR(Pv(), 500.0f, 0.5f);
  EXPECT_EQ(Ok(221), Hex("03 0B"));
  EXPECT_EQ(Ok(223, {2}), Cat({2}, F(70.0f)));
  // Cancelling the thermal compensation (every T-AD 0xFFFF) leaves the room table alone.
  for (uint8_t k = 0; k < 3; ++k)
    Ok(226, {k, 0xFF, 0xFF});
  device->SetDieTemperature(70.0);
  EXPECT_GT(std::fabs(Pv() - 500.0f), 1.0f);
  device->SetDieTemperature(25.0);
  EXPECT_NEAR(Pv(), 500.0f, 1e-3);
}

TEST_F(SimDevice, CancelledFactoryCalibrationFallsBackToTheNominalLine) {
  device->SetPressure(500.0);
  Ok(231);
  EXPECT_EQ(simbytes::U32BE(&Ok(227, {0})[1]), 0xFFFFFFFFu);
  EXPECT_EQ(Block(122), Hex("FF FF FF FF 00 00 00 00"));  // table entry 0 at 976
  // (2003000 + 8040 * 500 - 2000000) / 8000 kPa
  EXPECT_NEAR(Pv(), 502.875f, 1e-3);
}

TEST_F(SimDevice, ResetAnswersFirstThenLeavesFixedModeWithColdStart) {
  Ok(40, F(8.0f));
  EXPECT_EQ(Run(42).status, kStatusCurrentFixed);
  Ack a = Run(2);
  EXPECT_EQ(a.status, kStatusColdStart);
  EXPECT_EQ(Run(2).status, 0);
}

TEST_F(SimDevice, RestoreFactoryDefaultsKeepsIdentityAndCalibration) {
  Ok(35, Cat(Cat({237}, F(0.5f)), F(0.1f)));
  Ok(34, F(9.0f));
  Ok(19, Hex("00 00 07"));
  Ok(228, {0, 0, 0, 0, 9});
  Ok(164);
  auto out = Ok(15);
  EXPECT_EQ(out[2], 12);
  EXPECT_EQ(F32BE(&out[3]), 100.0f);
  EXPECT_EQ(F32BE(&out[11]), 0.5f);
  EXPECT_NEAR(F32BE(&Ok(149)[4]), 1000.0f, 1e-3);  // limits back in kPa
  EXPECT_EQ(Ok(16), Hex("00 00 07"));
  EXPECT_EQ(Ok(227, {0}), Hex("00 00 00 00 09"));
  EXPECT_EQ(Run(0).status, kStatusConfigChanged);
  Ok(38);
  EXPECT_EQ(Run(0).status, 0);
}

// ---- Refusals ----

TEST_F(SimDevice, RangeRefusalsUseTheRangeResponseCodes) {
  const uint8_t kPa = 12;
  auto range = [&](float urv, float lrv) { return Run(35, Cat(Cat({kPa}, F(urv)), F(lrv))).code; };
  EXPECT_EQ(range(100, 1001), 9);   // LRV above the upper limit
  EXPECT_EQ(range(100, -101), 10);  // LRV below the lower limit
  EXPECT_EQ(range(1001, 0), 11);
  EXPECT_EQ(range(-101, -100), 12);
  EXPECT_EQ(range(1001, -101), 13);
  EXPECT_EQ(range(10, 20), 29);                  // lower above upper
  EXPECT_EQ(range(50, 50), 29);                  // no span
  EXPECT_EQ(F32BE(&Ok(15)[3]), 100.0f);          // nothing changed
  Ack a = Run(35, Cat(Cat({kPa}, F(5)), F(0)));  // under 1 % of 1100 kPa: warning
  EXPECT_EQ(a.code, 14);
  EXPECT_EQ(a.data.size(), 9u);
  EXPECT_EQ(F32BE(&Ok(15)[3]), 5.0f);
}

TEST_F(SimDevice, OtherValueRefusals) {
  EXPECT_EQ(Run(34, F(100.5f)).code, 3);
  EXPECT_EQ(Run(34, F(-1)).code, 4);
  EXPECT_EQ(Ok(34, F(100)), F(100));
  EXPECT_EQ(Run(47, {2}).code, 2);
  EXPECT_EQ(Run(167, {1, 91}).code, 3);
  EXPECT_EQ(Run(167, {1, 9}).code, 4);
  EXPECT_EQ(Run(167, {4, 50}).code, 2);
  EXPECT_EQ(Run(190, F(101)).code, 3);
  EXPECT_EQ(Run(215, {2}).code, 2);
  auto sensor = Hex("00 00 00 00 00 03 00 1E F9 00 00");  // display mode 3
  EXPECT_EQ(Run(187, sensor).code, 2);
  sensor[5] = 0;
  sensor[8] = 0x00;  // unknown excitation code
  EXPECT_EQ(Run(187, sensor).code, 2);
  EXPECT_EQ(Run(6, {16}).code, 2);
}

TEST_F(SimDevice, WriteProtectionRefusesEveryWriteButNotReadsOrLoopTest) {
  device->SetWriteProtected(true);
  EXPECT_EQ(Ok(15)[15], 1);
  for (uint8_t cmd : {6,   17,  18,  19,  34,  35,  43,  47,  130, 146,
                      164, 167, 187, 190, 215, 226, 228, 230, 231, 246}) {
    std::vector<uint8_t> data(25, 0);
    EXPECT_EQ(Run(cmd, data).code, 7) << int(cmd);
  }
  EXPECT_EQ(Run(40, F(12)).code, 0);
  EXPECT_EQ(Run(245, {0}).code, 0);
}

}  // namespace
