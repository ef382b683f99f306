// The status bar's device and status panes, the link observer's threads, and the
// communication log window with its filter, clearing and capture file.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <thread>

#include "CommunicationLog.h"
#include "HexBytes.h"
#include "LinkMonitor.h"
#include "PageFixture.h"

namespace {

class LinkStatusTest : public PageFixture {
 protected:
  QLabel* StatusPane() const { return dlg->findChild<QLabel*>("statusPane2"); }
  void OnlineTest() {
    TriggerMenu("menuOnlineTest");
    ASSERT_TRUE(WaitForOperation());
  }
};

TEST_F(LinkStatusTest, PanesNameTheDeviceAndDecodeTheStatusOfItsLastReply) {
  OnlineTest();
  EXPECT_EQ(Pane(1), "26-05-0A0001, poll 0");
  EXPECT_EQ(Pane(2), "Cold start");  // the first reply after power-up

  // Status bits and a warning response code reach the panes from the next reply.
  SimFaults faults = device->Faults();
  faults.statusBits = kStatusConfigChanged | kStatusPvOutOfLimits;
  faults.forcedResponseCode = 8;
  faults.forcedResponseReplies = 2;  // the identification and the read
  device->SetFaults(faults);
  Click(Page(8), 1203);  // damping: Read, identified first
  EXPECT_EQ(Pane(1), "26-05-0A0001, poll 0");
  EXPECT_TRUE(
      Pane(2).startsWith("Configuration changed, PV out of limits; warning, response code 8"))
      << Pane(2).toStdString();
  const QString tip = StatusPane()->toolTip();
  EXPECT_TRUE(tip.contains("[x] Configuration changed")) << tip.toStdString();
  EXPECT_TRUE(tip.contains("[  ] Cold start")) << tip.toStdString();

  // A silent device: the pane says so and keeps the device.
  faults.silent = true;
  device->SetFaults(faults);
  OnlineTest();
  EXPECT_EQ(Pane(2), "No reply");
  TakePrompts();
}

TEST_F(LinkStatusTest, FramesFromAWorkerAndTheUiThreadAreLoggedInOrderAndTheLogIsBounded) {
  LinkMonitor monitor;
  LinkFrame frame;
  frame.bytes = Hex("FF FF FF FF FF 02 80 00 00 82");
  frame.result = HART_OK;
  std::thread worker([&] {
    for (size_t i = 0; i < LinkMonitor::kCapacity; ++i)
      monitor.OnFrame(frame);
  });
  worker.join();
  frame.bytes = Hex("FF FF FF FF FF 82 A6 05 0A 00 01 01 00 2F");
  for (int i = 0; i < 5; ++i)
    monitor.OnFrame(frame);  // on the UI thread
  QCoreApplication::processEvents();
  ASSERT_EQ(monitor.Frames().size(), LinkMonitor::kCapacity);
  EXPECT_EQ(monitor.Frames().front().serial, 6u);
  EXPECT_EQ(monitor.Frames().front().command, 0);
  EXPECT_EQ(monitor.Frames().back().command, 1);
  EXPECT_EQ(monitor.DeviceText(), "26-05-0A0001");  // no command 0 reply named its address
}

TEST_F(LinkStatusTest, TheLogWindowDuringASearchFiltersClearsAndSavesACapture) {
  TriggerMenu("menuPolling");  // a search of all 16 addresses, as a background job
  dlg->ShowCommunicationLog();
  CommunicationLogDlg* log = dlg->CommunicationLog();
  ASSERT_NE(log, nullptr);
  EXPECT_TRUE(log->isVisible());
  ASSERT_TRUE(WaitForJobEnd());
  QCoreApplication::processEvents();
  FrameLogModel* model = log->Model();
  const int all = model->rowCount();
  EXPECT_GE(all, 2 * 16);  // a request and what came back, for every address
  // Besides command 0, the search asked the device that answered for its tag (command 13).
  int commandZero = 0;
  for (int row = 0; row < all; ++row)
    commandZero += model->FrameAt(row).command == 0 ? 1 : 0;
  EXPECT_EQ(commandZero, all - 2);

  // Command 0 only, then a filter that does not read: the rows stay.
  Click(Page(8), 1203);
  QCoreApplication::processEvents();
  auto* filter = log->findChild<QLineEdit*>("commandFilter");
  QTest::keyClicks(filter, "0");
  EXPECT_EQ(model->rowCount(), commandZero + 2);  // the read's command 0 exchange
  for (int row = 0; row < model->rowCount(); ++row)
    ASSERT_EQ(model->FrameAt(row).command, 0);
  QTest::keyClicks(filter, ", x");
  EXPECT_EQ(model->rowCount(), commandZero + 2);
  EXPECT_FALSE(log->findChild<QLabel*>("filterProblem")->text().isEmpty());
  filter->clear();
  QTest::keyClicks(filter, "15 48");  // the damping read's
  EXPECT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->data(model->index(0, FrameLogModel::kDirection), Qt::DisplayRole), "->");
  EXPECT_TRUE(model->data(model->index(1, FrameLogModel::kDecode), Qt::DisplayRole)
                  .toString()
                  .startsWith("ACK long M1 26:05:0A0001 cmd 15"));

  // Save writes the capture of the rows shown: the file header and one record each.
  prompts.fileAnswer = "log.pcap";
  QTest::mouseClick(log->findChild<QPushButton*>("buttonSave"), Qt::LeftButton);
  QFile file("log.pcap");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(bytes, log->CaptureBytes());
  ASSERT_GT(bytes.size(), 24);
  EXPECT_EQ(bytes.left(4), QByteArray("\xD4\xC3\xB2\xA1", 4));
  int records = 0;
  for (qsizetype at = 24; at + 16 <= bytes.size(); ++records)
    at += 16 + static_cast<uint8_t>(bytes[at + 8]) + 256 * static_cast<uint8_t>(bytes[at + 9]);
  EXPECT_EQ(records, 2);

  QTest::mouseClick(log->findChild<QPushButton*>("buttonClear"), Qt::LeftButton);
  EXPECT_EQ(model->rowCount(), 0);
  EXPECT_TRUE(dlg->Monitor()->Frames().empty());
  TakePrompts();
}

}  // namespace
