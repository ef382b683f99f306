// The device information page: command 162 to the device last addressed, no identification.
#include "PageFixture.h"

namespace {

TEST_F(PageFixture, DeviceInformationShowsTheVersionsAndNamesAFailedQuery) {
  QWidget* page = Page(16);
  Click(page, 1363);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{162}));
  EXPECT_EQ(Edit(page, 1339)->text(), "V2.05");
  EXPECT_EQ(Edit(page, 1361)->text(), "V1.23");
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0}));

  device->SetSilent(true);
  Click(page, 1363);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{162, 162, 162, 162}));
  EXPECT_EQ(TakePrompts(), QStringList{"Read Version ERRO"});
  EXPECT_EQ(Progress()->value(), 0);
  EXPECT_EQ(Edit(page, 1339)->text(), "V2.05");
}

}  // namespace
