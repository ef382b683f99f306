// The PV parameters page against the simulated transmitter: one Read as a background job,
// the unit lists converting the range values, the preset ranges and the pressure mode.
#include "AppSettings.h"
#include "PageFixture.h"
#include "SimBytes.h"
#include "SimImage.h"
#include "Texts.h"
#include "ranging/CComprehensiveParamDlg.h"

namespace {

class PvParametersPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = Page(0);
    sensorUnit = Combo(page, 1230);
    pvUnit = Combo(page, 1112);
  }
  void ClickRead() {
    Click(page, 1203);
    ASSERT_TRUE(WaitForJobEnd());
  }
  QStringList Ranges() const {
    return {Edit(page, 1232)->text(), Edit(page, 1233)->text(), Edit(page, 1207)->text(),
            Edit(page, 1205)->text()};
  }
  CComprehensiveParamDlg* Dlg() const { return static_cast<CComprehensiveParamDlg*>(page); }

  QWidget* page = nullptr;
  QComboBox *sensorUnit = nullptr, *pvUnit = nullptr;
};

TEST_F(PvParametersPage, ReadShowsWhatTheDeviceKnowsInOneJob) {
  EXPECT_EQ(dlg->CurrentPage(), 0);  // the page the window opens on
  SimImage m = device->Image();
  m.SetU8(image::kSensorType, 5);
  m.SetU8(image::kExcitation, 0xF9);
  m.SetU8(image::kAlarmType, 1);
  m.SetU8(image::kDisplayMode, 2);
  m.SetU8(image::kNumberFormat, 3);
  m.SetU8(image::kTransfer, 1);
  m.SetF32(image::kDamping, 2.5f);
  m.SetU32(image::kAssembly, 4660);
  m.SetU8(image::kPressureMode, 1);
  simbytes::PackText("LINE 7", m.Data() + image::kMessage, 32);
  device->SetImage(m);

  ClickRead();
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 148, 149, 15, 147, 150, 12, 16, 216}));
  EXPECT_EQ(Ranges(), (QStringList{"-100.0000", "1000.0000", "-100.0000", "1000.0000"}));
  EXPECT_EQ(sensorUnit->currentText(), "   kPa");
  EXPECT_EQ(Combo(page, 1104)->currentText(), "Metal Capacitive Sensor");
  EXPECT_EQ(Combo(page, 1231)->currentText(), "0.75mA");
  EXPECT_EQ(Combo(page, 1109)->currentText(), "2.083K");
  EXPECT_EQ(Combo(page, 1216)->currentText(), "3.8mA");
  EXPECT_EQ(Combo(page, 1217)->currentText(), "Display Loop mA");
  EXPECT_EQ(Combo(page, 1218)->currentText(), "3 decimal");
  EXPECT_EQ(Combo(page, 1211)->currentText(), "SQRT");
  EXPECT_EQ(Edit(page, 1212)->text(), "2.5000");
  EXPECT_EQ(Edit(page, 1237)->text(), "4660");
  EXPECT_EQ(Edit(page, 1238)->text().trimmed(), "LINE 7");
  EXPECT_EQ(Combo(page, 1381)->currentText(), "Absolute Modes");
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
  EXPECT_TRUE(TakePrompts().isEmpty());

  // A unit code the lists do not have leaves them, and the unit of the edits, as they were.
  Choose(pvUnit, 2);  // bar: the edits follow
  ASSERT_EQ(Dlg()->m_nUnitIndex, 2);
  m = device->Image();
  m.SetU8(image::kUnit, 99);
  device->SetImage(m);
  ClickRead();
  EXPECT_EQ(pvUnit->currentIndex(), 2);
  EXPECT_EQ(sensorUnit->currentIndex(), 2);
  EXPECT_EQ(Dlg()->m_nUnitIndex, 2);
}

TEST_F(PvParametersPage, AUnitChangeConvertsTheFourValuesAndAPresetRangeDoesNot) {
  ClickRead();
  CommandsSent();
  Choose(pvUnit, 3);  // psi
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 145}));
  EXPECT_EQ(sensorUnit->currentIndex(), 3);
  EXPECT_EQ(Ranges(), (QStringList{"-14.5038", "145.0380", "-14.5038", "145.0380"}));
  Choose(sensorUnit, 3);  // already the unit of the edits
  EXPECT_TRUE(CommandsSent().empty());

  // A failed read of the conversion parameters leaves the values in their unit; the PV
  // list's message has its blank after the colon. (Broadcast: no identification first.)
  TheAppSettings().onlineTestAll = 0;
  device->SetSilent(true);
  Choose(pvUnit, 0);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure: No response,timeout!"});
  EXPECT_EQ(Ranges()[1], "145.0380");
  EXPECT_EQ(Dlg()->m_nUnitIndex, 3);
  device->SetSilent(false);

  // The range index list works for the metal capacitive sensor only.
  QComboBox* rangeIndex = Combo(page, 1105);
  Choose(Combo(page, 1104), 5);
  ASSERT_TRUE(rangeIndex->isEnabled());
  CommandsSent();
  Choose(rangeIndex, 5);  // "7E": 0 .. 2.5 MPa, written as they stand
  EXPECT_TRUE(CommandsSent().empty());
  EXPECT_EQ(Ranges(), (QStringList{"0", "2.5", "0", "2.5"}));
  EXPECT_EQ(pvUnit->currentText(), "   MPa");
  EXPECT_EQ(Dlg()->m_nUnitIndex, 3);
  Choose(Combo(page, 1104), 2);
  EXPECT_FALSE(rangeIndex->isEnabled());
}

TEST_F(PvParametersPage, ThePressureModeGoesOutAtOnceAndTheListShowsWhatTheDeviceHas) {
  QComboBox* mode = Combo(page, 1381);
  Choose(mode, 1);
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 215}));
  EXPECT_EQ(device->Image().U8(image::kPressureMode), 1);

  device->SetWriteProtected(true);
  Choose(mode, 0);
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:In write protect mode"});
  EXPECT_EQ(device->Image().U8(image::kPressureMode), 1);
  EXPECT_EQ(mode->currentIndex(), 1);
}

TEST_F(PvParametersPage, LeavingThePageStopsTheReadAndASecondReadMeanwhileIsBusy) {
  port->HoldCommand0To(0);
  QTest::mouseClick(Control<QPushButton>(page, 1203), Qt::LeftButton);
  ASSERT_TRUE(port->WaitUntilHeld());
  // The job leaves the window free: a second Read is refused, nothing more sent.
  QTest::mouseClick(Control<QPushButton>(page, 1203), Qt::LeftButton);
  EXPECT_EQ(TakePrompts(), QStringList{Texts::kBusySpaced});

  dlg->ShowPage(8);
  port->Release();
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0}));
  EXPECT_EQ(Edit(page, 1207)->text(), "");
  EXPECT_EQ(Progress()->value(), 0);
  EXPECT_TRUE(TakePrompts().isEmpty());
}

}  // namespace
