// Page 153: the secondary variable and its display. Its controls and exchanges come with the page's
// own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CSVParamDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CSVParamDlg(CMorvaneDlg* mainDlg);
};
