// Page 149: the damping time. Its controls and exchanges come with the page's own work; until
// then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CDampingTimeDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CDampingTimeDlg(CMorvaneDlg* mainDlg);
};
