// Page 147, "Loop Out Character": whether the loop current follows the PV linearly or by
// its square root; read with command 15, written with command 47.
#pragma once

#include "PageDialog.h"

class QComboBox;

class COutputCharacteristicDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit COutputCharacteristicDlg(CMorvaneDlg* mainDlg);
  void ShowConfiguration(const ConfigValues& values) override;

  void OnBnClickedRead();
  void OnBnClickedUpdate();

 private:
  QComboBox* m_comboFunction;  // 1211: the entry is the transfer function code
};
