#include "CInstrumentInformationDlg.h"

CInstrumentInformationDlg::CInstrumentInformationDlg(CMorvaneDlg* mainDlg)
    : PageDialog(mainDlg, 141, "Instrument Detail") {}
