// Page 143, "Rerange Without Pressure": the range values typed and written with command 35,
// beside the device's PV limits (command 149) for reference. Choosing another unit converts
// the four values on the page with the device's special parameters (command 145).
#pragma once

#include "PageDialog.h"

class QComboBox;
class QLineEdit;

class CPassiveMigrationDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CPassiveMigrationDlg(CMorvaneDlg* mainDlg);
  void ShowConfiguration(const ConfigValues& values) override;

  void OnBnClickedRead();
  void OnBnClickedUpdate();
  void OnCbnSelchangeUnit(int index);

 private:
  QLineEdit* m_editLowerLimit;  // 1207
  QLineEdit* m_editUpperLimit;  // 1205
  QLineEdit* m_editLrv;         // 1209
  QLineEdit* m_editUrv;         // 1208
  QComboBox* m_comboUnit;       // 1210
  int m_nUnitIndex = 0;         // the unit the four edits are in
};
