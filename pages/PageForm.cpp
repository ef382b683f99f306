#include "PageForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include "Encoding.h"

namespace {

// Takes what packed ASCII carries, in its upper-case form, and drops the rest.
class PackedAsciiValidator final : public QValidator {
 public:
  explicit PackedAsciiValidator(QObject* parent) : QValidator(parent) {}

  State validate(QString& input, int& pos) const override {
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (int i = 0; i < input.size(); ++i) {
      const char16_t u = input[i].unicode();
      const char form = u < 0x80 ? PackedAsciiForm(static_cast<char>(u)) : '\0';
      if (!form) continue;
      kept.append(QChar(form));
      if (i < pos) ++keptBeforeCursor;
    }
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
  }
};

int CharWidth(const QWidget* widget, int chars) {
  return widget->fontMetrics().horizontalAdvance(QString(chars, QChar('0'))) + 12;
}

}  // namespace

QString Fixed4(double value) {
  return QString::asprintf("%.4f", value);
}

QString Decimal(long long value) {
  return QString::number(value);
}

void MakePackedAsciiEdit(QLineEdit* edit, int maxChars) {
  edit->setMaxLength(maxChars);
  edit->setValidator(new PackedAsciiValidator(edit));
}

// ---- FormRow ----

void FormRow::Named(QWidget* field, const QString& name) {
  field->setAccessibleName(name.isEmpty() ? m_label->text() : name);
  if (!m_hasBuddy) {
    m_label->setBuddy(field);
    m_hasBuddy = true;
  }
}

QLineEdit* FormRow::Edit(int id, const QString& name, int widthChars) {
  auto* edit = new QLineEdit(m_parent);
  edit->setObjectName(QString::number(id));
  edit->setFixedWidth(CharWidth(edit, widthChars));
  Named(edit, name);
  m_fields->addWidget(edit);
  return edit;
}

QComboBox* FormRow::Combo(int id, const QStringList& items, const QString& name) {
  QComboBox* combo = PageCombo(id, items, name, m_parent);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  combo->setMinimumWidth(CharWidth(combo, 12));
  Named(combo, name);
  m_fields->addWidget(combo);
  return combo;
}

// A page's buttons never become the window's default button (a dialog makes the first one
// it finds its default when shown): Enter must not press a page's button from elsewhere.
QPushButton* PageButton(const QString& text, int id, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::number(id));
  button->setAutoDefault(false);
  return button;
}

QComboBox* PageCombo(int id, const QStringList& items, const QString& name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::number(id));
  combo->addItems(items);
  combo->setCurrentIndex(-1);  // nothing chosen until the device or the user says
  combo->setAccessibleName(name);
  return combo;
}

QLabel* FormRow::Unit(const QString& text, int id) {
  auto* unit = new QLabel(text, m_parent);
  if (id) unit->setObjectName(QString::number(id));
  m_fields->addWidget(unit);
  return unit;
}

QPushButton* FormRow::Button(const QString& text, int id) {
  QPushButton* button = PageButton(text, id, m_parent);
  button->setAccessibleDescription(m_label->text());
  m_buttons->addWidget(button);
  return button;
}

void FormRow::Add(QWidget* widget) {
  m_fields->addWidget(widget);
}

// ---- PageForm ----

PageForm::PageForm(QWidget* page) : m_page(page), m_layout(new QVBoxLayout(page)) {
  m_layout->setContentsMargins(12, 12, 12, 12);
  // From the top: the groups, the page's buttons, then whatever height is left.
  m_layout->addStretch(1);
}

QGroupBox* PageForm::Group(const QString& title, int column) {
  m_group = new QGroupBox(title, m_page);
  m_group->setAccessibleName(title);
  m_grid = new QGridLayout(m_group);
  m_grid->setHorizontalSpacing(8);
  m_grid->setColumnStretch(3, 1);  // what is left of the width stays at the right
  m_row = 0;
  if (column < 0) {
    m_layout->insertWidget(m_groups++, m_group);
    return m_group;
  }
  if (!m_columns) {
    m_columns = new QHBoxLayout;
    m_layout->insertLayout(m_groups, m_columns);
    for (QVBoxLayout*& box : m_column) {
      box = new QVBoxLayout;
      box->addStretch(1);
      m_columns->addLayout(box, 1);
    }
  }
  QVBoxLayout* box = m_column[column > 0 ? 1 : 0];
  box->insertWidget(box->count() - 1, m_group);
  return m_group;
}

FormRow PageForm::Row(const QString& label) {
  if (!m_grid) Group(QString());
  auto* text = new QLabel(label, m_group);
  text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* fields = new QHBoxLayout;
  fields->setSpacing(6);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(6);
  m_grid->addWidget(text, m_row, 0);
  m_grid->addLayout(fields, m_row, 1, Qt::AlignLeft);
  m_grid->addLayout(buttons, m_row, 2, Qt::AlignLeft);
  ++m_row;
  return FormRow(m_group, text, fields, buttons);
}

QCheckBox* PageForm::CheckRow(const QString& text, int id) {
  if (!m_grid) Group(QString());
  auto* check = new QCheckBox(text, m_group);
  check->setObjectName(QString::number(id));
  check->setAccessibleName(text);
  m_grid->addWidget(check, m_row++, 1, 1, 2);
  return check;
}

QPushButton* PageForm::Button(const QString& text, int id) {
  if (!m_buttons) {
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch(1);
    m_layout->insertLayout(m_layout->count() - 1, m_buttons);
  }
  QPushButton* button = PageButton(text, id, m_page);
  m_buttons->addWidget(button);
  return button;
}
