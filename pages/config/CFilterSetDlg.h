// Page 151: the filter settings. Its controls and exchanges come with the page's own work; until
// then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CFilterSetDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CFilterSetDlg(CMorvaneDlg* mainDlg);
};
