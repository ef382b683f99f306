// Page 141, "Instrument Detail": tag, descriptor and date (read with command 13, written
// with 18) and the message (read with 12, written with 17), all text in packed ASCII.
#pragma once

#include <QString>

#include "PageDialog.h"

class QLineEdit;

class CInstrumentInformationDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CInstrumentInformationDlg(CMorvaneDlg* mainDlg);
  void ShowConfiguration(const ConfigValues& values) override;

  void OnBnClickedRead();
  void OnBnClickedUpdate();

 private:
  // The first date check that fails, in the order year, month, day, then the days of the
  // month; empty when the date is one the device can hold. Not a number: that field's text.
  QString DateRefusal(int& year, int& month, int& day) const;

  QLineEdit* m_editTag;         // 1194
  QLineEdit* m_editDescriptor;  // 1198
  QLineEdit* m_editMessage;     // 1199
  QLineEdit* m_editYear;        // 1200
  QLineEdit* m_editMonth;       // 1201
  QLineEdit* m_editDay;         // 1202
};
