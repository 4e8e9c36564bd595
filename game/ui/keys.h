// What a key press means on the board, whatever the keyboard layout: the
// digit of a key on the main row or the keypad, with or without Shift. Qt
// names the key by the character it gives, which on many layouts is not the
// digit (Shift+1 is "!" on a US keyboard, and the unshifted main row of a
// French one gives "&é\"'(-è_ç"); the key's place on the keyboard is what the
// player means, and each platform reports it its own way.
#pragma once

class QKeyEvent;

namespace dravik::ui {

// 1-9, or 0 for a key that is no digit key.
int DigitOfKey(const QKeyEvent& event);

} // namespace dravik::ui
