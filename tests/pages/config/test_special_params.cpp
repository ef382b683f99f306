// The special parameters page against the simulated transmitter: the sensor record (147/
// 187) and the compensation record (145/146), written together and followed by a reset.
#include "PageFixture.h"
#include "SimImage.h"

namespace {

// The edits of compensation values 0..5, in the record's order.
const int kCompEdits[6] = {1220, 1190, 1194, 1192, 1193, 1196};

class SpecialPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(10);
  }
  // A device with zero trim 0.25, the given selections and compensation values 1.5 .. 6.5.
  void SetDevice(uint8_t alarm, uint8_t display, uint8_t format, uint8_t comp,
                 uint8_t unit = 13 /* psi */, uint8_t typeCode = 0xF9) {
    SimImage image = device->Image();
    image.SetF32(image::kZeroTrim, 0.25f);
    image.SetU8(image::kAlarmType, alarm);
    image.SetU8(image::kDisplayMode, display);
    image.SetU8(image::kNumberFormat, format);
    image.SetU8(image::kCompCode, comp);
    image.SetU8(image::kFilterConfig, 46);
    image.SetU8(image::kExcitation, typeCode);
    image.SetU8(image::kUnit, unit);
    for (size_t k = 0; k < 6; ++k)
      image.SetF32(image::kCompValues + 4 * k, 1.5f + float(k));
    device->SetImage(image);
  }
  void TypeAll() {
    Type(Edit(page, 1215), "-0.125");
    for (size_t k = 0; k < 6; ++k)
      Type(Edit(page, kCompEdits[k]), QString::number(10 + k));
  }

  QWidget* page = nullptr;
};

TEST_F(SpecialPage, ReadShowsBothRecordsAndUpdateWritesThemAndResets) {
  device->SetDieTemperature(31.5);
  SetDevice(1, 2, 3, 1);
  Click(page, 1203);
  EXPECT_EQ(Edit(page, 1215)->text(), "0.2500");
  EXPECT_EQ(Control<QLabel>(page, 1379)->text(), "psi");
  EXPECT_EQ(Edit(page, 1222)->text(), "31.5000");
  EXPECT_TRUE(Edit(page, 1222)->isReadOnly());
  EXPECT_EQ(Edit(page, 1193)->text(), "5.5000");
  EXPECT_EQ(Combo(page, 1216)->currentText(), "3.8 mA");
  EXPECT_EQ(Combo(page, 1217)->currentText(), "Display Loop mA");
  EXPECT_EQ(Combo(page, 1218)->currentText(), "3 decimals");
  EXPECT_EQ(Combo(page, 1223)->currentText(), "1-order compensation");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 147, 145, 15}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 0}));

  TypeAll();
  Combo(page, 1217)->setCurrentIndex(0);
  Combo(page, 1223)->setCurrentIndex(2);
  Click(page, 1204);
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 147, 145, 146, 187, 42}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 4, 0}));
  const SimImage image = device->Image();
  EXPECT_FLOAT_EQ(image.F32(image::kZeroTrim), -0.125f);
  EXPECT_EQ(image.U8(image::kDisplayMode), 0);
  EXPECT_EQ(image.U8(image::kAlarmType), 1);
  EXPECT_EQ(image.U8(image::kCompCode), 2);
  EXPECT_FLOAT_EQ(image.F32(image::kCompValues + 4 * 5), 15.0f);
  // The filter byte passes through, rounded down to a multiple of 3.
  EXPECT_EQ(image.U8(image::kFilterConfig), 45);
  EXPECT_EQ(image.U8(image::kExcitation), 0xF9);

  // The page names a unit code of its own list only.
  SetDevice(1, 2, 3, 1, 1 /* kPa */);
  Click(page, 1203);
  EXPECT_EQ(Control<QLabel>(page, 1379)->text(), "KPa");
  SetDevice(1, 2, 3, 1, 0xEE /* no unit the device knows */);
  Click(page, 1203);
  EXPECT_TRUE(Control<QLabel>(page, 1379)->text().isEmpty());
}

TEST_F(SpecialPage, NothingChosenSendsBackWhatTheDeviceHolds) {
  // No Read: every box empty, and the device keeps its selections.
  SetDevice(2, 1, 3, 2);
  TypeAll();
  Click(page, 1204);
  EXPECT_TRUE(TakePrompts().isEmpty());
  SimImage image = device->Image();
  EXPECT_EQ(image.U8(image::kAlarmType), 2);
  EXPECT_EQ(image.U8(image::kDisplayMode), 1);
  EXPECT_EQ(image.U8(image::kNumberFormat), 3);
  EXPECT_EQ(image.U8(image::kCompCode), 2);

  // A display byte beyond the list: Read leaves its box empty and Update sends it back as
  // read (this device refuses it, the compensation record already written, no reset).
  image.SetU8(image::kDisplayMode, 3);
  device->SetImage(image);
  Click(page, 1203);
  EXPECT_EQ(Combo(page, 1217)->currentIndex(), -1);
  CommandsSent();
  Click(page, 1204);
  EXPECT_EQ(LastRequestData(187).at(5), 3);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:Invalid selection"});
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 147, 145, 146, 187}));
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(SpecialPage, UndecodedTypeCodeAndReservedBytesGoBackAsReported) {
  SetDevice(0, 0, 0, 0, 13, 0x42);
  TypeAll();
  Click(page, 1204);
  const std::vector<uint8_t> sent = LastRequestData(187);
  ASSERT_EQ(sent.size(), 11u);
  EXPECT_EQ(sent[8], 0x42);
  EXPECT_EQ(sent[9], 0);
  EXPECT_EQ(sent[10], 0);
}

TEST_F(SpecialPage, NotANumberIsRefusedAndWriteProtectionNamed) {
  TypeAll();
  Type(Edit(page, 1215), "abc");
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Please enter a number: Zero Trim"});
  Type(Edit(page, 1215), "1");
  Type(Edit(page, 1196), "");
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Please enter a number: Pitot Coefficient"});
  EXPECT_TRUE(CommandsSent().empty());

  Type(Edit(page, 1196), "0.9");
  device->SetWriteProtected(true);
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:In write protect mode"});
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 147, 145, 146}));
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(SpecialPage, ValuesOutsideTheRangesTheLabelsStateAreRefused) {
  const struct {
    int edit;
    const char* typed;
    const char* refusal;
  } cases[] = {
      {1192, "30", "Density must lie between 0.000081 and 22.65 g/cm3"},
      {1192, "0.00008", "Density must lie between 0.000081 and 22.65 g/cm3"},
      {1190, "60", "Thermal Direct Loop Trim must lie between -50% and 50%"},
      {1194, "0", "Area must be more than 0 m2"},
      {1220, "-0.5", "Thermal Effective must be 0 ℃ or more"},
  };
  for (const auto& c : cases) {
    TypeAll();
    Type(Edit(page, c.edit), c.typed);
    Click(page, 1204);
    EXPECT_EQ(TakePrompts(), QStringList{QString::fromUtf8(c.refusal)}) << c.typed;
  }
  EXPECT_TRUE(CommandsSent().empty());

  // The ends the labels name are inside.
  TypeAll();
  Type(Edit(page, 1192), "22.65");
  Type(Edit(page, 1190), "-50");
  Type(Edit(page, 1220), "0");
  Click(page, 1204);
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 147, 145, 146, 187, 42}));
}

}  // namespace
