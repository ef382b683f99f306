// Page 145, "Two Point Trim": the PV trimmed against a reference pressure. Sampling reads
// what the device measures (command 1); the low and high trims send the true value in the
// device's unit (commands 131 and 130); the zero trim makes the present PV zero (command 43).
#pragma once

#include "PageDialog.h"

class QLabel;
class QLineEdit;

class CTwoFineTuningDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CTwoFineTuningDlg(CMorvaneDlg* mainDlg);

  void OnBnClickedSampling();
  void OnBnClickedPvLowTrim();
  void OnBnClickedPvHighTrim();
  void OnBnClickedPvZeroTrim();

 private:
  // The low (131) or high (130) trim with the typed actual PV, recorded as `button`.
  void SendTrim(uint8_t command, const QString& button);

  QLineEdit* m_editMeasuredPv;  // 1228
  QLabel* m_unitMeasuredPv;     // 1219
  QLineEdit* m_editActualPv;    // 1229
  QLabel* m_unitActualPv;       // 1221
};
