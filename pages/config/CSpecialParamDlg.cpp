#include "CSpecialParamDlg.h"

CSpecialParamDlg::CSpecialParamDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 152, "Special Parameters Settings") {}
