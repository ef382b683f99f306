#include "CMonitorPercentDlg.h"

CMonitorPercentDlg::CMonitorPercentDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 159, "Monitor Percentage") {}
