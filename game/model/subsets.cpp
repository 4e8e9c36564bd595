// Naked subsets (pair to quint) and hidden subsets (pair, triple).
#include "game/model/combinations.h"
#include "game/model/solver.h"

namespace dravik {

bool Solver::NakedEliminate(const int* digits, int digitCount, const int* cells, int cellCount,
                            int kind) {
    const auto& unit = kUnitCells[kCellUnits[cells[0]][kind - 1]];
    bool changed = false;
    for (int i = 0; i < 9; ++i) {
        const int cell = unit[i];
        bool member = false;
        for (int j = 0; j < cellCount; ++j) member |= cells[j] == cell;
        if (member) continue;
        for (int j = 0; j < digitCount; ++j) changed |= RemoveCandidate(digits[j], cell);
    }
    return changed;
}

bool Solver::NakedSubsetInUnit(const int* cells, int kind, int size) {
    // Missing digits: held by no cell of the unit. Combinations are taken from
    // them only; a combination matches when exactly `size` empty cells have no
    // candidate outside it.
    unsigned held = 0;
    int empty = 0;
    for (int i = 0; i < 9; ++i) {
        const int g = grid_[cells[i]];
        if (g > 0)
            held |= DigitBit(g);
        else
            ++empty;
    }
    // The subset's cells are empty, and some other empty cell must lose a digit.
    if (empty <= size) return false;
    const unsigned missing = kAllCandidates & ~held;
    if (BitCount(missing) < size) return false;
    const CombinationTable& table = Combinations(size);
    CombinationCounter counter;
    for (int i = 0; i < 9; ++i)
        if (grid_[cells[i]] == 0 && BitCount(mask_[cells[i]]) <= size)
            counter.Add(table.containing[mask_[cells[i]]]);

    return (counter.Equal(size) & table.within[missing]).AnyInOrder([&](int k) {
        const unsigned combo = table.sets[k];
        int found[9], count = 0;
        bool outside = false; // another cell of the unit still holds one of the digits
        for (int i = 0; i < 9; ++i) {
            const int c = cells[i];
            if (grid_[c] == 0 && (mask_[c] & ~combo) == 0)
                found[count++] = c;
            else
                outside |= (mask_[c] & combo) != 0;
        }
        if (!outside) return false;
        int digits[5], n = 0;
        for (unsigned m = combo; m; m &= m - 1) digits[n++] = __builtin_ctz(m) + 1;
        if (!NakedEliminate(digits, size, found, kind)) return false;
        if (Noting()) {
            NoteCells({}, static_cast<std::uint16_t>(combo));
            for (int i = 0; i < count; ++i) Noted().AddCell(found[i]);
        }
        return true;
    });
}

bool Solver::HiddenSubsetInUnit(const int* cells, int unit, int size) {
    // A digit possible in more than `size` cells can be in no hidden subset of
    // that size; leaving it out keeps the order of the rest.
    const int scan = unit < 9 ? 9 + unit : unit < 18 ? unit + 9 : unit - 18; // unitCount_'s order
    unsigned eligible = 0;
    for (int d = 1; d <= 9; ++d) {
        const int n = unitCount_[d][scan];
        if (n >= 1 && n <= size) eligible |= DigitBit(d);
    }
    if (BitCount(eligible) < size) return false;

    // A combination matches when exactly `size` cells hold one of its digits.
    const CombinationTable& table = Combinations(size);
    CombinationCounter counter;
    for (int i = 0; i < 9; ++i) {
        const unsigned m = mask_[cells[i]];
        if (!m) continue;
        const IndexSet& missesCell = table.within[kAllCandidates & ~m];
        counter.Add({~missesCell.lo, ~missesCell.hi});
    }
    return (counter.Equal(size) & table.within[eligible]).AnyInOrder([&](int k) {
        const unsigned combo = table.sets[k];
        bool changed = false;
        for (int i = 0; i < 9; ++i) {
            const int c = cells[i];
            if (!(mask_[c] & combo)) continue;
            for (unsigned other = mask_[c] & ~combo; other; other &= other - 1)
                changed |= RemoveCandidate(__builtin_ctz(other) + 1, c);
        }
        if (changed && Noting()) {
            NoteCells({}, static_cast<std::uint16_t>(combo));
            for (int i = 0; i < 9; ++i)
                if (mask_[cells[i]] & combo) Noted().AddCell(cells[i]);
        }
        return changed;
    });
}

bool Solver::Subset(bool naked, int size) {
    if (size < 2 || size > 5) return false;
    if (!naked && size > 3) return false;
    // Ladder position of this call: (2,naked) (3,naked) (2,hidden) (4,naked) (3,hidden) (5,naked).
    const int slot = naked ? (size == 2   ? 0
                              : size == 3 ? 1
                              : size == 4 ? 3
                                          : 5)
                           : (size == 2 ? 2 : 4);
    auto& seen = subsetSeen_[slot];
    // Units in id order: rows, columns, boxes (kind 1, 2, 3).
    for (int u = 0; u < kUnits; ++u) {
        if (UnitUnchanged(seen[u], u)) continue;
        const auto& unit = kUnitCells[u];
        int cells[9];
        for (int i = 0; i < 9; ++i) cells[i] = unit[i];
        if (naked ? NakedSubsetInUnit(cells, 1 + u / 9, size)
                  : HiddenSubsetInUnit(cells, u, size)) {
            if (Noting()) Noted().AddUnit(u);
            return true;
        }
        seen[u] = unitVersion_[u];
    }
    return false;
}

} // namespace dravik
