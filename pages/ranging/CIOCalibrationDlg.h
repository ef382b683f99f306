// Page 137, "Loop & PGA Settings": the trim of the 4-20 mA output against a meter in the loop
// (commands 45 and 46 with the two readings, in mA or as volts across 250 ohm), and the loop
// check that forces the output to one of eight currents with command 40 and releases it.
#pragma once

#include "PageDialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

class CIOCalibrationDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CIOCalibrationDlg(CMorvaneDlg* mainDlg);

  void OnBnClickedCheckZero();
  void OnBnClickedCheckSpan();
  void OnBnClickedSend();
  void OnBnClickedChecking();
  void OnBnClickedFinishLoopCheck();
  void OnBnClicked250Ohm();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  // Forces the output to `mA`; on success the radio `loopPoint` is chosen when it is given.
  void ForceCurrent(float mA, int loopPoint = -1);
  // The reading typed in `edit` in mA (volts across 250 ohm turned into mA when the check
  // box says so); nullopt, after `refusal`, when it is not a number.
  std::optional<double> ReadingOf(QLineEdit* edit, const QString& refusal);

  QCheckBox* m_check250Ohm;    // 1116
  QLineEdit* m_editZeroOut;    // 1239
  QLabel* m_unitZeroOut;       // 1219
  QLineEdit* m_editSpanOut;    // 1240
  QLabel* m_unitSpanOut;       // 1221
  QButtonGroup* m_loopPoints;  // 1117..1126, ids 0..7 (m_nLoopPoint)
  QLineEdit* m_editCustom;     // 1245
};
