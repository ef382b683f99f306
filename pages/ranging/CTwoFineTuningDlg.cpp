#include "CTwoFineTuningDlg.h"

CTwoFineTuningDlg::CTwoFineTuningDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 145, "Two Point Trim") {}
