// morvane-shot OUTPUT.png [PAGE [--samples N]]: renders the main window, as it looks at start
// with the default settings (or showing page PAGE, 0..16), into a PNG file. Opens no port and
// reads or writes no settings file.
//
// morvane-shot OUTPUT.png --dialog calculator|defaults: renders the calculator (with a worked
// example in both groups) or the default parameters dialog on the default settings instead.
//
// With --samples N (1..99) the page's Start is pressed against a simulated transmitter in
// this process, on a virtual clock, whose pressure rises and falls from reading to reading;
// the picture is taken once N readings are on the page's charts and sampling has stopped.
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "AppIcon.h"
#include "CCalculateDlg.h"
#include "CDefaultSetDlg.h"
#include "CMorvaneDlg.h"
#include "CMyTabCtrl.h"
#include "Commands.h"
#include "Prompts.h"
#include "SimLoop.h"
#include "SimulatedPort.h"
#include "TrendChart.h"

namespace {

// Nothing is shown: a picture never waits for a message box.
class QuietPrompts final : public Prompts {
 public:
  void Message(const QString& text) override {
    std::fprintf(stderr, "morvane-shot: %s\n", text.toLocal8Bit().constData());
  }
  bool Confirm(const QString&) override { return true; }
  QString SaveFile(const QString&, const QString&) override { return {}; }
  QString OpenFile(const QString&, const QString&) override { return {}; }
};

bool ParseInt(const char* text, long low, long high, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return *text && !*end && value >= low && value <= high;
}

// The pressure of the n-th reading, kPa: a slow swell with a faster ripple, inside the
// default range 0..100 kPa.
double PressureOfReading(int n) {
  return 50.0 + 30.0 * std::sin(n / 9.0) + 8.0 * std::sin(n / 2.3);
}

// Presses the page's Start against `device` and returns once `samples` readings are on
// its charts and sampling has stopped; false when sampling ended first.
bool Sample(CMorvaneDlg& dlg, QWidget* page, SimTransmitter& device, int samples) {
  auto* start = page->findChild<QPushButton*>("1290");
  auto* stop = page->findChild<QPushButton*>("1291");
  const QList<TrendChart*> charts = page->findChildren<TrendChart*>();
  if (!start || !stop || charts.isEmpty()) return false;
  int readings = 0;
  // Every chart of the page shows each turn; the first one counts the turns.
  QObject::connect(charts.front(), &TrendChart::samplesShown, [&](int count) {
    if (count == 0) return;  // the emptying at start
    readings = count;
    device.SetPressure(PressureOfReading(readings));
    if (readings >= samples) stop->click();
  });
  device.SetPressure(PressureOfReading(0));
  start->click();
  while (readings < samples && (dlg.OperationRunning() || dlg.m_bJobIdle.load() == 0))
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  while (dlg.m_bJobIdle.load() == 0)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QApplication::processEvents();
  return readings >= samples;
}

// Renders dialog `name` into `file`; false for an unknown name or a file not written.
bool ShotDialog(const char* name, const char* file) {
  std::unique_ptr<QDialog> dialog;
  if (std::strcmp(name, "calculator") == 0) {
    auto calculator = std::make_unique<CCalculateDlg>();
    const std::pair<const char*, const char*> typed[] = {
        {"1335", "0"}, {"1338", "100"},  {"1348", "25"},  {"1349", "10"},    {"1350", "90"},
        {"1351", "0"}, {"1352", "1000"}, {"1353", "100"}, {"1354", "51000"},
    };
    for (const auto& [id, text] : typed)
      calculator->findChild<QLineEdit*>(id)->setText(text);
    calculator->OnBnClickedCalculationPv();
    calculator->OnBnClickedCalculationAd();
    dialog = std::move(calculator);
  } else if (std::strcmp(name, "defaults") == 0) {
    dialog = std::make_unique<CDefaultSetDlg>();
  } else {
    std::fprintf(stderr, "morvane-shot: no dialog %s (calculator, defaults)\n", name);
    return false;
  }
  dialog->show();
  QApplication::processEvents();
  if (dialog->grab().save(QString::fromLocal8Bit(file), "PNG")) return true;
  std::fprintf(stderr, "morvane-shot: cannot write %s\n", file);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc == 4 && std::strcmp(argv[2], "--dialog") == 0) {
    app.setWindowIcon(MorvaneIcon());
    return ShotDialog(argv[3], argv[1]) ? 0 : 1;
  }
  long page = -1;
  long samples = 0;
  const bool withSamples = argc == 5 && std::strcmp(argv[3], "--samples") == 0;
  if (!(argc == 2 || argc == 3 || withSamples) ||
      (argc >= 3 && !ParseInt(argv[2], 0, CMorvaneDlg::kPageCount - 1, page)) ||
      (withSamples && !ParseInt(argv[4], 1, TrendRing::kSlots - 1, samples))) {
    std::fprintf(stderr,
                 "usage: morvane-shot OUTPUT.png [PAGE [--samples N]]\n"
                 "       morvane-shot OUTPUT.png --dialog calculator|defaults\n"
                 "  PAGE 0..%d, N 1..%d\n",
                 CMorvaneDlg::kPageCount - 1, TrendRing::kSlots - 1);
    return 2;
  }
  app.setWindowIcon(MorvaneIcon());

  // The simulated transmitter goes in before the window, which then talks only to it.
  VirtualClock clock;
  SimLoop loop;
  QuietPrompts prompts;
  SimTransmitter* device = nullptr;
  if (withSamples) {
    SetTheClock(&clock);
    SetThePrompts(&prompts);
    device = &loop.AddDevice(0);
    DeviceState& ds = TheDeviceState();
    ds.port = std::make_unique<SimulatedPort>(loop, clock);
    ds.request = HartStartRequest();
  }

  int status = 0;
  {
    CMorvaneDlg dlg;
    if (page >= 0) dlg.ShowPage(static_cast<int>(page));
    dlg.show();
    QApplication::processEvents();
    if (withSamples && !Sample(dlg, dlg.TabCtrl()->Page(static_cast<int>(page)), *device,
                               static_cast<int>(samples))) {
      std::fprintf(stderr, "morvane-shot: page %ld did not take %ld samples\n", page, samples);
      status = 1;
    }
    if (status == 0 && !dlg.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
      std::fprintf(stderr, "morvane-shot: cannot write %s\n", argv[1]);
      status = 1;
    }
  }
  if (withSamples) {
    DeviceState& ds = TheDeviceState();
    HartClosePort(ds);
    ds.port.reset();
    SetThePrompts(nullptr);
    SetTheClock(nullptr);
  }
  return status;
}
