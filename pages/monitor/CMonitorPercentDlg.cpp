#include "CMonitorPercentDlg.h"

#include "Language.h"

CMonitorPercentDlg::CMonitorPercentDlg(CMorvaneDlg* mainDlg)
    : LoopValueMonitor(mainDlg, {159,
                                 "Monitor Percentage",
                                 1289,
                                 N_("Percentage"),
                                 N_("%"),
                                 1286,
                                 N_("Percentage Trend Chart"),
                                 0,
                                 100,
                                 {"100", "75", "50", "25", "0"},
                                 &HartLoopReading::percent,
                                 "monitor-percentage",
                                 N_("percentage")}) {}
