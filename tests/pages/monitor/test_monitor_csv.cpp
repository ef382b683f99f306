// Save CSV on the monitor pages: runs against the simulated transmitter with the sample clock
// pinned, so the saved file of a known run is known to the byte.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <functional>

#include "PageFixture.h"
#include "TrendChart.h"
#include "monitor/SampleLog.h"

namespace {

constexpr int kProcessPage = 12;
constexpr int kPvPage = 13;
constexpr int kCurrentPage = 14;
constexpr int kPercentPage = 15;
constexpr const char* kFilter = "CSV (*.csv)";

// The recorded prompts, also keeping the file name each save dialog proposed.
class NamingPrompts final : public Prompts {
 public:
  explicit NamingPrompts(Prompts& inner) : inner_(inner) {}
  void Message(const QString& text) override { inner_.Message(text); }
  bool Confirm(const QString& text) override { return inner_.Confirm(text); }
  QString SaveFile(const QString& filter, const QString& name) override {
    names << name;
    return inner_.SaveFile(filter, name);
  }
  QString OpenFile(const QString& f, const QString& name) override {
    return inner_.OpenFile(f, name);
  }
  QStringList names;

 private:
  Prompts& inner_;
};

QDateTime At(int hour, int minute, int second) {
  return QDateTime(QDate(2026, 12, 9), QTime(hour, minute, second));
}

class MonitorCsv : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    SetThePrompts(&naming);
    ClockFrom(At(8, 15, 30));
  }
  void TearDown() override {
    SetTheSampleClock({});
    PageFixture::TearDown();
  }
  // Each stamp (the run's start, then each turn) 250 ms after the one before.
  void ClockFrom(QDateTime start) {
    SetTheSampleClock([start, calls = 0]() mutable { return start.addMSecs(250 * calls++); });
  }
  void OnShown(QWidget* page, int chartId, std::function<void(int)> act) {
    TrendChart* chart = Control<TrendChart>(page, chartId);
    QObject::connect(chart, &TrendChart::samplesShown, chart, std::move(act));
  }
  void ClickStop(QWidget* page) {
    QTest::mouseClick(Control<QPushButton>(page, 1291), Qt::LeftButton);
  }
  // Start, and Stop once the chart has shown `turns` readings.
  void Run(QWidget* page, int chartId, int turns) {
    OnShown(page, chartId, [this, page, turns](int count) {
      if (count == turns) ClickStop(page);
    });
    Click(page, 1290);
    ASSERT_TRUE(WaitForJobEnd());
  }
  // Save CSV answered with `name` in the working folder; the file's bytes, empty when none.
  QByteArray SaveAs(QWidget* page, const QString& name) {
    prompts.fileAnswer = name.isEmpty() ? QString() : QDir::current().filePath(name);
    auto* button = page->findChild<QPushButton*>("buttonSaveCsv");
    EXPECT_TRUE(button && button->isVisible() && button->isEnabled());
    if (button) QTest::mouseClick(button, Qt::LeftButton);
    QFile file(prompts.fileAnswer);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  NamingPrompts naming{prompts};
};

TEST_F(MonitorCsv, ProcessRunSavesOneLinePerTurnWithItsTimeAndUnits) {
  QWidget* page = Page(kProcessPage);
  device->SetPressure(25);
  OnShown(page, 1285, [this](int count) {
    if (count == 1) device->SetPressure(50);
    if (count == 2) device->SetPressure(37.5);
  });
  Run(page, 1285, 3);
  EXPECT_EQ(SaveAs(page, "process.csv"),
            "time,PV,unit,current (mA),percentage (%)\r\n"
            "2026-12-09T08:15:30.250,25.0000,kPa,8.0000,25.0000\r\n"
            "2026-12-09T08:15:30.500,50.0000,kPa,12.0000,50.0000\r\n"
            "2026-12-09T08:15:30.750,37.5000,kPa,10.0000,37.5000\r\n");
  EXPECT_EQ(naming.names, QStringList{"monitor-process-20261209-081530.csv"});
  EXPECT_EQ(TakePrompts(), QStringList{kFilter});
}

TEST_F(MonitorCsv, LoopCurrentFileHoldsOnlyTheLastRunAndIsNamedByItsStart) {
  QWidget* page = Page(kCurrentPage);
  device->SetPressure(25);
  Run(page, 1285, 2);
  device->SetPressure(50);
  ClockFrom(At(9, 0, 5));
  Run(page, 1285, 1);
  EXPECT_EQ(SaveAs(page, "current.csv"),
            "time,current,unit\r\n"
            "2026-12-09T09:00:05.250,12.0000,mA\r\n");
  EXPECT_EQ(naming.names, QStringList{"monitor-current-20261209-090005.csv"});
}

TEST_F(MonitorCsv, SavingWhileSamplingKeepsEveryReadingSinceStartNotOnlyTheChartsHundred) {
  QWidget* page = Page(kPvPage);
  int shown = 0;
  QByteArray saved;
  OnShown(page, 1284, [&](int) {
    // The first showing is Start emptying the chart; the 151st follows the 150th reading.
    if (++shown != 151) return;
    saved = SaveAs(page, "pv.csv");
    ClickStop(page);
  });
  Click(page, 1290);
  ASSERT_TRUE(WaitForJobEnd());
  const QList<QByteArray> lines = saved.split('\n');
  ASSERT_EQ(lines.size(), 152);  // the header, 150 readings, nothing after the last line end
  EXPECT_EQ(lines[0], "time,PV,unit\r");
  EXPECT_TRUE(lines[1].startsWith("2026-12-09T08:15:30.250,")) << lines[1].toStdString();
  EXPECT_TRUE(lines[150].startsWith("2026-12-09T08:16:07.500,")) << lines[150].toStdString();
  EXPECT_TRUE(lines[150].endsWith(",kPa\r"));
  EXPECT_EQ(lines[151], "");
  EXPECT_EQ(Control<TrendChart>(page, 1284)->Samples().Count(), 50);
}

TEST_F(MonitorCsv, NothingIsWrittenWithoutSamplesOnCancelOrWhenTheFolderIsMissing) {
  QWidget* page = Page(kPercentPage);
  EXPECT_EQ(SaveAs(page, "early.csv"), "");
  EXPECT_EQ(TakePrompts(), QStringList{"No samples to save."}) << "no save dialog";

  Run(page, 1286, 1);
  EXPECT_EQ(SaveAs(page, {}), "");
  EXPECT_EQ(TakePrompts(), QStringList{kFilter});

  EXPECT_EQ(SaveAs(page, "missing/percent.csv"), "");
  const QStringList shown = TakePrompts();
  ASSERT_EQ(shown.size(), 2);
  EXPECT_EQ(shown[1], "Could not save " + QDir::toNativeSeparators(prompts.fileAnswer) +
                          ": No such file or directory");
  EXPECT_TRUE(QDir::current().entryList({"*.csv"}).isEmpty());
  EXPECT_FALSE(QDir::current().exists("missing"));
}

TEST(SampleLog, TheCapDropsTheOldestAndFieldsKeepTheirDotAndQuotes) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German));  // a decimal comma
  SampleLog log("PV", {}, 3);
  log.Start(At(8, 0, 0));
  for (int i = 1; i <= 5; ++i)
    log.Add(At(8, 0, i), 0.5f * i, i < 4 ? "kPa" : "in \"H2O\", 4 C");
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  ASSERT_TRUE(log.WriteCsv(out));
  QLocale::setDefault(before);
  EXPECT_EQ(out.data(),
            "time,PV,unit\r\n"
            "2026-12-09T08:00:03.000,1.5000,kPa\r\n"
            "2026-12-09T08:00:04.000,2.0000,\"in \"\"H2O\"\", 4 C\"\r\n"
            "2026-12-09T08:00:05.000,2.5000,\"in \"\"H2O\"\", 4 C\"\r\n");
  EXPECT_EQ(log.Dropped(), 2u);
  log.Start(At(9, 0, 0));
  EXPECT_EQ(log.Count() + log.Dropped(), 0u);
}

}  // namespace
