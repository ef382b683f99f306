// The calibration check's arithmetic on hand-worked examples.
#include <gtest/gtest.h>

#include <cmath>

#include "CalibrationCheck.h"

using namespace check;

namespace {

DeviceRange Range(double lower, double upper, bool squareRoot = false) {
  DeviceRange r;
  r.lower = lower;
  r.upper = upper;
  r.squareRoot = squareRoot;
  r.sensorLower = -100;
  r.sensorUpper = 1000;
  r.unit = "kPa";
  return r;
}

PointReading Read(double percent, double reference, double pv, double ma) {
  PointReading p;
  p.percent = percent;
  p.nominal = reference;
  p.reference = reference;
  p.pv = pv;
  p.currentMa = ma;
  p.read = true;
  return p;
}

}  // namespace

TEST(CalibrationCheck, PointErrorsInPercentOfSpan) {
  // 0..100 kPa: 50.000 kPa applied, 50.200 read: +0.2 %; 12.030 mA against 12.000: +0.1875 %.
  const check::Setup setup;
  const PointResult r = Evaluate(setup, Range(0, 100), Read(50, 50.0, 50.2, 12.03));
  EXPECT_NEAR(r.pvError, 0.2, 1e-9);
  EXPECT_NEAR(r.expectedMa, 12.0, 1e-12);
  EXPECT_NEAR(r.currentError, 0.1875, 1e-9);
  EXPECT_TRUE(r.pvPass && r.currentPass && r.pass);

  // 200..-200 kPa, reversed: 100 kPa is 25 % of the way, 8 mA; reading 100.4 kPa is +0.1 %
  // (reads high), 7.984 mA is -0.1 %.
  const PointResult rev = Evaluate(setup, Range(200, -200), Read(25, 100.0, 100.4, 7.984));
  EXPECT_NEAR(rev.expectedMa, 8.0, 1e-12);
  EXPECT_NEAR(rev.pvError, 0.1, 1e-9);
  EXPECT_NEAR(rev.currentError, -0.1, 1e-9);
  EXPECT_NEAR(NominalPressure(Range(200, -200), 25), 100.0, 1e-12);
}

TEST(CalibrationCheck, JustInsideTheTolerancePassesSimplyAndFailsGuarded) {
  check::Setup setup;                // 0.25 % each
  setup.referenceUncertainty = 0.1;  // kPa on a 200 kPa span: 0.05 % of span
  setup.referenceUncertaintyUnit = "kPa";
  const DeviceRange range = Range(0, 200);
  EXPECT_NEAR(UncertaintyPercentOfSpan(setup, range), 0.05, 1e-12);

  // 100.48 kPa at 100 kPa: +0.24 % of span; the current is right.
  const PointReading p = Read(50, 100.0, 100.48, 12.0);
  setup.rule = Rule::Simple;
  EXPECT_TRUE(Evaluate(setup, range, p).pass);
  setup.rule = Rule::Guarded;  // 0.24 + 0.05 > 0.25
  const PointResult g = Evaluate(setup, range, p);
  EXPECT_FALSE(g.pvPass);
  EXPECT_TRUE(g.currentPass);  // 0 + 0.05
  EXPECT_FALSE(g.pass);

  // On the tolerance passes despite the rounding; a hair beyond fails. The current too.
  setup.rule = Rule::Simple;
  EXPECT_TRUE(Evaluate(setup, range, Read(50, 100.0, 100.5, 12.04)).pass);
  EXPECT_FALSE(Evaluate(setup, range, Read(50, 100.0, 100.501, 12.0)).pass);
  EXPECT_FALSE(Evaluate(setup, range, Read(50, 100.0, 100.0, 11.9599)).pass);
}

TEST(CalibrationCheck, SquareRootExpectsTheRootOfTheFraction) {
  const check::Setup setup;
  const DeviceRange range = Range(0, 100, true);
  // 25 % of the pressure is half the flow: 12 mA; 4 % is a fifth: 7.2 mA.
  EXPECT_NEAR(Evaluate(setup, range, Read(25, 25, 25, 12)).expectedMa, 12.0, 1e-12);
  EXPECT_NEAR(Evaluate(setup, range, Read(4, 4, 4, 7.2)).expectedMa, 7.2, 1e-12);
  // A reference a little below the lower range value expects 4 mA, not a root of less than 0.
  const PointResult below = Evaluate(setup, range, Read(0, -0.05, -0.05, 4.0));
  EXPECT_NEAR(below.expectedMa, 4.0, 1e-12);
  EXPECT_TRUE(below.pass);
  // The PV stays linear: a root transmitter's PV error is the linear one.
  EXPECT_NEAR(Evaluate(setup, range, Read(25, 25, 25.1, 12)).pvError, 0.1, 1e-9);
}

TEST(CalibrationCheck, RunSummaryHysteresisAndVerdict) {
  const check::Setup setup;
  const DeviceRange range = Range(0, 100);
  // PV errors: rising 0 +0.05, 50 +0.10, 100 -0.20; falling 50 -0.05, 0 +0.01.
  // Current errors follow 4 mA + 0.16 mA per %: rising 50 is +0.05 %, falling 50 +0.2 %.
  std::vector<PointReading> run = {Read(0, 0, 0.05, 4.0), Read(50, 50, 50.10, 12.008),
                                   Read(100, 100, 99.80, 20.0), Read(50, 50, 49.95, 12.032),
                                   Read(0, 0, 0.01, 4.0)};
  RunResult r = EvaluateRun(setup, range, run);
  ASSERT_EQ(r.points.size(), 5u);
  EXPECT_FALSE(r.points[2].falling);
  EXPECT_TRUE(r.points[3].falling && r.points[4].falling);
  EXPECT_NEAR(r.largestPvError, -0.20, 1e-9);  // the sign kept
  EXPECT_NEAR(r.largestCurrentError, 0.2, 1e-9);
  ASSERT_TRUE(r.pvHysteresis && r.currentHysteresis);
  EXPECT_NEAR(*r.pvHysteresis, 0.15, 1e-9);  // at 50 %: +0.10 against -0.05
  EXPECT_NEAR(*r.currentHysteresis, 0.15, 1e-9);
  EXPECT_EQ(r.verdict, Verdict::Pass);

  // A failing point fails the run once all are read...
  run[2].pv = 99.70;
  EXPECT_EQ(EvaluateRun(setup, range, run).verdict, Verdict::Fail);
  // ...but an unread point leaves it incomplete, whatever failed before; the unread point is
  // left out of the summary and still gets its expected current.
  run[4].read = false;
  r = EvaluateRun(setup, range, run);
  EXPECT_EQ(r.verdict, Verdict::Incomplete);
  EXPECT_STREQ(VerdictText(r.verdict), "INCOMPLETE");
  EXPECT_FALSE(r.points[4].pass);
  EXPECT_NEAR(r.points[4].expectedMa, 4.0, 1e-12);
  EXPECT_NEAR(*r.pvHysteresis, 0.15, 1e-9);
  EXPECT_EQ(EvaluateRun(setup, range, {}).verdict, Verdict::Incomplete);

  // Rising only: no hysteresis.
  const RunResult up = EvaluateRun(setup, range, {run[0], run[1], run[2]});
  EXPECT_FALSE(up.pvHysteresis || up.currentHysteresis);
}

TEST(CalibrationCheck, TestPointsAreParsedOrRefusedWithTheReason) {
  std::vector<double> points;
  std::string error;
  ASSERT_TRUE(ParseTestPoints(" 0,,12.5 ; 50\t+100, 50 0 ", points, &error)) << error;
  EXPECT_EQ(points, (std::vector<double>{0, 12.5, 50, 100, 50, 0}));
  EXPECT_EQ(TestPointsText(points), "0, 12.5, 50, 100, 50, 0");
  EXPECT_EQ(TestPointsText(DefaultTestPoints()), "0, 25, 50, 75, 100, 75, 50, 25, 0");

  const std::vector<double> kept = points;
  const std::pair<const char*, const char*> refused[] = {
      {"0, 25, 50, x, 100", "point 4: 'x' is not a number"},
      {"0, 25, 50, 12,5x", "point 5: '5x' is not a number"},
      {"0 inf 100", "point 2: 'inf' is not a number"},
      {"0 1e999 100", "point 2: '1e999' is not a number"},
      {"0 ++5 100", "point 2: '++5' is not a number"},
      {"0, 50", "2 points; a check takes 3 to 21"},
      {" , ", "no points; a check takes 3 to 21"},
      {"0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21",
       "22 points; a check takes 3 to 21"},
  };
  for (const auto& [text, why] : refused) {
    EXPECT_FALSE(ParseTestPoints(text, points, &error)) << text;
    EXPECT_EQ(error, why);
    EXPECT_EQ(points, kept);  // left as it was
  }
}

TEST(CalibrationCheck, SetupIsRefusedWithTheReason) {
  check::Setup setup;
  DeviceRange range = Range(0, 1100);
  setup.points = {-25, 0, 50, 100, 50, 0, -25};
  EXPECT_EQ(PointsOutsideSensor(range, setup.points),
            "-25 % (-275.0000 kPa) and 100 % (1100.0000 kPa) lie outside the sensor limits "
            "-100.0000..1000.0000 kPa");
  EXPECT_EQ(SetupRefusal(setup, range), PointsOutsideSensor(range, setup.points));
  setup.points = {0, 50, 100};
  EXPECT_EQ(PointsOutsideSensor(range, setup.points),
            "100 % (1100.0000 kPa) lies outside the sensor limits -100.0000..1000.0000 kPa");
  range.upper = 1000;  // the limit itself is inside
  EXPECT_EQ(SetupRefusal(setup, range), "");

  EXPECT_EQ(RangeRefusal(Range(5, 5)), "the PV range 5.0000..5.0000 kPa has no span");
  EXPECT_EQ(SetupRefusal(setup, Range(5, 5)), RangeRefusal(Range(5, 5)));
  EXPECT_FALSE(Evaluate(setup, Range(5, 5), Read(50, 5, 5, 12)).pass);
  EXPECT_NE(RangeRefusal(Range(0, NAN)), "");

  setup.referenceUncertainty = 0.5;
  setup.referenceUncertaintyUnit = "psi";
  EXPECT_EQ(SetupRefusal(setup, range),
            "the reference's uncertainty is in psi but the device's PV is in kPa: type it again "
            "in kPa or in % of span");
  setup.referenceUncertaintyUnit = "% of span";
  setup.rule = Rule::Guarded;
  setup.currentTolerance = 0.5;
  EXPECT_EQ(SetupRefusal(setup, range),
            "the reference's uncertainty 0.5000 % of span leaves no room in the tolerance "
            "0.2500 % of span: no point could pass the guarded rule");
  setup.pvTolerance = 0;
  EXPECT_EQ(SetupRefusal(setup, range), "the tolerances must be above 0 % of span");
}

TEST(CalibrationCheck, StableMeanTakesTheFirstFourThatAgree) {
  EXPECT_FALSE(StableMean({10.0, 10.0, 10.0}, 0.025));
  // The jump to 10.5 spoils the windows it is in; 10.02 10.01 10.03 10.02 agree within 0.025.
  const auto mean = StableMean({10.0, 10.5, 10.02, 10.01, 10.03, 10.02, 12.0}, 0.025);
  ASSERT_TRUE(mean);
  EXPECT_NEAR(*mean, 10.02, 1e-12);
  EXPECT_FALSE(StableMean({10.0, 10.02, 10.04, 10.06, 10.08}, 0.025));  // a drift never settles
  EXPECT_FALSE(StableMean({10.0, NAN, 10.0, 10.0, 10.0}, 0.025));

  // The bands: a tenth of 0.25 % of a 200 kPa span and of 16 mA.
  const check::Setup setup;
  EXPECT_NEAR(PvStableBand(setup, Range(100, -100)), 0.05, 1e-12);
  EXPECT_NEAR(CurrentStableBand(setup), 0.004, 1e-12);
}
