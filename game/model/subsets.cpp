// Naked subsets (pair to quint) and hidden subsets (pair, triple).
#include "game/model/solver.h"

namespace dravik {

namespace {

// Units in the subset scan order: rows, columns, boxes; with their kind
// (1 row, 2 column, 3 box).
struct Unit {
    std::array<std::int8_t, 9> cells;
    int kind;
};

constexpr std::array<Unit, 27> MakeSubsetUnits() {
    std::array<Unit, 27> u{};
    for (int r = 0; r < 9; ++r) {
        u[r].kind = 1;
        for (int i = 0; i < 9; ++i) u[r].cells[i] = static_cast<std::int8_t>(9 * r + i);
    }
    for (int c = 0; c < 9; ++c) {
        u[9 + c].kind = 2;
        for (int i = 0; i < 9; ++i) u[9 + c].cells[i] = static_cast<std::int8_t>(c + 9 * i);
    }
    for (int b = 0; b < 9; ++b) {
        u[18 + b].kind = 3;
        for (int p = 0; p < 9; ++p)
            u[18 + b].cells[p] = static_cast<std::int8_t>(BoxPositionCell(b, p));
    }
    return u;
}
constexpr auto kSubsetUnits = MakeSubsetUnits();

// Steps `idx` (k increasing indexes below n) to the next combination in
// lexicographic order; false after the last one.
bool NextCombination(int* idx, int k, int n) {
    int i = k - 1;
    while (i >= 0 && idx[i] == n - k + i) --i;
    if (i < 0) return false;
    ++idx[i];
    for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    return true;
}

} // namespace

bool Solver::OnlyDigits(const int* digits, int size, int cell) const {
    unsigned allowed = 0;
    for (int i = 0; i < size; ++i) allowed |= DigitBit(digits[i]);
    return (mask_[cell] & ~allowed) == 0;
}

bool Solver::NakedEliminate(const int* digits, int digitCount, const int* cells, int cellCount,
                            int kind) {
    const int first = cells[0];
    int unit[9];
    for (int i = 0; i < 9; ++i) {
        if (kind == 1)
            unit[i] = 9 * CellRow(first) + i;
        else if (kind == 2)
            unit[i] = CellColumn(first) + 9 * i;
        else
            unit[i] = BoxPositionCell(CellBox(first), i);
    }
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
    // Missing digits: held by no cell of the unit.
    unsigned held = 0;
    int empty[9], emptyCount = 0;
    for (int i = 0; i < 9; ++i) {
        const int g = grid_[cells[i]];
        if (g > 0)
            held |= DigitBit(g);
        else
            empty[emptyCount++] = cells[i];
    }
    int missing[9], m = 0;
    for (int d = 1; d <= 9; ++d)
        if (!(held & DigitBit(d))) missing[m++] = d;
    if (m < size) return false;
    // Only cells with at most `size` candidates can lie inside a combination.
    int small = 0;
    for (int i = 0; i < emptyCount; ++i)
        if (BitCount(mask_[empty[i]]) <= size) empty[small++] = empty[i];
    emptyCount = small;
    if (emptyCount < size) return false;

    int idx[5];
    for (int i = 0; i < size; ++i) idx[i] = i;
    do {
        unsigned combo = 0;
        for (int i = 0; i < size; ++i) combo |= DigitBit(missing[idx[i]]);
        int found[9], count = 0;
        for (int i = 0; i < emptyCount && count <= size; ++i)
            if ((mask_[empty[i]] & ~combo) == 0) found[count++] = empty[i];
        if (count != size) continue;
        // Only call the elimination when another cell of the unit still holds
        // one of the digits; otherwise it would remove nothing.
        bool any = false;
        for (int i = 0; i < 9 && !any; ++i) {
            const int c = cells[i];
            if (!(mask_[c] & combo)) continue;
            bool member = false;
            for (int j = 0; j < size; ++j) member |= found[j] == c;
            any = !member;
        }
        if (!any) continue;
        int digits[5];
        for (int i = 0; i < size; ++i) digits[i] = missing[idx[i]];
        if (NakedEliminate(digits, size, found, kind)) return true;
    } while (NextCombination(idx, size, m));
    return false;
}

bool Solver::HiddenSubsetInUnit(const int* cells, int size) {
    // A digit possible in more than `size` cells can be in no hidden subset of
    // that size; leaving it out keeps the order of the rest.
    int cellsOf[10] = {};
    for (int i = 0; i < 9; ++i)
        for (unsigned m = mask_[cells[i]]; m; m &= m - 1) ++cellsOf[__builtin_ctz(m) + 1];
    int digits[9], n = 0;
    for (int d = 1; d <= 9; ++d)
        if (cellsOf[d] >= 1 && cellsOf[d] <= size) digits[n++] = d;
    if (n < size) return false;

    int idx[5];
    for (int i = 0; i < size; ++i) idx[i] = i;
    do {
        unsigned combo = 0;
        for (int i = 0; i < size; ++i) combo |= DigitBit(digits[idx[i]]);
        int found[9], count = 0;
        for (int i = 0; i < 9 && count <= size; ++i)
            if (mask_[cells[i]] & combo) found[count++] = cells[i];
        if (count != size) continue;
        bool changed = false;
        for (int j = 0; j < size; ++j)
            for (int d = 1; d <= 9; ++d)
                if (!(combo & DigitBit(d))) changed |= RemoveCandidate(d, found[j]);
        if (changed) return true;
    } while (NextCombination(idx, size, n));
    return false;
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
    for (int u = 0; u < 27; ++u) {
        if (UnitUnchanged(seen[u], u)) continue; // kSubsetUnits is in unit id order
        const auto& unit = kSubsetUnits[u];
        int cells[9];
        for (int i = 0; i < 9; ++i) cells[i] = unit.cells[i];
        if (naked ? NakedSubsetInUnit(cells, unit.kind, size) : HiddenSubsetInUnit(cells, size))
            return true;
        seen[u] = unitVersion_[u];
    }
    return false;
}

} // namespace dravik
