#include "CMonitorCurrentDlg.h"

CMonitorCurrentDlg::CMonitorCurrentDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 158, "Monitor Loop") {}
