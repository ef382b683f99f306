// Page 159: the live percent of range and its trend on the fixed band 0 to 100 %. Start
// samples command 2 until stopped.
#pragma once

#include "LoopValueMonitor.h"

class CMonitorPercentDlg : public LoopValueMonitor {
  Q_OBJECT

 public:
  explicit CMonitorPercentDlg(CMorvaneDlg* mainDlg);
};
