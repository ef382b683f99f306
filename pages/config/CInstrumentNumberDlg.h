// Page 140, "Instrument Number": the polling address (written with command 6, after which
// the program follows the device to its new address), the final assembly number (read with
// 16, written with 19) and the lot id the factory gave the device (read with 212).
#pragma once

#include "PageDialog.h"

class QLineEdit;

class CInstrumentNumberDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CInstrumentNumberDlg(CMorvaneDlg* mainDlg);
  void ShowConfiguration(const ConfigValues& values) override;

  void OnBnClickedUpdatePollingAddress();
  void OnBnClickedReadAssemblyNumber();
  void OnBnClickedUpdateAssemblyNumber();
  void OnBnClickedReadLotId();

 private:
  QLineEdit* m_editPollingAddress;  // 1188
  QLineEdit* m_editAssemblyNumber;  // 1187
  QLineEdit* m_editLotId;           // 1206, shown only
};
