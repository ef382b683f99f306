// The SV settings page against the simulated transmitter: the die temperature in three
// units, the display mode and duty cycle read with command 166 and written with 167.
#include "AppSettings.h"
#include "PageFixture.h"
#include "SimImage.h"

namespace {

class SvPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(11);
    mode = Combo(page, 1626);
    duty = Edit(page, 1627);
  }
  void SetDevice(uint8_t displayMode, uint8_t dutyCycle) {
    SimImage image = device->Image();
    image.SetU8(image::kSvDisplay, displayMode);
    image.SetU8(image::kSvDutyCycle, dutyCycle);
    device->SetImage(image);
  }

  QWidget* page = nullptr;
  QComboBox* mode = nullptr;
  QLineEdit* duty = nullptr;
};

TEST_F(SvPage, ReadShowsTheTemperatureInThreeUnitsAndUpdateWritesTheDisplay) {
  device->SetDieTemperature(25.0);
  SetDevice(2, 40);
  Click(page, 1203);
  EXPECT_EQ(Edit(page, 1628)->text(), "25.0000");
  EXPECT_EQ(Edit(page, 1629)->text(), "77.0000");
  EXPECT_EQ(Edit(page, 1630)->text(), "298.1500");
  EXPECT_EQ(Edit(page, 1629)->accessibleName(), "DIE Temperature °F");
  EXPECT_TRUE(Edit(page, 1630)->isReadOnly());
  EXPECT_EQ(mode->currentText(), "SV ON F");
  EXPECT_EQ(duty->text(), "40");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 166}));
  // Read ends at 2 of 3, Update at 3 of 4.
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(Progress()->maximum(), 3);

  mode->setCurrentIndex(3);
  for (int typed : {10, 90}) {
    Type(duty, QString::number(typed));
    Click(page, 1204);
    EXPECT_EQ(LastRequestData(167), (std::vector<uint8_t>{3, uint8_t(typed)})) << typed;
  }
  EXPECT_EQ(device->Image().U8(image::kSvDisplay), 3);
  EXPECT_EQ(device->Image().U8(image::kSvDutyCycle), 90);
  EXPECT_TRUE(TakePrompts().isEmpty());

  // A mode beyond the list leaves nothing chosen, and Update then asks for one.
  SetDevice(7, 50);
  Click(page, 1203);
  EXPECT_EQ(mode->currentIndex(), -1);
  CommandsSent();
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Please select: Display Mode"});
  EXPECT_TRUE(CommandsSent().empty());
}

TEST_F(SvPage, DutyCycleIsCheckedAsTypedAndNothingIsSent) {
  mode->setCurrentIndex(1);
  // 266 would be 10 as a byte; it is refused as the number typed.
  for (const char* typed : {"9", "91", "266", "-246", "", "abc", "50.5"}) {
    Type(duty, typed);
    Click(page, 1204);
    EXPECT_EQ(TakePrompts(), QStringList{"Invalid Duty Cycle"}) << typed;
  }
  EXPECT_TRUE(CommandsSent().empty());
}

TEST_F(SvPage, SilentDeviceInBroadcastModeFailsAndKeepsTheValues) {
  Type(duty, "33");
  ExpectTimeoutWhenSilent(page, 1203);
  EXPECT_EQ(duty->text(), "33");
  EXPECT_TRUE(Edit(page, 1628)->text().isEmpty());
}

}  // namespace
