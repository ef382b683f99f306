// Page 153, "SV Settings": the secondary variable (the sensor die temperature) in three
// units, how the local display shows it and its duty cycle. Both exchanges are the page's
// own: command 166 reads the settings, 167 writes them.
#pragma once

#include "PageDialog.h"

class QComboBox;
class QLineEdit;

class CSVParamDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CSVParamDlg(CMorvaneDlg* mainDlg);

  void OnBnClickedRead();
  void OnBnClickedUpdate();

 private:
  QLineEdit* m_editTempF;      // 1629, read-only
  QLineEdit* m_editTempK;      // 1630, read-only
  QLineEdit* m_editTempC;      // 1628, read-only, as the device reports it
  QComboBox* m_comboDisplay;   // 1626
  QLineEdit* m_editDutyCycle;  // 1627
};
