// Page 140: polling address and final assembly number. Its controls and exchanges come with the
// page's own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CInstrumentNumberDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CInstrumentNumberDlg(CMorvaneDlg* mainDlg);
};
