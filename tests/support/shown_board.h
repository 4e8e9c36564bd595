// The board as the window shows it, read back into arrays: the digits and
// marks on it, the givens by their colour, the step counter, the chosen row
// and column, the puzzle's number and level from the status bar, and the
// solution worked out from the givens. Tests look at the game the way the
// player does, through its view.
#pragma once

#include <array>
#include <cstdint>

#include "game/play/view.h"

namespace dravik::test {

struct ShownBoard {
    std::array<std::uint8_t, kCells> Givens{};
    std::array<std::uint8_t, kCells> Solution{}; // all 0 without a puzzle
    std::array<std::uint8_t, kCells> Played{};
    std::array<std::uint16_t, kCells> PencilMarks{};
    int StepCount = 0;
    int PuzzleNumber = 0; // 0: "Number: --" or none
    int PuzzleLevel = 0;  // the level panel's level (5 for "Beyond Very Hard")
    int SelectedRow = -1; // -1: none chosen
    int SelectedColumn = -1;
};

ShownBoard ReadBoard(const GameView& view);

// The game is being played: Hint, Solution and Reset Cell take clicks.
inline bool Playing(const GameView& view) {
    return view.Buttons.Hint;
}

} // namespace dravik::test
