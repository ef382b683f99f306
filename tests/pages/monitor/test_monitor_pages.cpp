// The monitor pages as an engineer uses them, against the simulated transmitter. The test
// acts at known turns of the sampling job from the chart's samplesShown signal, which runs on
// the UI thread while the worker waits for it.
#include <QLabel>
#include <algorithm>
#include <functional>

#include "AppSettings.h"
#include "CMyTabCtrl.h"
#include "PageFixture.h"
#include "TrendChart.h"

namespace {

constexpr int kProcessPage = 12;
constexpr int kPvPage = 13;
constexpr int kCurrentPage = 14;
constexpr const char* kTimeout = "Communication Failure:No response,timeout!";

class MonitorPages : public PageFixture {
 protected:
  TrendChart* Chart(QWidget* page, int id) const { return Control<TrendChart>(page, id); }
  QString LabelText(QWidget* page, int id) const { return Control<QLabel>(page, id)->text(); }
  // Runs `act` with each count the chart shows, from now on.
  void OnShown(TrendChart* chart, std::function<void(int)> act) {
    QObject::connect(chart, &TrendChart::samplesShown, chart, std::move(act));
  }
  void ClickStop(QWidget* page) {
    QTest::mouseClick(Control<QPushButton>(page, 1291), Qt::LeftButton);
  }
  static int CountOf(const std::vector<int>& commands, int command) {
    return static_cast<int>(std::count(commands.begin(), commands.end(), command));
  }
};

TEST_F(MonitorPages, PvStartReadsTheBandStopEndsWithinTheTurnAndTheNextStartClearsTheChart) {
  QWidget* page = Page(kPvPage);
  TrendChart* chart = Chart(page, 1284);
  std::vector<int> shown;
  OnShown(chart, [&](int count) {
    shown.push_back(count);
    if (count == 3) ClickStop(page);
  });
  Click(page, 1290);
  ASSERT_TRUE(WaitForJobEnd());
  // Stop during the third reading's display: no fourth reading goes out.
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 15, 1, 1, 1}));
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0, 1, 2, 0}));
  EXPECT_TRUE(TakePrompts().isEmpty());
  EXPECT_EQ(LabelText(page, 1295), "100.000");
  EXPECT_EQ(LabelText(page, 1294), "0.000");
  EXPECT_EQ(LabelText(page, 1292), "kPa");
  EXPECT_EQ(LabelText(page, 1293), "");
  EXPECT_FLOAT_EQ(chart->High(), 100.0f);
  EXPECT_FLOAT_EQ(chart->Low(), 0.0f);
  EXPECT_EQ(Edit(page, 1287)->accessibleName(), "PV");
  EXPECT_EQ(Edit(page, 1287)->text(), QString::asprintf("%.4f", device->PrimaryVariable()));
  // The samples survive the stop.
  EXPECT_EQ(chart->accessibleDescription(), "3 samples");
  EXPECT_EQ(dlg->m_bJobIdle.load(), 1);

  shown.clear();
  device->SetPressure(40);
  Click(page, 1290);
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3})) << "emptied before the first new reading";
  EXPECT_EQ(Edit(page, 1287)->text(), QString::asprintf("%.4f", device->PrimaryVariable()));
}

TEST_F(MonitorPages, PvBandReadFailingStartsNothing) {
  QWidget* page = Page(kPvPage);
  ExpectTimeoutWhenSilent(page, 1290);
  EXPECT_EQ(dlg->m_bJobIdle.load(), 1);
  EXPECT_EQ(CountOf(CommandsSent(), 1), 0);
  EXPECT_EQ(Edit(page, 1287)->text(), "");
}

TEST_F(MonitorPages, LoopCurrentRingEmptiesAfterTheHundredthReadingAndAFailureEndsSampling) {
  QWidget* page = Page(kCurrentPage);
  TrendChart* chart = Chart(page, 1285);
  std::vector<int> shown;
  OnShown(chart, [&](int count) {
    shown.push_back(count);
    if (shown.size() == 102) device->SetSilent(true);  // the emptying, then 101 readings
  });
  Click(page, 1290);
  ASSERT_TRUE(WaitForJobEnd());
  std::vector<int> expected{0};
  for (int i = 1; i <= 99; ++i)
    expected.push_back(i);
  expected.insert(expected.end(), {0, 1});
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(TakePrompts(), QStringList{kTimeout});
  // No band to read on this page: only the identification moves the bar.
  EXPECT_EQ(TakeProgress(), (std::vector<int>{1, 2, 0}));
  EXPECT_EQ(Edit(page, 1288)->text(), QString::asprintf("%.4f", device->LoopCurrent()));
  EXPECT_EQ(chart->accessibleDescription(), "1 sample");
  EXPECT_EQ(dlg->m_bJobRun.load(), 0);
}

TEST_F(MonitorPages, StartAndMonitorAllAreRefusedWhileSamplingRunsOnAnotherPage) {
  QWidget* current = Page(kCurrentPage);
  Click(current, 1290);
  ASSERT_EQ(dlg->m_bJobIdle.load(), 0);
  TrendChart* chart = Chart(current, 1285);
  ASSERT_TRUE(QTest::qWaitFor([chart] { return chart->Samples().Count() > 0; }));
  // Leaving the page through the menu keeps it sampling.
  TriggerMenu("32807");
  QWidget* pv = dlg->TabCtrl()->Page(kPvPage);
  EXPECT_EQ(VisiblePage(), pv);
  EXPECT_EQ(dlg->m_bJobRun.load(), 1);
  CommandsSent();
  Click(pv, 1290);
  EXPECT_EQ(TakePrompts(), QStringList{"Busy!Try later."});

  TriggerMenu("32806");
  QWidget* process = dlg->TabCtrl()->Page(kProcessPage);
  EXPECT_EQ(VisiblePage(), process);
  EXPECT_TRUE(WaitForOperation());
  EXPECT_EQ(TakePrompts(), QStringList{"Busy!Try later."});
  const std::vector<int> sent = CommandsSent();
  EXPECT_EQ(CountOf(sent, 15) + CountOf(sent, 1) + CountOf(sent, 0), 0);

  // The shared Stop of any monitor page ends it.
  Click(process, 1291);
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_TRUE(TakePrompts().isEmpty());
}

TEST_F(MonitorPages, ProcessMonitorFromMonitorAllAndACurrentFailureAfterAGoodPvReading) {
  QWidget* page = dlg->TabCtrl()->Page(kProcessPage);
  QLineEdit* pvEdit = Edit(page, 1287);
  QString currentBefore;
  OnShown(Chart(page, 1285), [&](int count) {
    if (count != 2) return;
    // The next turn's PV reading sees a new pressure and its display silences the device,
    // so that turn's loop current reading fails.
    currentBefore = Edit(page, 1288)->text();
    device->SetPressure(55);
    QObject::connect(pvEdit, &QLineEdit::textChanged, pvEdit, [this] { device->SetSilent(true); });
  });
  TriggerMenu("32806");
  EXPECT_EQ(VisiblePage(), page);
  ASSERT_TRUE(WaitForOperation());
  ASSERT_TRUE(WaitForJobEnd());
  EXPECT_EQ(CommandsSent(), (std::vector<int>{0, 15, 1, 2, 1, 2, 1, 2, 2, 2, 2}));
  EXPECT_EQ(TakePrompts(), QStringList{kTimeout});
  EXPECT_EQ(pvEdit->text(), QString::asprintf("%.4f", device->PrimaryVariable()));
  EXPECT_EQ(Edit(page, 1288)->text(), currentBefore);
  for (int id : {1284, 1285, 1286})
    EXPECT_EQ(Chart(page, id)->accessibleDescription(), "2 samples") << id;
  EXPECT_EQ(Chart(page, 1285)->accessibleName(), "Loop Trend Chart");
  EXPECT_EQ(LabelText(page, 1292), "kPa");
  EXPECT_EQ(LabelText(page, 1293), "kPa");
  EXPECT_EQ(LabelText(page, 1295), "100.000");
}

}  // namespace
