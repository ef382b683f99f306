// The Calibration Check page's readings against hart-sim paced at the real byte time: a
// 9-point run (0, 25, 50, 75, 100, 75, 50, 25, 0 % of 0..100 kPa) read through the real POSIX
// port, each point's Read timed from the click until the page shows the point. The figure is
// the ratio of that time to the wire floor: every command 1 and command 2 exchange the page
// makes, request and reply at 11 bits a byte at 1200 baud with the device's 20 ms turnaround
// between. The device is steady, so the readings the page waits for by design are exactly
// four of each command per point; a page that read more would show in the ratio. The
// certificate of the run is then rendered a few times and its mean time printed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <cstdio>
#include <string>

#include "../tests/SimProcess.h"
#include "AppSettings.h"
#include "CMorvaneDlg.h"
#include "CMyTabCtrl.h"
#include "Prompts.h"
#include "check/CCalibrationCheckDlg.h"
#include "support/CountingPrompts.h"

namespace {

constexpr int kTurnaroundMs = 20;
constexpr int kCheckPage = 17;
constexpr int kPoints = 9;

// Pumps the UI until `done` holds; a tick wakes it to look again when nothing else does.
template <class F>
void PumpUntil(F done) {
  QTimer tick;
  tick.start(5);
  while (!done())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// A long-frame exchange without request data: a 14-byte request, a reply of 16 bytes and its
// data, the turnaround between.
double LongExchangeMs(int replyData) {
  return WireMs(14) + kTurnaroundMs + WireMs(16 + replyData);
}

void BM_CheckRunReadings(benchmark::State& state) {
  SimProcess sim("", HART_SIM_PATH, true);
  if (!sim.ready()) {
    state.SkipWithError("hart-sim did not start");
    return;
  }
  const QString oldDir = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(sim.dir()));
  LoadSettings(TheAppSettings());
  CountingPrompts prompts;
  SetThePrompts(&prompts);
  double readMs = 0, renderMs = 0;
  int failures = 0, renders = 0;
  {
    CMorvaneDlg dlg;
    dlg.ApplySettings();
    dlg.setAttribute(Qt::WA_DontShowOnScreen);
    dlg.show();
    dlg.ShowPage(kCheckPage);
    auto* page = static_cast<CCalibrationCheckDlg*>(dlg.TabCtrl()->Page(kCheckPage));
    const std::pair<const char*, const char*> setup[] = {
        {"checkAmbient", "21"},          {"checkHumidity", "40"},
        {"checkReferenceName", "bench"}, {"checkReferenceSerial", "1"},
        {"checkUncertainty", "0.02"},    {"checkDueDate", "2099-12-31"},
        {"checkTechnician", "bench"}};
    for (const auto& [name, text] : setup)
      page->findChild<QLineEdit*>(name)->setText(text);
    auto* table = page->findChild<QTableWidget*>("checkTable");
    auto* start = page->findChild<QPushButton*>("buttonStartAsFound");
    auto* read = page->findChild<QPushButton*>("buttonRead");
    int answers = 0;  // the console's "ok" lines seen so far
    for (auto _ : state) {
      start->click();
      PumpUntil([&] { return !dlg.OperationRunning(); });
      double runMs = 0;
      for (int row = 0; row < table->rowCount(); ++row) {
        // The pressure applied, and taken, before the point is read.
        const std::string kPa =
            table->item(row, CCalibrationCheckDlg::kNominal)->text().toStdString();
        sim.Say("pressure " + kPa);
        ++answers;
        PumpUntil([&] {
          const std::string log = sim.Log();
          int oks = 0;
          for (size_t at = log.find("ok device"); at != std::string::npos;
               at = log.find("ok device", at + 1))
            ++oks;
          return oks >= answers;
        });
        table->selectRow(row);
        QElapsedTimer clock;
        clock.start();
        read->click();
        PumpUntil([&] { return dlg.m_bJobIdle.load() == 1 && start->isEnabled(); });
        runMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
      }
      state.SetIterationTime(runMs / 1000.0);
      readMs += runMs;
      const check_page::CheckRun& run = page->Run(check_page::Stage::AsFound);
      if (!run.Complete() || run.readings.size() != kPoints) ++failures;
    }
    // The certificate of the last run, as Save Certificate draws it.
    const check::CertificateData data = check_page::CertificateOf(
        page->Run(check_page::Stage::AsFound), page->Run(check_page::Stage::AsLeft), "CC-BENCH",
        "bench", QDateTime::currentDateTime());
    for (; renders < 5; ++renders) {
      QElapsedTimer clock;
      clock.start();
      if (check::RenderCertificatePdf(data).isEmpty()) ++failures;
      renderMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
    dlg.hide();
  }
  SetThePrompts(nullptr);
  QDir::setCurrent(oldDir);
  // Four pairs of command 1 (5 data bytes) and command 2 (8 data bytes) a point.
  const double floorMs = kPoints * 4 * (LongExchangeMs(5) + LongExchangeMs(8));
  const double meanMs = readMs / static_cast<double>(state.iterations());
  state.counters["mean_ms"] = meanMs;
  state.counters["floor_ms"] = floorMs;
  state.counters["ratio"] = meanMs / floorMs;
  state.counters["render_ms"] = renderMs / renders;
  state.counters["failures"] = failures + prompts.messages;
  std::printf(
      "9-point run's readings against paced hart-sim: %.0f ms, wire floor %.0f ms, "
      "ratio %.4f; the certificate renders in %.0f ms\n",
      meanMs, floorMs, meanMs / floorMs, renderMs / renders);
}
BENCHMARK(BM_CheckRunReadings)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
