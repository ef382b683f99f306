#include "CComprehensiveParamDlg.h"

CComprehensiveParamDlg::CComprehensiveParamDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 136, "PV Parameters") {}
