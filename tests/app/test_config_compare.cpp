// Compare's rows for two configuration images of the simulated transmitter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConfigCompare.h"
#include "Encoding.h"
#include "SimImage.h"
#include "SimTransmitter.h"

namespace {

SimImage DeviceImage() {
  return SimTransmitter(0, 0x0A0001).Image();
}

ConfigValues Decoded(const SimImage& m) {
  ConfigImage image;
  std::copy_n(m.Data(), kConfigImageSize, image.begin());
  return DecodeConfigImage(image);
}

std::vector<std::string> Differing(const std::vector<ConfigCompareRow>& rows) {
  std::vector<std::string> texts;
  for (const ConfigCompareRow& r : rows)
    if (r.differs) texts.push_back(r.name + ": " + r.left + " | " + r.right);
  return texts;
}

const ConfigCompareRow* Row(const std::vector<ConfigCompareRow>& rows, const std::string& name) {
  for (const ConfigCompareRow& r : rows)
    if (r.name == name) return &r;
  return nullptr;
}

TEST(ConfigCompare, MarksTheValuesThatDifferWithTheirUnits) {
  SimImage before = DeviceImage();
  before.SetF32(image::kDamping, 2.5f);
  SimImage after = before;
  after.SetF32(image::kDamping, 3.3f);
  PackAscii("PT-202  ", after.Data() + image::kTag, 8);

  const std::vector<ConfigCompareRow> rows = CompareConfigs(Decoded(before), Decoded(after));
  EXPECT_EQ(Differing(rows), (std::vector<std::string>{"Tag: PT-101 | PT-202",
                                                       "Damping Time: 2.5000 s | 3.3000 s"}));
  EXPECT_EQ(CountDifferences(rows), 2);
  // The values that agree are there too, each with the device's unit.
  const ConfigCompareRow* range = Row(rows, "PV range");
  ASSERT_NE(range, nullptr);
  EXPECT_FALSE(range->differs);
  EXPECT_EQ(range->left, range->right);
  EXPECT_TRUE(range->left.ends_with(" KPa")) << range->left;

  EXPECT_EQ(CountDifferences(CompareConfigs(Decoded(before), Decoded(before))), 0);
}

TEST(ConfigCompare, APointOnlyOneSideHoldsShowsEmptyOnTheOther) {
  SimImage fewer = DeviceImage();
  SimImage more = fewer;
  fewer.SetU8(image::kTemperaturePoints, 3);
  more.SetU8(image::kTemperaturePoints, 5);
  more.SetF32(image::kTemperature0 + 8 * 4, 85.0f);

  const std::vector<ConfigCompareRow> rows = CompareConfigs(Decoded(fewer), Decoded(more));
  const ConfigCompareRow* fifth = Row(rows, "Temperature 5");
  ASSERT_NE(fifth, nullptr);
  EXPECT_EQ(fifth->left, "");
  EXPECT_EQ(fifth->right, "85.00 ℃");
  EXPECT_TRUE(fifth->differs);
  EXPECT_TRUE(Row(rows, "Temperature Points")->differs);
  // Both sides have the same rows in the same order, whichever is given first.
  const std::vector<ConfigCompareRow> swapped = CompareConfigs(Decoded(more), Decoded(fewer));
  ASSERT_EQ(swapped.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(swapped[i].name, rows[i].name);
    EXPECT_EQ(swapped[i].left, rows[i].right);
  }
}

}  // namespace
