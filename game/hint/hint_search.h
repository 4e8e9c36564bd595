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
#include <optional>
#include <vector>

#include "game/model/grid.h"
#include "game/model/solver.h"

namespace dravik {

// What a search finds, in this order of precedence: a placed digit that is not
// the solution's, or an empty cell whose marks lack its solution digit (the
// first such cell in cell order); the board complete, nothing to report; at
// levels 1 and 2 (plain keypads) no technique is named; else the first
// technique of the ladder that makes progress on the marks, or none.
enum class HintKind {
    Nothing,    // the board is complete, or no technique makes progress
    Technique,  // `technique` makes progress (Step() has the step)
    WrongDigit, // `cell` holds a digit that is not the solution's
    StruckMark, // `cell` is empty and its marks lack the solution's digit
    LowLevel,   // the board is sound, but at this level no technique is named
};

struct HintResult {
    HintKind kind = HintKind::Nothing;
    int technique = -1; // Technique: index in the technique table
    int cell = -1;      // WrongDigit, StruckMark

    bool IsTechnique() const { return kind == HintKind::Technique; }
    friend bool operator==(const HintResult&, const HintResult&) = default;
};

// The result as one number, the way `dravik hint` writes it: 0 nothing,
// 1..22 technique index + 1, 23 + cell a wrong digit, 104 + cell a struck
// solution mark, 185 a sound board below level 3.
int HintCode(const HintResult& result);

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

// The marks a search starts from: the player's, none in a filled cell, and
// without the digits a peer already holds (Reset Cell shows all nine marks
// again), so that a step found on them is true of the position.
std::array<std::uint16_t, kCells> CleanedMarks(const std::array<std::uint8_t, kCells>& played,
                                               const std::array<std::uint16_t, kCells>& marks);

// The cell-order checks that come before any technique: the first placed
// digit that is not the solution's, or empty cell whose marks lack the
// solution's digit (WrongDigit or StruckMark); nullopt on a sound board.
std::optional<HintResult> FirstMistake(const HintBoard& board);

// A step's changes in the order a hint gives them: by cell, then digit.
void OrderChanges(std::vector<GridChange>& changes);

// The step a technique hint stands for.
struct HintStep {
    int technique = -1; // index in the technique table; -1 for no step
    // One placement, or the removals ordered by cell, then digit.
    std::vector<GridChange> changes;
    StepPattern pattern;
    // The marks the step starts from: the player's, without the digits a peer
    // already holds (a filled cell has none).
    std::array<std::uint16_t, kCells> marks{};

    bool Places() const { return !changes.empty() && changes.front().placed; }
};

class HintSearch {
  public:
    HintSearch();

    // What the hint finds on `board`; Step() holds the step of a technique.
    HintResult Search(const HintBoard& board);
    const HintStep& Step() const { return step_; }

  private:
    Solver solver_;
    std::vector<GridChange> log_;
    HintStep step_;
};

} // namespace dravik
