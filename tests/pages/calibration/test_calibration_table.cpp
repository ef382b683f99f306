// The multi-point calibration's table arithmetic: nominal point pressures, table counts
// derived from the sampled rows, and the stability test of the live pressure count.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "calibration/CalibrationTable.h"

namespace {

TableAd Point(int i, int n, float lower, float upper, const std::vector<CalibrationRow>& rows) {
  return InterpolateTableAdChecked(i, n, lower, upper, rows);
}

TEST(CalibrationTable, CountConversionTruncatesAndFlagsValuesOutsideTheCounts) {
  struct Case {
    double x;
    uint32_t count;
    bool inRange;
  };
  const Case cases[] = {
      {1500.99, 1500, true},
      {0.0, 0, true},
      {-0.5, 0, true},
      {-0.999, 0, true},
      {-1.0, 0xFFFFFFFF, false},
      {-1e12, 0xFFFFFFFF, false},
      {4294967295.9, 0xFFFFFFFF, true},  // the largest count itself
      {4294967296.0, 0xFFFFFFFF, false},
      {1e300, 0xFFFFFFFF, false},
      {std::nan(""), 0xFFFFFFFF, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToCount(c.x), c.count) << c.x;
    EXPECT_EQ(CountInRange(c.x), c.inRange) << c.x;
  }
}

TEST(CalibrationTable, PointPressuresAreWorkedOutInSinglePrecision) {
  EXPECT_EQ(TablePointPressure(0, 3, 0.0f, 100.0f), 0.0f);
  EXPECT_EQ(TablePointPressure(1, 3, 0.0f, 100.0f), 50.0f);
  EXPECT_EQ(TablePointPressure(2, 3, 0.0f, 100.0f), 100.0f);
  EXPECT_EQ(TablePointPressure(3, 5, -100.0f, 100.0f), 50.0f);
  // In double, or dividing before multiplying, this point comes out as 0.445454538.
  EXPECT_EQ(TablePointPressure(7, 12, 0.0f, 0.7f), 0.445454568f);
}

TEST(CalibrationTable, TwoSampledRowsGiveEveryPointRoundedHalfUp) {
  std::vector<CalibrationRow> rows(26);
  rows[0] = {0.0, 1000, true};
  rows[2] = {100.0, 2000, true};
  rows[1].pressure = 37.0;       // not sampled: takes no part
  rows[3] = {50.0, 9999, true};  // beyond N: ignored although sampled
  EXPECT_EQ(Point(0, 3, 0, 100, rows).count, 1000u);
  EXPECT_EQ(Point(1, 3, 0, 100, rows).count, 1500u);
  EXPECT_EQ(Point(2, 3, 0, 100, rows).count, 2000u);
  rows[2].ad = 2001;  // 1500.5 rounds up
  EXPECT_EQ(InterpolateTableAd(1, 3, 0, 100, rows), 1501u);
}

TEST(CalibrationTable, ExtrapolatesAlongTheFirstTwoAndTheLastTwoSampledRows) {
  std::vector<CalibrationRow> rows(6);
  rows[1] = {20.0, 1200, true};
  rows[2] = {50.0, 1500, true};
  rows[4] = {80.0, 2400, true};
  const uint32_t expected[] = {1000, 1200, 1400, 1800, 2400, 3000};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(Point(i, 6, 0, 100, rows).count, expected[i]) << i;

  // Falling: the count difference is signed.
  rows[1] = {25.0, 3000, false};
  rows[2] = {25.0, 3000, true};
  rows[4] = {75.0, 1000, true};
  EXPECT_EQ(Point(0, 5, 0, 100, rows).count, 4000u);
  EXPECT_EQ(Point(2, 5, 0, 100, rows).count, 2000u);
  EXPECT_EQ(Point(4, 5, 0, 100, rows).count, 0u);  // 0.5
}

TEST(CalibrationTable, ExtrapolationLeavingTheCountsIsFlagged) {
  std::vector<CalibrationRow> rows(5);
  rows[1] = {25.0, 100, true};
  rows[3] = {75.0, 302, true};
  // Point 0 lies at 100 - 202 / 2 + 0.5 = -0.5: still a count of 0.
  EXPECT_EQ(Point(0, 5, 0, 100, rows).count, 0u);
  EXPECT_TRUE(Point(0, 5, 0, 100, rows).inRange);
  rows[3].ad = 303;  // now exactly -1
  EXPECT_EQ(Point(0, 5, 0, 100, rows).count, 0xFFFFFFFFu);
  EXPECT_FALSE(Point(0, 5, 0, 100, rows).inRange);

  rows[1].ad = 4294967293u;
  rows[3].ad = 4294967294u;  // point 4: 4294967293 + 1.5 + 0.5, the largest count
  EXPECT_EQ(Point(4, 5, 0, 100, rows).count, 0xFFFFFFFFu);
  EXPECT_TRUE(Point(4, 5, 0, 100, rows).inRange);
  rows[1].ad = 4294967294u;
  rows[3].ad = 4294967295u;  // exactly 2^32
  EXPECT_EQ(Point(4, 5, 0, 100, rows).count, 0xFFFFFFFFu);
  EXPECT_FALSE(Point(4, 5, 0, 100, rows).inRange);
}

TEST(CalibrationTable, RowsOutOfOrderUseTheScanOrder) {
  // The first sampled row by index lies above point 1 (20): the line through it and the next
  // row is used, not the rows whose pressures enclose 20.
  std::vector<CalibrationRow> rows = {
      {40.0, 1400, true}, {100.0, 2600, true}, {0.0, 1000, true}, {60.0, 1600, true}};
  EXPECT_EQ(Point(1, 6, 0, 100, rows).count, 1000u);
  // Between: the first row above 50 by index (80), with the nearest row before it at or below.
  rows = {{0.0, 1000, true},
          {80.0, 1400, true},
          {20.0, 1200, true},
          {60.0, 1600, true},
          {100.0, 2000, true}};
  EXPECT_EQ(Point(2, 5, 0, 100, rows).count, 1250u);
}

TEST(CalibrationTable, FewerThanTwoSampledRowsGiveZero) {
  std::vector<CalibrationRow> rows(4);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(Point(i, 4, 0, 100, rows).count, 0u);
  rows[2] = {50.0, 1234, true};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(Point(i, 4, 0, 100, rows).count, 0u) << i;
}

TEST(CalibrationTable, ReadBackTableWritesBackUnchanged) {
  // Read Correction stores each point at its nominal pressure, widened from float.
  std::mt19937 random(7);
  const float lower = -37.3f;
  const float upper = 1234.56f;
  std::vector<CalibrationRow> rows(26);
  for (int i = 0; i < 26; ++i)
    rows[i] = {TablePointPressure(i, 26, lower, upper), static_cast<uint32_t>(random()), true};
  for (int i = 0; i < 26; ++i)
    EXPECT_EQ(InterpolateTableAd(i, 26, lower, upper, rows), rows[i].ad) << i;
}

TEST(CalibrationTable, AscendingRowsMatchPiecewiseLinearInterpolation) {
  std::mt19937 random(20240611);
  auto uniform = [&](double a, double b) { return std::uniform_real_distribution<>(a, b)(random); };
  for (int trial = 0; trial < 5000; ++trial) {
    const int n = std::uniform_int_distribution<>(2, 26)(random);
    const float lower = static_cast<float>(uniform(-100, 100));
    const float upper = lower + static_cast<float>(uniform(0.5, 500));
    const double span = upper - lower;
    // Sorted pressures, often reaching beyond the limits, sometimes all within them.
    const double margin = trial % 3 == 0 ? -0.2 * span : 0.3 * span;
    std::vector<double> pressures(n);
    for (double& p : pressures)
      p = uniform(lower - margin, upper + margin);
    std::sort(pressures.begin(), pressures.end());
    if (std::adjacent_find(pressures.begin(), pressures.end()) != pressures.end()) continue;

    std::vector<CalibrationRow> rows(26);
    for (int r = 0; r < n; ++r)
      rows[r] = {pressures[r], std::uniform_int_distribution<uint32_t>(0, 0x7FFFFFFF)(random),
                 random() % 2 == 0};
    if (std::count_if(rows.begin(), rows.begin() + n, [](auto& r) { return r.sampled; }) < 2)
      rows[0].sampled = rows[n - 1].sampled = true;
    std::vector<int> sampled;
    for (int r = 0; r < n; ++r)
      if (rows[r].sampled) sampled.push_back(r);

    for (int i = 0; i < n; ++i) {
      const double x = TablePointPressure(i, n, lower, upper);
      // The neighbours of x among the sampled rows, or the outermost two.
      auto above =
          std::find_if(sampled.begin(), sampled.end(), [&](int r) { return rows[r].pressure > x; });
      above = std::clamp(above, sampled.begin() + 1, sampled.end() - 1);
      const CalibrationRow& u = rows[*(above - 1)];
      const CalibrationRow& v = rows[*above];
      const double value =
          u.ad + (double(v.ad) - double(u.ad)) * (x - u.pressure) / (v.pressure - u.pressure) + 0.5;
      const TableAd got = Point(i, n, lower, upper, rows);
      ASSERT_EQ(got.count, ToCount(value)) << "trial " << trial << " point " << i;
      ASSERT_EQ(got.inRange, CountInRange(value)) << "trial " << trial << " point " << i;
    }
  }
}

TEST(AdStabilityTest, WindowOfFourWithinAFiveHundredthOfAPercent) {
  AdStability window;
  // The window starts at zero: the first three readings are compared with zeros.
  EXPECT_FALSE(window.Add(10000));
  EXPECT_FALSE(window.Add(10005));
  EXPECT_FALSE(window.Add(9995));
  EXPECT_TRUE(window.Add(10000));   // avg 10000, tol 5
  EXPECT_TRUE(window.Add(10000));   // replaces the first reading
  EXPECT_FALSE(window.Add(10006));  // replaces 10005: 10006 is 6 from 10000
  EXPECT_TRUE(window.Add(10000));   // replaces 9995: avg 10001.5 -> 10001, tol 5

  AdStability roundedDown;
  for (uint32_t r : {9994u, 10000u, 10001u})
    roundedDown.Add(r);
  EXPECT_FALSE(roundedDown.Add(10001));  // avg 9999: tol 49995 / 10000 = 4, and 9994 is 5 off
}

TEST(AdStabilityTest, SumAndToleranceWrapIn32Bits) {
  AdStability wrappedSum;
  for (int k = 0; k < 3; ++k)
    wrappedSum.Add(0x40000000);
  EXPECT_FALSE(wrappedSum.Add(0x40000000));  // four equal readings, but the sum wraps to 0

  // avg 10^9: 5 * avg wraps to 705032704, so the tolerance is 70503 rather than 500000.
  AdStability wrappedTol;
  for (uint32_t r : {1000000000u, 1000000000u, 1000070503u})
    wrappedTol.Add(r);
  EXPECT_TRUE(wrappedTol.Add(999929497u));
  EXPECT_FALSE(wrappedTol.Add(1000070504u));  // replaces a 10^9, avg 10^9 still
}

}  // namespace
