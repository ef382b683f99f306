// morvane-shot OUTPUT.png [PAGE [--samples N]]: renders the main window, as it looks at start
// with the default settings (or showing page PAGE, 0..17), into a PNG file. Opens no port and
// reads or writes no settings file.
//
// morvane-shot OUTPUT.png --dialog calculator|defaults: renders the calculator (with a worked
// example in both groups) or the default parameters dialog on the default settings instead.
//
// With --samples N (1..99) the page's Start is pressed against a simulated transmitter in
// this process, on a virtual clock, whose pressure rises and falls from reading to reading;
// the picture is taken once N readings are on the page's charts and sampling has stopped.
//
// morvane-shot OUTPUT.png --history [WHERE]: against the same simulated transmitter, with the
// device records in Records.db of a temporary folder (or in WHERE, any records location,
// which is kept), does what a technician does: the damping's Read and an Update to 3.3 s, the
// rerange's Read and an Update to 0..250 kPa, File > "Update to computer", the damping again
// and a second "Update to computer". Then it opens Info Look > "Device History" and renders it
// to OUTPUT.png, and Compare of the two uploads to OUTPUT-compare.png.
//
// morvane-shot OUTPUT.png --check CERTIFICATE.pdf: against the same simulated transmitter, out
// of calibration by a zero offset of 0.5 % of span (with a little hysteresis and noise), does
// a technician's calibration check: the set-up typed, the As Found run read at its nine
// points (FAIL), the two point trim on its page, the As Left run (PASS) and the certificate
// saved as CERTIFICATE.pdf with its CSV, all recorded in Records.db beside it. Then the
// window showing the page is rendered.
//
// morvane-shot OUTPUT.png --search: against a simulated multi-drop loop of three transmitters
// (PT-101 at polling address 0, FT-202 at 4, LT-303 at 9), runs Tools > "Polling" and renders
// the window the search ends in.
//
// Any of them with --language en|zh|asbuilt draws in English, in Chinese or in the texts as
// built (the default), as Tools > "Default Parameters" > Language switches the program.
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "AppIcon.h"
#include "AppSettings.h"
#include "CCalculateDlg.h"
#include "CDefaultSetDlg.h"
#include "CMorvaneDlg.h"
#include "CMyTabCtrl.h"
#include "Commands.h"
#include "DeviceHistoryDlg.h"
#include "DeviceRecorder.h"
#include "Prompts.h"
#include "Retranslate.h"
#include "SearchResultsDlg.h"
#include "SimBytes.h"
#include "SimLoop.h"
#include "SimulatedPort.h"
#include "TrendChart.h"

namespace {

// Nothing is shown: a picture never waits for a message box. A file to save is `saveAs`.
class QuietPrompts final : public Prompts {
 public:
  void Message(const QString& text) override {
    ++messages;
    std::fprintf(stderr, "morvane-shot: %s\n", text.toLocal8Bit().constData());
  }
  bool Confirm(const QString&) override { return true; }
  QString SaveFile(const QString&, const QString&) override { return saveAs; }
  QString OpenFile(const QString&, const QString&) override { return {}; }

  int messages = 0;
  QString saveAs;
};

// The window's link on a simulated transmitter at polling address 0 in this process, on a
// virtual clock, from construction (before the window is made) to destruction.
class InProcessDevice {
 public:
  InProcessDevice() {
    SetTheClock(&clock_);
    SetThePrompts(&prompts);
    device = &loop_.AddDevice(0);
    DeviceState& ds = TheDeviceState();
    ds.port = std::make_unique<SimulatedPort>(loop_, clock_);
    ds.request = HartStartRequest();
  }
  ~InProcessDevice() {
    DeviceState& ds = TheDeviceState();
    HartClosePort(ds);
    ds.port.reset();
    SetThePrompts(nullptr);
    SetTheClock(nullptr);
  }
  InProcessDevice(const InProcessDevice&) = delete;
  InProcessDevice& operator=(const InProcessDevice&) = delete;

  // Another transmitter on the same loop, named `tag`.
  SimTransmitter& AddDevice(uint8_t pollingAddress, const char* tag) {
    SimTransmitter& added = loop_.AddDevice(pollingAddress);
    SimImage image = added.Image();
    simbytes::PackText(tag, image.Data() + image::kTag, 8);
    added.SetImage(image);
    return added;
  }

  QuietPrompts prompts;
  SimTransmitter* device = nullptr;

 private:
  VirtualClock clock_;
  SimLoop loop_;
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

bool Save(QWidget* window, const QString& file) {
  if (window->grab().save(file, "PNG")) return true;
  std::fprintf(stderr, "morvane-shot: cannot write %s\n", qPrintable(file));
  return false;
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
  return Save(dialog.get(), QString::fromLocal8Bit(file));
}

// Pumps the UI until `done` holds; false after `ms` of real time (the store's threads and
// the device's workers run in real time).
bool WaitUntil(const std::function<bool()>& done, int ms = 30000) {
  QElapsedTimer elapsed;
  elapsed.start();
  QTimer tick;  // wakes the loop to look again when nothing else does
  tick.start(20);
  while (!done()) {
    if (elapsed.hasExpired(ms)) return false;
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

template <class W>
W* Named(QObject* parent, const char* name) {
  W* w = parent ? parent->findChild<W*>(name) : nullptr;
  if (!w) std::fprintf(stderr, "morvane-shot: no control %s\n", name);
  return w;
}

// The user's steps through the window, each waited for until the device work it started has
// ended; a step that shows a message (a failure) ends the run.
class UserSteps {
 public:
  UserSteps(CMorvaneDlg& dlg, QuietPrompts& prompts) : dlg_(dlg), prompts_(prompts) {}

  QWidget* Page() const { return page_; }
  // Shows page `index` as the tree does.
  bool Open(int index) {
    bool shown = false;
    dlg_.ShowPage(index, [&shown] { shown = true; });
    page_ = dlg_.TabCtrl()->Page(index);
    return WaitUntil([&shown] { return shown; });
  }
  // Types `text` into the page's edit `id`, as the user replaces what it shows.
  bool Type(const char* id, const char* text) {
    auto* edit = Named<QLineEdit>(page_, id);
    if (edit) edit->setText(text);
    return edit;
  }
  bool Press(const char* id, const char* what) {
    auto* button = Named<QPushButton>(page_, id);
    return button && Run(what, [button] { button->click(); });
  }
  bool Menu(const char* action, const char* what) {
    auto* item = Named<QAction>(&dlg_, action);
    return item && Run(what, [item] { item->trigger(); });
  }
  // A few seconds pass, so that the two uploads' times tell them apart.
  bool Later() {
    QElapsedTimer elapsed;
    elapsed.start();
    return WaitUntil([&elapsed] { return elapsed.hasExpired(2000); });
  }
  // File > "Update to computer", the save prompt answered with `file`.
  bool UpdateToComputer(const QString& file) {
    prompts_.saveAs = file;
    return Menu("32839", "File > Update to computer");
  }

 private:
  bool Run(const char* what, const std::function<void()>& act) {
    const int before = prompts_.messages;
    act();
    const bool ended =
        WaitUntil([this] { return !dlg_.OperationRunning() && dlg_.m_bJobIdle.load() == 1; });
    if (ended && prompts_.messages == before) return true;
    std::fprintf(stderr, "morvane-shot: %s %s\n", what, ended ? "showed a message" : "did not end");
    return false;
  }

  CMorvaneDlg& dlg_;
  QuietPrompts& prompts_;
  QWidget* page_ = nullptr;
};

// Widens the table's columns but the last to their contents, so no text of the shown rows
// is cut; the last column takes what is left.
void FitColumns(QTableWidget* table) {
  for (int column = 0; column + 1 < table->columnCount(); ++column) {
    const int width = table->columnWidth(column);
    table->resizeColumnToContents(column);
    table->setColumnWidth(column, std::max(width, table->columnWidth(column) + 8));
  }
}

// `records` is the records location (empty: Records.db in `folder`); the uploads are saved in
// `folder`. Writes Device History to `file` and Compare beside it, "-compare" added to its
// name.
bool ShotHistory(const QString& file, const QString& folder, QString records) {
  constexpr int kRerangePage = 5;
  constexpr int kDampingPage = 8;
  if (records.isEmpty()) records = QDir(folder).absoluteFilePath("Records.db");
  InProcessDevice sim;
  DeviceRecorder recorder(records, QDir(folder).absoluteFilePath("Records.journal"));
  TheAppSettings().records = records.toStdString();  // what Device History reads

  CMorvaneDlg dlg;
  dlg.SetRecorder(&recorder);
  dlg.show();
  QApplication::processEvents();
  UserSteps user(dlg, sim.prompts);
  const bool done = user.Open(kDampingPage) && user.Press("1203", "Damping Time > Read") &&
                    user.Type("1212", "3.3") && user.Press("1204", "Damping Time > Update") &&
                    user.Open(kRerangePage) &&
                    user.Press("1203", "Rerange Without Pressure > Read") &&
                    user.Type("1209", "0") && user.Type("1208", "250") &&
                    user.Press("1204", "Rerange Without Pressure > Update") &&
                    user.UpdateToComputer(QDir(folder).absoluteFilePath("PT-101.Hart")) &&
                    user.Later() && user.Open(kDampingPage) && user.Type("1212", "1.5") &&
                    user.Press("1204", "Damping Time > Update") &&
                    user.UpdateToComputer(QDir(folder).absoluteFilePath("PT-101-2.Hart"));
  if (!done) return false;
  if (!recorder.Flush(20000)) {
    std::fprintf(stderr, "morvane-shot: the records were not stored: %s\n",
                 qPrintable(recorder.CurrentStatus().reason));
    return false;
  }

  // Info Look > "Device History"; the newest device seen is chosen at once.
  auto* menu = Named<QAction>(&dlg, "deviceHistoryMenu");
  if (!menu) return false;
  menu->trigger();
  auto* history = dlg.findChild<DeviceHistoryDlg*>();
  auto* table = Named<QTableWidget>(history, "records");
  auto* count = Named<QLabel>(history, "recordCount");
  if (!table || !count ||
      !WaitUntil([&] { return table->rowCount() > 0 && count->text().endsWith(" shown"); })) {
    std::fprintf(stderr, "morvane-shot: Device History showed no records: %s\n",
                 count ? qPrintable(count->text()) : "");
    return false;
  }
  FitColumns(Named<QTableWidget>(history, "devices"));
  FitColumns(table);
  history->resize(std::max(history->width(), table->horizontalHeader()->length() + 40),
                  history->height());
  QApplication::processEvents();
  if (!Save(history, file)) return false;

  auto* compareButton = Named<QPushButton>(history, "buttonCompare");
  if (!compareButton) return false;
  compareButton->click();
  auto* compare = history->findChild<ConfigCompareDlg*>();
  auto* values = Named<QTableWidget>(compare, "values");
  auto* differ = Named<QLabel>(compare, "differenceCount");
  if (!values || !differ ||
      !WaitUntil([&] { return values->rowCount() > 0 && !differ->text().startsWith("Choose"); })) {
    std::fprintf(stderr, "morvane-shot: Compare showed no values: %s\n",
                 differ ? qPrintable(differ->text()) : "");
    return false;
  }
  QApplication::processEvents();
  const QFileInfo named(file);
  return Save(compare, named.dir().filePath(named.completeBaseName() + "-compare.png"));
}

// The calibration check of the README: see the usage at the top.
bool ShotCheck(const QString& file, const QString& certificate) {
  constexpr int kCheckPage = 17;
  constexpr int kTwoPointTrimPage = 6;
  InProcessDevice sim;
  sim.device->SetCalibrationErrors({.offset = 0.5, .hysteresis = 0.1, .noise = 0.01});
  // The runs and the certificate are recorded beside the certificate, for hartctl history.
  const QDir folder = QFileInfo(certificate).absoluteDir();
  DeviceRecorder recorder(folder.absoluteFilePath("Records.db"),
                          folder.absoluteFilePath("Records.journal"));
  CMorvaneDlg dlg;
  dlg.SetRecorder(&recorder);
  dlg.show();
  QApplication::processEvents();
  UserSteps user(dlg, sim.prompts);
  const QByteArray due = QDate::currentDate().addYears(1).toString("yyyy-MM-dd").toLatin1();
  const std::pair<const char*, const char*> setup[] = {
      {"checkAmbient", "21.5"},
      {"checkHumidity", "45"},
      {"checkReferenceName", "PC-6 pressure calibrator"},
      {"checkReferenceSerial", "PC6-10234"},
      {"checkUncertainty", "0.02"},
      {"checkDueDate", due.constData()},
      {"checkTechnician", "A. Tester"}};
  if (!user.Open(kCheckPage)) return false;
  for (const auto& [id, text] : setup)
    if (!user.Type(id, text)) return false;
  auto* table = Named<QTableWidget>(user.Page(), "checkTable");
  auto* start = Named<QPushButton>(user.Page(), "buttonStartAsFound");
  // Each point at its nominal pressure (the range is 0..100 kPa); a Read has ended once the
  // page takes a Start again.
  auto readPoints = [&] {
    for (int row = 0; table && start && row < table->rowCount(); ++row) {
      sim.device->SetPressure(table->item(row, 1)->text().toDouble());
      table->selectRow(row);
      if (!user.Press("buttonRead", "Calibration Check > Read") ||
          !WaitUntil([start] { return start->isEnabled(); }))
        return false;
    }
    return table && start && table->rowCount() > 0;
  };
  auto apply = [&sim](double kPa) {
    sim.device->SetPressure(kPa);
    return true;
  };
  const bool done =
      user.Press("buttonStartAsFound", "Calibration Check > Start As Found") && readPoints() &&
      user.Open(kTwoPointTrimPage) && apply(0) && user.Press("1225", "Two Point Trim > Sampling") &&
      user.Type("1229", "0") && user.Press("1226", "Two Point Trim > PV Low Trim") && apply(100) &&
      user.Press("1225", "Two Point Trim > Sampling") && user.Type("1229", "100") &&
      user.Press("1227", "Two Point Trim > PV High Trim") && user.Open(kCheckPage) &&
      user.Press("buttonStartAsLeft", "Calibration Check > Start As Left") && readPoints();
  if (!done) return false;
  sim.prompts.saveAs = certificate;
  if (!user.Press("buttonSaveCertificate", "Calibration Check > Save Certificate")) return false;
  QApplication::processEvents();
  if (!recorder.Flush(20000)) {
    std::fprintf(stderr, "morvane-shot: the records were not stored: %s\n",
                 qPrintable(recorder.CurrentStatus().reason));
    return false;
  }
  const bool saved = Save(&dlg, file);
  dlg.SetRecorder(nullptr);
  return saved;
}

// The search of the README: see the usage at the top.
bool ShotSearch(const QString& file) {
  InProcessDevice sim;
  sim.AddDevice(4, "FT-202");
  sim.AddDevice(9, "LT-303");
  CMorvaneDlg dlg;
  dlg.show();
  QApplication::processEvents();
  UserSteps user(dlg, sim.prompts);
  if (!user.Menu("menuPolling", "Tools > Polling")) return false;
  auto* results = dlg.findChild<SearchResultsDlg*>();
  if (!results || !WaitUntil([results] { return results->isVisible(); })) {
    std::fprintf(stderr, "morvane-shot: the search showed no results\n");
    return false;
  }
  QApplication::processEvents();
  return Save(results, file);
}

// Takes "--language en|zh|asbuilt" out of the arguments, wherever it stands, and switches
// to that language; false for a language it does not know.
bool TakeLanguage(int& argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--language") != 0) continue;
    const char* name = argv[i + 1];
    const Language language = std::strcmp(name, "en") == 0   ? Language::English
                              : std::strcmp(name, "zh") == 0 ? Language::Chinese
                                                             : Language::AsBuilt;
    if (language == Language::AsBuilt && std::strcmp(name, "asbuilt") != 0) return false;
    std::copy(argv + i + 2, argv + argc, argv + i);
    argc -= 2;
    return ApplyLanguage(language);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setWindowIcon(MorvaneIcon());
  if (!TakeLanguage(argc, argv)) {
    std::fprintf(stderr, "morvane-shot: --language en, zh or asbuilt\n");
    return 2;
  }
  if (argc == 4 && std::strcmp(argv[2], "--dialog") == 0)
    return ShotDialog(argv[3], argv[1]) ? 0 : 1;
  if ((argc == 3 || argc == 4) && std::strcmp(argv[2], "--history") == 0) {
    QTemporaryDir folder(QDir::temp().absoluteFilePath("shot-XXXXXX"));
    if (!folder.isValid()) {
      std::fprintf(stderr, "morvane-shot: no temporary folder: %s\n",
                   qPrintable(folder.errorString()));
      return 1;
    }
    return ShotHistory(QString::fromLocal8Bit(argv[1]), folder.path(),
                       argc == 4 ? QString::fromLocal8Bit(argv[3]) : QString())
               ? 0
               : 1;
  }
  if (argc == 3 && std::strcmp(argv[2], "--search") == 0)
    return ShotSearch(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
  if (argc == 4 && std::strcmp(argv[2], "--check") == 0)
    return ShotCheck(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
  long page = -1;
  long samples = 0;
  const bool withSamples = argc == 5 && std::strcmp(argv[3], "--samples") == 0;
  if (!(argc == 2 || argc == 3 || withSamples) ||
      (argc >= 3 && !ParseInt(argv[2], 0, CMorvaneDlg::kPageCount - 1, page)) ||
      (withSamples && !ParseInt(argv[4], 1, TrendRing::kSlots - 1, samples))) {
    std::fprintf(stderr,
                 "usage: morvane-shot OUTPUT.png [PAGE [--samples N]]\n"
                 "       morvane-shot OUTPUT.png --dialog calculator|defaults\n"
                 "       morvane-shot OUTPUT.png --history [RECORDS-LOCATION]\n"
                 "       morvane-shot OUTPUT.png --check CERTIFICATE.pdf\n"
                 "       morvane-shot OUTPUT.png --search\n"
                 "  any of them with --language en|zh|asbuilt\n"
                 "  PAGE 0..%d, N 1..%d\n",
                 CMorvaneDlg::kPageCount - 1, TrendRing::kSlots - 1);
    return 2;
  }

  // The simulated transmitter goes in before the window, which then talks only to it.
  std::unique_ptr<InProcessDevice> sim;
  if (withSamples) sim = std::make_unique<InProcessDevice>();
  CMorvaneDlg dlg;
  if (page >= 0) dlg.ShowPage(static_cast<int>(page));
  dlg.show();
  QApplication::processEvents();
  if (withSamples && !Sample(dlg, dlg.TabCtrl()->Page(static_cast<int>(page)), *sim->device,
                             static_cast<int>(samples))) {
    std::fprintf(stderr, "morvane-shot: page %ld did not take %ld samples\n", page, samples);
    return 1;
  }
  return Save(&dlg, QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
