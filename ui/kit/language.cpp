#include "ui/kit/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "gfx/pictures.h"

namespace velmora {

namespace {

UiLanguage g_current = UiLanguage::Source;

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Qt's own texts (the edit fields' context menus, the standard dialogs), from the system's
// Qt translations when they are installed.
std::unique_ptr<QTranslator>& InstalledQt() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

UiLanguage ResolveLanguage(int setting, const QStringList& systemLanguages) {
    if (setting == kLanguageEnglish) {
        return UiLanguage::English;
    }
    if (setting == kLanguageRussian) {
        return UiLanguage::Russian;
    }
    for (const QString& name : systemLanguages) {
        // "ru", "ru-RU", "ru_UA", ...: the language is what stands before the region.
        const QString language = name.section(QLatin1Char('-'), 0, 0)
                                     .section(QLatin1Char('_'), 0, 0)
                                     .toLower();
        if (language == QLatin1String("ru")) {
            return UiLanguage::Russian;
        }
        if (language == QLatin1String("en")) {
            return UiLanguage::English;
        }
    }
    return UiLanguage::English;
}

UiLanguage ResolveLanguage(int setting) {
    return ResolveLanguage(setting, QLocale::system().uiLanguages());
}

bool ApplyLanguage(UiLanguage language) {
    std::unique_ptr<QTranslator> next;
    if (language != UiLanguage::Source) {
        next = std::make_unique<QTranslator>();
        const QString file = QStringLiteral(":/i18n/velmora_%1.qm").arg(LanguageCode(language));
        if (!next->load(file)) {
            return false;
        }
    }
    std::unique_ptr<QTranslator> nextQt;
    if (language == UiLanguage::Russian) {
        nextQt = std::make_unique<QTranslator>();
        if (!nextQt->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            nextQt.reset();
        }
    }
    for (auto* slot : {&InstalledQt(), &Installed()}) {
        if (*slot) {
            QCoreApplication::removeTranslator(slot->get());
        }
    }
    Installed() = std::move(next);
    InstalledQt() = std::move(nextQt);
    for (auto* slot : {&InstalledQt(), &Installed()}) {
        if (*slot) {
            QCoreApplication::installTranslator(slot->get());
        }
    }
    g_current = language;
    // Pictures with words come in the same language.
    SetPictureLanguage(language == UiLanguage::Russian ? PictureLanguage::Russian
                                                       : PictureLanguage::Own);
    return true;
}

UiLanguage CurrentLanguage() {
    return g_current;
}

QString LanguageCode(UiLanguage language) {
    switch (language) {
        case UiLanguage::English:
            return QStringLiteral("en");
        case UiLanguage::Russian:
            return QStringLiteral("ru");
        case UiLanguage::Source:
            break;
    }
    return QStringLiteral("source");
}

std::optional<UiLanguage> LanguageFromCode(const QString& code) {
    for (UiLanguage l : {UiLanguage::Source, UiLanguage::English, UiLanguage::Russian}) {
        if (code == LanguageCode(l)) {
            return l;
        }
    }
    return std::nullopt;
}

}  // namespace velmora
