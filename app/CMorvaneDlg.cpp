#include "CMorvaneDlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>

#include "AppIcon.h"
#include "AppSettings.h"
#include "CAboutDlg.h"
#include "CCalculateDlg.h"
#include "CDefaultSetDlg.h"
#include "CDeviceInfDlg.h"
#include "CMyTabCtrl.h"
#include "CommunicationLog.h"
#include "ConfigTransfer.h"
#include "DeviceHistoryDlg.h"
#include "DeviceRecorder.h"
#include "DeviceSearch.h"
#include "DialogUnits.h"
#include "HartIpPort.h"
#include "InputBlocker.h"
#include "LinkMonitor.h"
#include "Maintenance.h"
#include "NavigationTree.h"
#include "Prompts.h"
#include "Retranslate.h"
#include "SearchResultsDlg.h"
#include "Texts.h"
#include "UiThreadQueue.h"
#include "calibration/CDuoDianDlg.h"
#include "check/CCalibrationCheckDlg.h"
#include "config/CDampingTimeDlg.h"
#include "config/CFilterSetDlg.h"
#include "config/CInstrumentInformationDlg.h"
#include "config/CInstrumentNumberDlg.h"
#include "config/COutputCharacteristicDlg.h"
#include "config/CSVParamDlg.h"
#include "config/CSpecialParamDlg.h"
#include "monitor/CMonitorCurrentDlg.h"
#include "monitor/CMonitorPercentDlg.h"
#include "monitor/CMonitorPressureDlg.h"
#include "monitor/CProcessMonitoringDlg.h"
#include "ranging/CComprehensiveParamDlg.h"
#include "ranging/CIOCalibrationDlg.h"
#include "ranging/CPassiveMigrationDlg.h"
#include "ranging/CTwoFineTuningDlg.h"

namespace {

// Item data of the navigation tree: what a click on the item does.
enum TreeAction {
  kGroup = 0,
  kFirstCalibrationPage = 11,  // 11..13: pages 0..2
  kLastCalibrationPage = 13,
  kCalibrationCheck = 14,   // page 17
  kFirstSettingsPage = 21,  // 21..29: pages 3..11
  kLastSettingsPage = 29,
  kMonitorProcess = 30,
  kDeviceReset = 40,
  kOnlineTest = 50,
  kPollingDevice = 60,
  kStopCommunication = 70,
};

constexpr int kProcessMonitorPage = 12;
constexpr int kCalibrationCheckPage = 17;

}  // namespace

CMorvaneDlg::CMorvaneDlg(QWidget* parent) : QDialog(parent) {
  TheUiQueue();  // workers hand their UI work to it: it must exist before the first starts
  setWindowTitle("Tellavo V3.6.en");
  setWindowIcon(MorvaneIcon());
  setSizeGripEnabled(false);
  m_linkMonitor = new LinkMonitor(this);
  TheDeviceState().observer = m_linkMonitor;

  const DialogUnits du(font());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // not resizable

  m_menuBar = new QMenuBar(this);
  layout->setMenuBar(m_menuBar);
  BuildMenu();

  // The bottom row ends at 324 units; the status bar comes below it.
  m_client = new QWidget(this);
  layout->addWidget(m_client);

  m_tree = new NavigationTree(m_client);
  m_tree->setObjectName("1000");
  m_tree->setAccessibleName("Functions");
  BuildTree();
  // The tree is 110 units wide unless its longest label needs more in this font; then the
  // whole window grows by the difference rather than cutting the labels.
  const int treeWidth =
      std::max(du.X(110), m_tree->LabelsWidth() + 2 * m_tree->frameWidth() + du.X(4));
  const int extra = treeWidth - du.X(110);
  m_tree->setGeometry(du.X(5), du.Y(2), treeWidth, du.Y(303));
  m_client->setFixedSize(du.X(574) + extra, du.Y(330));

  m_tabCtrl = new CMyTabCtrl(m_client);
  m_tabCtrl->setObjectName("1001");
  m_tabCtrl->setGeometry(du.Rect(122, 7, 447, 298).translated(extra, 0));

  auto* stationLabel = new QLabel("Station number：", m_client);
  m_stationBox = new QComboBox(m_client);
  m_stationBox->setObjectName("1087");
  m_stationBox->setAccessibleName(stationLabel->text());
  stationLabel->setBuddy(m_stationBox);
  // The box sits at 61 units unless the label needs more room in this font, and takes the
  // room up to the progress bar, for the tags beside the addresses.
  const int labelWidth = stationLabel->sizeHint().width();
  const int boxLeft = std::max(du.X(61), du.X(5) + labelWidth + 4);
  stationLabel->setGeometry(du.X(5), du.Y(312), labelWidth, du.Y(12));
  m_stationBox->setGeometry(boxLeft, du.Y(312), du.X(122) + extra - boxLeft, du.Y(12));
  connect(m_stationBox, &QComboBox::activated, this, &CMorvaneDlg::OnStationSelected);

  m_progress = new QProgressBar(m_client);
  m_progress->setObjectName("1002");
  m_progress->setAccessibleName("Progress");
  m_progress->setGeometry(du.Rect(124, 313, 444, 11).translated(extra, 0));
  m_progress->setTextVisible(false);
  m_progress->setRange(0, 100);
  m_progress->setValue(0);

  m_statusBar = new QStatusBar(this);
  m_statusBar->setSizeGripEnabled(false);
  const int paneWidths[5] = {200, 200, 200, 200, 150};
  for (int i = 0; i < 5; ++i) {
    m_panes[i] = new QLabel(m_statusBar);
    m_panes[i]->setObjectName(QString("statusPane%1").arg(i));
    m_panes[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panes[i]->setMinimumWidth(paneWidths[i]);
    if (i < 4) m_panes[i]->setMaximumWidth(paneWidths[i]);
    m_statusBar->addWidget(m_panes[i], i == 4 ? 1 : 0);
  }
  ShowSourceText(m_panes[0], N_("Ready"));
  layout->addWidget(m_statusBar);
  // Panes 1 and 2: the device the last exchange talked to, and what its last reply said.
  connect(m_linkMonitor, &LinkMonitor::statusChanged, this, [this] {
    m_panes[1]->setText(m_linkMonitor->DeviceText());
    m_panes[2]->setText(m_linkMonitor->StatusText());
    m_panes[2]->setToolTip(m_linkMonitor->StatusToolTip());
  });

  m_inputBlocker = new InputBlocker(this);

  BuildPages();
  ApplySettings();
}

CMorvaneDlg::~CMorvaneDlg() {
  m_destroying = true;
  m_pendingOperations.clear();
  m_bJobRun = 0;
  m_bLoopRun = 0;
  WaitForWorkers();
  SetRecorder(nullptr);
  if (TheDeviceState().observer == m_linkMonitor) TheDeviceState().observer = nullptr;
}

void CMorvaneDlg::BuildMenu() {
  // Items whose work comes with later parts of the program are present and do nothing yet.
  auto item = [](QMenu* menu, const char* text, const char* id) {
    QAction* action = menu->addAction(text);
    action->setObjectName(id);
    return action;
  };

  QMenu* file = m_menuBar->addMenu("File(&F)");
  connect(item(file, N_("Update to computer"), "32839"), &QAction::triggered, this,
          &CMorvaneDlg::OnFileUpdateToComputer);
  connect(item(file, N_("Downloads to Device"), "32840"), &QAction::triggered, this,
          &CMorvaneDlg::OnFileDownloadToDevice);
  connect(item(file, N_("Exit"), "menuExit"), &QAction::triggered, this,
          &CMorvaneDlg::RequestClose);

  QMenu* settings = m_menuBar->addMenu("Settings(&S)");
  connect(item(settings, N_("Two point Trim"), "menuTwoPointTrim"), &QAction::triggered, this,
          [this] { ShowPage(6); });
  connect(item(settings, N_("Cancel Linear Compensation"), "menuCancelLinear"), &QAction::triggered,
          this, [this] { RunOperation(CancelLinearCompensationOperation()); });
  connect(item(settings, N_("Cancel Thermal Compensation"), "menuCancelThermal"),
          &QAction::triggered, this, [this] { RunDeviceWork(CancelThermalCompensation); });
  connect(item(settings, N_("Restore Thermal Compensation"), "menuRestoreThermal"),
          &QAction::triggered, this, [this] { RunDeviceWork(RestoreThermalCompensation); });

  QMenu* monitor = m_menuBar->addMenu("Monitor(&M)");
  connect(item(monitor, N_("Reset Device"), "menuResetDevice"), &QAction::triggered, this, [this] {
    m_bJobRun = 0;  // a device search or a monitor stops at its next turn
    RunOperation(ResetDeviceOperation(true));
  });
  connect(item(monitor, N_("Monitor PV"), "32807"), &QAction::triggered, this,
          [this] { ShowPage(13); });
  connect(item(monitor, N_("Monitor Loop"), "32808"), &QAction::triggered, this,
          [this] { ShowPage(14); });
  connect(item(monitor, N_("Monitor Percentage"), "32809"), &QAction::triggered, this,
          [this] { ShowPage(15); });
  connect(item(monitor, N_("Monitor All"), "32806"), &QAction::triggered, this, [this] {
    ShowPage(kProcessMonitorPage, [this] { m_processMonitoringDlg->OnBnClickedStart(); });
  });

  QMenu* tools = m_menuBar->addMenu("Tools(&T)");
  connect(item(tools, N_("Online Test"), "menuOnlineTest"), &QAction::triggered, this,
          [this] { RunOnlineTest(); });
  connect(item(tools, N_("Polling"), "menuPolling"), &QAction::triggered, this,
          [this] { StartDeviceSearch(*this, false); });
  connect(item(tools, N_("Restore"), "menuRestore"), &QAction::triggered, this,
          [this] { RunOperation(RestoreFactoryDefaultOperation()); });
  connect(item(tools, N_("Calculator"), "32819"), &QAction::triggered, this, [this] {
    CCalculateDlg calculator(this);
    calculator.exec();
  });
  connect(item(tools, N_("Default Parameters"), "32814"), &QAction::triggered, this, [this] {
    CDefaultSetDlg defaults(this);
    if (defaults.exec() == QDialog::Accepted) ApplySettings();
  });

  // There is no system menu to carry "About" here: it ends the last menu.
  QMenu* info = m_menuBar->addMenu("Info Look(&L)");
  connect(item(info, N_("Hardware/Software Infomations"), "32845"), &QAction::triggered, this,
          [this] { ShowPage(16); });
  connect(item(info, N_("Communication Log"), "communicationLogMenu"), &QAction::triggered, this,
          &CMorvaneDlg::ShowCommunicationLog);
  connect(item(info, N_("Device History"), "deviceHistoryMenu"), &QAction::triggered, this,
          &CMorvaneDlg::ShowDeviceHistoryWindow);
  info->addSeparator();
  connect(item(info, N_("About  Tellavo(&A)..."), "16"), &QAction::triggered, this,
          &CMorvaneDlg::OnAbout);
}

QString LinkPaneText(const AppSettings& settings) {
  if (settings.link.empty()) return Tr("Serial Port : COM%1").arg(settings.portIndex + 1);
  HartIpAddress address;
  if (ParseHartIpName(settings.link, address, nullptr))
    return QString("HART-IP : %1:%2").arg(QString::fromStdString(address.host)).arg(address.port);
  return Tr("Serial Port : ") + QString::fromStdString(settings.link);
}

void CMorvaneDlg::ShowDeviceHistoryWindow() {
  // The store the settings name, read as the recorder reads it; a location that does not
  // parse has been named at start, and the window says why it has nothing to show.
  RecordsLocation where;
  QString error;
  if (!ParseRecordsLocation(QString::fromStdString(TheAppSettings().records), where, &error)) {
    const QString text = TrFormat("Device History cannot be shown: %s", error.toUtf8().constData());
    ShowMessage(text.toStdString());
    return;
  }
  ShowDeviceHistory(this, where);
}

void CMorvaneDlg::ShowCommunicationLog() {
  if (!m_communicationLog) m_communicationLog = new CommunicationLogDlg(*m_linkMonitor, this);
  m_communicationLog->show();
  m_communicationLog->raise();
  m_communicationLog->activateWindow();
}

void CMorvaneDlg::BuildTree() {
  auto add = [this](QTreeWidgetItem* parent, const char* text, int data) {
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    node->setText(0, text);
    node->setData(0, Qt::UserRole, data);
    return node;
  };
  QTreeWidgetItem* calibration = add(nullptr, N_("Factory Calibration"), kGroup);
  add(calibration, N_("PV Parameters"), 11);
  add(calibration, N_("Loop & PGA Settings"), 12);
  add(calibration, N_("Pressure Calibration"), 13);
  add(calibration, N_("Calibration Check"), kCalibrationCheck);
  QTreeWidgetItem* subentry = add(nullptr, N_("Subentry Settings"), kGroup);
  add(subentry, N_("Instrument Number"), 21);
  add(subentry, N_("Instrument Detail"), 22);
  add(subentry, N_("Rerange Without Pressure"), 23);
  add(subentry, N_("Two Point Trim"), 24);
  add(subentry, N_("Loop Out Character"), 25);
  add(subentry, N_("Damping Time"), 26);
  add(subentry, N_("Filter"), 27);
  add(subentry, N_("Special Parameters Settings"), 28);
  add(subentry, N_("SV Settings"), 29);
  add(nullptr, N_("Monitor Process"), kMonitorProcess);
  add(nullptr, N_("Device Reset"), kDeviceReset);
  add(nullptr, N_("Online Test"), kOnlineTest);
  add(nullptr, N_("Polling Device"), kPollingDevice);
  add(nullptr, N_("Stop Communication"), kStopCommunication);
  calibration->setExpanded(true);
  subentry->setExpanded(true);
  connect(m_tree, &NavigationTree::itemLabelClicked, this, &CMorvaneDlg::OnTreeItemClicked);
}

void CMorvaneDlg::BuildPages() {
  // Created once, in index order; the index in the tab is the page index.
  m_comprehensiveParamDlg = new CComprehensiveParamDlg(this);
  m_ioCalibrationDlg = new CIOCalibrationDlg(this);
  m_duoDianDlg = new CDuoDianDlg(this);
  m_instrumentNumberDlg = new CInstrumentNumberDlg(this);
  m_instrumentInformationDlg = new CInstrumentInformationDlg(this);
  m_passiveMigrationDlg = new CPassiveMigrationDlg(this);
  m_twoFineTuningDlg = new CTwoFineTuningDlg(this);
  m_outputCharacteristicDlg = new COutputCharacteristicDlg(this);
  m_dampingTimeDlg = new CDampingTimeDlg(this);
  m_filterSetDlg = new CFilterSetDlg(this);
  m_specialParamDlg = new CSpecialParamDlg(this);
  m_svParamDlg = new CSVParamDlg(this);
  m_processMonitoringDlg = new CProcessMonitoringDlg(this);
  m_monitorPressureDlg = new CMonitorPressureDlg(this);
  m_monitorCurrentDlg = new CMonitorCurrentDlg(this);
  m_monitorPercentDlg = new CMonitorPercentDlg(this);
  m_deviceInfDlg = new CDeviceInfDlg(this);
  m_calibrationCheckDlg = new CCalibrationCheckDlg(this);
  const std::array<QWidget*, kPageCount> pages = {m_comprehensiveParamDlg,
                                                  m_ioCalibrationDlg,
                                                  m_duoDianDlg,
                                                  m_instrumentNumberDlg,
                                                  m_instrumentInformationDlg,
                                                  m_passiveMigrationDlg,
                                                  m_twoFineTuningDlg,
                                                  m_outputCharacteristicDlg,
                                                  m_dampingTimeDlg,
                                                  m_filterSetDlg,
                                                  m_specialParamDlg,
                                                  m_svParamDlg,
                                                  m_processMonitoringDlg,
                                                  m_monitorPressureDlg,
                                                  m_monitorCurrentDlg,
                                                  m_monitorPercentDlg,
                                                  m_deviceInfDlg,
                                                  m_calibrationCheckDlg};
  for (QWidget* page : pages)
    m_tabCtrl->AddPage(page);
  m_tabCtrl->LayoutPages();
  m_tabCtrl->m_nCurrentPage = 0;
  m_tabCtrl->setCurrentIndex(0);
}

void CMorvaneDlg::ApplySettings() {
  AppSettings& settings = TheAppSettings();
  ShowSourceText(m_panes[3], settings.onlineTestAll == 1 ? N_("Normal") : N_("Broadcast"));
  m_panes[4]->setText(LinkPaneText(settings));
  {
    DeviceState& ds = TheDeviceState();
    std::lock_guard<std::mutex> hold(ds.lock);
    // The tags a search read name the devices of the link it searched.
    if (ds.portIndex != settings.portIndex || ds.portNameOverride != settings.link)
      m_stationTags.clear();
    ds.portIndex = settings.portIndex;
    // A "Link" in the settings file takes the place of the COM port.
    ds.portNameOverride = settings.link;
    ds.replyTimeout = settings.replyTimeout == AppSettings::ReplyTimeout::Standard
                          ? ReplyTimeout::HartStandard
                          : ReplyTimeout::Tolerant;
  }
  ShowOnlyStation(settings.pollAddress.load());
}

void CMorvaneDlg::ShowPage(int index, std::function<void()> then) {
  Q_ASSERT(index >= 0 && index < kPageCount);
  auto show = [this, index, then = std::move(then)] {
    m_tabCtrl->Page(m_tabCtrl->m_nCurrentPage)->hide();
    m_tabCtrl->m_nCurrentPage = index;
    m_tabCtrl->Page(index)->show();
    m_tabCtrl->setCurrentIndex(index);
    if (then) then();
  };
  auto* leaving = qobject_cast<PageDialog*>(m_tabCtrl->Page(m_tabCtrl->m_nCurrentPage));
  if (!leaving || index == m_tabCtrl->m_nCurrentPage) {
    show();
    return;
  }
  leaving->BeforeLeaving(std::move(show));
}

int CMorvaneDlg::CurrentPage() const {
  return m_tabCtrl->m_nCurrentPage;
}

void CMorvaneDlg::OnTreeItemClicked(QTreeWidgetItem* item) {
  m_tree->setCurrentItem(item);
  // Any click on the tree stops every background job before it acts.
  m_bJobRun = 0;
  m_bLoopRun = 0;
  const int action = item->data(0, Qt::UserRole).toInt();
  if (action >= kFirstCalibrationPage && action <= kLastCalibrationPage) {
    ShowPage(action - kFirstCalibrationPage);
  } else if (action >= kFirstSettingsPage && action <= kLastSettingsPage) {
    ShowPage(action - kFirstSettingsPage + 3);
  } else if (action == kCalibrationCheck) {
    ShowPage(kCalibrationCheckPage);
  } else if (action == kMonitorProcess) {
    ShowPage(kProcessMonitorPage);
  } else if (action == kOnlineTest) {
    RunOnlineTest();
  } else if (action == kPollingDevice) {
    StartDeviceSearch(*this, true);
  } else if (action == kDeviceReset) {
    RunOperation(ResetDeviceOperation(false));
  }
  // kGroup and kStopCommunication: stopping the jobs is all they do.
}

void CMorvaneDlg::OnStationSelected(int index) {
  if (index < 0) return;
  TheAppSettings().pollAddress = m_stationBox->itemData(index).toInt();
}

void CMorvaneDlg::OnAbout() {
  CAboutDlg about(this);
  about.exec();
}

// ---- The operation host ----

void CMorvaneDlg::SetProgressRange(int high) {
  RunOnUi([this, high] { m_progress->setRange(0, high); });
}

void CMorvaneDlg::SetProgressPos(int pos) {
  RunOnUi([this, pos] { m_progress->setValue(pos); });
}

void CMorvaneDlg::ShowMessage(const std::string& text) {
  ::ShowMessage(QString::fromStdString(text));
}

int CMorvaneDlg::PollAddress() {
  return TheAppSettings().pollAddress.load();
}

bool CMorvaneDlg::NormalAddressing() {
  return TheAppSettings().onlineTestAll == 1;
}

bool CMorvaneDlg::JobIdle() {
  return m_bJobIdle.load() != 0;
}

bool CMorvaneDlg::Confirm(const std::string& text) {
  return AskConfirm(QString::fromStdString(text));
}

void CMorvaneDlg::OnUiThread(const std::function<void()>& fn) {
  TheUiQueue().Call(fn);
}

OperationRecorder* CMorvaneDlg::Recorder() {
  return m_recorder.load();
}

void CMorvaneDlg::SetRecorder(DeviceRecorder* recorder) {
  if (DeviceRecorder* old = m_recorder.exchange(recorder)) {
    old->SetStatusListener({});
    old->SetAnsweringDevice({});
  }
  if (recorder) {
    recorder->SetAnsweringDevice(
        [monitor = m_linkMonitor] { return monitor->LastAnsweringDevice(); });
    // The writer's thread reports; the window shows on its own thread. Posted calls that
    // have not run when the window goes are dropped with it.
    recorder->SetStatusListener([this](const DeviceRecorder::Status&) {
      QMetaObject::invokeMethod(
          this, [this] { ShowRecordsStatus(); }, Qt::QueuedConnection);
    });
  }
  if (!m_destroying) ShowRecordsStatus();
}

void CMorvaneDlg::ShowRecordsStatus() {
  DeviceRecorder* recorder = m_recorder.load();
  const DeviceRecorder::Status status =
      recorder ? recorder->CurrentStatus() : DeviceRecorder::Status{};
  const QString text = RecordsPaneText(status);
  ShowSourceText(m_panes[0], text);
  m_panes[0]->setToolTip(text == "Ready" ? QString() : text);
  const QString off = RecordsOffMessage(status);
  if (off.isEmpty() || m_recordsOffShown) return;
  m_recordsOffShown = true;
  // After the window is up, not inside whoever called.
  QMetaObject::invokeMethod(
      this, [off] { ::ShowMessage(off); }, Qt::QueuedConnection);
}

// ---- Device operations ----

void CMorvaneDlg::RunOperation(DeviceOperation op, std::function<void(OperationResult)> done) {
  RunDeviceWork(
      [op = std::move(op)](DeviceState& ds, DeviceOperationHost& host) { return op.Run(host, ds); },
      std::move(done));
}

void CMorvaneDlg::RunOnlineTest(std::function<void(OperationResult)> done) {
  RunDeviceWork(
      [](DeviceState& ds, DeviceOperationHost& host) {
        return ::ConnectDevice(ds, host, "Online Test") ? OperationResult::Done
                                                        : OperationResult::NoDevice;
      },
      std::move(done));
}

void CMorvaneDlg::RunDeviceWork(DeviceWork work, std::function<void(OperationResult)> done) {
  if (m_destroying) return;
  m_pendingOperations.push_back({std::move(work), std::move(done)});
  if (!m_operationRunning) StartNextOperation();
}

void CMorvaneDlg::StartNextOperation() {
  if (m_pendingOperations.empty()) return;
  PendingOperation next = std::move(m_pendingOperations.front());
  m_pendingOperations.pop_front();
  m_operationRunning = true;
  m_inputBlocker->Block();
  StartWorker([this, work = std::move(next.work), done = std::move(next.done)] {
    const OperationResult result = work(TheDeviceState(), *this);
    TheUiQueue().Post([this, result, done] { FinishOperation(result, done); });
  });
}

void CMorvaneDlg::FinishOperation(OperationResult result,
                                  const std::function<void(OperationResult)>& done) {
  m_operationRunning = false;
  m_inputBlocker->Unblock();
  if (done && !m_destroying) done(result);
  if (m_operationRunning || m_destroying) return;  // `done` started the next one itself
  if (!m_pendingOperations.empty()) {
    StartNextOperation();
  } else if (m_closeAfterOperation) {
    m_closeAfterOperation = false;
    RequestClose();
  }
}

// ---- Background jobs ----

void CMorvaneDlg::StartJob(JobPair pair, std::function<void(BackgroundJob&)> body) {
  std::atomic<int>& run = pair == JobPair::Job ? m_bJobRun : m_bLoopRun;
  std::atomic<int>& idle = pair == JobPair::Job ? m_bJobIdle : m_bLoopIdle;
  // Busy from this moment, not only once the thread runs: a second start or a close in
  // between must already see the job.
  idle = 0;
  run = 1;
  StartWorker([&run, &idle, body = std::move(body)] {
    BackgroundJob job(run, idle, TheClock());
    body(job);
  });
}

// ---- The configuration data file ----

void CMorvaneDlg::OnFileUpdateToComputer() {
  if (!m_bJobIdle.load()) {
    ShowMessage(Texts::kBusy);
    return;
  }
  StartJob(JobPair::Job, [this](BackgroundJob& job) {
    UploadConfiguration(job, *this, TheDeviceState(),
                        [this](const ConfigValues& values) { ShowConfiguration(values); });
  });
}

void CMorvaneDlg::OnFileDownloadToDevice() {
  if (!m_bJobIdle.load()) {
    ShowMessage(Texts::kBusy);
    return;
  }
  StartJob(JobPair::Job, [this](BackgroundJob& job) {
    DownloadConfiguration(job, *this, TheDeviceState(),
                          [this](const ConfigValues& values) { ShowConfiguration(values); });
  });
}

void CMorvaneDlg::ShowConfiguration(const ConfigValues& values) {
  for (int i = 0; i < kPageCount; ++i)
    if (auto* page = qobject_cast<PageDialog*>(m_tabCtrl->Page(i))) page->ShowConfiguration(values);
}

// ---- The station-number box ----

QString CMorvaneDlg::StationItemText(int address) const {
  const auto known = m_stationTags.find(address);
  return QString::fromStdString(
      Texts::StationText(address, known == m_stationTags.end() ? std::string() : known->second));
}

void CMorvaneDlg::ClearStations() {
  RunOnUi([this] {
    m_stationBox->clear();
    m_stationTags.clear();
  });
}

void CMorvaneDlg::AddStation(int address, const std::string& tag) {
  RunOnUi([this, address, tag] {
    if (!tag.empty()) m_stationTags[address] = tag;
    m_stationBox->addItem(StationItemText(address), address);
  });
}

void CMorvaneDlg::SelectFirstStation() {
  RunOnUi([this] {
    if (m_stationBox->count() > 0) m_stationBox->setCurrentIndex(0);
  });
}

void CMorvaneDlg::ShowOnlyStation(int address) {
  m_stationBox->clear();
  m_stationBox->addItem(StationItemText(address), address);
  m_stationBox->setCurrentIndex(0);
}

void CMorvaneDlg::SetStationNumber(int address) {
  const int from = TheAppSettings().pollAddress.load();
  if (from != address) {
    auto moved = m_stationTags.extract(from);
    m_stationTags.erase(address);
    if (moved) {
      moved.key() = address;
      m_stationTags.insert(std::move(moved));
    }
  }
  ShowOnlyStation(address);
  TheAppSettings().pollAddress = address;
}

void CMorvaneDlg::SelectStation(int address) {
  const int index = m_stationBox->findData(address);
  if (index < 0) return;
  m_stationBox->setCurrentIndex(index);
  TheAppSettings().pollAddress = address;
}

bool CMorvaneDlg::ShowSearchResults(const SearchOutcome& outcome) {
  if (outcome.devices.empty()) return false;
  bool shown = false;
  TheUiQueue().Call([this, &outcome, &shown] {
    // A window closing has no room for another; its verdict becomes a message.
    if (m_destroying || m_closeRequested) return;
    if (m_searchResults) m_searchResults->close();
    auto* results =
        new SearchResultsDlg(QString::fromStdString(outcome.Verdict()), outcome.devices, this);
    results->setAttribute(Qt::WA_DeleteOnClose);
    // A window drawn off screen (pictures, tests) keeps its results off screen too.
    results->setAttribute(Qt::WA_DontShowOnScreen, testAttribute(Qt::WA_DontShowOnScreen));
    results->setWindowModality(Qt::WindowModal);
    connect(results, &SearchResultsDlg::deviceChosen, this, &CMorvaneDlg::SelectStation);
    m_searchResults = results;
    results->open();
    shown = true;
  });
  return shown;
}

// ---- Workers and closing ----

void CMorvaneDlg::RunOnUi(std::function<void()> fn) {
  if (QThread::currentThread() == thread()) {
    fn();
    return;
  }
  TheUiQueue().Post(std::move(fn));
}

void CMorvaneDlg::StartWorker(std::function<void()> body) {
  // Threads that have finished are joined here, the rest when the window goes.
  std::erase_if(m_workers, [](Worker& w) {
    if (!w.finished->load()) return false;
    w.thread.join();
    return true;
  });
  auto finished = std::make_shared<std::atomic<bool>>(false);
  m_workers.push_back(Worker{std::thread([body = std::move(body), finished] {
                               body();
                               finished->store(true);
                               // Wakes a UI thread waiting for the workers to finish.
                               TheUiQueue().Post([] {});
                             }),
                             finished});
}

void CMorvaneDlg::WaitForWorkers() {
  // A worker may still wait for a prompt or queue work for this window: the events keep
  // flowing until each has finished, and each wakes the UI thread as it ends.
  for (Worker& w : m_workers) {
    while (!w.finished->load())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    w.thread.join();
  }
  m_workers.clear();
  // What they queued for this window runs while it still exists.
  TheUiQueue().RunPending();
}

void CMorvaneDlg::RequestClose() {
  m_closeRequested = true;
  m_bJobRun = 0;
  m_bLoopRun = 0;
  if (m_operationRunning) {
    m_closeAfterOperation = true;  // FinishOperation asks again
    return;
  }
  m_closeAfterOperation = false;  // this call goes on with the close itself
  if (!m_pagesSettled) {
    // Once per close, and after any running operation: what the pages left in the device
    // (the loop check's fixed current) may need a question and an operation first.
    if (m_settlingPages) return;
    m_settlingPages = true;
    SettlePages(0, [this] {
      m_settlingPages = false;
      m_pagesSettled = true;
      RequestClose();
    });
    return;
  }
  if (m_bJobIdle && m_bLoopIdle) {
    m_closeApproved = true;
    // The search's results go with the window they choose a station for.
    if (m_searchResults) m_searchResults->close();
    QDialog::done(QDialog::Rejected);
    return;
  }
  if (m_closeRecheckPending) return;
  // Look again in 200 ms; the event loop runs on meanwhile, so the workers' queued updates
  // and prompts still get through.
  m_closeRecheckPending = true;
  AfterMs(this, 200, [this] {
    m_closeRecheckPending = false;
    RequestClose();
  });
}

void CMorvaneDlg::SettlePages(int from, std::function<void()> then) {
  for (int i = from; i < kPageCount; ++i) {
    if (auto* page = qobject_cast<PageDialog*>(m_tabCtrl->Page(i))) {
      page->BeforeLeaving(
          [this, i, then = std::move(then)]() mutable { SettlePages(i + 1, std::move(then)); });
      return;
    }
  }
  then();
}

void CMorvaneDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only when the program shows the window, not when the desktop restores it.
  if (event->spontaneous()) return;
  m_closeApproved = false;
  m_closeRequested = false;
  m_pagesSettled = false;
  m_bJobRun = 0;
  m_bLoopRun = 0;
  m_bJobIdle = 1;
  m_bLoopIdle = 1;
}

void CMorvaneDlg::closeEvent(QCloseEvent* event) {
  if (m_closeApproved) {
    event->accept();
    return;
  }
  event->ignore();
  RequestClose();
}

void CMorvaneDlg::keyPressEvent(QKeyEvent* event) {
  // Enter and Esc never end the program. What reaches the window has passed the focused
  // control (a button takes Enter itself, an open list closes on Esc); the dialog's own
  // handling, which would press a default button or cancel the window, is left out.
  const int key = event->key();
  if (key == Qt::Key_Escape || event->matches(QKeySequence::Cancel)) {
    if (m_searchRunning) m_bJobRun = 0;  // the search stops after its current address
    event->accept();
    return;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}
