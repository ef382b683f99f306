// The main window on the UI thread: what it shows at start, the tree and the menus, the
// online test and the close protocol.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "AppSettings.h"
#include "CMyTabCtrl.h"
#include "GuiFixture.h"

namespace {

using MainWindowTest = GuiFixture;

// The tree as the user sees it: depth, text, item data.
struct TreeRow {
  int depth;
  QString text;
  int data;
};

std::vector<TreeRow> TreeRows(QTreeWidget* tree) {
  std::vector<TreeRow> rows;
  std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
    rows.push_back({depth, item->text(0), item->data(0, Qt::UserRole).toInt()});
    for (int i = 0; i < item->childCount(); ++i)
      walk(item->child(i), depth + 1);
  };
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    walk(tree->topLevelItem(i), 0);
  return rows;
}

TEST_F(MainWindowTest, StartsOnPageZeroWithTheSettingsShown) {
  OpenMainWindow();
  EXPECT_EQ(dlg->windowTitle(), "Tellavo V3.6.en");
  EXPECT_EQ(dlg->CurrentPage(), 0);
  EXPECT_EQ(dlg->TabCtrl()->currentIndex(), 0);
  EXPECT_EQ(VisiblePage(), dlg->TabCtrl()->Page(0));
  EXPECT_EQ(Pane(0), "Ready");
  EXPECT_EQ(Pane(1), "");
  EXPECT_EQ(Pane(2), "");
  EXPECT_EQ(Pane(3), "Normal");
  EXPECT_EQ(Pane(4), "Serial Port : COM3");
  EXPECT_EQ(StationItems(), QStringList{"0"});
  EXPECT_EQ(StationBox()->currentText(), "0");
  EXPECT_EQ(TheDeviceState().portIndex, 2);
  EXPECT_EQ(Progress()->value(), 0);
  EXPECT_EQ(dlg->m_bJobRun.load(), 0);
  EXPECT_EQ(dlg->m_bJobIdle.load(), 1);
  EXPECT_EQ(dlg->m_bLoopRun.load(), 0);
  EXPECT_EQ(dlg->m_bLoopIdle.load(), 1);
  EXPECT_EQ(port->Sim().openCount, 0) << "nothing is sent at start";
}

TEST_F(MainWindowTest, SettingsFileDecidesModePortAndStation) {
  QFile ini("Morvane.ini");
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[MorvaneDlg]\nPort=12\nAddr=4\nOnlineTestAll=0\n");
  ini.close();
  LoadSettings(TheAppSettings());
  OpenMainWindow();
  EXPECT_EQ(Pane(3), "Broadcast");
  EXPECT_EQ(Pane(4), "Serial Port : COM12");
  EXPECT_EQ(StationItems(), QStringList{"4"});
  EXPECT_EQ(TheDeviceState().portIndex, 11);
}

TEST_F(MainWindowTest, HoldsTheEighteenPagesAndTheNamedControls) {
  OpenMainWindow();
  const int dialogIds[CMorvaneDlg::kPageCount] = {136, 137, 165, 140, 141, 143, 145, 147, 149,
                                                  151, 152, 153, 157, 155, 158, 159, 161, 170};
  ASSERT_EQ(dlg->TabCtrl()->PageCount(), CMorvaneDlg::kPageCount);
  for (int i = 0; i < CMorvaneDlg::kPageCount; ++i) {
    EXPECT_EQ(dlg->TabCtrl()->Page(i)->objectName(), QString::number(dialogIds[i])) << i;
    EXPECT_FALSE(dlg->TabCtrl()->Page(i)->accessibleName().isEmpty()) << i;
  }
  EXPECT_NE(Tree(), nullptr);
  EXPECT_NE(dlg->findChild<CMyTabCtrl*>("1001"), nullptr);
  EXPECT_NE(Progress(), nullptr);
  ASSERT_NE(StationBox(), nullptr);
  EXPECT_EQ(StationBox()->accessibleName(), QString::fromUtf8("Station number："));
}

TEST_F(MainWindowTest, TreeHasItsItemsDataAndOpenGroups) {
  OpenMainWindow();
  const std::vector<TreeRow> expected = {{0, "Factory Calibration", 0},
                                         {1, "PV Parameters", 11},
                                         {1, "Loop & PGA Settings", 12},
                                         {1, "Pressure Calibration", 13},
                                         {1, "Calibration Check", 14},
                                         {0, "Subentry Settings", 0},
                                         {1, "Instrument Number", 21},
                                         {1, "Instrument Detail", 22},
                                         {1, "Rerange Without Pressure", 23},
                                         {1, "Two Point Trim", 24},
                                         {1, "Loop Out Character", 25},
                                         {1, "Damping Time", 26},
                                         {1, "Filter", 27},
                                         {1, "Special Parameters Settings", 28},
                                         {1, "SV Settings", 29},
                                         {0, "Monitor Process", 30},
                                         {0, "Device Reset", 40},
                                         {0, "Online Test", 50},
                                         {0, "Polling Device", 60},
                                         {0, "Stop Communication", 70}};
  const std::vector<TreeRow> rows = TreeRows(Tree());
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].depth, expected[i].depth) << i;
    EXPECT_EQ(rows[i].text, expected[i].text) << i;
    EXPECT_EQ(rows[i].data, expected[i].data) << i;
  }
  EXPECT_TRUE(TreeItem("Factory Calibration")->isExpanded());
  EXPECT_TRUE(TreeItem("Subentry Settings")->isExpanded());
}

TEST_F(MainWindowTest, MenusCarryEveryCommand) {
  OpenMainWindow();
  QMenuBar* bar = dlg->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QStringList seen;
  for (QAction* menu : bar->actions()) {
    QStringList items;
    for (QAction* item : menu->menu()->actions()) {
      if (!item->isSeparator()) items << item->text();
    }
    seen << menu->text() + ": " + items.join(" | ");
  }
  EXPECT_EQ(
      seen,
      (QStringList{
          "File(&F): Update to computer | Downloads to Device | Exit",
          "Settings(&S): Two point Trim | Cancel Linear Compensation | "
          "Cancel Thermal Compensation | Restore Thermal Compensation",
          "Monitor(&M): Reset Device | Monitor PV | Monitor Loop | "
          "Monitor Percentage | Monitor All",
          "Tools(&T): Online Test | Polling | Restore | Calculator | "
          "Default Parameters",
          "Info Look(&L): Hardware/Software Infomations | Communication Log | Device History | "
          "About  Tellavo(&A)...",
      }));
}

TEST_F(MainWindowTest, PageItemsShowTheirPagesAndStopTheJobs) {
  OpenMainWindow();
  const std::pair<const char*, int> items[] = {{"Loop & PGA Settings", 1},
                                               {"Pressure Calibration", 2},
                                               {"Instrument Number", 3},
                                               {"Instrument Detail", 4},
                                               {"Rerange Without Pressure", 5},
                                               {"Two Point Trim", 6},
                                               {"Loop Out Character", 7},
                                               {"Damping Time", 8},
                                               {"Filter", 9},
                                               {"Special Parameters Settings", 10},
                                               {"SV Settings", 11},
                                               {"Monitor Process", 12},
                                               {"Calibration Check", 17},
                                               {"PV Parameters", 0}};
  for (const auto& [text, page] : items) {
    SCOPED_TRACE(text);
    dlg->m_bJobRun = 1;
    dlg->m_bLoopRun = 1;
    ClickTreeItem(text);
    EXPECT_EQ(dlg->CurrentPage(), page);
    EXPECT_EQ(dlg->TabCtrl()->currentIndex(), page);
    EXPECT_EQ(VisiblePage(), dlg->TabCtrl()->Page(page));
    EXPECT_EQ(Tree()->currentItem(), TreeItem(text));
    EXPECT_EQ(dlg->m_bJobRun.load(), 0);
    EXPECT_EQ(dlg->m_bLoopRun.load(), 0);
  }
  EXPECT_TRUE(prompts.texts.isEmpty());
}

TEST_F(MainWindowTest, GroupAndStopItemsOnlySelectAndStop) {
  OpenMainWindow();
  ClickTreeItem("Damping Time");
  for (const char* text : {"Factory Calibration", "Subentry Settings", "Stop Communication"}) {
    SCOPED_TRACE(text);
    dlg->m_bJobRun = 1;
    dlg->m_bLoopRun = 1;
    ClickTreeItem(text);
    EXPECT_EQ(Tree()->currentItem(), TreeItem(text));
    EXPECT_EQ(dlg->m_bJobRun.load(), 0);
    EXPECT_EQ(dlg->m_bLoopRun.load(), 0);
    EXPECT_EQ(dlg->CurrentPage(), 8);
  }
  EXPECT_TRUE(TreeItem("Factory Calibration")->isExpanded());
  EXPECT_EQ(port->Sim().openCount, 0);
}

TEST_F(MainWindowTest, OnlyAClickOnTheLabelActs) {
  OpenMainWindow();
  dlg->m_bJobRun = 1;

  // The blank part of the row right of a short label.
  QTreeWidgetItem* filter = TreeItem("Filter");
  const QRect cell = Tree()->visualItemRect(filter);
  const int labelEnd = cell.left() + Tree()->fontMetrics().horizontalAdvance("Filter") + 8;
  ASSERT_LT(labelEnd + 20, Tree()->viewport()->width());
  QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(labelEnd + 20, cell.center().y()));
  EXPECT_EQ(dlg->CurrentPage(), 0);
  EXPECT_EQ(dlg->m_bJobRun.load(), 1);

  // The expand button only folds the group.
  QTreeWidgetItem* group = TreeItem("Factory Calibration");
  const QRect groupCell = Tree()->visualItemRect(group);
  QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(groupCell.left() - Tree()->indentation() / 2, groupCell.center().y()));
  EXPECT_FALSE(group->isExpanded());
  EXPECT_EQ(dlg->m_bJobRun.load(), 1);

  // Moving the selection with the keyboard does nothing either.
  Tree()->setFocus();
  Tree()->setCurrentItem(TreeItem("Monitor Process"));
  QTest::keyClick(Tree(), Qt::Key_Down);
  EXPECT_EQ(Tree()->currentItem(), TreeItem("Device Reset"));
  EXPECT_EQ(dlg->CurrentPage(), 0);
  EXPECT_EQ(dlg->m_bJobRun.load(), 1);
  EXPECT_EQ(port->Sim().openCount, 0);
}

TEST_F(MainWindowTest, MenuCommandsShowTheirPages) {
  OpenMainWindow();
  const std::pair<const char*, int> commands[] = {{"menuTwoPointTrim", 6}, {"32807", 13},
                                                  {"32808", 14},           {"32809", 15},
                                                  {"32806", 12},           {"32845", 16}};
  for (const auto& [id, page] : commands) {
    SCOPED_TRACE(id);
    TriggerMenu(id);
    EXPECT_EQ(dlg->CurrentPage(), page);
    EXPECT_EQ(VisiblePage(), dlg->TabCtrl()->Page(page));
  }
}

TEST_F(MainWindowTest, OnlineTestIdentifiesTheDeviceAtTheStationNumber) {
  loop.AddDevice(0);
  OpenMainWindow();
  RecordProgress();
  const int64_t start = clock.NowMs();
  ClickTreeItem("Online Test");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_TRUE(prompts.texts.isEmpty());
  EXPECT_EQ(progressValues, (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(Progress()->maximum(), 2);
  EXPECT_EQ(port->Sim().openedName, "COM3");
  EXPECT_EQ(Command0Addresses(), std::vector<int>{0});
  EXPECT_GE(clock.NowMs() - start, 100);

  // The menu's Online Test at a station without a device.
  TheAppSettings().pollAddress = 6;
  progressValues.clear();
  TriggerMenu("menuOnlineTest");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_EQ(prompts.texts, QStringList{"No Device"});
  EXPECT_EQ(progressValues, (std::vector<int>{1, 0}));
  EXPECT_EQ(Command0Addresses(), (std::vector<int>{0, 6, 6}));  // two attempts
}

TEST_F(MainWindowTest, OnlineTestWithoutAPort) {
  OpenMainWindow();
  port->Sim().failOpen = true;
  ClickTreeItem("Online Test");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_EQ(prompts.texts, QStringList{"Communication Port Error"});
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(MainWindowTest, WhileAnOperationRunsTheWindowTakesNoInputAndCloseWaits) {
  loop.AddDevice(0);
  OpenMainWindow();
  port->HoldCommand0To(0);
  ClickTreeItem("Online Test");
  ASSERT_TRUE(port->WaitUntilHeld());  // the exchange is out, on its worker
  EXPECT_TRUE(dlg->OperationRunning());
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  // Clicks and keys do nothing meanwhile; a close waits for the operation.
  ClickTreeItem("Damping Time");
  EXPECT_EQ(dlg->CurrentPage(), 0);
  QTest::keyClick(dlg.get(), Qt::Key_Escape);
  dlg->close();
  QCoreApplication::processEvents();
  EXPECT_TRUE(dlg->isVisible());

  port->Release();
  ASSERT_TRUE(WaitForOperation());
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !dlg->isVisible(); }, 5000));
}

// ---- Keys and closing ----

TEST_F(MainWindowTest, EnterAndEscNeverEndTheProgram) {
  loop.AddDevice(0);
  OpenMainWindow();
  auto pressKeys = [this] {
    for (QWidget* target : {static_cast<QWidget*>(Tree()), static_cast<QWidget*>(StationBox())}) {
      target->setFocus();
      for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(target, key);
    }
    QCoreApplication::processEvents();
  };
  pressKeys();
  EXPECT_TRUE(dlg->isVisible());
  // Esc in the open station list closes only the list.
  StationBox()->showPopup();
  ASSERT_TRUE(StationBox()->view()->isVisible());
  QTest::keyClick(StationBox()->view(), Qt::Key_Escape);
  EXPECT_FALSE(StationBox()->view()->isVisible());
  EXPECT_TRUE(dlg->isVisible());

  // In the middle of the PV parameters Read, a background job: the keys neither close the
  // window nor stop the Read.
  port->HoldCommand0To(0);
  QTest::mouseClick(dlg->TabCtrl()->Page(0)->findChild<QPushButton*>("1203"), Qt::LeftButton);
  ASSERT_TRUE(port->WaitUntilHeld());
  pressKeys();
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(dlg->m_bJobRun.load(), 1);
  port->Release();
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();
  EXPECT_EQ(Command0Addresses(), std::vector<int>{0});
  EXPECT_GT(loop.Requests().size(), 5u) << "the Read went on to its end";
  EXPECT_TRUE(dlg->isVisible());

  TriggerMenu("menuExit");
  EXPECT_FALSE(dlg->isVisible());
}

enum class CloseBy { CloseButton, Exit };

class CloseTest : public GuiFixture, public ::testing::WithParamInterface<CloseBy> {
 protected:
  void Close() {
    switch (GetParam()) {
      case CloseBy::CloseButton:
        dlg->close();
        break;
      case CloseBy::Exit:
        TriggerMenu("menuExit");
        break;
    }
  }
};

TEST_P(CloseTest, ClosesAtOnceWhenNoJobRuns) {
  OpenMainWindow();
  Close();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(clock.NowMs(), 0);
}

TEST_P(CloseTest, WaitsForBothIdleFlagsLookingAgainEvery200ms) {
  OpenMainWindow();
  // A job and the live AD loop are running.
  dlg->m_bJobRun = 1;
  dlg->m_bJobIdle = 0;
  dlg->m_bLoopRun = 1;
  dlg->m_bLoopIdle = 0;
  Close();
  for (int i = 0; i < 5; ++i)
    QCoreApplication::processEvents();
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(dlg->m_bJobRun.load(), 0);
  EXPECT_EQ(dlg->m_bLoopRun.load(), 0);
  EXPECT_GE(clock.NowMs(), 200);
  EXPECT_EQ(clock.NowMs() % 200, 0);

  dlg->m_bJobIdle = 1;  // the job has ended; the loop has not
  for (int i = 0; i < 5; ++i)
    QCoreApplication::processEvents();
  EXPECT_TRUE(dlg->isVisible());

  dlg->m_bLoopIdle = 1;
  EXPECT_TRUE(QTest::qWaitFor([this] { return !dlg->isVisible(); }, 5000));
}

std::string CloseByName(const ::testing::TestParamInfo<CloseBy>& info) {
  const char* names[] = {"CloseButton", "Exit"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(AllWays, CloseTest, ::testing::Values(CloseBy::CloseButton, CloseBy::Exit),
                         CloseByName);

}  // namespace
