// Page 149, "Damping Time": the damping of the PV output in seconds, read with command 15
// and written with command 34, which answers with the value the device applied.
#pragma once

#include "Language.h"
#include "PageDialog.h"

class QLineEdit;

// The damping a transmitter takes, 0 to 100 s both included, and the message for any other.
inline constexpr char kInvalidDamping[] = N_("Invalid Damping Time");
inline bool DampingInRange(double seconds) {
  return seconds >= 0 && seconds <= 100;
}

class CDampingTimeDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CDampingTimeDlg(CMorvaneDlg* mainDlg);
  void ShowConfiguration(const ConfigValues& values) override;

  void OnBnClickedRead();
  void OnBnClickedUpdate();

 private:
  QLineEdit* m_editDamping;  // 1212
};
