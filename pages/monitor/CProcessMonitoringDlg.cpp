#include "CProcessMonitoringDlg.h"

CProcessMonitoringDlg::CProcessMonitoringDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 157, "Monitor Process") {}
