#include "game/ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "game/base/translate.h"

namespace dravik::ui {

namespace {

QString& Loaded() {
    static QString language;
    return language;
}

// The core's texts go through the application's translators; an empty answer
// (no translation) keeps the English text.
std::string TranslateThroughQt(const char* context, const char* source) {
    const QString translated = QCoreApplication::translate(context, source);
    if (translated == QString::fromUtf8(source)) return {};
    return translated.toStdString();
}

} // namespace

QString GameLanguageFor(const QLocale& locale) {
    // The locale's language alone: de_AT and de_CH read German, nl_BE Dutch,
    // fr_CA French. The C and POSIX locales read English.
    const QString name = QLocale::languageToCode(locale.language());
    for (const char* ours : kTranslatedLanguages)
        if (name == QLatin1String(ours)) return name;
    return {};
}

QString LoadLanguage(const QLocale& locale, const QString& programFolder) {
    const QString language = GameLanguageFor(locale);
    if (language.isEmpty()) return {};
    auto* game = new QTranslator(QCoreApplication::instance());
    if (!game->load(QStringLiteral("dravik_") + language, programFolder + "translations")) {
        delete game;
        return {};
    }
    QCoreApplication::installTranslator(game);
    // Qt's own texts (the standard buttons), where the system has them.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    SetTranslator(&TranslateThroughQt);
    Loaded() = language;
    return language;
}

QString CurrentLanguage() {
    return Loaded();
}

} // namespace dravik::ui
