// What the language tests read: the texts a user sees in the open windows, the English
// words of the program's source texts, and the words that stay as they are in Chinese.
// A test target that includes it defines TRANSLATIONS_DIR (the catalogues' folder).
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTreeWidget>
#include <algorithm>

namespace language_check {

// Every text a user reads on `w` itself: title (of a window), tooltip, label, button, group
// box, list entries, tree items, table headers and actions.
inline void AddWidgetTexts(QWidget* w, QStringList& texts) {
  if (w->isWindow()) texts << w->windowTitle();
  texts << w->toolTip();
  if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
  if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
  if (auto* combo = qobject_cast<QComboBox*>(w))
    for (int i = 0; i < combo->count(); ++i)
      texts << combo->itemText(i);
  if (auto* tree = qobject_cast<QTreeWidget*>(w))
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
      texts << (*it)->text(0);
  if (auto* table = qobject_cast<QTableWidget*>(w))
    for (int column = 0; column < table->columnCount(); ++column)
      if (QTableWidgetItem* header = table->horizontalHeaderItem(column)) texts << header->text();
  for (QAction* action : w->actions())
    texts << action->text();
}

// The texts of `root` and everything in it.
inline QStringList TextsOf(QWidget* root) {
  QStringList texts;
  AddWidgetTexts(root, texts);
  for (QWidget* w : root->findChildren<QWidget*>())
    AddWidgetTexts(w, texts);
  texts.removeAll(QString());
  return texts;
}

// Every text a user reads in the open windows, one entry per place, but for the widgets of
// `skipped` (pages whose texts are not marked for translation yet).
inline QStringList VisibleTexts(const QList<QWidget*>& skipped = {}) {
  QStringList texts;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
      if (std::any_of(skipped.begin(), skipped.end(),
                      [w](QWidget* page) { return page == w || page->isAncestorOf(w); }))
        continue;
      AddWidgetTexts(w, texts);
    }
  }
  texts.removeAll(QString());
  return texts;
}

// The English words of the program's source texts, as the catalogue lists them.
inline QSet<QString> SourceWords() {
  QFile file(TRANSLATIONS_DIR "/morvane_zh_CN.ts");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  const QString ts = QString::fromUtf8(file.readAll());
  QSet<QString> words;
  static const QRegularExpression id(R"re(<message id="([^"]*)")re");
  static const QRegularExpression word("[A-Za-z]{2,}");
  for (auto m = id.globalMatch(ts); m.hasNext();)
    for (auto w = word.globalMatch(m.next().captured(1)); w.hasNext();)
      words << w.next().captured(0);
  return words;
}

// Units, protocol and signal names, and names that stay as they are in Chinese.
inline const QSet<QString> kKeptInChinese = {
    "mA",  "PV", "SV",   "HART", "IP",   "COM", "CSV", "ASCII", "AD",      "ADC",   "DA",  "PGA",
    "DIE", "RH", "Hart", "PS",   "MIDA", "kPa", "LRL", "URL",   "Tellavo", "yyyy",  "MM",  "dd",
    "ms",  "Pa", "psi",  "cm",   "kg",   "mm",  "bar", "Start", "As",      "Found", "Left"};

// A CJK character (ideographs, CJK punctuation, full-width forms).
inline const QRegularExpression& Cjk() {
  static const QRegularExpression cjk(
      "[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]");
  return cjk;
}

// The English words of the source texts in `texts` that Chinese does not keep, each with
// the text it stands in.
inline QStringList UntranslatedWords(const QStringList& texts) {
  static const QSet<QString> sourceWords = SourceWords();
  static const QRegularExpression word("[A-Za-z]{2,}");
  QStringList found;
  for (const QString& text : texts)
    for (auto w = word.globalMatch(text); w.hasNext();) {
      const QString english = w.next().captured(0);
      if (sourceWords.contains(english) && !kKeptInChinese.contains(english))
        found << english + " in \"" + text + "\"";
    }
  return found;
}

}  // namespace language_check
