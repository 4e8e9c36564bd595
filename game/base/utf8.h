// UTF-8, read one character at a time. A byte that starts no valid sequence
// (a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate or a value past U+10FFFF) reads as one byte and U+FFFD, so text
// from anywhere can be walked without ever running past its end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dravik {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

struct Utf8Character {
    char32_t code = kReplacementCharacter;
    std::size_t length = 1; // bytes taken, at least 1
    bool valid = false;
};

// The character that starts at `text[at]` (at < text.size()).
constexpr Utf8Character DecodeUtf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};
    const std::size_t length = (lead >> 5) == 6    ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || at + length > text.size()) return {};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return {};
        code = code << 6 | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length, true};
}

// UTF-16 for hosts that want it (invalid bytes as U+FFFD).
inline std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = DecodeUtf8(text, i);
        i += c.length;
        if (c.code >= 0x10000) {
            const char32_t v = c.code - 0x10000;
            out += static_cast<char16_t>(0xD800 + (v >> 10));
            out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            out += static_cast<char16_t>(c.code);
        }
    }
    return out;
}

} // namespace dravik
