#include "PageDialog.h"

#include "CMorvaneDlg.h"

PageDialog::PageDialog(CMorvaneDlg* mainDlg, int dialogId, const QString& title)
    : QWidget(mainDlg), m_mainDlg(mainDlg), m_dialogId(dialogId) {
  setObjectName(QString::number(dialogId));
  setAccessibleName(title);
  hide();
}
