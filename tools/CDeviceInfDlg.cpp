#include "CDeviceInfDlg.h"

CDeviceInfDlg::CDeviceInfDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 161, "Hardware/Software Infomations") {}
