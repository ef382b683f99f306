// Page 147: linear or square-root loop output. Its controls and exchanges come with the page's own
// work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class COutputCharacteristicDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit COutputCharacteristicDlg(CMorvaneDlg* mainDlg);
};
