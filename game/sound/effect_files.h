// The game's ten sound effects by number (the game's SoundEffect values,
// game/ports/sound_sink.h): the one list of their file names, read by the game
// when it loads them, by the tool that synthesises them and by the build.
#pragma once

#include <array>
#include <string_view>

namespace dravik::sound {

inline constexpr std::array<std::string_view, 10> kEffectFiles = {
    "Applause.wav", "Discard.wav",  "Assign.wav", "ResetCell.wav", "Solution.wav",
    "Label.wav",    "UndoRedo.wav", "Hint.wav",   "Error.wav",     "Giggle.wav"};

} // namespace dravik::sound
