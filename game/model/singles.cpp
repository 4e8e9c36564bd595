// Hidden Single and Naked Single: the only techniques that place digits.
#include <bit>

#include "game/model/solver.h"

namespace dravik {

bool Solver::HiddenSingle() {
    // A digit is hidden single when it lies in exactly one cell of a unit. The
    // units are scanned boxes, rows, columns (unit ids are rows, columns, boxes),
    // digits in increasing order, looking only where a digit has one cell left.
    std::uint32_t units = 0;
    for (int d = 1; d <= 9; ++d) units |= hiddenPending_[d];
    while (units) {
        const int s = std::countr_zero(units);
        units &= units - 1;
        const int id = s < 9 ? BoxUnit(s) : s - 9;
        for (int d = 1; d <= 9; ++d) {
            if (!((hiddenPending_[d] >> s) & 1u)) continue;
            const int c = (where_[d] & kUnitCellSets[id]).First();
            // A cell with no other candidate is left to Naked Single.
            if (BitCount(mask_[c]) < 2) continue;
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
