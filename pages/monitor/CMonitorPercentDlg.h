// Page 159: the live percent of range and its trend. Its controls and exchanges come with the
// page's own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CMonitorPercentDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CMonitorPercentDlg(CMorvaneDlg* mainDlg);
};
