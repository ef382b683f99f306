#include "Retranslate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include "AppSettings.h"

namespace {

// Where a text's source and the text last shown are kept: dynamic properties of the object
// ("trSource.<what>") or item data roles.
constexpr int kSourceRole = Qt::UserRole + 0x5100;
constexpr int kShownRole = Qt::UserRole + 0x5101;

// The translation of a text now showing, given the source kept for it and the text shown
// last time: when the program has changed the text since, the new text is the source.
QString Translated(const QString& now, QVariant& source, QVariant& shown) {
  if (!source.isValid() || shown.toString() != now) source = now;
  const QString text = Tr(source.toString());
  shown = text;
  return text;
}

template <typename Get, typename Set>
void RetextObject(QObject* object, const char* what, Get get, Set set) {
  const QString now = get();
  if (now.isEmpty()) return;
  const QByteArray sourceKey = QByteArray("trSource.") + what;
  const QByteArray shownKey = QByteArray("trShown.") + what;
  QVariant source = object->property(sourceKey.constData());
  QVariant shown = object->property(shownKey.constData());
  const QString text = Translated(now, source, shown);
  object->setProperty(sourceKey.constData(), source);
  object->setProperty(shownKey.constData(), shown);
  if (text != now) set(text);
}

template <typename Item>
void RetextItem(Item* item, int column) {
  const QString now = item->text(column);
  if (now.isEmpty()) return;
  QVariant source = item->data(column, kSourceRole);
  QVariant shown = item->data(column, kShownRole);
  const QString text = Translated(now, source, shown);
  item->setData(column, kSourceRole, source);
  item->setData(column, kShownRole, shown);
  if (text != now) item->setText(column, text);
}

// QTableWidgetItem has no column: a header item is its own cell.
struct HeaderItem {
  QTableWidgetItem* item;
  QString text(int) const { return item->text(); }
  QVariant data(int, int role) const { return item->data(role); }
  void setData(int, int role, const QVariant& value) { item->setData(role, value); }
  void setText(int, const QString& text) { item->setText(text); }
};

// A list's entry: the column is the entry's index.
struct ComboItem {
  QComboBox* combo;
  QString text(int i) const { return combo->itemText(i); }
  QVariant data(int i, int role) const { return combo->itemData(i, role); }
  void setData(int i, int role, const QVariant& value) { combo->setItemData(i, value, role); }
  void setText(int i, const QString& text) { combo->setItemText(i, text); }
};

void RetextCombo(QComboBox* combo) {
  // What the user types into an editable list is a value, not a text of the program.
  if (combo->isEditable()) return;
  ComboItem entries{combo};
  for (int i = 0; i < combo->count(); ++i)
    RetextItem(&entries, i);
}

void RetextTree(QTreeWidget* tree) {
  for (int column = 0; column < tree->columnCount(); ++column)
    RetextItem(tree->headerItem(), column);
  for (QTreeWidgetItemIterator it(tree); *it; ++it)
    for (int column = 0; column < (*it)->columnCount(); ++column)
      RetextItem(*it, column);
}

void RetextTableHeaders(QTableWidget* table) {
  for (int column = 0; column < table->columnCount(); ++column) {
    if (QTableWidgetItem* item = table->horizontalHeaderItem(column)) {
      HeaderItem header{item};
      RetextItem(&header, 0);
    }
  }
}

void RetextAction(QAction* action) {
  RetextObject(
      action, "text", [action] { return action->text(); },
      [action](const QString& t) { action->setText(t); });
}

void RetextWidget(QWidget* w) {
  if (w->isWindow())
    RetextObject(
        w, "windowTitle", [w] { return w->windowTitle(); },
        [w](const QString& t) { w->setWindowTitle(t); });
  RetextObject(
      w, "toolTip", [w] { return w->toolTip(); }, [w](const QString& t) { w->setToolTip(t); });
  if (auto* label = qobject_cast<QLabel*>(w)) {
    RetextObject(
        label, "text", [label] { return label->text(); },
        [label](const QString& t) { label->setText(t); });
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    RetextObject(
        button, "text", [button] { return button->text(); },
        [button](const QString& t) { button->setText(t); });
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    RetextObject(
        group, "title", [group] { return group->title(); },
        [group](const QString& t) { group->setTitle(t); });
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    RetextObject(
        edit, "placeholder", [edit] { return edit->placeholderText(); },
        [edit](const QString& t) { edit->setPlaceholderText(t); });
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    RetextCombo(combo);
  } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
    RetextTree(tree);
  } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
    RetextTableHeaders(table);
  } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
    for (int i = 0; i < tabs->count(); ++i) {
      const QByteArray what = "tab" + QByteArray::number(i);
      RetextObject(
          tabs, what.constData(), [tabs, i] { return tabs->tabText(i); },
          [tabs, i](const QString& t) { tabs->setTabText(i, t); });
    }
  }
  // Menus (a menu's title is its menu action's text) and a widget's own actions.
  for (QAction* action : w->actions())
    RetextAction(action);
}

// Windows opened after a change (dialogs, menus popping up) are shown in the language in force.
class ShowWatcher : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      if (widget->isWindow() && CurrentLanguage() != Language::AsBuilt) RetranslateWindow(widget);
    }
    return false;
  }
};

void WatchNewWindows() {
  static ShowWatcher* watcher = nullptr;
  if (watcher || !qApp) return;
  watcher = new ShowWatcher(qApp);
  qApp->installEventFilter(watcher);
}

}  // namespace

void RetranslateWindow(QWidget* window) {
  RetextWidget(window);
  for (QWidget* child : window->findChildren<QWidget*>())
    RetextWidget(child);
}

void ShowSourceText(QLabel* label, const QString& source) {
  const QString text = Tr(source);
  label->setProperty("trSource.text", source);
  label->setProperty("trShown.text", text);
  label->setText(text);
}

bool ApplyLanguage(Language language) {
  const bool loaded = SetLanguage(language);
  TheAppSettings().language = static_cast<int>(CurrentLanguage());
  WatchNewWindows();
  for (QWidget* window : QApplication::topLevelWidgets())
    RetranslateWindow(window);
  return loaded;
}

void StartLanguage() {
  const Language language = LanguageFromSetting(TheAppSettings().language);
  if (language == Language::AsBuilt) return;  // nothing to translate, nothing to watch
  SetLanguage(language);
  WatchNewWindows();
}
