// The main window's maintenance commands against the simulated transmitter (3 temperature
// points): reset, factory default, cancelling the linear and the thermal compensation, and
// restoring the thermal compensation from its backup file.
#include <QDir>
#include <QFile>

#include "AppSettings.h"
#include "FileSizeLimit.h"
#include "PageFixture.h"
#include "SimImage.h"

namespace {

class Maintenance : public PageFixture {
 protected:
  void Menu(const char* name) {
    TriggerMenu(name);
    ASSERT_TRUE(WaitForOperation());
  }
  std::vector<uint16_t> DeviceTads() const {
    SimImage m = device->Image();
    std::vector<uint16_t> tads;
    for (size_t k = 0; k < 3; ++k)
      tads.push_back(m.U16(image::kTemperatureAd0 + 8 * k));
    return tads;
  }
  void SetPoints(uint8_t t) {
    SimImage m = device->Image();
    m.SetU8(image::kTemperaturePoints, t);
    device->SetImage(m);
  }
};

TEST_F(Maintenance, ThermalCompensationCancelledAndRestoredAlsoAfterARestart) {
  const std::vector<uint16_t> factory = DeviceTads();
  ASSERT_NE(factory[0], 0xFFFF);
  Menu("menuCancelThermal");
  // Every point read and kept before the first is overwritten.
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 221, 13, 225, 225, 225, 226, 226, 226, 42}));
  // The identification's own bar, then the cancel's.
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 4, 5, 6, 7, 8, 18, 0}));
  EXPECT_EQ(DeviceTads(), (std::vector<uint16_t>(3, 0xFFFF)));
  EXPECT_TRUE(QFile::exists("ThermalBackup.ini"));
  EXPECT_EQ(TakePrompts(),
            (QStringList{"Cancel the thermal compensation of PT-101 (26-05-0A0001)?\n\nThe "
                         "device's factory thermal compensation (3 temperature points) will be "
                         "overwritten. Its present values are kept in ThermalBackup.ini first, so "
                         "that \"Restore Thermal Compensation\" can put them back.",
                         "Thermal compensation cancelled on PT-101 (26-05-0A0001). Its values are "
                         "kept in ThermalBackup.ini."}));

  // A second cancel finds the points cancelled and keeps the factory values.
  Menu("menuCancelThermal");
  CommandsSent();
  TakePrompts();

  // The program closed and started again: the backup is still there, for this device.
  dlg.reset();
  OpenMainWindow();
  TakeProgress();
  RecordProgress();
  Menu("menuRestoreThermal");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 221, 13, 226, 226, 226, 42}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 4, 5, 10, 0}));
  EXPECT_EQ(DeviceTads(), factory);
  EXPECT_EQ(TakePrompts(),
            (QStringList{"Restore the thermal compensation of PT-101 "
                         "(26-05-0A0001) from ThermalBackup.ini?\n\nThe device's "
                         "present thermal compensation (3 temperature points) will "
                         "be overwritten.",
                         "Thermal compensation restored on PT-101 (26-05-0A0001)."}));

  // Another device (another id) has no backup: nothing is written to it.
  loop.RemoveDevice(0);
  device = &loop.AddDevice(0);
  ASSERT_NE(device->Identity().deviceId, 0x0A0001u);
  Menu("menuRestoreThermal");
  EXPECT_EQ(TakePrompts(), QStringList{"No thermal compensation backup for this device"});
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 221}));
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(Maintenance, ThermalCancelSendsNothingUnlessAgreedAndTheBackupIsSafeOnDisk) {
  const std::vector<uint16_t> factory = DeviceTads();
  QFile other("ThermalBackup.ini");
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  QByteArray kept = "[260599AAAA]\nPoint0=111\nPoint1=222\nPoint2=333\n";
  kept += QByteArray(4000, ';') + "\n";  // a file of some size, as after many devices
  other.write(kept);
  other.close();

  prompts.confirmAnswers = {false};
  Menu("menuCancelThermal");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 221, 13}));
  EXPECT_EQ(Progress()->value(), 0);
  TakePrompts();

  // A full disk: the backup cannot be written, so the device keeps its compensation and the
  // other device's entries stay.
  {
    FileSizeLimit limit(1024);
    Menu("menuCancelThermal");
  }
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 221, 13, 225, 225, 225}));
  EXPECT_EQ(DeviceTads(), factory);
  const QStringList shown = TakePrompts();
  ASSERT_EQ(shown.size(), 2);
  EXPECT_EQ(shown[1],
            "The thermal compensation backup could not be kept, so nothing was sent "
            "to the device.\nCould not save " +
                QDir::current().filePath("ThermalBackup.ini") + ": File too large");
  ASSERT_TRUE(other.open(QIODevice::ReadOnly));
  EXPECT_EQ(other.readAll(), kept);
  EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(Maintenance, PointCountsThatCannotBeKeptAreRefusedBeforeAnythingChanges) {
  for (uint8_t t : {0, 9}) {
    SetPoints(t);
    Menu("menuCancelThermal");
    EXPECT_EQ(TakePrompts(), QStringList{QString("Device reports %1 temperature points (1 to 8 "
                                                 "can be compensated)")
                                             .arg(t)});
    EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 221}));
  }
}

TEST_F(Maintenance, ResetRestoreAndCancelLinearAskFirstAndSpellTheirFailures) {
  prompts.confirmAnswers = {false};
  Menu("menuResetDevice");
  EXPECT_EQ(TakePrompts(), QStringList{"Reset?"});
  EXPECT_TRUE(CommandsSent().empty());
  Menu("menuResetDevice");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 42}));
  ClickTreeItem("Device Reset");
  ASSERT_TRUE(WaitForOperation());
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 42}));
  Menu("menuRestore");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 164}));
  Menu("menuCancelLinear");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 231}));
  EXPECT_EQ(device->Image().U32(image::kTable0), 0xFFFFFFFFu);
  EXPECT_EQ(TakePrompts(), (QStringList{"Reset?", "Reset?", "Restore Factory Default",
                                        "The device's factory default configuration is restored.",
                                        "Cancel The Factory Calibration?",
                                        "The device's factory calibration is cancelled."}));

  // Broadcast, nobody answering: the menu's reset and the linear cancel with a blank.
  TheAppSettings().onlineTestAll = 0;
  device->SetSilent(true);
  Menu("menuResetDevice");
  ClickTreeItem("Device Reset");
  ASSERT_TRUE(WaitForOperation());
  Menu("menuCancelLinear");
  EXPECT_EQ(TakePrompts(), (QStringList{"Reset?", "Communication Failure: No response,timeout!",
                                        "Reset?", "Communication Failure:No response,timeout!",
                                        "Cancel The Factory Calibration?",
                                        "Communication Failure: No response,timeout!"}));

  dlg->m_bJobIdle = 0;
  Menu("menuCancelLinear");
  EXPECT_EQ(TakePrompts(), QStringList{"Busy!Try later."});
  dlg->m_bJobIdle = 1;
}

}  // namespace
