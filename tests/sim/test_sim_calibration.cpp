// A transmitter out of calibration: offset, span error, hysteresis and noise show in every
// reading of the PV and the loop current, the trims take out what a real device's would,
// and hart-sim's console and options set them.
#include <gtest/gtest.h>

#include <algorithm>

#include "Commands.h"
#include "SimConsole.h"
#include "SimProcess.h"
#include "SimTestUtil.h"

namespace {

using simbytes::F32BE;

// A sensor trim's request: the unit (12 kPa) and the actual value.
std::vector<uint8_t> KPa(float v) {
  std::vector<uint8_t> b = F(v);
  b.insert(b.begin(), 12);
  return b;
}

// Range 0..100 kPa (the factory's), so a PV error in kPa is one in % of span.
class SimOutOfCalibration : public ::testing::Test {
 protected:
  void SetUp() override {
    device = &loop.AddDevice(0);
    id = device->Identity().deviceId;
    Ok(0);
  }
  std::vector<uint8_t> Ok(uint8_t command, const std::vector<uint8_t>& data = {}) {
    Ack a = ParseLongAck(Send(loop, LongRequest(id, command, data)));
    EXPECT_TRUE(a.checkOk && a.command == command && a.code == 0) << "command " << int(command);
    return a.data;
  }
  void SetErrors(double offset, double span, double hysteresis, double noise) {
    device->SetCalibrationErrors({offset, span, hysteresis, noise});
  }
  float Pv() { return F32BE(&Ok(1)[1]); }
  // The loop current of command 2 as a PV error would put it: % of the 16 mA span.
  double CurrentErrorAt(double percent) { return (F32BE(&Ok(2)[0]) - 4.0 - 0.16 * percent) / 0.16; }

  SimLoop loop;
  SimTransmitter* device = nullptr;
  uint32_t id = 0;
};

TEST_F(SimOutOfCalibration, OffsetAndSpanErrorShowInPvAndCurrentAcrossTheRange) {
  SetErrors(0.5, 0, 0, 0);
  for (double p : {0.0, 25.0, 50.0, 75.0, 100.0}) {
    device->SetPressure(p);
    EXPECT_NEAR(Pv() - p, 0.5, 1e-3) << p;
    EXPECT_NEAR(CurrentErrorAt(p), 0.5, 1e-3) << p;
    auto d = Ok(3);  // the loop current and the PV together
    EXPECT_NEAR(F32BE(&d[5]) - p, 0.5, 1e-3) << p;
    EXPECT_NEAR(F32BE(&d[0]), 4.0 + 0.16 * (p + 0.5), 2e-4) << p;
  }
  // The span error grows from nothing at the LRV to its full size at the URV.
  SetErrors(0, 0.3, 0, 0);
  for (double p : {0.0, 50.0, 100.0}) {
    device->SetPressure(p);
    EXPECT_NEAR(Pv() - p, 0.3 * p / 100.0, 1e-3) << p;
  }

  // In % of whatever span the range has, in its unit: 10..25 psi, 0.5 % of 15 psi high.
  SetErrors(0.5, 0.2, 0, 0);
  std::vector<uint8_t> range = {6};  // psi
  for (float v : {25.0f, 10.0f})
    for (uint8_t b : F(v))
      range.push_back(b);
  Ok(35, range);
  const double kPaPerPsi = 6.894757;
  device->SetPressure(25.0 * kPaPerPsi);
  EXPECT_NEAR(Pv() - 25.0, 0.7 * 0.15, 1e-4);
  EXPECT_NEAR(CurrentErrorAt(100.0), 0.7, 2e-3);
}

TEST_F(SimOutOfCalibration, HysteresisReadsLowRisingAndHighFallingByHalfOfIt) {
  SetErrors(0, 0, 0.4, 0);
  EXPECT_NEAR(Pv(), 0.0, 1e-4);  // settled where it started
  for (double p : {25.0, 50.0, 75.0, 100.0}) {
    device->SetPressure(p);
    EXPECT_NEAR(Pv() - p, -0.2, 1e-3) << "rising " << p;
    EXPECT_NEAR(CurrentErrorAt(p), -0.2, 2e-3) << "rising " << p;
  }
  for (double p : {75.0, 50.0, 25.0, 0.0}) {
    device->SetPressure(p);
    EXPECT_NEAR(Pv() - p, 0.2, 1e-3) << "falling " << p;
  }
  // Turning back, the reading holds until the pressure has crossed the whole play.
  device->SetPressure(0.3);
  EXPECT_NEAR(Pv(), 0.2, 1e-3);
  device->SetPressure(1.0);
  EXPECT_NEAR(Pv(), 0.8, 1e-3);
}

TEST_F(SimOutOfCalibration, NoiseIsBoundedAndTheSameSequenceEachTimeItIsSet) {
  device->SetPressure(50.0);
  auto readings = [this] {
    std::vector<float> r;
    for (int i = 0; i < 200; ++i)
      r.push_back(Pv());
    return r;
  };
  SetErrors(0, 0, 0, 0.2);
  const std::vector<float> first = readings();
  const auto [low, high] = std::minmax_element(first.begin(), first.end());
  EXPECT_GE(*low, 50.0f - 0.2001f);
  EXPECT_LE(*high, 50.0f + 0.2001f);
  EXPECT_GT(*high - *low, 0.3f);  // it does spread across the band

  SetErrors(0, 0, 0, 0);
  EXPECT_EQ(Pv(), 50.0f);
  SetErrors(0, 0, 0, 0.2);
  EXPECT_EQ(readings(), first);
}

// The loop trim mends the DAC (a sensor error does not reach a fixed output), the two point
// trim the sensor: afterwards the PV and the current are right at the trim points and between.
TEST_F(SimOutOfCalibration, LoopTrimAndTwoPointTrimTakeTheErrorsOut) {
  SetErrors(0.5, 0.8, 0, 0);
  device->SetDacError(0.05, 1.01);
  for (auto [level, trim] : {std::pair{4.0f, 45}, std::pair{20.0f, 46}}) {
    Ok(40, F(level));
    Ok(uint8_t(trim), F(device->MeasuredLoopCurrent()));
  }
  Ok(40, F(0.0f));
  device->SetPressure(100.0);
  EXPECT_NEAR(device->MeasuredLoopCurrent(), F32BE(&Ok(2)[0]), 2e-3);
  EXPECT_NEAR(CurrentErrorAt(100.0), 1.3, 2e-3);

  device->SetPressure(0.0);
  Ok(131, KPa(0.0f));
  device->SetPressure(100.0);
  Ok(130, KPa(100.0f));
  for (double p : {0.0, 50.0, 100.0}) {
    device->SetPressure(p);
    EXPECT_NEAR(Pv(), p, 0.01) << p;
    EXPECT_NEAR(CurrentErrorAt(p), 0.0, 0.01) << p;
    EXPECT_NEAR(device->MeasuredLoopCurrent(), 4.0 + 0.16 * p, 2e-3) << p;
  }
}

TEST(SimConsoleErrors, CommandsSetEachErrorAndRefuseBadValuesChangingNothing) {
  SimLoop loop;
  SimTransmitter& d0 = loop.AddDevice(0);
  SimTransmitter& d1 = loop.AddDevice(1);
  EXPECT_EQ(RunConsoleLine(loop, "device 1 offset 0.5"), "ok device 1: offset 0.5 % of span");
  EXPECT_EQ(RunConsoleLine(loop, "span -0.25%"),
            "ok device 0: span error -0.25 % of span; device 1: span error -0.25 % of span");
  EXPECT_EQ(RunConsoleLine(loop, "device 0 hysteresis 0.1").rfind("ok device 0", 0), 0u);
  EXPECT_EQ(RunConsoleLine(loop, "device 0 noise 0.05").rfind("ok device 0", 0), 0u);
  const SimCalibrationErrors set0{0, -0.25, 0.1, 0.05}, set1{0.5, -0.25, 0, 0};
  EXPECT_EQ(d0.CalibrationErrors(), set0);
  EXPECT_EQ(d1.CalibrationErrors(), set1);
  const std::string status = RunConsoleLine(loop, "device 1 status");
  EXPECT_NE(status.find("offset 0.5 %, span error -0.25 %, hysteresis 0 %, noise 0 % of span"),
            std::string::npos)
      << status;

  for (const char* bad : {"offset 10.5", "span x", "noise 11", "noise", "device 0 offset nan"}) {
    const std::string answer = RunConsoleLine(loop, bad);
    EXPECT_EQ(answer.rfind("error: ", 0), 0u) << bad << " -> " << answer;
  }
  EXPECT_EQ(RunConsoleLine(loop, "hysteresis -1"),
            "error: hysteresis takes a number from 0 to 10 (% of span), not '-1'");
  EXPECT_EQ(d0.CalibrationErrors(), set0);
  EXPECT_EQ(d1.CalibrationErrors(), set1);
}

TEST(HartSimErrors, OptionsStartTheDevicesOutOfCalibrationAndBadOnesAreRefused) {
  SimProcess sim("--no-pacing --pressure 50 --offset 0.5 --span-error 0.2");
  VirtualClock clock;
  DeviceState ds;
  ds.clock = &clock;
  ds.portNameOverride = sim.link();
  HartIdentity identity{};
  HartPvReading pv{};
  ASSERT_TRUE(HartOpenPort(ds)) << sim.Log();
  ASSERT_EQ(HartCmd0(ds, 0, identity), HART_OK) << sim.Log();
  ASSERT_EQ(HartCmd1(ds, pv), HART_OK);
  EXPECT_NEAR(pv.pv, 50.6f, 1e-3);

  SimProcess refused("--hysteresis -1", HART_SIM_PATH, false, /*waitForLink=*/false);
  EXPECT_TRUE(refused.WaitForLog("hart-sim: --hysteresis: hysteresis takes a number from 0 to 10"))
      << refused.Log();
  EXPECT_FALSE(refused.ready());
}

}  // namespace
