// Page 161: the device's software and hardware versions, read with command 162 from the
// device the last exchange went to (no identification first).
#pragma once

#include "PageDialog.h"

class QLineEdit;

class CDeviceInfDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CDeviceInfDlg(CMorvaneDlg* mainDlg);

  void OnBnClickedQuery();

 private:
  QLineEdit* m_editSoftware;  // 1339
  QLineEdit* m_editHardware;  // 1361
};
