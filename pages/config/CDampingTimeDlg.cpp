#include "CDampingTimeDlg.h"

CDampingTimeDlg::CDampingTimeDlg(CMorvaneDlg* mainDlg) : PageDialog(mainDlg, 149, "Damping Time") {}
