#include "CDuoDianDlg.h"

CDuoDianDlg::CDuoDianDlg(CMorvaneDlg* mainDlg) : PageDialog(mainDlg, 165, "Pressure Calibration") {}
