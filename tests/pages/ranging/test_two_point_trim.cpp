// The two point trim page against the simulated transmitter: the PV sampled with command 1,
// the low and high trims (131, 130) in the device's unit, the zero trim (43).
#include <QLabel>

#include "Encoding.h"
#include "PageFixture.h"
#include "SimImage.h"

namespace {

class TwoPointTrimPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(6);
    measured = Edit(page, 1228);
    actual = Edit(page, 1229);
  }
  void SetDeviceUnit(uint8_t deviceCode) {
    SimImage image = device->Image();
    image.SetU8(image::kUnit, deviceCode);
    device->SetImage(image);
  }
  QStringList UnitLabels() const {
    return {Control<QLabel>(page, 1219)->text(), Control<QLabel>(page, 1221)->text()};
  }

  QWidget* page = nullptr;
  QLineEdit* measured = nullptr;
  QLineEdit* actual = nullptr;
};

TEST_F(TwoPointTrimPage, SampleThenTrimLowAndHighMovesTheDevicesPv) {
  device->SetPressure(10.0);
  Type(actual, "12");
  Click(page, 1226);
  EXPECT_EQ(TakePrompts(), QStringList{"Check[Get]Button!"});
  EXPECT_TRUE(CommandsSent().empty());

  EXPECT_TRUE(measured->isReadOnly());
  Click(page, 1225);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 1}));
  EXPECT_EQ(measured->text(), QString::asprintf("%.4f", device->PrimaryVariable()));
  EXPECT_EQ(UnitLabels(), (QStringList{"kPa\t", "kPa\t"}));

  Click(page, 1226);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 1, 131}));
  const std::vector<uint8_t> low = LastRequestData(131);
  ASSERT_EQ(low.size(), 5u);
  EXPECT_EQ(low[0], 12);  // kPa
  EXPECT_FLOAT_EQ(GetFloatBE(&low[1]), 12.0f);
  EXPECT_NEAR(device->PrimaryVariable(), 12.0, 1e-3);

  device->SetPressure(80.0);
  Type(actual, " 7.5e1 ");
  Click(page, 1227);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 1, 130}));
  EXPECT_NEAR(device->PrimaryVariable(), 75.0, 1e-3);
  device->SetPressure(10.0);
  EXPECT_NEAR(device->PrimaryVariable(), 12.0, 1e-3);  // both points hold
  EXPECT_EQ(TakeProgress(),
            (std::vector<int>{1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 3, 0, 1, 2, 0, 1, 2, 3, 0}));
  EXPECT_TRUE(TakePrompts().isEmpty());
}

TEST_F(TwoPointTrimPage, TrimsGoInTheUnitTheDeviceHasNowNotTheOneShown) {
  SetDeviceUnit(13);  // psi
  Click(page, 1225);
  EXPECT_EQ(UnitLabels(), (QStringList{"PSI\t", "PSI\t"}));

  // A unit the list does not know leaves the labels alone; the PV is still shown.
  device->SetPressure(6.894757);
  SetDeviceUnit(200);
  Click(page, 1225);
  EXPECT_EQ(UnitLabels(), (QStringList{"PSI\t", "PSI\t"}));
  EXPECT_EQ(measured->text(), QString::asprintf("%.4f", device->PrimaryVariable()));

  SetDeviceUnit(9);  // bar
  Type(actual, "0.05");
  CommandsSent();
  Click(page, 1226);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 1, 131}));
  EXPECT_EQ(LastRequestData(131).at(0), 7);  // bar, while the labels still say PSI
  EXPECT_NEAR(device->PrimaryVariable(), 0.05, 1e-6);
  EXPECT_TRUE(TakePrompts().isEmpty());
}

TEST_F(TwoPointTrimPage, NothingIsSentWithoutANumberOrWhenTheZeroTrimIsCancelled) {
  device->SetPressure(5.0);
  Click(page, 1225);
  CommandsSent();
  for (const char* typed : {"", "abc", "1,5"}) {
    Type(actual, typed);
    Click(page, 1226);
    EXPECT_EQ(TakePrompts(), QStringList{"Please enter a number: Actual PV"}) << typed;
  }

  prompts.confirmAnswers = {false, true};
  Click(page, 1224);
  EXPECT_EQ(TakePrompts(), QStringList{"Zero Trim ?"});
  EXPECT_TRUE(CommandsSent().empty());
  EXPECT_NEAR(device->PrimaryVariable(), 5.0, 1e-3);

  Click(page, 1224);
  EXPECT_EQ(TakePrompts(), QStringList{"Zero Trim ?"});
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 43}));
  EXPECT_NEAR(device->PrimaryVariable(), 0.0, 1e-3);
}

}  // namespace
