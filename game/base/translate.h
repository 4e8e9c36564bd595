// The player's language. Every English text the player reads is written in
// the core as QT_TRANSLATE_NOOP("dravik", "...") so that Qt's lupdate finds
// it (the English text is also the key of its translation), and goes
// through Tr() where it is composed or shown. The core knows no language:
// until the program installs a translator (game/ui/language.h, from the
// user's locale), Tr() gives the English text back, so the dravik command,
// the help pages' build and the tests see English.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
// lupdate reads this as Qt's own marker; without Qt it is the text itself
// (spelt as Qt spells it, so that either definition may come first).
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace dravik {

// The context of every text of the core in the translation files.
inline constexpr const char* kTextContext = "dravik";

// Returns the translation of `source` (UTF-8), or an empty string when there
// is none.
using TranslateFunction = std::string (*)(const char* context, const char* source);

// Installs the program's translator (null: English again). Set once at
// start-up, before any thread that composes texts runs.
void SetTranslator(TranslateFunction translate);

// `source` in the player's language, or `source` itself.
std::string Tr(std::string_view source);

// Tr(source) with every "%1" replaced by `detail`.
std::string TrWith(std::string_view source, std::string_view detail);

// Tr(source) with "%1" .. "%9" replaced by the arguments in order (a
// translation may put them in another order); a "%" before anything else
// stays as it is.
std::string TrFormat(std::string_view source, std::initializer_list<std::string_view> args);

} // namespace dravik
