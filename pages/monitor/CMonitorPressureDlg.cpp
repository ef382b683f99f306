#include "CMonitorPressureDlg.h"

CMonitorPressureDlg::CMonitorPressureDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 155, "Monitor PV") {}
