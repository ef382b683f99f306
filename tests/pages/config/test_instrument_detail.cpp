// The instrument detail page as an engineer uses it, against the simulated transmitter.
#include "AppSettings.h"
#include "PageFixture.h"
#include "SimBytes.h"
#include "SimImage.h"

namespace {

class InstrumentDetailPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(4);
    tag = Edit(page, 1194);
    descriptor = Edit(page, 1198);
    message = Edit(page, 1199);
    year = Edit(page, 1200);
    month = Edit(page, 1201);
    day = Edit(page, 1202);
  }
  void TypeDate(const char* y, const char* m, const char* d) {
    Type(year, y);
    Type(month, m);
    Type(day, d);
  }
  std::string DeviceText(size_t at, size_t bytes) const {
    return simbytes::UnpackText(device->Image().Data() + at, bytes);
  }

  QWidget* page = nullptr;
  QLineEdit *tag = nullptr, *descriptor = nullptr, *message = nullptr;
  QLineEdit *year = nullptr, *month = nullptr, *day = nullptr;
};

TEST_F(InstrumentDetailPage, ReadShowsWhatTheDeviceHolds) {
  EXPECT_EQ(year->accessibleName(), "Date Y");
  EXPECT_EQ(month->accessibleName(), "Date M");
  EXPECT_EQ(day->accessibleName(), "Date D");

  SimImage image = device->Image();
  simbytes::PackText("PT-101", image.Data() + image::kTag, 8);
  simbytes::PackText("BOILER FEED", image.Data() + image::kDescriptor, 16);
  simbytes::PackText("CALIBRATED 2021", image.Data() + image::kMessage, 32);
  image.SetU8(image::kYear, 121);
  image.SetU8(image::kMonth, 7);
  image.SetU8(image::kDay, 15);
  device->SetImage(image);

  Click(page, 1203);
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(tag->text(), "PT-101  ");
  EXPECT_EQ(descriptor->text(), "BOILER FEED     ");
  EXPECT_EQ(message->text(), QString("CALIBRATED 2021").leftJustified(32));
  EXPECT_EQ(year->text(), "2021");
  EXPECT_EQ(month->text(), "7");
  EXPECT_EQ(day->text(), "15");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 13, 12}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 0}));
}

TEST_F(InstrumentDetailPage, UpdateWritesWhatWasTypedAndReadsItBack) {
  tag->clear();
  QTest::keyClicks(tag, "pt{7");  // lower case turns upper case, '{' is not taken
  EXPECT_EQ(tag->text(), "PT7");
  QTest::keyClicks(descriptor, "Line 3 outlet pressure");  // cut to 16
  EXPECT_EQ(descriptor->text(), "LINE 3 OUTLET PR");
  Type(message, "checked");
  TypeDate("2000", "2", "29");

  Click(page, 1204);
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 18, 17}));
  const std::vector<uint8_t> sent = LastRequestData(18);
  ASSERT_EQ(sent.size(), 21u);
  // "PT7" and five spaces, packed by hand: 41 4D E0 82 08 20.
  EXPECT_EQ(std::vector<uint8_t>(sent.begin(), sent.begin() + 6),
            (std::vector<uint8_t>{0x41, 0x4D, 0xE0, 0x82, 0x08, 0x20}));
  EXPECT_EQ(sent[18], 29);
  EXPECT_EQ(sent[19], 2);
  EXPECT_EQ(sent[20], 100);
  EXPECT_EQ(DeviceText(image::kDescriptor, 12), "LINE 3 OUTLET PR");
  EXPECT_EQ(DeviceText(image::kMessage, 24), std::string("CHECKED").append(25, ' '));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 0}));

  tag->clear();
  message->clear();
  TypeDate("", "", "");
  Click(page, 1203);
  EXPECT_EQ(tag->text(), "PT7     ");
  EXPECT_EQ(message->text(), QString("CHECKED").leftJustified(32));
  EXPECT_EQ(year->text(), "2000");
  EXPECT_EQ(month->text(), "2");
  EXPECT_EQ(day->text(), "29");

  // The last year the date byte holds.
  TypeDate("2155", "12", "31");
  Click(page, 1204);
  EXPECT_EQ(LastRequestData(18).at(20), 255);
  EXPECT_TRUE(TakePrompts().isEmpty());
}

TEST_F(InstrumentDetailPage, DatesTheDeviceCannotHoldAreRefusedAndNothingSent) {
  struct Case {
    const char *y, *m, *d, *refusal;
  };
  const Case cases[] = {
      {"2023", "2", "29", "2023Y 2 M No 29 D"}, {"1900", "2", "29", "1900Y 2 M No 29 D"},
      {"2024", "2", "30", "2M No 30 D"},        {"2024", "4", "31", "4 M No 31 D"},
      {"2024", "11", "31", "11 M No 31 D"},     {"1899", "1", "1", "Year Input Error"},
      {"2156", "1", "1", "Year Input Error"},   {"x", "13", "0", "Year Input Error"},
      {"2024", "13", "0", "Month Input Error"}, {"2024", "", "1", "Month Input Error"},
      {"2024", "1", "32", "Day Input Error"},   {"2024", "1", "abc", "Day Input Error"},
  };
  for (const Case& c : cases) {
    TypeDate(c.y, c.m, c.d);
    Click(page, 1204);
    EXPECT_EQ(TakePrompts(), QStringList{c.refusal}) << c.y << "-" << c.m << "-" << c.d;
  }
  EXPECT_TRUE(CommandsSent().empty());
  EXPECT_EQ(port->Sim().openCount, 0);
}

TEST_F(InstrumentDetailPage, FailuresNameTheCauseInEachSpellingAndLeaveTheBarAtZero) {
  device->SetWriteProtected(true);
  Type(tag, "FT1");
  TypeDate("2024", "1", "1");
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:In write protect mode"});
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 18}));  // no message write after it
  EXPECT_EQ(Progress()->value(), 0);

  ExpectTimeoutWhenSilent(page, 1203, true);
  EXPECT_EQ(tag->text(), "FT1");
}

}  // namespace
