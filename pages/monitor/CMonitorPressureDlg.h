// Page 155: the live PV and its trend. Its controls and exchanges come with the page's own work;
// until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CMonitorPressureDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CMonitorPressureDlg(CMorvaneDlg* mainDlg);
};
