#include "COutputCharacteristicDlg.h"

COutputCharacteristicDlg::COutputCharacteristicDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 147, "Loop Out Character") {}
