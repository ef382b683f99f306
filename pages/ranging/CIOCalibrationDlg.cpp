#include "CIOCalibrationDlg.h"

CIOCalibrationDlg::CIOCalibrationDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 137, "Loop & PGA Settings") {}
