#include "CPassiveMigrationDlg.h"

CPassiveMigrationDlg::CPassiveMigrationDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 143, "Rerange Without Pressure") {}
