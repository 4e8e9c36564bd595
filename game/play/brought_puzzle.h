// A puzzle the player brings from outside the stock (pasted, or named on the
// command line): read from text, checked for exactly one solution and graded
// by the ladder, so it can be played with its level's rules.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "game/model/solver.h"
#include "game/stock/score.h"

namespace dravik {

struct BroughtPuzzle {
    Grid givens{};
    Grid solution{};
    Grading grading; // result 1..5, or 6 when the ladder cannot finish it
    // The level whose rules it is played by: its grade, 5 beyond the ladder.
    int level = 0;
    bool beyondLadder = false;
};

struct BroughtResult {
    std::optional<BroughtPuzzle> puzzle;
    std::string error; // why the text is refused, for the player
};

// The text holds 81 cells, '1'-'9' a given and '0' or '.' an empty cell, with
// white space and line breaks anywhere (a 9-line grid reads as well as one
// line). Refused: any other character, another number of cells, givens that
// clash, no solution, more than one.
BroughtResult ReadBroughtPuzzle(std::string_view text);

// The most text a puzzle is read from: the start of a longer file named on
// the command line or of a longer clipboard text.
inline constexpr std::size_t kMaxBroughtTextBytes = 64 * 1024;

// The refusal's title.
inline constexpr std::string_view kBroughtPuzzleTitle = "Puzzle not played";

} // namespace dravik
