#include "CFilterSetDlg.h"

CFilterSetDlg::CFilterSetDlg(CMorvaneDlg* mainDlg) : PageDialog(mainDlg, 151, "Filter") {}
