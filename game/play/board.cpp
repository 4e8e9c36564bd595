#include "game/play/board.h"

namespace dravik {

namespace {

bool IsPlacement(int type) {
    return type >= 1 && type <= 9;
}
bool IsStrike(int type) {
    return type >= -9 && type <= -1;
}
bool IsReset(int type) {
    return type >= 10 && type <= 19;
}

} // namespace

void Board::ClearSudokuData() {
    Givens.fill(0);
    Solution.fill(0);
    Played.fill(0);
    PuzzleLevel = 0;
    StepCount = 0;
    StepLimit = 0;
}

void Board::RecordStep(const Step& step) {
    StepCount += 1;
    StepLimit = StepCount;
    if (Steps.size() < static_cast<std::size_t>(StepCount))
        Steps.resize(static_cast<std::size_t>(StepCount));
    StepAt(StepCount) = step;
}

Step Board::PlacementStep(int cell, int digit, bool fromPeers) const {
    Step step;
    step.Cell = static_cast<std::int16_t>(cell);
    step.Type = static_cast<std::int16_t>(digit);
    step.CellMarks = PencilMarks[cell] & kAllCandidates;
    if (!fromPeers) return step;
    // A peer is named once, by the first unit that reaches it; the cell itself
    // gives up its marks through CellMarks.
    std::array<bool, kCells> named{};
    named[cell] = true;
    auto take = [&](int peer, std::uint16_t& mask, int bit) {
        if (named[peer] || !(PencilMarks[peer] & DigitBit(digit))) return;
        named[peer] = true;
        mask |= static_cast<std::uint16_t>(1u << bit);
    };
    for (int i = 0; i < 9; ++i) take(ColumnPeer(cell, i), step.ColumnMarks, i);
    for (int i = 0; i < 9; ++i) take(RowPeer(cell, i), step.RowMarks, i);
    for (int i = 0; i < 9; ++i) take(BoxPeer(cell, i), step.BoxMarks, i);
    return step;
}

Step Board::StrikeStep(int cell, int digit) const {
    Step step;
    step.Cell = static_cast<std::int16_t>(cell);
    step.Type = static_cast<std::int16_t>(-digit);
    step.CellMarks = DigitBit(digit);
    return step;
}

Step Board::ResetStep(int cell) const {
    Step step;
    step.Cell = static_cast<std::int16_t>(cell);
    step.Type = static_cast<std::int16_t>(Played[cell] + 10);
    step.CellMarks = static_cast<std::uint16_t>(~PencilMarks[cell] & kAllCandidates);
    return step;
}

void Board::Apply(const Step& step, Direction direction) {
    const bool forward = direction == Direction::Forward;
    const int s = step.Cell;
    const int t = step.Type;
    if (s < 0 || s >= kCells) return;
    auto marks = [&](int cell, std::uint16_t mask, bool show) {
        mask &= kAllCandidates;
        if (show)
            PencilMarks[cell] |= mask;
        else
            PencilMarks[cell] &= static_cast<std::uint16_t>(~mask);
    };
    if (IsStrike(t)) {
        marks(s, DigitBit(-t), !forward);
    } else if (IsPlacement(t)) {
        Played[s] = forward ? static_cast<std::uint8_t>(t) : 0;
        marks(s, step.CellMarks, !forward);
        ForEachNamedPeer(step, [&](int peer) { marks(peer, DigitBit(t), !forward); });
    } else if (IsReset(t)) {
        marks(s, step.CellMarks, forward);
        if (forward)
            Played[s] = 0;
        else if (t > 10)
            Played[s] = static_cast<std::uint8_t>(t - 10);
    }
}

int ColumnPeer(int cell, int bit) {
    return kUnitCells[ColumnUnit(CellColumn(cell))][bit];
}

int RowPeer(int cell, int bit) {
    return kUnitCells[RowUnit(CellRow(cell))][bit];
}

int BoxPeer(int cell, int bit) {
    // The box's cells are listed row by row; a step names them column by
    // column (row offset bit % 3, column offset bit / 3).
    return kUnitCells[BoxUnit(CellBox(cell))][3 * (bit % 3) + bit / 3];
}

} // namespace dravik
