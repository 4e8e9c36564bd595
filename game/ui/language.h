// The player's language: the game's translation and Qt's own (the standard
// buttons Yes, No, Cancel), chosen from the user's locale (LC_ALL,
// LC_MESSAGES, LANG). The game speaks German, Dutch and French; any other
// locale gets the English source texts. The translations are the .qm files
// made from game/translations/*.ts, in the "translations" folder beside the
// game's other data files.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace dravik::ui {

// The languages the game has translations for, besides English.
inline constexpr const char* kTranslatedLanguages[] = {"de", "nl", "fr"};

// The language `locale` asks for among ours: "de", "nl", "fr", or "" for English.
QString GameLanguageFor(const QLocale& locale);

// Installs the translations for `locale` from `programFolder` (ending in a
// separator) into the application and routes the core's texts through them.
// Returns the language loaded ("" for English: nothing is installed, also
// when a .qm file is missing or unreadable).
QString LoadLanguage(const QLocale& locale, const QString& programFolder);

// The language LoadLanguage loaded last ("" for English): the help window
// shows a page's translated copy, "index.de.html" for "index.html", where
// there is one.
QString CurrentLanguage();

} // namespace dravik::ui
