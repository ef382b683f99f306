// Page 152, "Special Parameters Settings": zero trim, loop alarm, local display and the
// compensation and flow-geometry parameters, with the sensor die temperature. The values
// live in two device records, the sensor record (147/187) and the compensation record
// (145/146); an Update writes both and then resets the device (command 42).
#pragma once

#include <QString>
#include <array>

#include "PageDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;

class CSpecialParamDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CSpecialParamDlg(CMorvaneDlg* mainDlg);
  void ShowConfiguration(const ConfigValues& values) override;

  void OnBnClickedRead();
  void OnBnClickedUpdate();

  // The name static 1379 shows for a HART unit code; empty for a code this page does not name.
  static QString ZeroTrimUnitName(int unitCode);

 private:
  QLineEdit* m_editZeroTrim;  // 1215
  QLabel* m_labelZeroUnit;    // 1379
  QLineEdit* m_editDieTemp;   // 1222, read-only
  // 1220, 1190, 1194, 1192, 1193, 1196: compensation values 0..5.
  std::array<QLineEdit*, 6> m_editComp{};
  QComboBox* m_comboDensityComp;  // 1223
  QComboBox* m_comboAlarm;        // 1216
  QComboBox* m_comboDisplay;      // 1217
  QComboBox* m_comboFormat;       // 1218
};
