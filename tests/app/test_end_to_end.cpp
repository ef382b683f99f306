// The program as scripts/run sets it up: hart-sim on a pseudo-terminal linked as COM3 in the
// working folder, the default settings, the real serial port and the real clock.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "CMyTabCtrl.h"

#include "AppSettings.h"
#include "DeviceRecorder.h"
#include "GuiFixture.h"
#include "RecordStore.h"
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
  // Pumps the UI until the background job and the live display have ended.
  bool WaitForJobs() {
    return QTest::qWaitFor(
        [this] { return dlg->m_bJobIdle.load() == 1 && dlg->m_bLoopIdle.load() == 1; }, 20000);
  }
  void Click(QWidget* page, int id) {
    QTest::mouseClick(page->findChild<QPushButton*>(QString::number(id)), Qt::LeftButton);
    ASSERT_TRUE(WaitForOperation());
  }
  SimProcess sim_{"--address 0 --address 5 --no-pacing --hartip 0", HART_SIM_PATH,
                  /*commands=*/true};
  std::unique_ptr<DeviceRecorder> recorder_;  // outlives the window
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

TEST_F(EndToEndTest, ALinkInTheSettingsReachesTheDeviceOverHartIp) {
  const int port = sim_.HartIpPort();
  ASSERT_NE(port, 0) << "hart-sim serves no HART-IP";
  const std::string address = "127.0.0.1:" + std::to_string(port);
  TheAppSettings().link = "hartip://" + address;
  OpenMainWindow();
  EXPECT_EQ(Pane(4), QString::fromStdString("HART-IP : " + address));
  ClickTreeItem("Online Test");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();
  EXPECT_EQ(Pane(1), "26-05-0A0001, poll 0");
  EXPECT_NE(sim_.Log().find("via HART-IP UDP"), std::string::npos);

  // Over TCP, and to a port where nobody serves: the reason follows the usual message.
  TheAppSettings().link = "hartip+tcp://" + address;
  dlg->ApplySettings();
  ClickTreeItem("Online Test");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();
  EXPECT_NE(sim_.Log().find("via HART-IP TCP"), std::string::npos);
  TheAppSettings().link = "hartip+tcp://127.0.0.1:1";
  dlg->ApplySettings();
  ClickTreeItem("Online Test");
  ASSERT_TRUE(WaitForOperation());
  ASSERT_EQ(prompts.texts.size(), 1);
  EXPECT_TRUE(prompts.texts[0].startsWith("Communication Port Error\n"))
      << prompts.texts[0].toStdString();
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

TEST_F(EndToEndTest, ADampingUpdateIsRecordedInRecordsDbWithTheValueBeforeAndAfter) {
  ASSERT_TRUE(sim_.ready()) << "hart-sim did not start";
  // As the program starts: Records.db and the journal in the working folder.
  recorder_ = std::make_unique<DeviceRecorder>(QString(), RecordsJournalPath());
  OpenMainWindow();
  dlg->SetRecorder(recorder_.get());
  dlg->ShowPage(8);
  QWidget* page = dlg->TabCtrl()->Page(8);
  Click(page, 1203);  // Read
  page->findChild<QLineEdit*>("1212")->setText("3.3");
  Click(page, 1204);  // Update
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();
  ASSERT_TRUE(recorder_->Flush(10000));
  EXPECT_EQ(Pane(0), "Ready");

  RecordsLocation where;
  QString error;
  ASSERT_TRUE(ParseRecordsLocation(QString(), where, &error)) << error.toStdString();
  const auto store = RecordStore::Open(where, &error);
  ASSERT_TRUE(store) << error.toStdString();
  const std::vector<DeviceRecord> records =
      store->Records("26-05-0A0001", "-> 3.3000 s", 10, &error);
  ASSERT_EQ(records.size(), 1u) << error.toStdString();
  EXPECT_EQ(records[0].operation, "Damping Time > Update");
  EXPECT_EQ(records[0].detail, "Damping Time 0.5000 s -> 3.3000 s (device: 3.3000 s)");
  EXPECT_EQ(records[0].result, "OK");
  EXPECT_EQ(records[0].tag, "");  // no tag read in this run
  EXPECT_FALSE(records[0].station.isEmpty());
}

TEST_F(EndToEndTest, TheOperatorCalibratesTheRoomPointApplyingPressuresAtTheSimulator) {
  ASSERT_TRUE(sim_.ready()) << "hart-sim did not start";
  OpenMainWindow();
  dlg->ShowPage(2);
  QWidget* page = dlg->TabCtrl()->Page(2);
  Click(page, 1392);  // the point counts
  auto* current = page->findChild<QComboBox*>("1389");
  current->setCurrentIndex(1);
  emit current->activated(1);

  // Row 0 at -100 kPa; row 10 where the reference reads 1000 while the sensor has 900.
  const std::pair<int, const char*> rows[] = {{0, "-100"}, {10, "900"}};
  for (const auto& [row, applied] : rows) {
    ASSERT_TRUE(sim_.Say(std::string("device 0 pressure ") + applied));
    ASSERT_TRUE(sim_.WaitForLog(std::string("ok device 0: pressure ") + applied)) << sim_.Log();
    auto* pressure = page->findChild<QLineEdit*>(QString::number(1421 + row));
    pressure->setText(row == 0 ? "-100" : "1000");
    Click(page, 1600 + row);
    Click(page, 1291);  // Stop the live display
    ASSERT_TRUE(WaitForJobs());
  }
  Click(page, 1204);  // Update
  ASSERT_TRUE(WaitForJobs());
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();

  // The transmitter now reads the reference's value.
  sim_.Say("device 0 status");
  ASSERT_TRUE(sim_.WaitForLog("ok device 0: PV ")) << sim_.Log();
  const std::string log = sim_.Log();
  const double pv = std::atof(log.c_str() + log.rfind("ok device 0: PV ") + 16);
  EXPECT_NEAR(pv, 1000.0, 0.5) << log;
}

TEST_F(EndToEndTest, TheProcessMonitorShowsThePvFollowThePressureTypedAtTheSimulator) {
  ASSERT_TRUE(sim_.ready()) << "hart-sim did not start";
  OpenMainWindow();
  TriggerMenu("32806");  // Monitor All
  QWidget* page = dlg->TabCtrl()->Page(12);
  auto* pv = page->findChild<QLineEdit*>("1287");
  ASSERT_TRUE(QTest::qWaitFor([pv] { return pv->text() == "0.0000"; }, 10000))
      << pv->text().toStdString();
  ASSERT_TRUE(sim_.Say("pressure 80"));
  EXPECT_TRUE(QTest::qWaitFor([pv] { return pv->text() == "80.0000"; }, 10000))
      << pv->text().toStdString();
  Click(page, 1291);
  EXPECT_TRUE(WaitForJobs());
  EXPECT_TRUE(prompts.texts.isEmpty()) << prompts.texts.join("; ").toStdString();
}

TEST_F(EndToEndTest, MaintenanceCommandsAndTheDeviceInformationThroughTheRealPort) {
  ASSERT_TRUE(sim_.ready()) << "hart-sim did not start";
  OpenMainWindow();
  TriggerMenu("menuCancelThermal");
  ASSERT_TRUE(WaitForOperation());
  TriggerMenu("menuRestoreThermal");
  ASSERT_TRUE(WaitForOperation());
  // Both thermal commands asked, naming the device.
  ASSERT_EQ(prompts.texts.size(), 4);
  EXPECT_TRUE(prompts.texts[0].startsWith("Cancel the thermal compensation of PT-101 ("));
  EXPECT_TRUE(prompts.texts[1].startsWith("Thermal compensation cancelled on PT-101 ("));
  EXPECT_TRUE(prompts.texts[2].startsWith("Restore the thermal compensation of PT-101 ("));
  EXPECT_TRUE(prompts.texts[3].startsWith("Thermal compensation restored on PT-101 ("));
  prompts.texts.clear();
  TriggerMenu("menuResetDevice");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_EQ(prompts.texts, QStringList{"Reset?"});
  dlg->ShowPage(16);
  QWidget* page = dlg->TabCtrl()->Page(16);
  Click(page, 1363);
  EXPECT_EQ(page->findChild<QLineEdit*>("1339")->text(), "V2.05");
  EXPECT_EQ(prompts.texts, QStringList{"Reset?"});
  // The frames hart-sim saw, in order.
  const std::string log = sim_.Log();
  for (const char* frame : {"cmd 225", "cmd 226", "cmd 42", "cmd 162"})
    EXPECT_NE(log.find(frame), std::string::npos) << frame;
}

}  // namespace
