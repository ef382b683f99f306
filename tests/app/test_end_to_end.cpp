// The program as scripts/run sets it up: hart-sim on a pseudo-terminal linked as COM3 in the
// working folder, the default settings, the real serial port and the real clock.
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "CMyTabCtrl.h"

#include "AppSettings.h"
#include "GuiFixture.h"
#include "SimProcess.h"

namespace {

class EndToEndTest : public GuiFixture {
 protected:
  void SetUp() override {
    GuiFixture::SetUp();
    // The link's own port backend on wall time, in hart-sim's folder.
    SetTheClock(nullptr);
    TheDeviceState().port.reset();
    QDir::setCurrent(QString::fromStdString(sim_.dir()));
  }
  SimProcess sim_{"--address 0 --address 5 --no-pacing"};
};

TEST_F(EndToEndTest, OnlineTestFindsTheSimulatedTransmitters) {
  ASSERT_TRUE(sim_.ready()) << "hart-sim did not start";
  OpenMainWindow();
  RecordProgress();
  ClickTreeItem("Online Test");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();
  EXPECT_EQ(progressValues, (std::vector<int>{1, 2, 0}));

  TheAppSettings().pollAddress = 5;
  ClickTreeItem("Online Test");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();
}

TEST_F(EndToEndTest, APageWritesAndReadsTheDeviceThroughTheRealPort) {
  ASSERT_TRUE(sim_.ready()) << "hart-sim did not start";
  OpenMainWindow();
  dlg->ShowPage(8);  // damping
  QWidget* page = dlg->TabCtrl()->Page(8);
  auto* damping = page->findChild<QLineEdit*>("1212");
  ASSERT_NE(damping, nullptr);
  damping->setText("4.5");
  QTest::mouseClick(page->findChild<QPushButton*>("1204"), Qt::LeftButton);
  ASSERT_TRUE(WaitForOperation());
  damping->clear();
  QTest::mouseClick(page->findChild<QPushButton*>("1203"), Qt::LeftButton);
  ASSERT_TRUE(WaitForOperation());
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();
  EXPECT_EQ(damping->text(), "4.5000");
}

}  // namespace
