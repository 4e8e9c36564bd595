// A colour as plain values, for the tables of the window, the printed page and
// the help pages alike (each turns it into its own kind of colour).
#pragma once

#include <cstdint>

namespace dravik {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour written the platform's way, 0x00BBGGRR.
constexpr Rgb FromBgr(std::uint32_t bgr) {
    return {static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
            static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
}

// A colour written as on the web, 0xRRGGBB.
constexpr Rgb FromRgb(std::uint32_t rgb) {
    return FromBgr(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

} // namespace dravik
