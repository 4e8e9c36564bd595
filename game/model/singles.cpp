// Hidden Single and Naked Single: the only techniques that place digits.
#include "game/model/solver.h"

namespace dravik {

bool Solver::HiddenSingle() {
    for (int u = 0; u < kUnits; ++u) {
        // Scan order boxes, rows, columns; unit ids are rows, columns, boxes.
        const int id = u < 9 ? BoxUnit(u) : u - 9;
        const auto& unit = kUnitCells[id];
        if (UnitUnchanged(hiddenSingleSeen_[id], id)) continue;
        // A digit is hidden single when it lies in exactly one cell of the unit:
        // seen once -> `once`, seen again -> `twice`.
        unsigned once = 0, twice = 0;
        for (int i = 0; i < 9; ++i) {
            const unsigned m = mask_[unit[i]];
            twice |= once & m;
            once |= m;
        }
        unsigned single = once & ~twice;
        while (single) {
            const int bit = __builtin_ctz(single);
            single &= single - 1;
            const unsigned b = 1u << bit;
            for (int i = 0; i < 9; ++i) {
                const int c = unit[i];
                if (mask_[c] & b) {
                    if (BitCount(mask_[c]) > 1) {
                        if (Noting()) {
                            NoteCells({}, static_cast<std::uint16_t>(b));
                            for (int k = 0; k < 9; ++k) Noted().AddCell(unit[k]);
                            Noted().AddUnit(id);
                        }
                        Place(bit + 1, c);
                        return true;
                    }
                    break;
                }
            }
        }
        hiddenSingleSeen_[id] = unitVersion_[id];
    }
    return false;
}

bool Solver::NakedSingle() {
    for (int c = 0; c < kCells; ++c) {
        const unsigned m = mask_[c];
        if (m && !(m & (m - 1))) {
            if (Noting()) NoteCells({c}, static_cast<std::uint16_t>(m));
            Place(__builtin_ctz(m) + 1, c);
            return true;
        }
    }
    return false;
}

} // namespace dravik
