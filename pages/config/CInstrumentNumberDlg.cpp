#include "CInstrumentNumberDlg.h"

CInstrumentNumberDlg::CInstrumentNumberDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 140, "Instrument Number") {}
