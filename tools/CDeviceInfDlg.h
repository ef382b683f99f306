// Page 161: the device's software and hardware versions. Its controls and exchanges come with the
// page's own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CDeviceInfDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CDeviceInfDlg(CMorvaneDlg* mainDlg);
};
