// The solution path: the whole logical way from the position on the board,
// as the solver's ladder takes it. It starts from a copy of the player's
// digits and marks, cleaned as the hint search cleans them, and lists every
// step with the board as it stands before the step and the step's highlight,
// so a window only has to draw it. The round is never changed.
//
// A wrong digit, or a struck solution mark, is not shown: the path then has
// no steps and says only that the position cannot be solved from here.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/hint/board_highlight.h"
#include "game/play/round.h"
#include "game/play/view.h"

namespace dravik {

struct PathStep {
    int technique = -1;
    // The step as `dravik solve --steps` writes it: "place 5 at C4".
    std::string words;
    // The board before the step, and what the step does on it.
    std::array<CellView, kCells> cells{};
    BoardHighlight highlight;
};

struct SolutionPath {
    enum class Outcome {
        NoPuzzle, // nothing is being played
        Mistake,  // a digit or a struck mark disagrees with the solution
        Solved,   // the steps fill the board
        Stuck,    // the ladder gets no further after the steps
        Complete, // the board is already full
    };
    Outcome outcome = Outcome::NoPuzzle;
    // The game's step counter where the path starts.
    int fromStep = 0;
    std::vector<PathStep> steps;
    // The board where the path ends (the position itself without steps).
    std::array<CellView, kCells> end{};

    // One line that says how the path ends.
    std::string Summary() const;
};

SolutionPath FindSolutionPath(const Round& round);

// "12. X-Wing: remove 4 from C2 H7", the line `dravik solve --steps` writes.
std::string PathLine(int number, const PathStep& step);

} // namespace dravik
