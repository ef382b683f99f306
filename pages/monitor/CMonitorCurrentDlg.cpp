#include "CMonitorCurrentDlg.h"

#include "Language.h"

CMonitorCurrentDlg::CMonitorCurrentDlg(CMorvaneDlg* mainDlg)
    : LoopValueMonitor(mainDlg, {158,
                                 "Monitor Loop",
                                 1288,
                                 N_("Loop Current"),
                                 N_("mA"),
                                 1285,
                                 N_("Loop Current Trend Chart"),
                                 4,
                                 20,
                                 {"20", "16", "12", "8", "4"},
                                 &HartLoopReading::current,
                                 "monitor-current",
                                 N_("current")}) {}
