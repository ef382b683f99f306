// The process monitor left running for a minute through the real POSIX port, against
// hart-sim paced at the real byte time: how much of one core the program uses meanwhile
// (process CPU time over wall time; the window is shown offscreen, so the charts are really
// painted at every turn), and the mean sampling period as a ratio to its floor: a command 1
// and a command 2 exchange on the wire, each with the device's turnaround, plus the 300 ms
// pause of every turn.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <vector>

#include "../tests/SimProcess.h"
#include "AppSettings.h"
#include "CMorvaneDlg.h"
#include "CMyTabCtrl.h"
#include "Prompts.h"
#include "TrendChart.h"
#include "support/CountingPrompts.h"

namespace {

constexpr int kTurnaroundMs = 20;
constexpr int kProcessMonitorPage = 12;
constexpr int kPauseMs = 300;

double ProcessCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// A long-frame exchange: a 14-byte request, the turnaround, a reply of 16 bytes and its data.
double LongExchangeMs(int replyData) {
  return WireMs(14) + kTurnaroundMs + WireMs(16 + replyData);
}

// MONITOR_BENCH_SECONDS shortens the run for a quick look.
int RunSeconds() {
  const char* text = std::getenv("MONITOR_BENCH_SECONDS");
  const int seconds = text ? std::atoi(text) : 0;
  return seconds > 0 ? seconds : 60;
}

void BM_ProcessMonitorMinute(benchmark::State& state) {
  SimProcess sim;
  if (!sim.ready()) {
    state.SkipWithError("hart-sim did not start");
    return;
  }
  const QString oldDir = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(sim.dir()));
  LoadSettings(TheAppSettings());
  TheAppSettings().onlineTestAll = 1;
  CountingPrompts prompts;
  SetThePrompts(&prompts);
  {
    CMorvaneDlg dlg;
    dlg.ApplySettings();
    dlg.resize(900, 640);
    dlg.show();
    QWidget* page = dlg.TabCtrl()->Page(kProcessMonitorPage);
    auto* chart = page->findChild<TrendChart*>("1285");
    auto* monitorAll = dlg.findChild<QAction*>("32806");
    if (!chart || !monitorAll) {
      state.SkipWithError("no process monitor");
      return;
    }
    // Every reading of the loop current, stamped; the first emission is the emptying at start.
    QElapsedTimer wall;
    std::vector<double> turns;
    QObject::connect(chart, &TrendChart::samplesShown,
                     [&] { turns.push_back(static_cast<double>(wall.nsecsElapsed()) / 1e6); });

    const double floorMs = LongExchangeMs(5) + LongExchangeMs(8) + kPauseMs;
    double cpuMs = 0;
    double wallMs = 0;
    for (auto _ : state) {
      turns.clear();
      wall.start();
      monitorAll->trigger();
      // From the first reading on: the start's identification and range read are not sampling.
      while (turns.size() < 2 && prompts.messages == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      const double cpuStart = ProcessCpuMs();
      const double wallStart = static_cast<double>(wall.nsecsElapsed()) / 1e6;
      // The event loop as the program runs it: idle between the worker's hand-overs.
      QEventLoop minute;
      QTimer::singleShot(RunSeconds() * 1000, Qt::PreciseTimer, &minute, &QEventLoop::quit);
      minute.exec();
      cpuMs = ProcessCpuMs() - cpuStart;
      wallMs = static_cast<double>(wall.nsecsElapsed()) / 1e6 - wallStart;
      page->findChild<QPushButton*>("1291")->click();
      while (dlg.m_bJobIdle.load() == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      state.SetIterationTime(wallMs / 1000.0);
    }
    // turns[0] is the emptying at start; the readings follow.
    const size_t readings = turns.size() > 1 ? turns.size() - 1 : 0;
    const double periodMs =
        readings > 1 ? (turns.back() - turns[1]) / static_cast<double>(readings - 1) : 0;
    state.counters["cpu_percent"] = 100.0 * cpuMs / wallMs;
    state.counters["turns"] = static_cast<double>(readings);
    state.counters["period_ms"] = periodMs;
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = periodMs / floorMs;
    state.counters["failures"] = prompts.messages;
    dlg.hide();
  }
  SetThePrompts(nullptr);
  QDir::setCurrent(oldDir);
}
BENCHMARK(BM_ProcessMonitorMinute)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
