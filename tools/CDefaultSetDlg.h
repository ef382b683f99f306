// Dialog 156, "Default Params": the settings that belong to no one device: the serial port,
// the station address, the online test before every exchange, and a default device
// configuration the settings file keeps. Talks to no device; OK stores into the settings.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

class CDefaultSetDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CDefaultSetDlg(QWidget* parent = nullptr);

  void OnCbnSelchangeRangeIndex(int index);  // 1331
  void OnCbnSelchangeUnit(int index);        // 1332
  // Checks the damping and the range limits and stores every field; refused, the dialog
  // stays open and the settings are as they were.
  void OnOK();

  // The unit the two range limits are written in now.
  int m_nUnitIndex = 0;

 private:
  void OnInitDialog();

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
  // The unit entry shown, to go back to when a conversion is refused.
  int m_nUnitShown = -1;
};
