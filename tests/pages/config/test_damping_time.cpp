// The damping page as an engineer uses it, against the simulated transmitter.
#include "AppSettings.h"
#include "PageFixture.h"
#include "SimImage.h"

namespace {

class DampingPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(8);
    damping = Edit(page, 1212);
  }
  float DeviceDamping() const { return device->Image().F32(image::kDamping); }

  QWidget* page = nullptr;
  QLineEdit* damping = nullptr;
};

TEST_F(DampingPage, ReadShowsTheDevicesDampingAndUpdateChangesIt) {
  SimImage image = device->Image();
  image.SetF32(image::kDamping, 2.5f);
  device->SetImage(image);

  Click(page, 1203);
  EXPECT_EQ(damping->text(), "2.5000");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 15}));  // identified first, then read
  // The identification's own bar, then the read's: 0..2 at 1, 2 at the end, back to 0.
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(Progress()->maximum(), 2);

  for (const char* typed : {"100", "0", " 1e1 "}) {
    Type(damping, typed);
    Click(page, 1204);
    EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 34})) << typed;
  }
  EXPECT_FLOAT_EQ(DeviceDamping(), 10.0f);
  EXPECT_EQ(damping->text(), "10.0000");  // the value the device answered with
  EXPECT_TRUE(TakePrompts().isEmpty());
}

TEST_F(DampingPage, OutOfRangeOrNotANumberIsRefusedAndNothingSent) {
  for (const char* typed : {"100.0001", "-1", "", "abc", "1,5", "5s"}) {
    Type(damping, typed);
    Click(page, 1204);
    EXPECT_EQ(TakePrompts(), QStringList{"Invalid Damping Time"}) << typed;
    EXPECT_EQ(damping->text(), typed) << "the edit keeps what was typed";
  }
  EXPECT_TRUE(CommandsSent().empty());
  EXPECT_EQ(port->Sim().openCount, 0);
}

TEST_F(DampingPage, FailuresNameTheCauseAndLeaveTheBarAtZero) {
  device->SetWriteProtected(true);
  Type(damping, "3");
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:In write protect mode"});
  EXPECT_EQ(damping->text(), "3");
  EXPECT_EQ(Progress()->value(), 0);

  // A silent device in Broadcast mode: no identification first, the read itself fails.
  ExpectTimeoutWhenSilent(page, 1203);
  EXPECT_EQ(damping->text(), "3");

  // And in Normal mode the identification finds nobody.
  TheAppSettings().onlineTestAll = 1;
  Click(page, 1203);
  EXPECT_EQ(TakePrompts(), QStringList{"No Device"});
}

TEST_F(DampingPage, EnterInTheFieldKeepsTheProgramRunning) {
  damping->setFocus();
  Type(damping, "7");
  QTest::keyClick(damping, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_TRUE(CommandsSent().empty());
}

}  // namespace
