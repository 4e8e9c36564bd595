// Hidden Single and Naked Single: the only techniques that place digits.
#include <bit>

#include "game/model/solver.h"

namespace dravik {

namespace {

// Scan positions of every cell's units as bits: box (0-8), row (9-17), column (18-26).
constexpr std::array<std::uint32_t, kCells> kScanBits = [] {
    std::array<std::uint32_t, kCells> t{};
    for (int c = 0; c < kCells; ++c)
        t[c] = (1u << CellBox(c)) | (1u << (9 + CellRow(c))) | (1u << (18 + CellColumn(c)));
    return t;
}();

} // namespace

bool Solver::HiddenSingle() {
    // A digit is hidden single when it lies in exactly one cell of a unit. The
    // units are scanned boxes, rows, columns (unit ids are rows, columns, boxes),
    // digits in increasing order, looking only where a digit has one cell left.
    // A lone cell with no other candidate is left to Naked Single: the units
    // of the single-candidate cells are out for their digit.
    std::uint32_t open[10];
    for (int d = 1; d <= 9; ++d) open[d] = hiddenPending_[d];
    singles_.ForEach(
        [&](int c) { open[std::countr_zero(unsigned{mask_[c]}) + 1] &= ~kScanBits[c]; });
    std::uint32_t units = 0;
    for (int d = 1; d <= 9; ++d) units |= open[d];
    if (units) {
        const int s = std::countr_zero(units);
        const int id = s < 9 ? BoxUnit(s) : s - 9;
        for (int d = 1; d <= 9; ++d) {
            if (!((open[d] >> s) & 1u)) continue;
            const int c = (where_[d] & kUnitCellSets[id]).First();
            if (Noting()) {
                NoteCells({}, DigitBit(d));
                for (int k = 0; k < 9; ++k) Noted().AddCell(kUnitCells[id][k]);
                Noted().AddUnit(id);
            }
            Place(d, c);
            return true;
        }
    }
    return false;
}

bool Solver::NakedSingle() {
    // The first cell, in cell order, with a single candidate.
    if (singles_.Empty()) return false;
    const int c = singles_.First();
    const unsigned m = mask_[c];
    if (Noting()) NoteCells({c}, static_cast<std::uint16_t>(m));
    Place(std::countr_zero(m) + 1, c);
    return true;
}

} // namespace dravik
