// The unit list of the range pages and the conversion between its units.
#include <gtest/gtest.h>

#include <QString>
#include <cmath>

#include "ranging/UnitConversion.h"

namespace {

const UnitSpecial kNoSpecial{0, 0, 0, 0};

std::string Shown(double value) {
  return QString::asprintf("%.4f", value).toStdString();
}

TEST(UnitList, TwentyFiveUnitsWithTheirCodesAndRightAlignedTexts) {
  EXPECT_STREQ(UnitAt(0).text, "   kPa");
  EXPECT_EQ(UnitAt(0).code, 12);
  EXPECT_STREQ(UnitAt(14).text, "kg/cm2");
  EXPECT_EQ(UnitAt(16).code, 14);  // ATM: the last pressure unit
  EXPECT_STREQ(UnitAt(21).text, "    ℃");
  EXPECT_EQ(UnitAt(24).code, 21);
  EXPECT_EQ(UnitIndexOfCode(239), 5);
  EXPECT_EQ(UnitIndexOfCode(91), 20);
  EXPECT_EQ(UnitIndexOfCode(4), -1);  // not a unit of the list
  for (int i = 0; i < kUnitCount; ++i)
    EXPECT_EQ(UnitIndexOfCode(UnitAt(i).code), i) << i;
}

TEST(UnitConversion, PressureAndTemperatureExamples) {
  EXPECT_EQ(Shown(ConvertUnitValue(1, 0, 5, kNoSpecial)), "101.9719");
  EXPECT_EQ(Shown(ConvertUnitValue(100, 0, 3, kNoSpecial)), "14.5038");
  EXPECT_EQ(Shown(ConvertUnitValue(0, 21, 22, kNoSpecial)), "32.0000");
  EXPECT_EQ(Shown(ConvertUnitValue(300, 23, 21, kNoSpecial)), "26.8500");
  EXPECT_EQ(Shown(ConvertUnitValue(100, 0, 1, kNoSpecial)), "0.1000");
  EXPECT_EQ(Shown(ConvertUnitValue(1, 1, 15, kNoSpecial)), "1000000.0000");
  // An index outside the list leaves the value in that direction.
  EXPECT_EQ(ConvertUnitValue(7, 25, 0, kNoSpecial), 7);
  EXPECT_EQ(ConvertUnitValue(7, 0, -1, kNoSpecial), 7);
}

TEST(UnitConversion, EveryPressureUnitRoundTripsThroughKpa) {
  for (int unit = 0; unit < kPressureUnitCount; ++unit) {
    for (double kPa : {-250.0, 0.0, 1.6, 1000.0}) {
      const double there = ConvertUnitValue(kPa, 0, unit, kNoSpecial);
      EXPECT_NEAR(ConvertUnitValue(there, unit, 0, kNoSpecial), kPa, 1e-9 * (1 + std::fabs(kPa)))
          << unit;
    }
  }
}

TEST(UnitConversion, LevelAndFlowUnitsUseTheSpecialParameters) {
  // Between two such units the value passes through kPa, each pass with the record's own
  // values: mm to m with no valid density is a plain division by 1000.
  EXPECT_EQ(Shown(ConvertUnitValue(1234, 17, 18, kNoSpecial)), "1.2340");
  // Water column: 2 m at density 1 is 19.6133 kPa; at density 0.5 it takes 4 m.
  EXPECT_EQ(Shown(ConvertUnitValue(2, 18, 0, {0, 1, 0, 0})), "19.6133");
  EXPECT_EQ(Shown(ConvertUnitValue(4, 18, 0, {0, 0.5, 0, 0})), "19.6133");
  EXPECT_EQ(Shown(ConvertUnitValue(9.80665, 0, 17, {0, 23, 0, 0})), "1000.0000");  // 23: out
  // Flow from a Pitot tube: v = sqrt(2 dp / rho) * k.
  const UnitSpecial pitot{0, 1, 0, 0.8};
  const double dp = ConvertUnitValue(10, 24, 0, pitot);
  EXPECT_NEAR(dp, 10.0 * 10.0 * 1 / (0.8 * 0.8) * 0.5 / 1000, 1e-12);
  EXPECT_NEAR(ConvertUnitValue(dp, 0, 24, pitot), 10, 1e-9);
  EXPECT_EQ(ConvertUnitValue(-3, 24, 0, pitot), -3);  // no flow backwards
  // Density from a column height; gallons from an area.
  EXPECT_NEAR(ConvertUnitValue(ConvertUnitValue(2, 20, 0, {0, 0, 0.5, 0}), 0, 20, {0, 0, 0.5, 0}),
              2, 1e-12);
  EXPECT_NEAR(ConvertUnitValue(ConvertUnitValue(5, 19, 0, {0.2, 1, 0, 0}), 0, 19, {0.2, 1, 0, 0}),
              5, 1e-12);
}

}  // namespace
