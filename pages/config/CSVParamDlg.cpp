#include "CSVParamDlg.h"

CSVParamDlg::CSVParamDlg(CMorvaneDlg* mainDlg) : PageDialog(mainDlg, 153, "SV Settings") {}
