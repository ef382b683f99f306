// Page 137: loop current trim and loop check. Its controls and exchanges come with the page's own
// work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CIOCalibrationDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CIOCalibrationDlg(CMorvaneDlg* mainDlg);
};
