#include "CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "AppIcon.h"
#include "Language.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("100");
  setWindowTitle("About Tellavo");
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setPixmap(MorvaneIcon().pixmap(32, 32));
  row->addWidget(icon);
  row->addWidget(new QLabel("Tellavo V3.6.en", this), 1);
  layout->addLayout(row);
  // A button of our own text: a standard one takes Qt's word back at every language change.
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(N_("OK"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
