// The filter page against the simulated transmitter: the inhibition ratio in its edit, the
// filter configuration carried from a Read to the next Update inside the sensor record.
#include "AppSettings.h"
#include "PageFixture.h"
#include "SimImage.h"

namespace {

class FilterPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(9);
    ratio = Edit(page, 1214);
  }
  void SetDevice(float inhibition, uint8_t filterByte, uint8_t typeCode = 0xF7) {
    SimImage image = device->Image();
    image.SetF32(image::kInhibition, inhibition);
    image.SetU8(image::kFilterConfig, filterByte);
    image.SetU8(image::kExcitation, typeCode);
    device->SetImage(image);
  }
  uint8_t DeviceFilterByte() const { return device->Image().U8(image::kFilterConfig); }

  QWidget* page = nullptr;
  QLineEdit* ratio = nullptr;
};

TEST_F(FilterPage, ReadShowsTheRatioAndUpdateWritesItWithTheFilterRead) {
  SetDevice(12.5f, 30);  // filter configuration 10
  Click(page, 1203);
  EXPECT_EQ(ratio->text(), "12.5000");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 147, 150}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 0}));

  // Someone else changes the filter; this page's Update writes back the one it read.
  SetDevice(12.5f, 60);
  Type(ratio, " 40 ");
  Click(page, 1204);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 190, 147, 187}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 4, 0}));
  EXPECT_FLOAT_EQ(device->Image().F32(image::kInhibition), 40.0f);
  EXPECT_EQ(DeviceFilterByte(), 30);
  EXPECT_TRUE(TakePrompts().isEmpty());
}

TEST_F(FilterPage, UpdateWithoutAReadKeepsTheDevicesFilter) {
  // Byte 7 holds three times the value; what goes back is the value read times 3.
  SetDevice(0.0f, 46);
  Type(ratio, "5");
  Click(page, 1204);
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(DeviceFilterByte(), 45);
  EXPECT_EQ(LastRequestData(187).at(7), 45);
}

TEST_F(FilterPage, UndecodedTypeCodeAndReservedBytesGoBackAsReported) {
  // A device with a type byte we do not decode: the 187 echoes it (this device then refuses
  // it), after the ratio has already been written.
  SetDevice(1.0f, 9, 0x42);
  Type(ratio, "7");
  Click(page, 1204);
  const std::vector<uint8_t> sent = LastRequestData(187);
  ASSERT_EQ(sent.size(), 11u);
  EXPECT_EQ(sent[7], 9);
  EXPECT_EQ(sent[8], 0x42);
  EXPECT_EQ(sent[9], 0);  // the device's 147 carries no bytes 9 and 10
  EXPECT_EQ(sent[10], 0);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:Invalid selection"});
  EXPECT_FLOAT_EQ(device->Image().F32(image::kInhibition), 7.0f);
  EXPECT_EQ(DeviceFilterByte(), 9);
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(FilterPage, NotANumberIsRefusedAndFailuresNameTheCause) {
  for (const char* typed : {"", "abc", "1,5"}) {
    Type(ratio, typed);
    Click(page, 1204);
    EXPECT_EQ(TakePrompts(), QStringList{"Please enter a number: Inhibition ratio"}) << typed;
  }
  EXPECT_TRUE(CommandsSent().empty());

  device->SetWriteProtected(true);
  Type(ratio, "3");
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:In write protect mode"});
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 190}));
  EXPECT_EQ(Progress()->value(), 0);

  ExpectTimeoutWhenSilent(page, 1203);
  EXPECT_EQ(ratio->text(), "3");
}

}  // namespace
