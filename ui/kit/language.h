#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "store/settings.h"

namespace velmora {

// What the screens show. Source is the program's own texts, untranslated: a mix of Russian
// and English as the screens were first written; tests and the screenshot tool ask for it so
// that exact texts stay exact.
enum class UiLanguage { Source, English, Russian };

// The language for the Language setting `setting` (kLanguageSystem, ...) on a system whose
// preferred languages are `systemLanguages` (QLocale::system().uiLanguages(), most preferred
// first): for kLanguageSystem the first of them the program has, English when it has none.
UiLanguage ResolveLanguage(int setting, const QStringList& systemLanguages);
// The same against this system's languages.
UiLanguage ResolveLanguage(int setting);

// Installs the compiled translations of `language` in the application, in place of those
// installed before; Source removes them. Open windows get a LanguageChange event, and the
// pictures with words follow. False, with nothing changed, when the translations cannot be
// loaded.
bool ApplyLanguage(UiLanguage language);
UiLanguage CurrentLanguage();

// "source", "en" and "ru", as the command line and the screenshot tool spell them.
QString LanguageCode(UiLanguage language);
std::optional<UiLanguage> LanguageFromCode(const QString& code);

}  // namespace velmora
