// Shows the windows in the language in force. Pages and dialogs set their texts once, in
// the program's own words; the walker keeps each text's source the first time it meets it
// and shows its translation, now and after every change of language. A text the program has
// set since (a status pane, a result) is taken as the new source.
#pragma once

#include "Language.h"

class QLabel;
class QWidget;

// Every text of `window` and its children: title, labels, buttons, group boxes, list
// entries, tree items, table headers, tab titles, menus and actions, placeholders, tooltips.
void RetranslateWindow(QWidget* window);

// Sets a text the program shows at run time (a status pane) from its source, in the language
// in force; a later change of language translates it again from that source.
void ShowSourceText(QLabel* label, const QString& source);

// Switches the program to `language` at once: every open window now, every window opened
// later when it is shown, and "Language" in the settings. False (and As built in force)
// when the language's catalogue could not be loaded. The Default Parameters dialog calls it.
bool ApplyLanguage(Language language);

// At start: the language the settings name, before the first window is shown.
void StartLanguage();
