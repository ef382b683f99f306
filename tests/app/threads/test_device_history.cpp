// Device History against an SQLite store in a temporary folder: the window reads it on its
// own thread, so every check waits for the answer to arrive.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ConfigTransfer.h"
#include "DeviceHistoryDlg.h"
#include "Encoding.h"
#include "FrameText.h"
#include "PageFixture.h"
#include "Prompts.h"
#include "RecordStore.h"
#include "RecordingPrompts.h"
#include "Retranslate.h"
#include "SafeFile.h"
#include "SimImage.h"
#include "SimTransmitter.h"

namespace {

constexpr char kA[] = "26-05-0A0001";
constexpr char kB[] = "26-05-0A0002";
constexpr qint64 kT0 = 1767225600000;  // 2026-01-01 00:00 UTC

void FillStore(const RecordsLocation& where, const std::vector<DeviceRecord>& records) {
  QString error;
  std::unique_ptr<RecordStore> store = RecordStore::Open(where, &error);
  ASSERT_TRUE(store) << error.toStdString();
  ASSERT_TRUE(store->Append(records, &error)) << error.toStdString();
}

DeviceRecord Record(const QString& device, const char* tag, qint64 time, const char* operation,
                    const char* detail, const char* kind = record_kind::kWrite,
                    QByteArray image = {}) {
  DeviceRecord r = NewDeviceRecord();
  r.timeUtcMs = time;
  r.device = device;
  r.tag = tag;
  r.operation = operation;
  r.kind = kind;
  r.detail = detail;
  r.result = kRecordOk;
  r.image = std::move(image);
  return r;
}

template <class T>
T* Find(const QWidget& window, const char* name) {
  T* child = window.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

QStringList Column(const QTableWidget* table, int column) {
  QStringList texts;
  for (int row = 0; row < table->rowCount(); ++row)
    texts << (table->item(row, column) ? table->item(row, column)->text() : QString());
  return texts;
}

bool WaitForText(const QLabel* label, const QString& text) {
  return QTest::qWaitFor([&] { return label->text() == text; }, 5000);
}

class DeviceHistory : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    where.kind = RecordsLocation::Kind::SQLite;
    where.file = dir.filePath("Records.db");
    where.text = where.file;
    SetThePrompts(&prompts);
  }
  void TearDown() override { SetThePrompts(nullptr); }

  void Fill(const std::vector<DeviceRecord>& records) { FillStore(where, records); }

  QTemporaryDir dir;
  RecordsLocation where;
  RecordingPrompts prompts;
};

TEST_F(DeviceHistory, ListsTheDevicesAndTheChosenDevicesRecordsNewestFirst) {
  Fill({Record(kA, "PT-101", kT0 + 1000, "Damping Time > Update",
               "Damping Time 2.5000 s -> 3.3000 s"),
        Record(kB, "PT-202", kT0 + 2000, "Online Test", "", record_kind::kIdentify),
        Record(kA, "PT-101", kT0 + 3000, "PV Parameters > Update",
               "PV range 0.0000..100.0000 KPa -> 0.0000..250.0000 KPa"),
        Record(kA, "PT-101", kT0 + 4000, "File > Update to computer", "SHA-256 ab12")});
  DeviceHistoryDlg dlg(where);
  dlg.show();
  auto* devices = Find<QTableWidget>(dlg, "devices");
  auto* records = Find<QTableWidget>(dlg, "records");
  auto* count = Find<QLabel>(dlg, "recordCount");

  ASSERT_TRUE(WaitForText(count, "3 records shown")) << count->text().toStdString();
  EXPECT_EQ(Column(devices, 0), (QStringList{"PT-101", "PT-202"}));
  EXPECT_EQ(Column(devices, 1), (QStringList{kA, kB}));
  EXPECT_EQ(Column(devices, 3), (QStringList{"3", "1"}));
  EXPECT_EQ(dlg.ChosenDevice(), kA);
  EXPECT_EQ(Column(records, 3), (QStringList{"File > Update to computer", "PV Parameters > Update",
                                             "Damping Time > Update"}));
  EXPECT_EQ(records->item(2, 4)->text(), "Damping Time 2.5000 s -> 3.3000 s");

  devices->selectRow(1);
  ASSERT_TRUE(WaitForText(count, "1 record shown")) << count->text().toStdString();
  EXPECT_EQ(Column(records, 3), QStringList{"Online Test"});
}

TEST_F(DeviceHistory, TheFilterNarrowsTheRecordsAndExportWritesWhatIsShown) {
  std::vector<DeviceRecord> filled;
  for (int i = 0; i < 4; ++i)
    filled.push_back(Record(kA, "PT-101", kT0 + i * 1000, "Loop Check > Fix", "Loop 12.000 mA"));
  filled.push_back(Record(kA, "PT-101", kT0 + 10000, "Damping Time > Update",
                          "Damping Time 2.5000 s -> 3.3000 s"));
  filled.push_back(Record(kA, "PT-101", kT0 + 11000, "Damping Time > Update",
                          "Damping Time 3.3000 s -> 1.0000 s"));
  Fill(filled);
  DeviceHistoryDlg dlg(where);
  dlg.show();
  auto* count = Find<QLabel>(dlg, "recordCount");
  ASSERT_TRUE(WaitForText(count, "6 records shown")) << count->text().toStdString();

  QTest::keyClicks(Find<QLineEdit>(dlg, "recordFilter"), "dAMPING");
  ASSERT_TRUE(WaitForText(count, "2 of 6 records contain \"dAMPING\""))
      << count->text().toStdString();
  EXPECT_EQ(
      Column(Find<QTableWidget>(dlg, "records"), 4),
      (QStringList{"Damping Time 3.3000 s -> 1.0000 s", "Damping Time 2.5000 s -> 3.3000 s"}));

  prompts.fileAnswer = dir.filePath("history.csv");
  QTest::mouseClick(Find<QPushButton>(dlg, "buttonExportCsv"), Qt::LeftButton);
  QFile file(prompts.fileAnswer);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  ASSERT_EQ(lines.size(), 4);  // header, two records, nothing after the last CR LF
  EXPECT_EQ(lines[0], "time,station,user,device,tag,operation,detail,result\r");
  EXPECT_TRUE(
      lines[1].endsWith(",26-05-0A0001,PT-101,Damping Time > Update,"
                        "Damping Time 3.3000 s -> 1.0000 s,OK\r"))
      << lines[1].toStdString();
  EXPECT_EQ(lines[3], "");

  // In Chinese the header is the user's language; the records under it read the same.
  ASSERT_TRUE(ApplyLanguage(Language::Chinese));
  QTest::mouseClick(Find<QPushButton>(dlg, "buttonExportCsv"), Qt::LeftButton);
  ApplyLanguage(Language::AsBuilt);
  file.close();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> chinese = file.readAll().split('\n');
  ASSERT_EQ(chinese.size(), 4);
  EXPECT_EQ(QString::fromUtf8(chinese[0]),
            QString::fromUtf8("时间,工作站,用户,设备,位号,操作,详情,结果\r"));
  EXPECT_EQ(chinese.mid(1), lines.mid(1));
}

TEST_F(DeviceHistory, ShowsTheNewestFiveHundredOfMore) {
  std::vector<DeviceRecord> filled;
  for (int i = 0; i < 502; ++i)
    filled.push_back(Record(kA, "PT-101", kT0 + i, "Monitor > Read", QByteArray::number(i)));
  Fill(filled);
  DeviceHistoryDlg dlg(where);
  dlg.show();
  auto* count = Find<QLabel>(dlg, "recordCount");
  ASSERT_TRUE(WaitForText(count, "500 newest of 502 records shown")) << count->text().toStdString();
  const QStringList details = Column(Find<QTableWidget>(dlg, "records"), 4);
  ASSERT_EQ(details.size(), DeviceHistoryDlg::kShownRecords);
  EXPECT_EQ(details.front(), "501");
  EXPECT_EQ(details.back(), "2");
}

TEST_F(DeviceHistory, AStoreThatCannotBeReadIsNamedAndTheWindowStaysEmpty) {
  {
    DeviceHistoryDlg dlg(where);
    dlg.show();
    auto* count = Find<QLabel>(dlg, "recordCount");
    EXPECT_TRUE(WaitForText(
        count, "Records cannot be read: no records yet (" + where.file + " does not exist)"))
        << count->text().toStdString();
    EXPECT_FALSE(QFile::exists(where.file));  // looking creates no store
  }
  QFile damaged(where.file);
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray(4096, 'x'));
  damaged.close();
  DeviceHistoryDlg dlg(where);
  dlg.show();
  auto* count = Find<QLabel>(dlg, "recordCount");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return count->text().startsWith("Records cannot be read: ") && count->text().size() > 24;
      },
      5000))
      << count->text().toStdString();
  EXPECT_EQ(Find<QTableWidget>(dlg, "devices")->rowCount(), 0);
  EXPECT_EQ(Find<QTableWidget>(dlg, "records")->rowCount(), 0);
  // Export then has nothing to write and says so.
  QTest::mouseClick(Find<QPushButton>(dlg, "buttonExportCsv"), Qt::LeftButton);
  EXPECT_EQ(prompts.texts, QStringList{"The window shows no records to export"});
}

// Under the main window: Compare shows the two newest uploads, and a side can be the device
// read now on the window's job (only from the device compared) or a data file.
class DeviceHistoryUnderTheMainWindow : public PageFixture {};

TEST_F(DeviceHistoryUnderTheMainWindow, CompareTakesUploadsTheDeviceNowAndAFile) {
  const SimIdentity id = device->Identity();
  const uint8_t idBytes[3] = {uint8_t(id.deviceId >> 16), uint8_t(id.deviceId >> 8),
                              uint8_t(id.deviceId)};
  const QString address =
      QString::fromStdString(LongAddressText(id.manufacturerId, id.deviceType, idBytes));
  const SimImage now = device->Image();
  SimImage older = now;
  older.SetF32(image::kDamping, now.F32(image::kDamping) + 1.0f);
  SimImage newer = now;
  PackAscii("PT-202  ", newer.Data() + image::kTag, 8);
  auto bytes = [](const SimImage& m) {
    return QByteArray(reinterpret_cast<const char*>(m.Data()), kConfigImageSize);
  };
  const QString file = QDir::current().filePath("PT-101.Hart");
  ASSERT_TRUE(WriteWholeFile(file, bytes(now)));
  RecordsLocation where;
  where.file = QDir::current().filePath("History.db");
  FillStore(where, {Record(address, "PT-101", kT0, "File > Update to computer", "",
                           record_kind::kUpload, bytes(older)),
                    Record(address, "PT-202", kT0 + 1000, "File > Update to computer", "",
                           record_kind::kUpload, bytes(newer))});

  ShowDeviceHistory(dlg.get(), where);
  auto* history = dlg->findChild<DeviceHistoryDlg*>();
  ASSERT_NE(history, nullptr);
  ASSERT_TRUE(WaitForText(history->findChild<QLabel*>("recordCount"), "2 records shown"));
  history->OnCompare();
  auto* compare = history->findChild<ConfigCompareDlg*>();
  ASSERT_NE(compare, nullptr);
  auto* differ = compare->findChild<QLabel*>("differenceCount");
  ASSERT_TRUE(WaitForText(differ, "2 values differ")) << differ->text().toStdString();
  auto* values = compare->findChild<QTableWidget*>("values");
  QStringList marked;
  for (int row = 0; row < values->rowCount(); ++row)
    if (values->item(row, 3)->text() == "≠") marked << values->item(row, 0)->text();
  EXPECT_EQ(marked, (QStringList{"Tag", "Damping Time"}));

  auto choose = [&](const char* side, const QString& entry) {
    auto* box = compare->findChild<QComboBox*>(side);
    const int index = box->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
  };
  choose("leftImage", "The device now");
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_TRUE(WaitForText(differ, "1 value differs")) << differ->text().toStdString();
  EXPECT_TRUE(compare->findChild<QLabel*>("leftSource")->text().startsWith("The device, read at"));
  prompts.fileAnswer = file;
  choose("rightImage", "Data file (.Hart)...");
  EXPECT_EQ(differ->text(), "The two images hold the same values");
  EXPECT_EQ(compare->findChild<QLabel*>("rightSource")->text(), "File PT-101.Hart");
  EXPECT_EQ(TakePrompts(), QStringList{QString(kDataFileFilter)});

  // Another device at the station number is not read in its place.
  bool answered = false;
  std::optional<ConfigImage> image;
  MainWindowImageReader (*dlg)("26-05-FFFFFF", [&](std::optional<ConfigImage> read) {
    answered = true;
    image = read;
  });
  ASSERT_TRUE(WaitForJobEnd());
  ASSERT_TRUE(QTest::qWaitFor([&] { return answered; }, 5000));
  EXPECT_FALSE(image);
  EXPECT_EQ(TakePrompts(), QStringList{"The device at station number 0 is " + address +
                                       ", not 26-05-FFFFFF.\nNothing was read."});
}

}  // namespace
