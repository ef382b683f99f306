// The Calibration Check page against the simulated transmitter: an as-found run that fails on
// a sensor offset, the two point trim on its own page, an as-left run that passes, the
// certificate and its CSV, what the device records get, and the runs that end incomplete.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTableWidget>
#include <mutex>

#include "AppSettings.h"
#include "DeviceRecorder.h"
#include "FileSizeLimit.h"
#include "PageFixture.h"
#include "SafeFile.h"
#include "check/CCalibrationCheckDlg.h"

namespace {

constexpr int kCheckPage = 17;
constexpr int kTwoPointTrimPage = 6;

class CalibrationCheckPage : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    dlg->SetRecorder(&recorder);
    page = Page(kCheckPage);
    check = static_cast<CCalibrationCheckDlg*>(page);
    table = page->findChild<QTableWidget*>("checkTable");
    const std::pair<const char*, const char*> setup[] = {
        {"checkAmbient", "21.5"},          {"checkHumidity", "45"},
        {"checkReferenceName", "DPI 620"}, {"checkReferenceSerial", "6201234"},
        {"checkUncertainty", "0.02"},      {"checkDueDate", "2099-12-31"},
        {"checkTechnician", "A. Tester"}};
    for (const auto& [name, text] : setup)
      Type(Named<QLineEdit>(name), text);
  }
  void TearDown() override {
    dlg->SetRecorder(nullptr);
    PageFixture::TearDown();
  }
  template <class W>
  W* Named(const char* name) const {
    W* w = page->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Press(const char* button) {
    QTest::mouseClick(Named<QPushButton>(button), Qt::LeftButton);
    EXPECT_TRUE(WaitForOperation());
    // A Read runs as a job; its end reaches the page through the UI queue.
    EXPECT_TRUE(QTest::qWaitFor(
        [this] {
          return dlg->m_bJobIdle.load() == 1 &&
                 Named<QPushButton>("buttonStartAsFound")->isEnabled();
        },
        20000));
  }
  // Applies each point's nominal pressure (the default range is 0..100 kPa) and reads it.
  void ReadEveryPoint() {
    for (int row = 0; row < table->rowCount(); ++row) {
      device->SetPressure(table->item(row, CCalibrationCheckDlg::kNominal)->text().toDouble());
      table->selectRow(row);
      Press("buttonRead");
    }
  }
  QString Summary(const char* name) const { return Named<QLabel>(name)->text(); }
  std::vector<DeviceRecord> Records(const QString& operation) {
    std::lock_guard<std::mutex> hold(lock);
    std::vector<DeviceRecord> found;
    for (const DeviceRecord& r : records)
      if (r.operation == operation) found.push_back(r);
    return found;
  }

  std::mutex lock;
  std::vector<DeviceRecord> records;
  DeviceRecorder recorder{[this](DeviceRecord r) {
    std::lock_guard<std::mutex> hold(lock);
    records.push_back(std::move(r));
  }};
  QWidget* page = nullptr;
  CCalibrationCheckDlg* check = nullptr;
  QTableWidget* table = nullptr;
};

TEST_F(CalibrationCheckPage, AsFoundFailsOnAnOffsetTheTrimMendsItAndAsLeftPasses) {
  device->SetCalibrationErrors({.offset = 0.5});
  Press("buttonStartAsFound");
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 0, 13, 14, 15, 212, 162}));
  ASSERT_EQ(table->rowCount(), 9);
  EXPECT_EQ(table->item(4, CCalibrationCheckDlg::kPoint)->text(), "100 % ↑");
  EXPECT_EQ(table->item(5, CCalibrationCheckDlg::kPoint)->text(), "75 % ↓");
  ReadEveryPoint();
  EXPECT_EQ(table->item(2, CCalibrationCheckDlg::kPvError)->text(), "+0.500");
  EXPECT_EQ(table->item(2, CCalibrationCheckDlg::kResult)->text(), "FAIL");
  EXPECT_TRUE(Summary("summaryAsFound").startsWith("As found: FAIL - largest errors PV +0.500 %"))
      << Summary("summaryAsFound").toStdString();
  // Four readings that agree make a point: commands 1 and 2 four times each.
  const std::vector<int> sent = CommandsSent();
  EXPECT_EQ(std::count(sent.begin(), sent.end(), 1), 9 * 4);
  EXPECT_EQ(std::count(sent.begin(), sent.end(), 2), 9 * 4);

  // The trim on its own page, reached by the page's link.
  Press("linkTwoPointTrim");
  ASSERT_EQ(dlg->CurrentPage(), kTwoPointTrimPage);
  QWidget* trim = Page(kTwoPointTrimPage);
  for (const auto& [pressure, button] : {std::pair{0.0, 1226}, std::pair{100.0, 1227}}) {
    device->SetPressure(pressure);
    Click(trim, 1225);
    Type(Edit(trim, 1229), QString::number(pressure));
    Click(trim, button);
  }
  Page(kCheckPage);
  EXPECT_EQ(Summary("summaryAsFound").left(15), "As found: FAIL ") << "a finished run stays";
  Press("buttonStartAsLeft");
  ReadEveryPoint();
  EXPECT_TRUE(Summary("summaryAsLeft").startsWith("As left: PASS - largest errors PV"))
      << Summary("summaryAsLeft").toStdString();
  EXPECT_TRUE(TakePrompts().isEmpty());

  prompts.fileAnswer = QDir::current().filePath("cert.pdf");
  Press("buttonSaveCertificate");
  EXPECT_EQ(TakePrompts(), QStringList{"PDF (*.pdf)"});
  QFile pdf("cert.pdf");
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  // The device and the set-up as the page read and took them, in the PDF's text.
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"cert.pdf", "-"});
  ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils, scripts/deps)";
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  for (const char* shown : {"PT-101", "SIM PRESSURE TX", "24B00123", "26-05-0A0001",
                            "-100.0000..1000.0000 kPa", "DPI 620", "6201234", "A. Tester"})
    EXPECT_TRUE(text.contains(shown)) << shown;
  QFile csv("cert.csv");
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_EQ(csv.readAll().count("\r\n"), 1 + 9 + 9) << "a header and each run's points";

  // Both runs and the certificate in the device's records, with its tag.
  const std::vector<DeviceRecord> found = Records("Calibration Check > As found");
  const std::vector<DeviceRecord> left = Records("Calibration Check > As left");
  const std::vector<DeviceRecord> saved = Records("Calibration Check > Save Certificate");
  ASSERT_EQ(found.size(), 1u);
  ASSERT_EQ(left.size(), 1u);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(found[0].result, "FAIL");
  EXPECT_EQ(found[0].kind, "calibration");
  EXPECT_EQ(found[0].tag, "PT-101");
  EXPECT_EQ(
      found[0].device,
      QString::fromStdString(IdentityAddressText(check->Run(check_page::Stage::AsFound).identity)));
  EXPECT_TRUE(found[0].detail.contains("largest PV error +0.5000 % of span"))
      << found[0].detail.toStdString();
  EXPECT_TRUE(found[0].detail.contains("50 % ↓: reference 50.0000 kPa, PV 50.5000 kPa (+0.5000 %)"))
      << found[0].detail.toStdString();
  EXPECT_EQ(left[0].result, "PASS");
  const QString sha = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
  EXPECT_TRUE(saved[0].detail.contains("(PASS): cert.pdf SHA-256 " + sha + "; cert.csv"))
      << saved[0].detail.toStdString();
  EXPECT_EQ(saved[0].result, "OK");
}

TEST_F(CalibrationCheckPage, StopLeavingThePageOrASilentDeviceLeaveTheRunIncomplete) {
  Press("buttonStartAsFound");
  ReadEveryPoint();  // a complete as-found run: PASS
  // A certificate that cannot be written is named with the reason, and not recorded.
  prompts.fileAnswer = QDir::current().filePath("full.pdf");
  {
    FileSizeLimit full(1024);
    Press("buttonSaveCertificate");
  }
  EXPECT_EQ(TakePrompts(),
            (QStringList{"PDF (*.pdf)", SaveFailureMessage(prompts.fileAnswer, "File too large")}));
  EXPECT_FALSE(QFile::exists("full.pdf"));
  EXPECT_TRUE(Records("Calibration Check > Save Certificate").empty());
  Press("buttonStartAsLeft");
  device->SetPressure(0);
  Press("buttonRead");
  Press("buttonStop");
  EXPECT_EQ(Summary("summaryAsLeft"),
            "As left: INCOMPLETE: Stopped - largest errors PV 0.000 %, "
            "loop current 0.000 % of span");
  EXPECT_FALSE(Named<QPushButton>("buttonRead")->isEnabled());
  prompts.fileAnswer = QDir::current().filePath("cert.pdf");
  Press("buttonSaveCertificate");
  EXPECT_EQ(TakePrompts(), QStringList{"The as-left run was interrupted (Stopped) and is "
                                       "incomplete: run it again before saving a certificate."});
  EXPECT_FALSE(QFile::exists("cert.pdf"));

  Press("buttonStartAsLeft");
  ClickTreeItem("Damping Time");
  Page(kCheckPage);
  EXPECT_EQ(Summary("summaryAsLeft"), "As left: INCOMPLETE: the page was left");

  Press("buttonStartAsLeft");
  device->SetSilent(true);
  Press("buttonRead");
  EXPECT_EQ(TakePrompts(), QStringList{"Communication Failure:No response,timeout!"});
  EXPECT_EQ(Summary("summaryAsLeft"),
            "As left: INCOMPLETE: Communication Failure:No response,timeout!");
  std::vector<QString> results;
  for (const DeviceRecord& r : Records("Calibration Check > As left"))
    results.push_back(r.result);
  EXPECT_EQ(results,
            (std::vector<QString>{"INCOMPLETE: Stopped", "INCOMPLETE: the page was left",
                                  "INCOMPLETE: Communication Failure:No response,timeout!"}));
}

TEST_F(CalibrationCheckPage, BadInputIsRefusedNamingWhatIsWrongAndNothingStarts) {
  const std::pair<const char*, const char*> typed[] = {
      {"checkPvTolerance", "abc"}, {"checkDueDate", "2001-01-01"}, {"checkPoints", "0, 50, 1200"}};
  const QStringList refusals = {
      "Please enter a number: PV tolerance",
      "Calibration due: the reference standard was due for calibration on 2001-01-01 and may "
      "not be used for a check.",
      "The check cannot start: 1200 % (1200.0000 kPa) lies outside the sensor limits "
      "-100.0000..1000.0000 kPa"};
  for (int i = 0; i < 3; ++i) {
    QLineEdit* edit = Named<QLineEdit>(typed[i].first);
    const QString good = edit->text();
    Type(edit, typed[i].second);
    Press("buttonStartAsFound");
    EXPECT_EQ(TakePrompts(), QStringList{refusals[i]});
    EXPECT_FALSE(check->Run(check_page::Stage::AsFound).started);
    Type(edit, good);
  }
  // The set-up as typed is kept for Morvane.ini.
  EXPECT_EQ(TheAppSettings().calibrationCheck.technician, "A. Tester");
  EXPECT_EQ(TheAppSettings().calibrationCheck.points, "0, 25, 50, 75, 100, 75, 50, 25, 0");
  // A reference reading that is not a number is never taken as the nominal or as 0.
  Press("buttonStartAsFound");
  CommandsSent();
  table->item(1, CCalibrationCheckDlg::kReference)->setText("25,1");
  table->selectRow(1);
  Press("buttonRead");
  EXPECT_EQ(TakePrompts(), QStringList{"The reference reading at 25 % ↑ is not a number: 25,1"});
  EXPECT_TRUE(CommandsSent().empty());
  EXPECT_EQ(check->Run(check_page::Stage::AsFound).PointsRead(), 0);
}

TEST_F(CalibrationCheckPage, APointThatDoesNotSettleIsNotReadAndTheRunGoesOn) {
  device->SetCalibrationErrors({.noise = 1.0});  // far wider than the tenth of 0.25 %
  Press("buttonStartAsFound");
  Press("buttonRead");
  EXPECT_EQ(TakePrompts(),
            QStringList{"The readings at 0 % ↑ did not settle within 10 s: four in a row must "
                        "agree within 0.0250 kPa and 0.0040 mA. The point is not read; hold the "
                        "pressure steady and read it again."});
  EXPECT_EQ(check->Run(check_page::Stage::AsFound).PointsRead(), 0);
  EXPECT_TRUE(check->Run(check_page::Stage::AsFound).InProgress());
  device->SetCalibrationErrors({});
  Press("buttonRead");
  EXPECT_EQ(check->Run(check_page::Stage::AsFound).PointsRead(), 1);
}

}  // namespace
