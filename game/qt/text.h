// Text between the core (UTF-8 in std::string) and Qt.
#pragma once

#include <QString>

#include <string_view>

namespace dravik {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace dravik
