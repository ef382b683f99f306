// Page 158: the live loop current and its trend. Its controls and exchanges come with the page's
// own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CMonitorCurrentDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CMonitorCurrentDlg(CMorvaneDlg* mainDlg);
};
