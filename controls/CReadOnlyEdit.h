// An edit box whose text and background colours its page chooses (the large AD readouts
// turn green when a reading is stable). Until a background is set it looks like a plain
// edit box, whatever text colour was set.
#pragma once

#include <QColor>
#include <QLineEdit>

class CReadOnlyEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CReadOnlyEdit(QWidget* parent = nullptr);

  void SetBackColor(const QColor& color);
  void SetTextColor(const QColor& color);

  QColor TextColor() const { return m_crText; }
  QColor BackColor() const { return m_crBack; }
  bool HasBackColor() const { return m_hasBack; }

 private:
  void ApplyColors();

  QColor m_crText = Qt::black;
  QColor m_crBack;
  bool m_hasBack = false;
};
