#include "Language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <atomic>
#include <cstdarg>
#include <memory>

namespace {

std::atomic<Language> current{Language::AsBuilt};

// The installed catalogue; replaced on every change, on the UI thread.
std::unique_ptr<QTranslator>& Installed() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

const char* CatalogueOf(Language language) {
  switch (language) {
    case Language::English:
      return ":/i18n/morvane_en.qm";
    case Language::Chinese:
      return ":/i18n/morvane_zh_CN.qm";
    case Language::AsBuilt:
      break;
  }
  return nullptr;
}

}  // namespace

Language LanguageFromSetting(int value) {
  switch (value) {
    case 1:
      return Language::English;
    case 2:
      return Language::Chinese;
    default:
      return Language::AsBuilt;
  }
}

bool SetLanguage(Language language) {
  std::unique_ptr<QTranslator>& installed = Installed();
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  current = Language::AsBuilt;
  const char* catalogue = CatalogueOf(language);
  if (!catalogue) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QString::fromLatin1(catalogue))) return false;
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
  current = language;
  return true;
}

Language CurrentLanguage() {
  return current.load();
}

QString Tr(const char* source) {
  return qtTrId(source);
}

QString Tr(const QString& source) {
  if (source.isEmpty()) return source;
  return qtTrId(source.toUtf8().constData());
}

QString TrFormat(const char* format, ...) {
  const QByteArray translated = qtTrId(format).toUtf8();
  va_list args;
  va_start(args, format);
  QString text = QString::vasprintf(translated.constData(), args);
  va_end(args);
  return text;
}
