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

  // While the loop check holds the output at a fixed current, leaving the page or closing the
  // program asks whether to return the loop to automatic control (command 40 with 0).
  void BeforeLeaving(std::function<void()> goOn) override;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  // Forces the output to `mA` (0: back to automatic control), recorded as the page's
  // `button`; on success the radio `loopPoint` is chosen when it is given.
  void ForceCurrent(float mA, const QString& button, int loopPoint = -1);
  DeviceOperation ForceCurrentOperation(float mA, const QString& button, int loopPoint = -1);
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
  // What the device was last told by this page: the loop current fixed, or nothing when it
  // follows the PV (also after Send, whose trims end with command 40 with 0).
  std::optional<float> m_fixedCurrent;
};
