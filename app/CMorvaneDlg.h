// The main window: navigation tree, page host with the 18 pages, station-number box,
// progress bar, status bar and menu bar. It routes tree clicks and menu commands, and
// gives every page the shared services: the progress bar, the job flags and the device
// addressing step.
#pragma once

#include <QDialog>
#include <QPointer>
#include <array>
#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "BackgroundJob.h"
#include "DeviceOperation.h"

class QComboBox;
class QLabel;
class QMenuBar;
class QProgressBar;
class QStatusBar;
class QTreeWidgetItem;
class CMyTabCtrl;
class CommunicationLogDlg;
class DeviceRecorder;
class InputBlocker;
class LinkMonitor;
class NavigationTree;
class SearchResultsDlg;
struct SearchOutcome;

class CComprehensiveParamDlg;
class CIOCalibrationDlg;
class CDuoDianDlg;
class CInstrumentNumberDlg;
class CInstrumentInformationDlg;
class CPassiveMigrationDlg;
class CTwoFineTuningDlg;
class COutputCharacteristicDlg;
class CDampingTimeDlg;
class CFilterSetDlg;
class CSpecialParamDlg;
class CSVParamDlg;
class CProcessMonitoringDlg;
class CMonitorPressureDlg;
class CMonitorCurrentDlg;
class CMonitorPercentDlg;
class CDeviceInfDlg;
class CCalibrationCheckDlg;
struct ConfigValues;

struct AppSettings;

// Pane 4: "Serial Port : COM3", or for a "Link" in the settings "HART-IP : HOST:PORT" (or the
// port name it gives).
QString LinkPaneText(const AppSettings& settings);

class CMorvaneDlg : public QDialog, public DeviceOperationHost {
  Q_OBJECT

 public:
  static constexpr int kPageCount = 18;

  explicit CMorvaneDlg(QWidget* parent = nullptr);
  // Stops the jobs and waits for every worker before anything is torn down.
  ~CMorvaneDlg() override;

  // Hides the visible page and shows page `index` (0..17), then runs `then`. The page being
  // left may first settle what it left in the device (its question, maybe an operation):
  // then the switch happens once that has ended, not before this returns.
  void ShowPage(int index, std::function<void()> then = {});
  int CurrentPage() const;
  CMyTabCtrl* TabCtrl() const { return m_tabCtrl; }
  // The parent of the pages: the window's area between menu bar and status bar.
  QWidget* ClientArea() const { return m_client; }

  // ---- Device operations ----
  // Runs `op` in the standard frame on a worker thread. Meanwhile the window keeps painting
  // but takes no input (wait cursor), and a close asked for waits until it has ended.
  // `done` runs on the UI thread once it has ended. Operations run one after another.
  void RunOperation(DeviceOperation op, std::function<void(OperationResult)> done = {});
  // The same for work that is not the standard frame (the online test).
  using DeviceWork = std::function<OperationResult(DeviceState&, DeviceOperationHost&)>;
  void RunDeviceWork(DeviceWork work, std::function<void(OperationResult)> done = {});
  bool OperationRunning() const { return m_operationRunning; }
  // "Online Test": ConnectDevice at the station number.
  void RunOnlineTest(std::function<void(OperationResult)> done = {});

  // ---- Background jobs ----
  enum class JobPair { Job, Loop };
  // Marks the pair's job as running (run 1, idle 0) at once and runs `body` on a worker that
  // holds the pair through a BackgroundJob.
  void StartJob(JobPair pair, std::function<void(BackgroundJob&)> body);

  // The operation host, safe to call from a worker.
  void SetProgressRange(int high) override;
  void SetProgressPos(int pos) override;
  void ShowMessage(const std::string& text) override;
  bool Confirm(const std::string& text) override;
  int PollAddress() override;
  bool NormalAddressing() override;
  bool JobIdle() override;
  void OnUiThread(const std::function<void()>& fn) override;
  OperationRecorder* Recorder() override;

  // The device records: what the window's operations do goes to `recorder` (null: nothing
  // is recorded), which must outlive the window or be replaced first. Pane 1 shows whether
  // records wait for the store or are off; when they are off for a reason the user must
  // fix, a message says so once.
  void SetRecorder(DeviceRecorder* recorder);

  // File menu: the device's configuration memory to a data file and back, on the job pair;
  // the values go onto the pages.
  void OnFileUpdateToComputer();
  void OnFileDownloadToDevice();
  void ShowConfiguration(const ConfigValues& values);

  // Info Look > "Communication Log": the log window, made on first use and kept.
  void ShowCommunicationLog();
  // Info Look > "Device History": the records of the store the settings name.
  void ShowDeviceHistoryWindow();
  LinkMonitor* Monitor() const { return m_linkMonitor; }
  CommunicationLogDlg* CommunicationLog() const { return m_communicationLog; }

  // Port, station number and addressing mode from the settings into the window and the
  // link: at start and after the default parameters change.
  void ApplySettings();

  // The station-number box; from any thread. An item reads "0 - PT-101" when the device's
  // tag is known (a search read it), "0" otherwise, and carries its address as item data.
  void ClearStations();
  void AddStation(int address, const std::string& tag = {});
  void SelectFirstStation();
  // UI thread: the device at the station number now answers at `address` (its tag goes with
  // it): the box holds `address` alone, selected, and it is the station number.
  void SetStationNumber(int address);
  // UI thread: the box's item for `address` selected and its address the station number.
  void SelectStation(int address);

  // From the search worker: opens the window listing what the search found, where choosing
  // a device selects it as the station. False when no window can open (nothing was found,
  // or the window is closing); the caller then says the verdict in a message.
  bool ShowSearchResults(const SearchOutcome& outcome);

  // Ends the window once no job and no operation runs: clears the run flags, lets every page
  // settle what it left in the device (once per close), and while a worker is still busy
  // looks again every 200 ms. The close button and "Exit" come here; no key does.
  void RequestClose();

  // Runs `body` on a worker thread the window joins before it is destroyed.
  void StartWorker(std::function<void()> body);
  // Runs `fn` on the UI thread: at once when called there, queued otherwise.
  void RunOnUi(std::function<void()> fn);

  // Background jobs: a worker loops while its run flag is 1 and holds its idle flag at 0
  // while it runs. The Loop pair belongs to the calibration page's live AD display.
  std::atomic<int> m_bJobRun{0};
  std::atomic<int> m_bJobIdle{1};
  std::atomic<int> m_bLoopRun{0};
  std::atomic<int> m_bLoopIdle{1};
  // The job on the job pair is a device search (Esc stops it, and only it).
  std::atomic<bool> m_searchRunning{false};

  // The pages, in index order.
  CComprehensiveParamDlg* m_comprehensiveParamDlg = nullptr;
  CIOCalibrationDlg* m_ioCalibrationDlg = nullptr;
  CDuoDianDlg* m_duoDianDlg = nullptr;
  CInstrumentNumberDlg* m_instrumentNumberDlg = nullptr;
  CInstrumentInformationDlg* m_instrumentInformationDlg = nullptr;
  CPassiveMigrationDlg* m_passiveMigrationDlg = nullptr;
  CTwoFineTuningDlg* m_twoFineTuningDlg = nullptr;
  COutputCharacteristicDlg* m_outputCharacteristicDlg = nullptr;
  CDampingTimeDlg* m_dampingTimeDlg = nullptr;
  CFilterSetDlg* m_filterSetDlg = nullptr;
  CSpecialParamDlg* m_specialParamDlg = nullptr;
  CSVParamDlg* m_svParamDlg = nullptr;
  CProcessMonitoringDlg* m_processMonitoringDlg = nullptr;
  CMonitorPressureDlg* m_monitorPressureDlg = nullptr;
  CMonitorCurrentDlg* m_monitorCurrentDlg = nullptr;
  CMonitorPercentDlg* m_monitorPercentDlg = nullptr;
  CDeviceInfDlg* m_deviceInfDlg = nullptr;
  CCalibrationCheckDlg* m_calibrationCheckDlg = nullptr;

 public slots:
  // The window never ends as a dialog's OK or Cancel would: only through RequestClose.
  void accept() override {}
  void reject() override {}

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildMenu();
  void BuildTree();
  void BuildPages();
  void OnTreeItemClicked(QTreeWidgetItem* item);
  void OnStationSelected(int index);
  // The box holds `address` alone, selected.
  void ShowOnlyStation(int address);
  QString StationItemText(int address) const;
  void OnAbout();
  void ShowRecordsStatus();
  void WaitForWorkers();
  void StartNextOperation();
  void FinishOperation(OperationResult result, const std::function<void(OperationResult)>& done);
  // Lets pages `from`..17 settle, one after the other, then runs `then`.
  void SettlePages(int from, std::function<void()> then);

  struct Worker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> finished;
  };

  QWidget* m_client = nullptr;
  QMenuBar* m_menuBar = nullptr;
  NavigationTree* m_tree = nullptr;
  CMyTabCtrl* m_tabCtrl = nullptr;
  QComboBox* m_stationBox = nullptr;
  // Tags of the devices the last search found, by polling address (UI thread).
  std::map<int, std::string> m_stationTags;
  QPointer<SearchResultsDlg> m_searchResults;
  QProgressBar* m_progress = nullptr;
  QStatusBar* m_statusBar = nullptr;
  std::array<QLabel*, 5> m_panes{};
  std::vector<Worker> m_workers;
  bool m_closeRecheckPending = false;
  bool m_closeRequested = false;  // since the window was shown
  bool m_closeApproved = false;
  bool m_settlingPages = false;  // a close waits for the pages to settle
  bool m_pagesSettled = false;   // they have, for this close

  struct PendingOperation {
    DeviceWork work;
    std::function<void(OperationResult)> done;
  };
  std::deque<PendingOperation> m_pendingOperations;
  bool m_operationRunning = false;
  bool m_closeAfterOperation = false;
  bool m_destroying = false;
  InputBlocker* m_inputBlocker = nullptr;
  LinkMonitor* m_linkMonitor = nullptr;
  CommunicationLogDlg* m_communicationLog = nullptr;
  std::atomic<DeviceRecorder*> m_recorder{nullptr};
  bool m_recordsOffShown = false;  // the message that records are off, once a run
};
