// Text between the core (UTF-8 in std::string) and Qt.
#pragma once

#include <QString>

#include <string_view>

#include "game/base/translate.h"

namespace dravik {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An English text of the core (marked with QT_TRANSLATE_NOOP) as the player
// reads it.
inline QString TrQString(std::string_view english) {
    return ToQString(Tr(english));
}

} // namespace dravik
