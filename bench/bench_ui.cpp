// How long the UI thread goes without processing events while a page's Read runs: the
// damping page's Read (command 0, then command 15) through the real POSIX port, against
// hart-sim paced at the real byte time, and against a silent line (Broadcast addressing,
// nobody answering: four attempts of command 15, about 5.6 s). A 1 ms timer on the UI
// thread stamps every turn of the event loop; the longest gap between two stamps is the
// figure. The operation's own time is reported as a ratio to the wire floor. The PV
// parameters page's Read (identification and eight exchanges, run as a background job)
// is timed the same way. The damping page's Update runs in turns without and with the
// device records (SQLite, the writer on its own thread), and what recording adds is
// reported as the ratio of the two means and as the time the recorder's calls take.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "../tests/SimProcess.h"
#include "AppSettings.h"
#include "CMorvaneDlg.h"
#include "CMyTabCtrl.h"
#include "Commands.h"
#include "DeviceRecorder.h"
#include "Prompts.h"
#include "RecordStore.h"
#include "support/CountingPrompts.h"

namespace {

constexpr int kTurnaroundMs = 20;
constexpr int kDampingPage = 8;
constexpr int kPvParametersPage = 0;

struct Run {
  double operationMs = 0;
  double longestGapMs = 0;
  int messages = 0;
};

// Runs `start` in the window, with the event-loop stamps going, until the operation or the
// background job it started has ended.
Run TimedRun(CMorvaneDlg& dlg, CountingPrompts& prompts, const std::function<void()>& start) {
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0;
  qint64 longestNs = 0;
  QTimer stamp;
  stamp.setTimerType(Qt::PreciseTimer);
  stamp.setInterval(1);
  QObject::connect(&stamp, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    longestNs = std::max(longestNs, now - last);
    last = now;
  });
  const int messagesBefore = prompts.messages;
  stamp.start();
  last = clock.nsecsElapsed();
  const qint64 startNs = last;
  start();
  while (dlg.OperationRunning() || dlg.m_bJobIdle.load() == 0)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  const qint64 end = clock.nsecsElapsed();
  longestNs = std::max(longestNs, end - last);
  stamp.stop();
  return {static_cast<double>(end - startNs) / 1e6, static_cast<double>(longestNs) / 1e6,
          prompts.messages - messagesBefore};
}

// One Read of the page shown in the window.
Run ReadOnce(CMorvaneDlg& dlg, CountingPrompts& prompts) {
  auto* read = dlg.TabCtrl()->Page(dlg.CurrentPage())->findChild<QPushButton*>("1203");
  return TimedRun(dlg, prompts, [read] { read->click(); });
}

void Report(benchmark::State& state, const Run& worst, double totalMs, double floorMs,
            int failures) {
  const double meanMs = totalMs / static_cast<double>(state.iterations());
  state.counters["ui_gap_max_ms"] = worst.longestGapMs;
  state.counters["mean_ms"] = meanMs;
  state.counters["floor_ms"] = floorMs;
  state.counters["ratio"] = meanMs / floorMs;
  state.counters["failures"] = failures;
}

// Runs `once` for every iteration, timing it manually, and reports the slowest UI gap, the
// mean and its ratio to `floorMs`. A run failed when it showed other than `messages` messages;
// `failedAfter` may add failures found once all iterations are done.
void Measure(benchmark::State& state, double floorMs, int messages,
             const std::function<Run()>& once, const std::function<int()>& failedAfter = {}) {
  Run worst;
  double totalMs = 0;
  int failures = 0;
  for (auto _ : state) {
    const Run run = once();
    state.SetIterationTime(run.operationMs / 1000.0);
    totalMs += run.operationMs;
    failures += run.messages == messages ? 0 : 1;
    if (run.longestGapMs > worst.longestGapMs) worst = run;
  }
  if (failedAfter) failures += failedAfter();
  Report(state, worst, totalMs, floorMs, failures);
}

// Hands the window's reports on to the device recorder and adds up the time the calls take
// on the operation's worker: what recording costs the operation itself.
class TimedRecorder final : public OperationRecorder {
 public:
  explicit TimedRecorder(OperationRecorder& inner) : inner_(inner) {}
  void OperationEnded(DeviceState& ds, const OperationRecord& record) override {
    Timed([&] { inner_.OperationEnded(ds, record); });
  }
  void DeviceIdentified(const std::string& operation, int pollAddress,
                        const HartIdentity& identity) override {
    Timed([&] { inner_.DeviceIdentified(operation, pollAddress, identity); });
  }
  void WorkEnded(const WorkRecord& record) override {
    Timed([&] { inner_.WorkEnded(record); });
  }
  std::atomic<qint64> ns{0};

 private:
  void Timed(const std::function<void()>& call) {
    QElapsedTimer timer;
    timer.start();
    call();
    ns += timer.nsecsElapsed();
  }
  OperationRecorder& inner_;
};

// The main window with a recorder that can be switched on and off between operations.
class BenchDlg final : public CMorvaneDlg {
 public:
  OperationRecorder* Recorder() override { return recorder.load(); }
  std::atomic<OperationRecorder*> recorder{nullptr};
};

// A window in `folder` (its COM3 is the line) with the given addressing mode.
class Window {
 public:
  Window(const std::string& folder, bool normal, int page = kDampingPage)
      : oldDir_(QDir::currentPath()) {
    QDir::setCurrent(QString::fromStdString(folder));
    LoadSettings(TheAppSettings());
    TheAppSettings().onlineTestAll = normal ? 1 : 0;
    SetThePrompts(&prompts);
    dlg.ApplySettings();
    dlg.setAttribute(Qt::WA_DontShowOnScreen);
    dlg.show();
    dlg.ShowPage(page);
  }
  ~Window() {
    dlg.hide();
    SetThePrompts(nullptr);
    QDir::setCurrent(oldDir_);  // the folder goes with its line
  }

 private:
  QString oldDir_;

 public:
  CountingPrompts prompts;
  BenchDlg dlg;
};

void BM_PageReadDeviceAnswering(benchmark::State& state) {
  SimProcess sim;
  if (!sim.ready()) {
    state.SkipWithError("hart-sim did not start");
    return;
  }
  Window window(sim.dir(), true);
  // The floor: each request and its reply on the wire with the device's turnaround between,
  // and the two 100 ms success pauses (the identification's and the Read's). Command 0: a
  // 10-byte short request, a 24-byte short reply with 12 identity bytes; command 15: a
  // 14-byte long request, a 33-byte reply with 17 data bytes.
  const double floorMs =
      WireMs(10) + kTurnaroundMs + WireMs(24) + 100 + WireMs(14) + kTurnaroundMs + WireMs(33) + 100;
  // A successful Read shows nothing.
  Measure(state, floorMs, 0, [&] { return ReadOnce(window.dlg, window.prompts); });
}
BENCHMARK(BM_PageReadDeviceAnswering)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void BM_PageUpdateRecorded(benchmark::State& state) {
  SimProcess sim;
  if (!sim.ready()) {
    state.SkipWithError("hart-sim did not start");
    return;
  }
  Window window(sim.dir(), true);
  // Records.db and the journal in the folder, as the program keeps them.
  DeviceRecorder recorder(QString(), RecordsJournalPath());
  TimedRecorder timed(recorder);
  QWidget* page = window.dlg.TabCtrl()->Page(kDampingPage);
  auto* edit = page->findChild<QLineEdit*>("1212");
  auto* update = page->findChild<QPushButton*>("1204");
  auto updateOnce = [&](bool recorded, const char* damping) {
    window.dlg.recorder = recorded ? &timed : nullptr;
    edit->setText(damping);
    return TimedRun(window.dlg, window.prompts, [update] { update->click(); });
  };
  // Without and with the records in turns, so that a drift of the line's timing falls on
  // both alike; each turn writes a damping other than the device holds.
  double withoutMs = 0, withMs = 0;
  int failures = 0, turns = 0;
  for (auto _ : state) {
    const Run plain = updateOnce(false, "3.3");
    const Run recorded = updateOnce(true, "2.5");
    state.SetIterationTime(recorded.operationMs / 1000.0);
    withoutMs += plain.operationMs;
    withMs += recorded.operationMs;
    failures += plain.messages + recorded.messages;  // a successful Update shows nothing
    ++turns;
  }
  // Every recorded Update (and the one identification) must have reached the store.
  if (!recorder.Flush(10000)) ++failures;
  RecordsLocation where;
  QString error;
  ParseRecordsLocation(QString(), where, &error);
  if (auto store = RecordStore::Open(where, &error)) {
    const auto stored = store->Records(QString(), QString(), turns + 10, &error);
    if (stored.size() != static_cast<size_t>(turns) + 1) ++failures;
  } else {
    ++failures;
  }
  const double ratio = withMs / withoutMs;
  const double recorderUs = static_cast<double>(timed.ns.load()) / 1e3 / turns;
  state.counters["without_ms"] = withoutMs / turns;
  state.counters["with_ms"] = withMs / turns;
  state.counters["ratio"] = ratio;
  state.counters["recorder_us"] = recorderUs;
  state.counters["failures"] = failures;
  std::printf(
      "Damping Update against paced hart-sim: %.1f ms without records, %.1f ms recording to "
      "SQLite (ratio %.4f, %+.2f %%); the recorder's calls take %.0f us per operation\n",
      withoutMs / turns, withMs / turns, ratio, (ratio - 1) * 100, recorderUs);
}
BENCHMARK(BM_PageUpdateRecorded)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// Long-frame exchanges: a 14-byte request without data, a reply of 16 bytes plus its data.
double LongExchangeMs(int replyData) {
  return WireMs(14) + kTurnaroundMs + WireMs(16 + replyData);
}

void BM_PvParametersRead(benchmark::State& state) {
  SimProcess sim;
  if (!sim.ready()) {
    state.SkipWithError("hart-sim did not start");
    return;
  }
  Window window(sim.dir(), true, kPvParametersPage);
  // Identification and its pause, then 148, 149, 15, 147, 150, 12, 16 and 216 with the
  // data of their replies, and the Read's success pause.
  double floorMs = WireMs(10) + kTurnaroundMs + WireMs(24) + 100 + 100;
  for (int replyData : {10, 9, 17, 9, 4, 24, 3, 1})
    floorMs += LongExchangeMs(replyData);
  // A successful Read shows nothing.
  Measure(state, floorMs, 0, [&] { return ReadOnce(window.dlg, window.prompts); });
}
BENCHMARK(BM_PvParametersRead)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_UploadToComputer(benchmark::State& state) {
  SimProcess sim;
  if (!sim.ready()) {
    state.SkipWithError("hart-sim did not start");
    return;
  }
  Window window(sim.dir(), true);
  window.prompts.file = QString::fromStdString(sim.dir() + "/bench.Hart");
  auto* upload = window.dlg.findChild<QAction*>("32839");
  // Identification and its pause; 250 times command 245 (a 15-byte request with the block
  // index, a reply with 9 data bytes); the success pause.
  const double floorMs = WireMs(10) + kTurnaroundMs + WireMs(24) + 100 +
                         250 * (WireMs(15) + kTurnaroundMs + WireMs(16 + 9)) + 100;
  const std::string file = sim.dir() + "/bench.Hart";
  Measure(
      state, floorMs, 0,
      [&] { return TimedRun(window.dlg, window.prompts, [upload] { upload->trigger(); }); },
      [&] {
        std::error_code ec;
        return std::filesystem::file_size(file, ec) == 2000 ? 0 : 1;
      });
}
BENCHMARK(BM_UploadToComputer)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// A pseudo-terminal nobody answers on, linked as COM3 in a folder of its own.
class SilentLine {
 public:
  SilentLine() {
    char pattern[] = "/tmp/hart-silent-XXXXXX";
    dir_ = mkdtemp(pattern);
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    std::filesystem::create_symlink(ptsname(master_), dir_ + "/COM3");
    ok_ = true;
  }
  ~SilentLine() {
    if (master_ >= 0) close(master_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  bool ok() const { return ok_; }
  const std::string& dir() const { return dir_; }

 private:
  std::string dir_;
  int master_ = -1;
  bool ok_ = false;
};

void BM_PageReadDeviceSilent(benchmark::State& state) {
  SilentLine line;
  if (!line.ok()) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  Window window(line.dir(), false);
  // Four attempts, each the send wait of the 14-byte request and the whole quiet allowance.
  const double floorMs = 4 * (HartSendWaitMs(14) + 1250);
  // Exactly the failure message.
  Measure(state, floorMs, 1, [&] { return ReadOnce(window.dlg, window.prompts); });
}
BENCHMARK(BM_PageReadDeviceSilent)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
