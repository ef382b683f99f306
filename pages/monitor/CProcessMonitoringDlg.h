// Page 157: PV, loop current and percent of range together. Its controls and exchanges come with
// the page's own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CProcessMonitoringDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CProcessMonitoringDlg(CMorvaneDlg* mainDlg);
};
