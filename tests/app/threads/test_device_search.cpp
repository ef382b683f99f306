// Device search on its worker thread: what it finds, how it stops, and what the window
// does while it runs.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "AppSettings.h"
#include "Encoding.h"
#include "GuiFixture.h"
#include "SearchResultsDlg.h"

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

  // Names a simulated device by its tag (packed ASCII in its configuration image).
  static void SetTag(SimTransmitter& device, const char* tag) {
    SimImage image = device.Image();
    char padded[9];
    std::snprintf(padded, sizeof padded, "%-8s", tag);
    PackAscii(padded, image.Data() + image::kTag, 8);
    device.SetImage(image);
  }

  // The window the search ended in, while it is open.
  SearchResultsDlg* Results() const {
    auto* results = dlg->findChild<SearchResultsDlg*>();
    return results && results->isVisible() ? results : nullptr;
  }
  static QString Heading(SearchResultsDlg* results) {
    return results->findChild<QLabel*>("searchHeading")->text();
  }
  static QStringList Rows(SearchResultsDlg* results) {
    QStringList rows;
    QTableWidget* table = results->Table();
    for (int row = 0; row < table->rowCount(); ++row) {
      QStringList cells;
      for (int column = 0; column < table->columnCount(); ++column)
        cells << table->item(row, column)->text();
      rows << cells.join(" | ");
    }
    return rows;
  }
  static void DoubleClickRow(SearchResultsDlg* results, int row) {
    QTableWidget* table = results->Table();
    const QRect cell = table->visualItemRect(table->item(row, SearchResultsDlg::kTag));
    // As the mouse sends it: a click, then the second press as a double click.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  }
  static void ClickOk(SearchResultsDlg* results) {
    auto* buttons = results->findChild<QDialogButtonBox*>();
    for (QAbstractButton* button : buttons->buttons())
      if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
        QTest::mouseClick(button, Qt::LeftButton);
  }
  // A search from the menu on an empty loop, in virtual milliseconds.
  int64_t EmptySearchMs() {
    const int64_t start = clock.NowMs();
    TriggerMenu("menuPolling");
    EXPECT_TRUE(WaitForJobEnd());
    return clock.NowMs() - start;
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

TEST_F(DeviceSearchTest, ListsTheDevicesFoundAndTheOneChosenBecomesTheStation) {
  loop.AddDevice(3);  // PT-101, manufacturer 0x26, type 0x05, id 0A0001
  SimTransmitter& flow = loop.AddDevice(7);
  SimIdentity identity = flow.Identity();
  identity.manufacturerId = 0x11;
  identity.deviceType = 0xE2;
  identity.deviceId = 0x123456;
  flow.SetIdentity(identity);
  SetTag(flow, "FT-202");
  SetTag(loop.AddDevice(12), "LT-303");
  OpenMainWindow();
  RecordProgress();
  TriggerMenu("menuPolling");
  ASSERT_TRUE(WaitForJobEnd());

  // No message: the window says what the search found, the box names each device.
  EXPECT_TRUE(prompts.texts.isEmpty());
  SearchResultsDlg* results = Results();
  ASSERT_NE(results, nullptr);
  EXPECT_EQ(Heading(results), "Online 3 Device");
  EXPECT_EQ(Rows(results), (QStringList{"3 | PT-101 | 0x26 | 0x05 | 0x0A0001",
                                        "7 | FT-202 | 0x11 | 0xE2 | 0x123456",
                                        "12 | LT-303 | 0x26 | 0x05 | 0x0A0003"}));
  const QStringList items{"3 - PT-101", "7 - FT-202", "12 - LT-303"};
  EXPECT_EQ(StationItems(), items);
  EXPECT_EQ(StationBox()->currentText(), "3 - PT-101");
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 3);
  EXPECT_EQ(Progress()->maximum(), 17);
  std::vector<int> expected = Range(1, 17);
  expected.push_back(0);
  EXPECT_EQ(progressValues, expected);
  EXPECT_EQ(Command0Addresses(), Asked(15, {3, 7, 12}));
  EXPECT_EQ(dlg->m_bJobRun.load(), 0);

  // OK takes the selected row; choosing sends nothing.
  const size_t sent = loop.Requests().size();
  results->Table()->selectRow(1);
  ClickOk(results);
  EXPECT_EQ(Results(), nullptr);
  EXPECT_EQ(StationBox()->currentText(), "7 - FT-202");
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 7);
  EXPECT_EQ(loop.Requests().size(), sent);

  // The box's items carry their addresses: the next one is 12, whatever its text says.
  StationBox()->setFocus();
  QTest::keyClick(StationBox(), Qt::Key_Down);
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 12);

  // A second search starts the box afresh; a double click chooses.
  TriggerMenu("menuPolling");
  ASSERT_TRUE(WaitForJobEnd());
  results = Results();
  ASSERT_NE(results, nullptr);
  EXPECT_EQ(StationItems(), items);
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 3);
  DoubleClickRow(results, 2);
  EXPECT_EQ(Results(), nullptr);
  EXPECT_EQ(StationBox()->currentText(), "12 - LT-303");
  EXPECT_EQ(TheAppSettings().pollAddress.load(), 12);
  EXPECT_TRUE(prompts.texts.isEmpty());
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
  EXPECT_EQ(Results(), nullptr);
  // 32 silent exchanges of virtual time, none of it real.
  EXPECT_GT(clock.NowMs() - start, 32 * 1000);
}

TEST_F(DeviceSearchTest, TheReplyTimeOutChosenInTheSettingsReachesTheLink) {
  OpenMainWindow();
  const int64_t tolerant = EmptySearchMs();
  TheAppSettings().replyTimeout = AppSettings::ReplyTimeout::Standard;
  dlg->ApplySettings();
  const int64_t standard = EmptySearchMs();
  TheAppSettings().replyTimeout = AppSettings::ReplyTimeout::Tolerant;
  dlg->ApplySettings();
  EXPECT_EQ(EmptySearchMs(), tolerant);

  EXPECT_EQ(prompts.texts, (QStringList{"No Device", "No Device", "No Device"}));
  // 32 silent exchanges each: at least the 277 ms a reply may take to start, and far less
  // than the tolerant quiet allowance.
  EXPECT_GE(standard, 32 * kHartStandardReplyStartMs);
  EXPECT_LT(standard * 3, tolerant);
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
  EXPECT_EQ(prompts.texts, (QStringList{"Online Device Searching?", "Online Device Searching?"}));
  ASSERT_NE(Results(), nullptr);
  EXPECT_EQ(Heading(Results()), "Online 1 Device");
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
  // The window says where it stopped and lists what it had found.
  EXPECT_TRUE(prompts.texts.isEmpty());
  SearchResultsDlg* results = Results();
  ASSERT_NE(results, nullptr);
  EXPECT_EQ(Heading(results), "Search stopped at address 5: 1 device found (3)");
  EXPECT_EQ(Rows(results), QStringList{"3 | PT-101 | 0x26 | 0x05 | 0x0A0001"});
  EXPECT_EQ(StationItems(), QStringList{"3 - PT-101"});
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
  ASSERT_NE(Results(), nullptr);
  EXPECT_EQ(Heading(Results()), "Search stopped at address 5: 1 device found (3)");
  EXPECT_EQ(Command0Addresses(), Asked(5, {3}));
}

TEST_F(DeviceSearchTest, PollingFromTheMenuDuringASearchIsBusyAndLetsItRun) {
  StartSearchHeldAtAddress5();
  TriggerMenu("menuPolling");
  EXPECT_EQ(prompts.texts, QStringList{"Busy!Try later."});
  port->Release();
  ASSERT_TRUE(WaitForJobEnd());
  ASSERT_NE(Results(), nullptr);
  EXPECT_EQ(Heading(Results()), "Online 2 Device");
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
  EXPECT_EQ(dlg->findChild<SearchResultsDlg*>(), nullptr);  // the message in its place
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
  QPointer<SearchResultsDlg> results = Results();
  ASSERT_NE(results, nullptr);
  EXPECT_EQ(Heading(results), "Search stopped at address 5: 1 device found (3)");
  EXPECT_EQ(Command0Addresses(), Asked(5, {3}));
  EXPECT_TRUE(dlg->isVisible());

  // Idle, Esc does nothing; Exit still ends the program, and takes the results with it.
  QTest::keyClick(Tree(), Qt::Key_Escape);
  EXPECT_TRUE(dlg->isVisible());
  TriggerMenu("menuExit");
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_TRUE(!results || !results->isVisible());
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
