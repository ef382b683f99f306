// The rerange page against the simulated transmitter: limits and range read with commands
// 149 and 15, written with 35, and converted on the page when the user picks a unit.
#include "AppSettings.h"
#include "Encoding.h"
#include "PageFixture.h"
#include "SimImage.h"

namespace {

class RerangePage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(5);
    lrl = Edit(page, 1207);
    url = Edit(page, 1205);
    lrv = Edit(page, 1209);
    urv = Edit(page, 1208);
    unit = Combo(page, 1210);
  }
  QStringList Shown() const { return {lrv->text(), urv->text(), lrl->text(), url->text()}; }

  QWidget* page = nullptr;
  QLineEdit *lrl = nullptr, *url = nullptr, *lrv = nullptr, *urv = nullptr;
  QComboBox* unit = nullptr;
};

TEST_F(RerangePage, ReadShowsLimitsRangeAndUnitAndUpdateChangesTheRange) {
  EXPECT_EQ(unit->count(), 25);
  EXPECT_EQ(unit->itemText(1), "   MPa");
  EXPECT_TRUE(lrl->isReadOnly() && url->isReadOnly());

  Click(page, 1203);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 149, 15}));
  EXPECT_EQ(Shown(), (QStringList{"0.0000", "100.0000", "-100.0000", "1000.0000"}));
  EXPECT_EQ(unit->currentIndex(), 0);
  // The limits leave the bar at 1, the range takes it to 3.
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 3, 0}));

  Type(lrv, "-20");
  Type(urv, " 2.5e2 ");
  Click(page, 1204);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 35}));
  const std::vector<uint8_t> sent = LastRequestData(35);
  ASSERT_EQ(sent.size(), 9u);
  EXPECT_EQ(sent[0], 12);
  EXPECT_FLOAT_EQ(GetFloatBE(&sent[1]), 250.0f);
  EXPECT_FLOAT_EQ(GetFloatBE(&sent[5]), -20.0f);
  EXPECT_FLOAT_EQ(device->Image().F32(image::kLowerRange), -20.0f);
  EXPECT_FLOAT_EQ(device->Image().F32(image::kUpperRange), 250.0f);
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 0}));

  // The device decides about values it cannot take.
  Type(lrv, "300");
  Click(page, 1204);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 35}));
  EXPECT_EQ(TakePrompts().size(), 1);
  EXPECT_FLOAT_EQ(device->Image().F32(image::kLowerRange), -20.0f);
}

TEST_F(RerangePage, ChoosingAUnitConvertsTheFourValuesThroughTheDevicesParameters) {
  Click(page, 1203);
  CommandsSent();
  Choose(unit, 1);  // MPa
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 145}));
  EXPECT_EQ(Shown(), (QStringList{"0.0000", "0.1000", "-0.1000", "1.0000"}));
  Choose(unit, 1);
  EXPECT_TRUE(CommandsSent().empty());

  // The converted range goes out in the new unit.
  Click(page, 1204);
  EXPECT_EQ(device->PvUnitCode(), 237);
  EXPECT_FLOAT_EQ(device->Image().F32(image::kUpperRange), 0.1f);

  // An edit without a number stays as it is.
  Type(lrv, "");
  Choose(unit, 12);  // mbar
  EXPECT_EQ(Shown(), (QStringList{"", "1000.0000", "-1000.0000", "10000.0000"}));
  EXPECT_TRUE(TakePrompts().isEmpty());
}

TEST_F(RerangePage, AReadSelectsTheDevicesUnitWithoutConverting) {
  SimImage image = device->Image();
  image.SetU8(image::kUnit, 13);  // psi
  device->SetImage(image);
  Click(page, 1203);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 149, 15}));
  EXPECT_EQ(unit->currentIndex(), 3);
  EXPECT_EQ(urv->text(), "100.0000");

  // The values are now in psi, so kPa converts from psi.
  Choose(unit, 0);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 145}));
  EXPECT_EQ(urv->text(), "689.4745");
}

TEST_F(RerangePage, UpdateNeedsNumbersAndAUnitAndAFailedConversionKeepsTheOldUnit) {
  Type(lrv, "0");
  Type(urv, "100");
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Please select: Unit"});
  Type(lrv, "");
  Click(page, 1204);
  Type(lrv, "0");
  Type(urv, "abc");
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(),
            (QStringList{"Please enter a number: LRV(4mA)", "Please enter a number: URV(20mA)"}));
  EXPECT_TRUE(CommandsSent().empty());

  // Broadcast mode, so the conversion's own exchange is the one that fails.
  TheAppSettings().onlineTestAll = 0;
  Type(urv, "100");
  device->SetSilent(true);
  Choose(unit, 1);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:No response,timeout!"});
  EXPECT_EQ(unit->currentIndex(), 1);
  EXPECT_EQ(urv->text(), "100");
  CommandsSent();

  // The values are still in kPa: choosing MPa again converts them.
  device->SetSilent(false);
  Choose(unit, 1);
  EXPECT_EQ(urv->text(), "0.1000");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{145}));
}

}  // namespace
