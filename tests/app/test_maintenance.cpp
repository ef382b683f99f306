// The main window's maintenance commands against the simulated transmitter (3 temperature
// points): reset, factory default, cancelling the linear and the thermal compensation, and
// restoring the thermal compensation from its backup file.
#include <QFile>

#include "AppSettings.h"
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
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 221, 225, 226, 225, 226, 225, 226, 42}));
  // The identification's own bar, then the cancel's.
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 4, 5, 6, 7, 8, 18, 0}));
  EXPECT_EQ(DeviceTads(), (std::vector<uint16_t>(3, 0xFFFF)));
  EXPECT_TRUE(QFile::exists("ThermalBackup.ini"));

  // A second cancel finds the points cancelled and keeps the factory values.
  Menu("menuCancelThermal");
  CommandsSent();

  // The program closed and started again: the backup is still there, for this device.
  dlg.reset();
  OpenMainWindow();
  TakeProgress();
  RecordProgress();
  Menu("menuRestoreThermal");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 221, 226, 226, 226, 42}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 4, 5, 10, 0}));
  EXPECT_EQ(DeviceTads(), factory);
  EXPECT_TRUE(TakePrompts().isEmpty());

  // Another device (another id) has no backup: nothing is written to it.
  loop.RemoveDevice(0);
  device = &loop.AddDevice(0);
  ASSERT_NE(device->Identity().deviceId, 0x0A0001u);
  Menu("menuRestoreThermal");
  EXPECT_EQ(TakePrompts(), QStringList{"No thermal compensation backup for this device"});
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 221}));
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
                                        "Cancel The Factory Calibration?"}));

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
