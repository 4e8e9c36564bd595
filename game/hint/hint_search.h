// The hint search: one look at the board as the player has it. It checks the
// digits and the pencil marks against the solution in cell order, then runs
// the technique ladder once on the player's marks and names the first
// technique that makes progress, with the step it would take.
//
// The search owns its solver, so it never shares working arrays with grading
// or generation, and it changes nothing it is given.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/model/grid.h"
#include "game/model/solver.h"

namespace dravik {

// Results of a search.
//   0          nothing to report: the board is complete, or no technique
//              makes progress on the marks
//   1..22      technique index + 1 makes progress
//   23..103    cell (result - 23) holds a digit that is not the solution's
//   104..184   cell (result - 104) is empty and its marks lack the solution's digit
//   185        the board is sound, but at levels 1 and 2 no technique is named
inline constexpr int kHintNothing = 0;
inline constexpr int kHintWrongDigit = 23;
inline constexpr int kHintStruckMark = 104;
inline constexpr int kHintLowLevel = 185;

constexpr bool IsTechniqueHint(int result) {
    return result >= 1 && result <= kTechniqueCount;
}
constexpr bool IsWrongDigitHint(int result) {
    return result >= kHintWrongDigit && result < kHintWrongDigit + kCells;
}
constexpr bool IsStruckMarkHint(int result) {
    return result >= kHintStruckMark && result < kHintStruckMark + kCells;
}

// The board as the player has it. A cell with a digit (given or placed) has no
// candidates, whatever its marks say; a solution digit outside 1..9 (no puzzle)
// is never reported as a struck mark.
struct HintBoard {
    const std::array<std::uint8_t, kCells>& Played;
    const std::array<std::uint16_t, kCells>& Marks;
    const std::array<std::uint8_t, kCells>& Solution;
    const std::array<std::uint8_t, kCells>& Givens; // tells the Avoidable Rectangle what is fixed
    int Level;
};

// The step a technique hint stands for.
struct HintStep {
    int technique = -1; // index in the technique table; -1 for no step
    // One placement, or the removals ordered by cell, then digit.
    std::vector<GridChange> changes;
    StepPattern pattern;
    // The marks the step starts from (a filled cell has none).
    std::array<std::uint16_t, kCells> marks{};

    bool Places() const { return !changes.empty() && changes.front().placed; }
};

class HintSearch {
  public:
    HintSearch();

    // The result code for `board`; Step() holds the step of a technique result.
    int Search(const HintBoard& board);
    const HintStep& Step() const { return step_; }

  private:
    Solver solver_;
    std::vector<GridChange> log_;
    HintStep step_;
};

} // namespace dravik
