#include "game/ui/keys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>
#include <cstdint>

namespace dravik::ui {

namespace {

// The keys 1-9 of the main row and of the keypad, by a platform's code for the
// key's place.
struct KeyPlaces {
    std::array<std::uint32_t, 9> mainRow;
    std::array<std::uint32_t, 9> keypad;
    bool virtualKey; // the platform's virtual key holds the place, not its scan code
};

// X11 and Wayland: evdev key codes + 8.
constexpr KeyPlaces kXkb = {
    {10, 11, 12, 13, 14, 15, 16, 17, 18}, {87, 88, 89, 83, 84, 85, 79, 80, 81}, false};
// Windows: the virtual keys of the main row are its digits on every layout.
constexpr KeyPlaces kWindows = {{0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39},
                                {0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69},
                                true};
// macOS: the virtual key codes name places (kVK_ANSI_1 ... kVK_ANSI_Keypad9).
constexpr KeyPlaces kMac = {{0x12, 0x13, 0x14, 0x15, 0x17, 0x16, 0x1A, 0x1C, 0x19},
                            {0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5B, 0x5C},
                            true};

const KeyPlaces* PlacesOfThisPlatform() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return &kXkb;
    if (platform == QLatin1String("windows")) return &kWindows;
    if (platform == QLatin1String("cocoa")) return &kMac;
    return nullptr; // offscreen and others: the key alone
}

} // namespace

int DigitOfKey(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
    static const KeyPlaces* const places = PlacesOfThisPlatform();
    if (!places) return 0;
    const std::uint32_t code =
        places->virtualKey ? event.nativeVirtualKey() : event.nativeScanCode();
    if (code == 0) return 0; // a synthetic event carries no place
    for (std::size_t i = 0; i < 9; ++i)
        if (code == places->mainRow[i] || code == places->keypad[i]) return static_cast<int>(i) + 1;
    return 0;
}

} // namespace dravik::ui
