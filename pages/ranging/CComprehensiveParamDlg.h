// Page 136: the sensor and PV output settings, read in one sequence. Its controls and exchanges
// come with the page's own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CComprehensiveParamDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CComprehensiveParamDlg(CMorvaneDlg* mainDlg);
};
