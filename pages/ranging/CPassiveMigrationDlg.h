// Page 143: new range values without applied pressure. Its controls and exchanges come with the
// page's own work; until then it is an empty page of its class.
#pragma once

#include "PageDialog.h"

class CPassiveMigrationDlg : public PageDialog {
  Q_OBJECT

 public:
  explicit CPassiveMigrationDlg(CMorvaneDlg* mainDlg);
};
