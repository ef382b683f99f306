// Page 165: the factory multi-point calibration. Its controls and exchanges come with the page's
// own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CDuoDianDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CDuoDianDlg(CMorvaneDlg* mainDlg);
};
