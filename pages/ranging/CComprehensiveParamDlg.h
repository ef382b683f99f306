// Page 136, "PV Parameters", the page the window opens on: what the device knows of its
// sensor and of its PV output, its message and its pressure mode, fetched by one Read that
// runs as a background job (a tree click or leaving the page stops it between exchanges).
// Changing a unit converts the four range values on the page; changing the pressure mode
// writes it to the device at once.
#pragma once

#include <QStringList>

#include "PageDialog.h"

class QComboBox;
class QLineEdit;

class CComprehensiveParamDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CComprehensiveParamDlg(CMorvaneDlg* mainDlg);
  void ShowConfiguration(const ConfigValues& values) override;

  // The page's lists of coded settings, each entry at its code: the names this page, the
  // default parameters and the comparison of two configurations give the codes.
  enum class Coded {
    SensorType,
    Excitation,
    DisplayMode,
    AlarmType,
    NumberFormat,
    Transfer,
    PressureMode
  };
  static const QStringList& CodeTexts(Coded list);

  void OnBnClickedRead();
  void OnCbnSelchangeSensorType(int index);
  void OnCbnSelchangeRangeIndex(int index);
  void OnCbnSelchangeExcitation(int index);
  void OnCbnSelchangeSensorUnit(int index);
  void OnCbnSelchangePvUnit(int index);
  void OnCbnSelchangePressureMode(int index);

  // The unit index the four range edits are expressed in.
  int m_nUnitIndex = 0;
  // The value command 150 reports; the page reads it but shows it nowhere.
  float m_fFullScaleValue = 0;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  // Both unit lists take `index`; the four range values are converted into it.
  void ChangeUnit(int index, bool spacedFailure);

  QLineEdit* m_editMessage;        // 1238
  QLineEdit* m_editSensorLower;    // 1207
  QLineEdit* m_editSensorUpper;    // 1205
  QComboBox* m_comboSensorUnit;    // 1230
  QComboBox* m_comboSensorType;    // 1104
  QComboBox* m_comboRangeIndex;    // 1105
  QComboBox* m_comboExcitation;    // 1231
  QComboBox* m_comboResistance;    // 1109
  QLineEdit* m_editPvLower;        // 1232
  QLineEdit* m_editPvUpper;        // 1233
  QComboBox* m_comboPvUnit;        // 1112
  QLineEdit* m_editDamping;        // 1212
  QLineEdit* m_editAssembly;       // 1237
  QComboBox* m_comboDisplayMode;   // 1217
  QComboBox* m_comboAlarmType;     // 1216
  QComboBox* m_comboNumberFormat;  // 1218
  QComboBox* m_comboTransfer;      // 1211
  QComboBox* m_comboPressureMode;  // 1381
  // The pressure mode the device has, as last read or written.
  int m_devicePressureMode = 0;
};
