// The language the program speaks. The texts in the code are the program's own (a mix of
// English and Chinese, as built); English and Chinese catalogues, compiled from
// translations/*.ts into the program's resources, give every text in one language. Texts are
// keyed by the source text itself (Qt's id-based translation), so any text found anywhere,
// in any class or free function, is looked up the same way.
//
// Marking texts for lupdate: the page helpers (Group, Row, Button, Unit, ...) and the Qt
// setters are aliases of QT_TRID_NOOP for lupdate (see scripts/check-translations); a text
// kept in a constant or a list, or passed as a later argument, is written N_("...").
#pragma once

#include <QString>

// Marks a source text for lupdate; the text itself is unchanged.
#define N_(text) text

enum class Language {
  AsBuilt = 0,  // the texts as written in the code
  English = 1,
  Chinese = 2,
};

// The value of "Language" in the settings file: 0, 1 or 2; anything else is As built.
Language LanguageFromSetting(int value);

// Installs the language's catalogue for the whole process (As built: none). False, and As
// built in force, when the catalogue could not be loaded.
bool SetLanguage(Language language);
Language CurrentLanguage();

// A source text of the program as the user reads it in the current language; a text the
// catalogue does not know stays as it is.
QString Tr(const char* source);
QString Tr(const QString& source);
// The same for a printf-style source format ("Online %d Device"): translated, then filled.
QString TrFormat(const char* format, ...);
