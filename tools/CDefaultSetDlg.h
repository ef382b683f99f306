// Dialog 156, "Default Params": the settings that belong to no one device: the connection
// (a serial port the system lists, COM1..COM25, or a HART-IP gateway), the reply time-out,
// the station address, the online test before every exchange, a default device
// configuration the settings file keeps, and the language the program speaks. OK stores into
// the settings and switches the language at once. Test asks the station address through the
// connection as the dialog shows it now, on a worker thread with its own link, and says in
// the dialog what answered.
#pragma once

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "PortList.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SerialPort;
struct ConnectionTestOutcome;
struct DeviceState;

class CDefaultSetDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CDefaultSetDlg(QWidget* parent = nullptr);
  // Waits for a Test still running (it gives up what it has not started).
  ~CDefaultSetDlg() override;

  void OnCbnSelchangeRangeIndex(int index);  // 1331
  void OnCbnSelchangeUnit(int index);        // 1332
  // Checks the damping and the range limits and stores every field; refused, the dialog
  // stays open and the settings are as they were.
  void OnOK();

  // Closed any way: a Test still running gives up what it has not started.
  void done(int result) override;
  // Runs the Test on a worker; the button stays disabled until it has answered.
  void OnBnClickedTest();
  // From the click until the outcome is shown (UI thread).
  bool TestRunning() const { return m_testRunning; }

  // The unit the two range limits are written in now.
  int m_nUnitIndex = 0;
  // Seam: the port the Test's link opens; unset, the one its name needs (serial or HART-IP).
  std::function<std::unique_ptr<SerialPort>()> m_makeTestPort;

 private:
  void OnInitDialog();
  // Serial port list or HART-IP fields, as the connection choice says.
  void ShowConnectionKind();
  // The connection as the dialog shows it, or nothing with the refusal naming the field.
  std::optional<LinkChoice> ChosenLink(std::string& refusal) const;
  void ShowTestOutcome(const ConnectionTestOutcome& outcome, int address);

  QCheckBox* m_checkOnlineTest;  // 1326
  QComboBox* m_comboPort;        // 1082
  QComboBox* m_comboAddress;     // 1327
  QComboBox* m_comboAlarm;       // 1328
  QLineEdit* m_editRangeZero;    // 1334
  QLineEdit* m_editRangeFull;    // 1337
  QComboBox* m_comboUnit;        // 1332
  QComboBox* m_comboTransfer;    // 1211
  QComboBox* m_comboDisplay;     // 1217
  QComboBox* m_comboPrecision;   // 1342
  QComboBox* m_comboPower;       // 1329
  QComboBox* m_comboSensor;      // 1104
  QComboBox* m_comboRangeCode;   // 1331
  QLineEdit* m_editDamping;      // 1212
  QComboBox* m_comboConnection;  // Serial port or HART-IP
  QLineEdit* m_editHost;
  QLineEdit* m_editHartIpPort;
  QComboBox* m_comboProtocol;  // UDP or TCP
  QComboBox* m_comboReplyTimeout;
  QComboBox* m_comboLanguage;  // As built, English, 中文
  QPushButton* m_buttonTest;
  QLabel* m_labelTest;
  // What each entry of the port list stands for.
  std::vector<PortEntry> m_portEntries;
  // The unit entry shown, to go back to when a conversion is refused.
  int m_nUnitShown = -1;

  // The Test's own link and worker; the link is replaced only after the worker has ended.
  std::unique_ptr<DeviceState> m_testLink;
  std::thread m_testWorker;
  std::atomic<bool> m_stopTest{false};
  bool m_testRunning = false;
};
