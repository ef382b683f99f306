#include "CMonitorCurrentDlg.h"

CMonitorCurrentDlg::CMonitorCurrentDlg(CMorvaneDlg* mainDlg)
    : LoopValueMonitor(mainDlg, {158,
                                 "Monitor Loop",
                                 1288,
                                 "Loop Current",
                                 "mA",
                                 1285,
                                 "Loop Current Trend Chart",
                                 4,
                                 20,
                                 {"20", "16", "12", "8", "4"},
                                 &HartLoopReading::current,
                                 "monitor-current",
                                 "current"}) {}
