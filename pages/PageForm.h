// How a page lays out its controls: group boxes of rows, each row a right-aligned label, the
// fields it names with their units after them, and the buttons that act on them; the page's
// own buttons in a row below. Every field is found by what the user sees: its objectName is
// its control id, its accessible name its label's text (the label is its buddy), and a row
// button's accessible description names the field it acts on.
//
//   PageForm form(this);
//   form.Group("Damping Time");
//   FormRow row = form.Row("Damping Time (0~100)");
//   m_editDamping = row.Edit(1212);
//   row.Unit("S");
//   form.Button("Read", 1203);
#pragma once

#include <QString>
#include <QStringList>

#include "Language.h"  // N_ marks the texts a page keeps in constants and lists

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// "%.4f", the format of measured and configured reals; "%d" for integers.
QString Fixed4(double value);
QString Decimal(long long value);

// Packed ASCII text fields (tag, descriptor, message): lower-case letters typed turn upper
// case, characters packed ASCII cannot carry are not taken, at most `maxChars` characters.
void MakePackedAsciiEdit(QLineEdit* edit, int maxChars);

// A page's button (never the window's default button) and list (nothing chosen), named by
// id, for pages laid out by hand.
QPushButton* PageButton(const QString& text, int id, QWidget* parent);
QComboBox* PageCombo(int id, const QStringList& items, const QString& name, QWidget* parent);

class FormRow {
 public:
  // The label of the row.
  QLabel* Label() const { return m_label; }
  // A field; its accessible name is the row's label unless `name` says otherwise (a label
  // that serves several fields names each with its unit). The first field is the buddy.
  QLineEdit* Edit(int id, const QString& name = {}, int widthChars = 12);
  QComboBox* Combo(int id, const QStringList& items, const QString& name = {});
  // The unit after a field.
  QLabel* Unit(const QString& text, int id = 0);
  // A button acting on this row's field; its accessible description is the row's label.
  QPushButton* Button(const QString& text, int id);
  // Any other widget, after what the row holds.
  void Add(QWidget* widget);

 private:
  friend class PageForm;
  FormRow(QWidget* parent, QLabel* label, QHBoxLayout* fields, QHBoxLayout* buttons)
      : m_parent(parent), m_label(label), m_fields(fields), m_buttons(buttons) {}
  void Named(QWidget* field, const QString& name);

  QWidget* m_parent;
  QLabel* m_label;
  QHBoxLayout* m_fields;
  QHBoxLayout* m_buttons;
  bool m_hasBuddy = false;
};

class PageForm {
 public:
  explicit PageForm(QWidget* page);

  // Starts a group box with this caption; the rows that follow go into it. A group spans
  // the page's width (column -1) or stands in column 0 or 1 below the full-width groups.
  QGroupBox* Group(const QString& title, int column = -1);
  // A row of the current group, labelled `label` (empty: no label).
  FormRow Row(const QString& label);
  // A check box on a row of its own, its text its name.
  QCheckBox* CheckRow(const QString& text, int id);
  // A button of the page, in the row below the groups.
  QPushButton* Button(const QString& text, int id);
  // The page's outer layout, for what the rows do not cover.
  QVBoxLayout* Layout() const { return m_layout; }

 private:
  QWidget* m_page;
  QVBoxLayout* m_layout;
  QGroupBox* m_group = nullptr;
  QGridLayout* m_grid = nullptr;
  QHBoxLayout* m_buttons = nullptr;
  int m_row = 0;
  int m_groups = 0;
  QHBoxLayout* m_columns = nullptr;
  QVBoxLayout* m_column[2] = {nullptr, nullptr};
};
