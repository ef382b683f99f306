// Page 141: tag, descriptor, message and date. Its controls and exchanges come with the page's own
// work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CInstrumentInformationDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CInstrumentInformationDlg(CMorvaneDlg* mainDlg);
};
