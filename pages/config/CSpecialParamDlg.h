// Page 152: zero trim, alarm, display and compensation parameters. Its controls and exchanges come
// with the page's own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CSpecialParamDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CSpecialParamDlg(CMorvaneDlg* mainDlg);
};
