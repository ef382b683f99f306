// Page 158: the live loop current and its trend on the fixed band 4 to 20 mA. Start samples
// command 2 until stopped.
#pragma once

#include "LoopValueMonitor.h"

class CMonitorCurrentDlg : public LoopValueMonitor {
  Q_OBJECT

 public:
  explicit CMonitorCurrentDlg(CMorvaneDlg* mainDlg);
};
