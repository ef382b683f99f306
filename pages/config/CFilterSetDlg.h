// Page 151, "Filter": the inhibition ratio (commands 150/190) and the filter configuration,
// which travels in the sensor record (command 147 reads it, 187 writes the whole record).
#pragma once

#include <optional>

#include "PageDialog.h"

class QLineEdit;

class CFilterSetDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CFilterSetDlg(CMorvaneDlg* mainDlg);

  void OnBnClickedRead();
  void OnBnClickedUpdate();

 private:
  QLineEdit* m_editInhibition;  // 1214
  // The filter configuration a Read fetched, carried to the next Update; the user never sees
  // or edits it. Empty until a Read in this run got it.
  std::optional<int> m_filterConfig;
};
