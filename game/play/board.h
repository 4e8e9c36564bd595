// The puzzle's arrays as played: givens, solution, the board, the pencil marks,
// and the step history that Undo, Redo, Restart and Reset Cell walk.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/model/grid.h"

namespace dravik {

// A game holds at most this many steps (the step counter is 16-bit).
constexpr int kMaxSteps = 32767;

// One recorded move.
//   Type: +d placed digit d; -d struck pencil mark d; 10 + x reset a cell that held x.
//   CellMarks: placement - the marks hidden in the cell; strike - the struck mark;
//              reset - the marks shown again.
//   ColumnMarks/RowMarks/BoxMarks: placement only - the peers that lost mark d,
//   bit r of the column, bit c of the row, bit 3j + i of the box (row offset i,
//   column offset j). Each peer is named once, by the first of column, row, box.
struct Step {
    std::int16_t Type = 0;
    std::int16_t Cell = 0;
    std::uint16_t CellMarks = 0;
    std::uint16_t ColumnMarks = 0;
    std::uint16_t RowMarks = 0;
    std::uint16_t BoxMarks = 0;

    friend bool operator==(const Step&, const Step&) = default;
};

struct Board {
    std::array<std::uint8_t, kCells> Givens{};
    std::array<std::uint8_t, kCells> Solution{};
    std::array<std::uint8_t, kCells> Played{};
    std::array<std::uint16_t, kCells> PencilMarks{};

    // The level whose rules the puzzle is played by (its stock record's Level).
    int PuzzleLevel = 0;

    int StepCount = 0;
    int StepLimit = 0;
    // Steps(n) for n = 1.. is Steps[n - 1]. Entries above StepLimit are left
    // over from earlier games and are overwritten as steps are recorded.
    std::vector<Step> Steps;

    const Step& StepAt(int n) const { return Steps[static_cast<std::size_t>(n - 1)]; }
    Step& StepAt(int n) { return Steps[static_cast<std::size_t>(n - 1)]; }

    // Empties the puzzle arrays and the step counters; the step entries stay.
    void ClearSudokuData();
    // Records `step` as the new step n = StepCount + 1; everything that could
    // be redone is dropped.
    void RecordStep(const Step& step);

    // The moves as steps, read off the board before they are made (nothing
    // changes until the step is applied). A placement names the marks the cell
    // shows and, with `fromPeers`, every peer that shows `digit`, each peer in
    // the first of its column, row and box.
    Step PlacementStep(int cell, int digit, bool fromPeers) const;
    Step StrikeStep(int cell, int digit) const;
    Step ResetStep(int cell) const;

    // Makes a step (forward: the move itself and Redo) or takes it back
    // (Undo). A step of an unknown type changes nothing.
    enum class Direction { Forward, Backward };
    void Apply(const Step& step, Direction direction);
};

// The peer cell named by bit `bit` of a step's column, row or box mask.
int ColumnPeer(int cell, int bit);
int RowPeer(int cell, int bit);
int BoxPeer(int cell, int bit);

// Calls `visit(peer)` for every peer a placement step names: its column
// record, then its row record, then its box record.
template <typename Visit> void ForEachNamedPeer(const Step& step, Visit&& visit) {
    for (int i = 0; i < 9; ++i)
        if (step.ColumnMarks & (1u << i)) visit(ColumnPeer(step.Cell, i));
    for (int i = 0; i < 9; ++i)
        if (step.RowMarks & (1u << i)) visit(RowPeer(step.Cell, i));
    for (int i = 0; i < 9; ++i)
        if (step.BoxMarks & (1u << i)) visit(BoxPeer(step.Cell, i));
}

} // namespace dravik
