// Device search on its worker thread: what it finds, how it stops, and what the window
// does while it runs.
#include <QComboBox>
#include <QProgressBar>
#include <QTest>
#include <QTreeWidget>

#include "AppSettings.h"
#include "GuiFixture.h"

namespace {

class DeviceSearchTest : public GuiFixture {
 protected:
  // Devices at 3 and 7; a search started from the menu, held as it sends command 0 to 5.
  void StartSearchHeldAtAddress5() {
    loop.AddDevice(3);
    loop.AddDevice(7);
    OpenMainWindow();
    port->HoldCommand0To(5);
    TriggerMenu("menuPolling");
    ASSERT_TRUE(port->WaitUntilHeld());
  }

  static std::vector<int> Range(int first, int last) {
    std::vector<int> v;
    for (int i = first; i <= last; ++i)
      v.push_back(i);
    return v;
  }
  // Each address asked once when a device answers, twice when it is silent.
  static std::vector<int> Asked(int last, std::initializer_list<int> answering) {
    std::vector<int> v;
    for (int a : Range(0, last)) {
      v.push_back(a);
      if (std::find(answering.begin(), answering.end(), a) == answering.end()) v.push_back(a);
    }
    return v;
  }
};

TEST_F(DeviceSearchTest, FindsTheDevicesAndTakesTheLowestAsStation) {
  loop.AddDevice(3);
  loop.AddDevice(7);
  OpenMainWindow();
  RecordProgress();
  // By the time the result shows, the worker's earlier updates have reached the window.
  QStringList itemsAtResult;
  int progressAtResult = -1;
  prompts.onPrompt = [&](const QString&) {
    itemsAtResult = StationItems();
    progressAtResult = Progress()->value();
  };
  TriggerMenu("menuPolling");
  ASSERT_TRUE(WaitForJobEnd());

  EXPECT_EQ(prompts.texts, QStringList{"Online 2 Device"});
  EXPECT_EQ(itemsAtResult, (QStringList{"3", "7"}));
  EXPECT_EQ(progressAtResult, 0);
  EXPECT_EQ(StationItems(), (QStringList{"3", "7"}));
  EXPECT_EQ(StationBox()->currentText(), "3");
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 3);
  EXPECT_EQ(Progress()->maximum(), 17);
  std::vector<int> expected = Range(1, 17);
  expected.push_back(0);
  EXPECT_EQ(progressValues, expected);
  EXPECT_EQ(Command0Addresses(), Asked(15, {3, 7}));
  EXPECT_EQ(dlg->m_bJobRun.load(), 0);

  // Choosing another station changes the address at once and sends nothing.
  const size_t sent = loop.Requests().size();
  StationBox()->setFocus();
  QTest::keyClick(StationBox(), Qt::Key_Down);
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 7);
  EXPECT_EQ(loop.Requests().size(), sent);
}

TEST_F(DeviceSearchTest, AnEmptyLoopLeavesTheStationAsItWas) {
  TheAppSettings().pollAddress = 9;
  OpenMainWindow();
  const int64_t start = clock.NowMs();
  TriggerMenu("menuPolling");
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(prompts.texts, QStringList{"No Device"});
  EXPECT_TRUE(StationItems().isEmpty());
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 9);
  EXPECT_EQ(Command0Addresses(), Asked(15, {}));
  // 32 silent exchanges of virtual time, none of it real.
  EXPECT_GT(clock.NowMs() - start, 32 * 1000);
}

TEST_F(DeviceSearchTest, TheTreeItemAsksFirst) {
  loop.AddDevice(0);
  OpenMainWindow();
  prompts.confirmAnswers = {false};
  ClickTreeItem("Polling Device");
  EXPECT_EQ(prompts.texts, QStringList{"Online Device Searching?"});
  EXPECT_EQ(dlg->m_bJobIdle.load(), 1);
  EXPECT_EQ(port->Sim().openCount, 0);

  ClickTreeItem("Polling Device");  // OK this time
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(prompts.texts, (QStringList{"Online Device Searching?", "Online Device Searching?",
                                        "Online 1 Device"}));
}

TEST_F(DeviceSearchTest, NoPortNoSearch) {
  OpenMainWindow();
  port->Sim().failOpen = true;
  TriggerMenu("menuPolling");
  EXPECT_EQ(prompts.texts, QStringList{"Communication Port Error"});
  EXPECT_EQ(dlg->m_bJobIdle.load(), 1);
  EXPECT_EQ(dlg->m_bJobRun.load(), 0);
}

TEST_F(DeviceSearchTest, StopCommunicationEndsTheSearchAfterTheCurrentAddress) {
  StartSearchHeldAtAddress5();
  ClickTreeItem("Stop Communication");
  port->Release();
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(prompts.texts, QStringList{"Search stopped at address 5: 1 device found (3)"});
  EXPECT_EQ(StationItems(), QStringList{"3"});
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 3);
  EXPECT_EQ(Command0Addresses(), Asked(5, {3}));
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(DeviceSearchTest, PollingDeviceDuringASearchStopsItAndIsBusy) {
  StartSearchHeldAtAddress5();
  // The click stops the running search first, then asks, then finds the job still busy.
  ClickTreeItem("Polling Device");
  EXPECT_EQ(prompts.texts, (QStringList{"Online Device Searching?", "Busy!Try later."}));
  port->Release();
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(prompts.texts.last(), "Search stopped at address 5: 1 device found (3)");
  EXPECT_EQ(Command0Addresses(), Asked(5, {3}));
}

TEST_F(DeviceSearchTest, PollingFromTheMenuDuringASearchIsBusyAndLetsItRun) {
  StartSearchHeldAtAddress5();
  TriggerMenu("menuPolling");
  EXPECT_EQ(prompts.texts, QStringList{"Busy!Try later."});
  port->Release();
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(prompts.texts.last(), "Online 2 Device");
  EXPECT_EQ(Command0Addresses(), Asked(15, {3, 7}));
}

TEST_F(DeviceSearchTest, ClosingDuringASearchWaitsForTheWorker) {
  StartSearchHeldAtAddress5();
  bool openAtResult = false;
  prompts.onPrompt = [&](const QString&) { openAtResult = dlg->isVisible(); };
  dlg->close();
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(dlg->m_bJobRun.load(), 0);
  port->Release();
  ASSERT_TRUE(QTest::qWaitFor([this] { return !dlg->isVisible(); }, 20000));
  EXPECT_EQ(dlg->m_bJobIdle.load(), 1);
  EXPECT_EQ(prompts.texts, QStringList{"Search stopped at address 5: 1 device found (3)"});
  EXPECT_TRUE(openAtResult);
  EXPECT_EQ(Command0Addresses(), Asked(5, {3}));
}

TEST_F(DeviceSearchTest, EscStopsTheSearchAndSaysSoEnterDoesNothing) {
  StartSearchHeldAtAddress5();
  for (QWidget* target : {static_cast<QWidget*>(Tree()), static_cast<QWidget*>(StationBox())}) {
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Enter);
  }
  EXPECT_EQ(dlg->m_bJobRun.load(), 1);
  QTest::keyClick(StationBox(), Qt::Key_Escape);
  EXPECT_EQ(dlg->m_bJobRun.load(), 0);
  port->Release();
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(prompts.texts, QStringList{"Search stopped at address 5: 1 device found (3)"});
  EXPECT_EQ(StationItems(), QStringList{"3"});
  EXPECT_EQ(Command0Addresses(), Asked(5, {3}));
  EXPECT_TRUE(dlg->isVisible());

  // Idle, Esc does nothing; Exit still ends the program.
  QTest::keyClick(Tree(), Qt::Key_Escape);
  EXPECT_TRUE(dlg->isVisible());
  TriggerMenu("menuExit");
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(DeviceSearchTest, StoppedBeforeAnyDeviceAnsweredKeepsTheStation) {
  TheAppSettings().pollAddress = 9;
  loop.AddDevice(7);
  OpenMainWindow();
  port->HoldCommand0To(2);
  TriggerMenu("menuPolling");
  ASSERT_TRUE(port->WaitUntilHeld());
  QTest::keyClick(Tree(), Qt::Key_Escape);
  port->Release();
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(prompts.texts, QStringList{"Search stopped at address 2: no device found"});
  EXPECT_TRUE(StationItems().isEmpty());
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 9);
}

}  // namespace
