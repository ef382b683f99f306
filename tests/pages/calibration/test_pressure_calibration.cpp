// The multi-point calibration page against the simulated transmitter (3 temperature points
// of 11 pressure points, -100 .. 1000 kPa, the room point 1 at 25 degC): sampling rows at
// applied pressures, writing and reading back a table, the live AD display and the refusals.
#include "CReadOnlyEdit.h"
#include "PageFixture.h"
#include "SimImage.h"
#include "calibration/CDuoDianDlg.h"

namespace {

constexpr int kPage = 2;
constexpr int kRoomTable = 1 * 11;  // first entry of the room point's table

class CalibrationPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    page = static_cast<CDuoDianDlg*>(Page(kPage));
  }
  QLineEdit* PressureEdit(int row) const {
    return page->findChild<QLineEdit*>(
        QString::number(row <= 16 ? 1421 + row : 1443 + 4 * (row - 18)));
  }
  QLineEdit* AdEdit(int row) const {
    return page->findChild<QLineEdit*>(
        QString::number(row <= 16 ? 1401 + row : 1445 + 4 * (row - 18)));
  }
  CReadOnlyEdit* Box(int id) const { return Control<CReadOnlyEdit>(page, id); }
  // Reads the counts and the temperatures and makes `point` the current temperature point.
  void ReadCountsAt(int point) {
    Click(page, 1392);
    Click(page, 1399);
    Choose(Combo(page, 1389), point);
  }
  // Applies `kPa` to the transmitter, types `typed` into the row and samples it; the live
  // display it starts is stopped again.
  void Sample(int row, double kPa, const QString& typed) {
    device->SetPressure(kPa);
    Type(PressureEdit(row), typed);
    Click(page, 1600 + row);
    StopLiveDisplay();
  }
  void StopLiveDisplay() {
    Click(page, 1291);
    ASSERT_TRUE(QTest::qWaitFor([this] { return dlg->m_bLoopIdle.load() == 1; }, 20000));
  }
  void ClickAndWaitForJob(int id) {
    Click(page, id);
    ASSERT_TRUE(WaitForJobEnd());
  }
  // The commands sent, the live display's 201s aside.
  std::vector<int> Sent() {
    std::vector<int> all = CommandsSent();
    std::erase(all, 201);
    return all;
  }
  uint32_t DeviceTable(int entry) const {
    return device->Image().U32(image::kTable0 + 8 * static_cast<size_t>(entry));
  }

  CDuoDianDlg* page = nullptr;
};

TEST_F(CalibrationPage, CalibratingTheRoomPointWritesATableThatReadsBackAndMovesThePv) {
  ReadCountsAt(1);
  EXPECT_EQ(Sent(), (std::vector<int>{0, 221, 0, 223, 223, 223}));
  EXPECT_EQ(page->m_nTempPoints, 3);
  EXPECT_EQ(page->m_nPressPoints, 11);
  EXPECT_EQ(Edit(page, 1340)->text(), "25.00");
  EXPECT_EQ(page->findChild<QLabel*>("1419")->text(), "Room Temprt 2");
  EXPECT_EQ(Edit(page, 1340)->accessibleName(), "Temperature 2");
  EXPECT_FALSE(PressureEdit(11)->isEnabled());
  EXPECT_TRUE(PressureEdit(10)->isEnabled());

  // The reference reads 10 % high at the top: the sensor's count at 900 kPa becomes 1000.
  Sample(0, -100, "-100");
  Sample(5, 450, "");  // an empty row takes its nominal pressure
  EXPECT_EQ(PressureEdit(5)->text(), "450.0000");
  Sample(10, 900, "1000");
  EXPECT_EQ(Sent(), (std::vector<int>{149, 149, 149}));  // no identification per row
  EXPECT_EQ(Control<QLabel>(page, 1306)->text(), "-100.0000 ---- 1000.0000kPa");
  const QString tad = Box(1304)->text();
  EXPECT_EQ(tad.toInt(), 32768 + 200 * 25);

  ClickAndWaitForJob(1204);
  std::vector<int> expected(11, 230);
  expected.push_back(226);
  EXPECT_EQ(Sent(), expected);
  EXPECT_EQ(LastRequestData(226), (std::vector<uint8_t>{1, 0x88, 0x93}));  // 37768, LE
  EXPECT_EQ(Progress()->value(), 0);
  EXPECT_TRUE(TakePrompts().isEmpty());
  const uint32_t at450 = DeviceTable(kRoomTable + 5);
  EXPECT_EQ(at450, page->m_nAd[5]);

  // The PV now follows the new table: 900 kPa applied reads as 1000.
  device->SetPressure(900);
  EXPECT_NEAR(device->PrimaryVariable(), 1000.0, 0.5);

  // Read Correction brings the same table back as sampled rows at their nominal pressures.
  page->OnBnClickedClear();
  EXPECT_EQ(AdEdit(5)->text(), "");
  ClickAndWaitForJob(1096);
  expected.assign(11, 227);
  expected.insert(expected.begin(), {149, 225});
  EXPECT_EQ(Sent(), expected);
  EXPECT_EQ(AdEdit(5)->text(), QString::number(at450));
  EXPECT_EQ(PressureEdit(1)->text(), "10.0000");
  EXPECT_EQ(Box(1304)->text(), tad);
  for (int i = 0; i < 11; ++i)
    EXPECT_EQ(page->m_nAd[static_cast<size_t>(i)], DeviceTable(kRoomTable + i)) << i;

  // Written again unchanged; another point's table goes out with 228 and its table index.
  ClickAndWaitForJob(1204);
  EXPECT_EQ(DeviceTable(kRoomTable + 5), at450);
  Choose(Combo(page, 1389), 2);
  ClickAndWaitForJob(1204);
  const std::vector<int> sent = Sent();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), 228), 11);
  EXPECT_EQ(LastRequestData(228)[0], 2 * 11 + 10);
  EXPECT_EQ(DeviceTable(2 * 11 + 5), at450);
}

TEST_F(CalibrationPage, RefusalsSendNothing) {
  // Before a point count an empty row has no nominal pressure.
  Click(page, 1600);
  EXPECT_EQ(TakePrompts(), QStringList{"Please select: Pressure Points"});
  Type(PressureEdit(3), "12,5");
  Click(page, 1603);
  EXPECT_EQ(TakePrompts(), QStringList{"Please enter a number: Pressure 3"});
  EXPECT_TRUE(Sent().empty());

  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Select Current Temperature Level"});

  // Counts the lists cannot show are reported and change nothing.
  SimImage m = device->Image();
  m.SetU8(image::kTemperaturePoints, 9);
  device->SetImage(m);
  Click(page, 1392);
  EXPECT_EQ(TakePrompts(),
            QStringList{"Device reports 9 temperature points and 11 pressure points"});
  EXPECT_EQ(page->m_nTempPoints, -1);
  EXPECT_EQ(Combo(page, 1394)->currentIndex(), -1);
  m.SetU8(image::kTemperaturePoints, 3);
  device->SetImage(m);

  ReadCountsAt(1);
  Choose(Combo(page, 1389), 5);
  EXPECT_EQ(TakePrompts(), QStringList{"Invalid Temperature"});
  EXPECT_EQ(Combo(page, 1389)->currentIndex(), 1);
  Sent();

  Type(PressureEdit(2), "1000.5");
  Click(page, 1602);
  EXPECT_EQ(TakePrompts(), QStringList{"Pv over range"});
  EXPECT_EQ(page->m_bSampled[2], 0);
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"Get data of 2 points at least!"});

  // Two rows a kilopascal apart on the page but 1000 kPa apart on the sensor: the line
  // through them leaves the counts long before -100 kPa.
  Sample(0, 0, "999");
  Sample(1, 1000, "1000");
  Sent();
  Click(page, 1204);
  EXPECT_EQ(TakePrompts(), QStringList{"AD count of point 0 out of range"});
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(dlg->m_bJobIdle.load(), 1);
}

TEST_F(CalibrationPage, TheLiveDisplayTurnsGreenWhenStableAndStopsOnADiodeFault) {
  ReadCountsAt(1);
  device->SetPressure(300);
  Click(page, 1600);
  CReadOnlyEdit* pad = Box(1305);
  ASSERT_TRUE(QTest::qWaitFor([pad] { return pad->BackColor() == QColor(0, 255, 0); }, 20000));
  EXPECT_EQ(dlg->m_bLoopIdle.load(), 0);

  device->SetTemperatureAdOverride(0xFFFF);
  ASSERT_TRUE(QTest::qWaitFor([this] { return dlg->m_bLoopIdle.load() == 1; }, 20000));
  EXPECT_EQ(TakePrompts(), QStringList{"Temperature Diodes errors : 65535"});
  EXPECT_EQ(Box(1304)->text(), "65535");
  device->SetTemperatureAdOverride(std::nullopt);

  // Leaving the page stops it; the rows are still there on return.
  Click(page, 1601);
  ASSERT_TRUE(QTest::qWaitFor([this] { return dlg->m_bLoopIdle.load() == 0; }, 20000));
  dlg->ShowPage(8);
  ASSERT_TRUE(QTest::qWaitFor([this] { return dlg->m_bLoopIdle.load() == 1; }, 20000));
  Page(kPage);
  EXPECT_EQ(page->m_bSampled[1], 1);
  EXPECT_EQ(PressureEdit(1)->text(), "10.0000");
  EXPECT_TRUE(TakePrompts().isEmpty());
}

TEST_F(CalibrationPage, AnUpdateFailingPartWayStopsThereAndHidingStopsAReadCorrection) {
  ReadCountsAt(1);
  // The page thinks 13 points, the device holds 11: point 11 is refused.
  Choose(Combo(page, 1400), 11);
  Sample(0, -100, "-100");
  Sample(12, 1000, "1000");
  Sent();
  ClickAndWaitForJob(1204);
  EXPECT_EQ(Sent(), std::vector<int>(12, 230));
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:Invalid selection"});
  EXPECT_EQ(Progress()->value(), 0);

  Choose(Combo(page, 1400), 9);
  page->OnBnClickedReadCorrection();
  dlg->ShowPage(8);  // before the job's first row: its display waits for this thread
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(Sent(), (std::vector<int>{149, 225}));
  EXPECT_TRUE(TakePrompts().isEmpty());
}

}  // namespace
