#include "CReadOnlyEdit.h"

CReadOnlyEdit::CReadOnlyEdit(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
}

void CReadOnlyEdit::SetBackColor(const QColor& color) {
  m_crBack = color;
  m_hasBack = true;
  ApplyColors();
}

void CReadOnlyEdit::SetTextColor(const QColor& color) {
  m_crText = color;
  ApplyColors();
}

void CReadOnlyEdit::ApplyColors() {
  // A palette that names only these two roles: everything else comes from the parent, and
  // without a background nothing is overridden at all.
  QPalette pal;
  if (m_hasBack) {
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      pal.setColor(group, QPalette::Text, m_crText);
      pal.setColor(group, QPalette::Base, m_crBack);
    }
  }
  setPalette(pal);
  update();
}
