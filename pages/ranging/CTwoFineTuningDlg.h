// Page 145: sensor trim at a low and a high pressure. Its controls and exchanges come with the
// page's own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CTwoFineTuningDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CTwoFineTuningDlg(CMorvaneDlg* mainDlg);
};
