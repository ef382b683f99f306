// What the pages tell the device records: the values each write sends, with the device's
// echo, and the values a Read brings back, named and formatted as the page shows them.
#include <QRadioButton>

#include "CReadOnlyEdit.h"
#include "RecordingPageFixture.h"
#include "SimImage.h"
#include "calibration/CDuoDianDlg.h"

namespace {

using PageRecords = RecordingPageFixture;

TEST_F(PageRecords, DampingUpdateRecordsTheTypedValueAndTheDevicesEcho) {
  SimImage image = device->Image();
  image.SetF32(image::kDamping, 0.5f);
  device->SetImage(image);
  QWidget* page = Page(8);
  Click(page, 1203);
  EXPECT_EQ(Edit(page, 1212)->text(), "0.5000");
  // What the Read brought back, for the recorder to keep as the value before.
  const OperationRecord read = OneRecord();
  EXPECT_EQ(read.name, "Damping Time > Read");
  EXPECT_FALSE(read.recordReads);
  EXPECT_EQ(TriplesOf(read.reads), (Triples{{"Damping Time", "0.5000 s", ""}}));
  EXPECT_TRUE(read.writes.empty());

  Type(Edit(page, 1212), "3.3");
  Click(page, 1204);
  const OperationRecord update = OneRecord();
  EXPECT_EQ(update.name, "Damping Time > Update");
  EXPECT_EQ(update.kind, "write");
  EXPECT_EQ(TriplesOf(update.writes), (Triples{{"Damping Time", "3.3000 s", "3.3000 s"}}));
  EXPECT_EQ(update.result, "OK");
}

TEST_F(PageRecords, AFailedWriteKeepsWhatItMeantToWriteAndTheFailureText) {
  device->SetWriteProtected(true);
  QWidget* page = Page(8);
  Type(Edit(page, 1212), "7");
  Click(page, 1204);
  const OperationRecord update = OneRecord();
  EXPECT_TRUE(update.writes.empty());
  EXPECT_EQ(TriplesOf(update.failedWrites), (Triples{{"Damping Time", "7.0000 s", ""}}));
  EXPECT_EQ(update.result, "Communication Failure:In write protect mode");
  EXPECT_EQ(TakePrompts(), QStringList{QString::fromStdString(update.result)});
}

TEST_F(PageRecords, RerangeReadsAndWritesThePvRangeWithItsUnit) {
  QWidget* page = Page(5);
  Click(page, 1203);
  EXPECT_EQ(TriplesOf(OneRecord().reads), (Triples{{"PV range", "0.0000..100.0000 kPa", ""}}));

  Type(Edit(page, 1208), "250");
  Choose(Combo(page, 1210), 2);  // BAR: the edits are converted on the page, not written
  window->kept.Take();
  Type(Edit(page, 1209), "0");
  Type(Edit(page, 1208), "2.5");
  Click(page, 1204);
  const OperationRecord update = OneRecord();
  EXPECT_EQ(update.name, "Rerange Without Pressure > Update");
  EXPECT_EQ(TriplesOf(update.writes),
            (Triples{{"PV range", "0.0000..2.5000 BAR", "0.0000..2.5000 BAR"}}));
}

TEST_F(PageRecords, ALoopCheckRecordsTheFixedCurrentAndItsReturnToAutomatic) {
  QWidget* page = Page(1);
  QTest::mouseClick(Control<QRadioButton>(page, 1121), Qt::LeftButton);  // "12 mA"
  Click(page, 1243);
  const OperationRecord on = OneRecord();
  EXPECT_EQ(on.name, "Loop & PGA Settings > Checking");
  EXPECT_EQ(on.kind, "calibration");
  EXPECT_EQ(TriplesOf(on.writes),
            (Triples{{"Loop current", "fixed 12.000 mA", "fixed 12.000 mA"}}));

  Click(page, 1244);
  const OperationRecord off = OneRecord();
  EXPECT_EQ(off.name, "Loop & PGA Settings > Finish Loop Check");
  EXPECT_EQ(TriplesOf(off.writes), (Triples{{"Loop current", "automatic", "automatic"}}));
}

TEST_F(PageRecords, SpecialParametersRecordEachValueAndSendBackWhatNoListChose) {
  SimImage image = device->Image();
  image.SetU8(image::kAlarmType, 1);  // "3.8 mA"
  device->SetImage(image);
  QWidget* page = Page(10);  // not read: no list has a choice
  Type(Edit(page, 1215), "-0.125");
  const int compEdits[6] = {1220, 1190, 1194, 1192, 1193, 1196};
  for (int k = 0; k < 6; ++k)
    Type(Edit(page, compEdits[k]), QString::number(10 + k));
  Click(page, 1204);

  const OperationRecord update = OneRecord();
  EXPECT_EQ(update.name, "Special Parameters Settings > Update");
  const Triples writes = TriplesOf(update.writes);
  ASSERT_EQ(writes.size(), 11u);  // the compensation function and six values, then four
  EXPECT_EQ(writes[1], (std::vector<std::string>{"Thermal Effective", "10.0000 ℃", "10.0000 ℃"}));
  EXPECT_EQ(writes[7], (std::vector<std::string>{"Zero Trim", "-0.1250", "-0.1250"}));
  EXPECT_EQ(writes[8], (std::vector<std::string>{"Loop Alarm Type", "3.8 mA", "3.8 mA"}));
  // What the Update's own first exchanges read is there too.
  EXPECT_EQ(TriplesOf(update.reads)[1],
            (std::vector<std::string>{"Loop Alarm Type", "3.8 mA", ""}));
}

// The calibration page's table (3 temperature points of 11 pressure points, -100 .. 1000
// kPa, the room point 2 at 25 degC) goes into the record as the points written.
TEST_F(PageRecords, ACalibrationTableWrittenIsRecordedPointByPointWithItsTad) {
  auto* page = static_cast<CDuoDianDlg*>(Page(2));
  Click(page, 1392);
  Click(page, 1399);
  Choose(Combo(page, 1389), 1);
  for (const auto& [row, kPa] : {std::pair{0, -100.0}, std::pair{10, 1000.0}}) {
    device->SetPressure(kPa);
    Click(page, 1600 + row);
    Click(page, 1291);  // the live display stops
    ASSERT_TRUE(QTest::qWaitFor([this] { return dlg->m_bLoopIdle.load() == 1; }, 20000));
  }
  window->kept.Take();
  Click(page, 1204);
  ASSERT_TRUE(WaitForJobEnd());

  const OperationRecord update = OneRecord();
  EXPECT_EQ(update.name, "Pressure Calibration > Update");
  EXPECT_EQ(update.kind, "calibration");
  EXPECT_EQ(update.result, "OK");
  // What the device now holds, at the nominal pressures -100, 10, 120 ... 1000 kPa.
  std::string table = "Temperature 2 (25.00 °C):";
  for (int i = 0; i < 11; ++i) {
    const uint32_t count = device->Image().U32(image::kTable0 + 8 * static_cast<size_t>(11 + i));
    table += (i ? "; " : " ") + QString::asprintf("%.4f kPa=", -100.0 + 110.0 * i).toStdString() +
             std::to_string(count);
  }
  const std::string tad = Control<CReadOnlyEdit>(page, 1304)->text().toStdString();
  EXPECT_EQ(TriplesOf(update.writes),
            (Triples{{"Temperature 2 table", table, ""}, {"Temperature 2 T-AD", tad, ""}}));
}

}  // namespace
