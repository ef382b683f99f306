#include "CMonitorPercentDlg.h"

CMonitorPercentDlg::CMonitorPercentDlg(CMorvaneDlg* mainDlg)
    : LoopValueMonitor(mainDlg, {159,
                                 "Monitor Percentage",
                                 1289,
                                 "Percentage",
                                 "%",
                                 1286,
                                 "Percentage Trend Chart",
                                 0,
                                 100,
                                 {"100", "75", "50", "25", "0"},
                                 &HartLoopReading::percent,
                                 "monitor-percentage",
                                 "percentage"}) {}
