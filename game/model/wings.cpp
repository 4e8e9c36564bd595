// XY-Wing, XYZ-Wing, Skyscraper, 2 String Kite and Empty Rectangle.
#include <bit>

#include "game/model/solver.h"

namespace dravik {

namespace {

// Which candidate masks occur on the board: bit m of word m / 64.
struct MaskSet {
    std::uint64_t words[8] = {};
    void Add(unsigned m) { words[m >> 6] |= std::uint64_t{1} << (m & 63); }
    bool Has(unsigned m) const { return (words[m >> 6] >> (m & 63)) & 1u; }
};

// Unit pairs for (first wing, second wing), in the order they are tried.
constexpr int kWingPlacements[6][2] = {{0, 1}, {0, 2}, {1, 0}, {1, 2}, {2, 0}, {2, 1}};

} // namespace

bool Solver::EliminateSeenByBoth(int a, int b, int digit) {
    bool changed = false;
    (where_[digit] & kPeerCellSets[a] & kPeerCellSets[b]).ForEach([&](int c) {
        if (c != a && c != b) changed |= RemoveCandidate(digit, c);
    });
    return changed;
}

bool Solver::XYZEliminate(int pivot, int wing1, int wing2, int digit) {
    bool changed = false;
    (where_[digit] & kPeerCellSets[pivot] & kPeerCellSets[wing1] & kPeerCellSets[wing2])
        .ForEach([&](int c) {
            if (c != pivot && c != wing1 && c != wing2) changed |= RemoveCandidate(digit, c);
        });
    return changed;
}

bool Solver::FindWings(int pivot, std::uint16_t wing1, std::uint16_t wing2, int digit, bool xyz) {
    // Both wings are bivalue peers of the pivot: look no further when one
    // of the two masks stands on none.
    auto withMask = [&](unsigned m) {
        return wingCells_ & where_[std::countr_zero(m) + 1] & where_[32 - std::countl_zero(m)];
    };
    if ((kPeerCellSets[pivot] & withMask(wing1)).Empty() ||
        (kPeerCellSets[pivot] & withMask(wing2)).Empty())
        return false;
    for (const auto& placement : kWingPlacements) {
        // Placements name the pivot's units: 0 row, 1 column, 2 box.
        const auto& first = kUnitCells[kCellUnits[pivot][placement[0]]];
        const auto& second = kUnitCells[kCellUnits[pivot][placement[1]]];
        for (int i = 0; i < 9; ++i) {
            if (mask_[first[i]] != wing1) continue;
            for (int j = 0; j < 9; ++j) {
                if (mask_[second[j]] != wing2) continue;
                const bool changed = xyz ? XYZEliminate(pivot, first[i], second[j], digit)
                                         : EliminateSeenByBoth(first[i], second[j], digit);
                if (changed) {
                    if (Noting()) NoteCells({pivot, first[i], second[j]}, DigitBit(digit));
                    return true;
                }
            }
        }
    }
    return false;
}

bool Solver::XYWing() {
    // A new wing needs a new bivalue cell.
    if (xyWingSeen_ == bivalueEvents_) return false;
    // Pivot and wings are bivalue cells with the three pair masks of X, Y, Z.
    MaskSet present;
    int bivalue[kCells], count = 0;
    wingCells_ = CellSet{};
    for (int c = 0; c < kCells; ++c)
        if (BitCount(mask_[c]) == 2) {
            bivalue[count++] = c;
            present.Add(mask_[c]);
            wingCells_.Add(c);
        }
    if (count < 3) return false;
    for (int x = 1; x <= 7; ++x)
        for (int y = x + 1; y <= 8; ++y)
            for (int z = y + 1; z <= 9; ++z) {
                const auto bx = DigitBit(x), by = DigitBit(y), bz = DigitBit(z);
                if (!present.Has(bx | by) || !present.Has(bx | bz) || !present.Has(by | bz))
                    continue;
                for (int k = 0; k < count; ++k) {
                    const int pivot = bivalue[k];
                    const unsigned m = mask_[pivot];
                    bool found = false;
                    if (m == (bx | by))
                        found = FindWings(pivot, bx | bz, by | bz, z, false);
                    else if (m == (bx | bz))
                        found = FindWings(pivot, bx | by, bz | by, y, false);
                    else if (m == (by | bz))
                        found = FindWings(pivot, bz | bx, by | bx, x, false);
                    if (found) return true;
                }
            }
    xyWingSeen_ = bivalueEvents_;
    return false;
}

bool Solver::XYZWing() {
    // A new wing needs a new bivalue or trivalue cell.
    const std::uint64_t events = bivalueEvents_ + trivalueEvents_;
    if (xyzWingSeen_ == events) return false;
    MaskSet present;
    wingCells_ = CellSet{};
    for (int c = 0; c < kCells; ++c) {
        present.Add(mask_[c]);
        if (BitCount(mask_[c]) == 2) wingCells_.Add(c);
    }
    for (int x = 1; x <= 7; ++x)
        for (int y = x + 1; y <= 8; ++y)
            for (int z = y + 1; z <= 9; ++z) {
                const auto bx = DigitBit(x), by = DigitBit(y), bz = DigitBit(z);
                if (!present.Has(bx | by | bz)) continue;
                for (int pivot = 0; pivot < kCells; ++pivot) {
                    if (mask_[pivot] != (bx | by | bz)) continue;
                    if (FindWings(pivot, bx | by, bx | bz, x, true)) return true;
                    if (FindWings(pivot, by | bx, by | bz, y, true)) return true;
                    if (FindWings(pivot, bz | bx, bz | by, z, true)) return true;
                }
            }
    xyzWingSeen_ = events;
    return false;
}

namespace {

// For one digit: the two cells of every row and column that holds exactly two
// candidates of it (left or upper one first); -1 elsewhere.
struct ConjugatePairs {
    int row[9][2];
    int column[9][2];
};

// `where`: the digit's cells; `byColumn`: the same turned (TransposedCell).
ConjugatePairs FindConjugatePairs(const CellSet& where, const CellSet& byColumn) {
    ConjugatePairs pairs;
    for (int line = 0; line < 9; ++line) {
        const unsigned r = where.Row(line), c = byColumn.Row(line);
        const bool rowPair = BitCount(r) == 2, columnPair = BitCount(c) == 2;
        pairs.row[line][0] = rowPair ? 9 * line + std::countr_zero(r) : -1;
        pairs.row[line][1] = rowPair ? 9 * line + 31 - std::countl_zero(r) : -1;
        pairs.column[line][0] = columnPair ? line + 9 * std::countr_zero(c) : -1;
        pairs.column[line][1] = columnPair ? line + 9 * (31 - std::countl_zero(c)) : -1;
    }
    return pairs;
}

} // namespace

bool Solver::Skyscraper() {
    for (int d = 1; d <= 9; ++d) {
        if (DigitUnchanged(skyscraperSeen_[d], d)) continue;
        const ConjugatePairs pairs = FindConjugatePairs(where_[d], whereByColumn_[d]);
        for (int i = 0; i < 8; ++i)
            for (int j = i + 1; j < 9; ++j)
                for (int pass = 0; pass < 2; ++pass) {
                    const bool rows = pass == 0;
                    const int* li = rows ? pairs.row[i] : pairs.column[i];
                    const int* lj = rows ? pairs.row[j] : pairs.column[j];
                    if (li[0] < 0 || lj[0] < 0) continue;
                    // Compare the cells' positions across the lines.
                    auto at = [rows](int cell) { return rows ? CellColumn(cell) : CellRow(cell); };
                    const int a1 = li[0], b1 = li[1], a2 = lj[0], b2 = lj[1];
                    if ((at(a1) == at(a2) && at(b1) != at(b2) && EliminateSeenByBoth(b1, b2, d)) ||
                        (at(a1) == at(b2) && at(b1) != at(a2) && EliminateSeenByBoth(b1, a2, d)) ||
                        (at(b1) == at(a2) && at(a1) != at(b2) && EliminateSeenByBoth(a1, b2, d)) ||
                        (at(b1) == at(b2) && at(a1) != at(a2) && EliminateSeenByBoth(a1, a2, d))) {
                        if (Noting()) {
                            NoteCells({a1, b1, a2, b2}, DigitBit(d));
                            Noted().AddUnit(rows ? RowUnit(i) : ColumnUnit(i));
                            Noted().AddUnit(rows ? RowUnit(j) : ColumnUnit(j));
                        }
                        return true;
                    }
                }
        skyscraperSeen_[d] = digitVersion_[d];
    }
    return false;
}

bool Solver::TwoStringKite() {
    for (int d = 1; d <= 9; ++d) {
        if (DigitUnchanged(kiteSeen_[d], d)) continue;
        const ConjugatePairs pairs = FindConjugatePairs(where_[d], whereByColumn_[d]);
        for (int r = 0; r < 9; ++r) {
            const int r0 = pairs.row[r][0], r1 = pairs.row[r][1];
            if (r0 < 0 || CellBox(r0) == CellBox(r1)) continue;
            for (int c = 0; c < 9; ++c) {
                const int c0 = pairs.column[c][0], c1 = pairs.column[c][1];
                if (c0 < 0 || CellBox(c0) == CellBox(c1)) continue;
                int rowEnd, columnEnd;
                if (r0 != c0 && CellBox(r0) == CellBox(c0)) {
                    rowEnd = r1;
                    columnEnd = c1;
                } else if (r0 != c1 && CellBox(r0) == CellBox(c1)) {
                    rowEnd = r1;
                    columnEnd = c0;
                } else if (r1 != c0 && CellBox(r1) == CellBox(c0)) {
                    rowEnd = r0;
                    columnEnd = c1;
                } else if (r1 != c1 && CellBox(r1) == CellBox(c1)) {
                    rowEnd = r0;
                    columnEnd = c0;
                } else {
                    continue;
                }
                if (EliminateSeenByBoth(rowEnd, columnEnd, d)) {
                    if (Noting()) {
                        NoteCells({r0, r1, c0, c1}, DigitBit(d));
                        Noted().AddUnit(RowUnit(r));
                        Noted().AddUnit(ColumnUnit(c));
                    }
                    return true;
                }
            }
        }
        kiteSeen_[d] = digitVersion_[d];
    }
    return false;
}

void Solver::NoteEmptyRectangle(int d, int box, int row, int column, int near, int far,
                                int pairLine) {
    if (!Noting()) return;
    NoteCells({}, DigitBit(d), 2);
    for (int p = 0; p < 9; ++p)
        if (mask_[BoxPositionCell(box, p)] & DigitBit(d)) Noted().AddCell(BoxPositionCell(box, p));
    Noted().AddCell(near);
    Noted().AddCell(far);
    for (int u : {BoxUnit(box), RowUnit(row), ColumnUnit(column), pairLine}) Noted().AddUnit(u);
}

bool Solver::EmptyRectangleHinge(int d, int box, int row, int column,
                                 const std::array<std::array<int, 9>, 10>& rowCount,
                                 const std::array<std::array<int, 9>, 10>& colCount) {
    const unsigned bit = DigitBit(d);
    const int band = box / 3, stack = box % 3;
    // Row side: along row R outside the box, a conjugate pair in the column.
    for (int k = 0; k < 9; ++k) {
        if (k / 3 == stack || !(mask_[9 * row + k] & bit) || colCount[d][k] != 2) continue;
        int other = -1;
        for (int i = 0; i < 9; ++i)
            if (i != row && (mask_[9 * i + k] & bit)) other = i;
        if (other < 0 || other / 3 == band) continue;
        if (RemoveCandidate(d, 9 * other + column)) {
            NoteEmptyRectangle(d, box, row, column, 9 * row + k, 9 * other + k, ColumnUnit(k));
            return true;
        }
    }
    // Column side: along column C outside the box, a conjugate pair in the row.
    for (int i = 0; i < 9; ++i) {
        if (i / 3 == band || !(mask_[9 * i + column] & bit) || rowCount[d][i] != 2) continue;
        int other = -1;
        for (int j = 0; j < 9; ++j)
            if (j != column && (mask_[9 * i + j] & bit)) other = j;
        if (other < 0 || other / 3 == stack) continue;
        if (RemoveCandidate(d, 9 * row + other)) {
            NoteEmptyRectangle(d, box, row, column, 9 * i + column, 9 * i + other, RowUnit(i));
            return true;
        }
    }
    return false;
}

bool Solver::EmptyRectangle() {
    std::array<std::array<int, 9>, 10> rowCount{}, colCount{};
    for (int d = 1; d <= 9; ++d)
        for (int line = 0; line < 9; ++line) {
            rowCount[d][line] = BitCount(RowOf(d, line));
            colCount[d][line] = BitCount(ColumnOf(d, line));
        }

    for (int d = 1; d <= 9; ++d) {
        if (DigitUnchanged(emptyRectangleSeen_[d], d)) continue;
        const unsigned bit = DigitBit(d);
        for (int box = 0; box < 9; ++box) {
            int cells[9], n = 0, inRow[3] = {0, 0, 0}, inCol[3] = {0, 0, 0};
            for (int p = 0; p < 9; ++p) {
                const int c = BoxPositionCell(box, p);
                if (mask_[c] & bit) {
                    cells[n++] = c;
                    ++inRow[p / 3];
                    ++inCol[p % 3];
                }
            }
            if (n < 2 || n > 5) continue;
            const int top = 3 * (box / 3), left = 3 * (box % 3);
            auto rowHolding = [&](int k) {
                for (int i = 0; i < 3; ++i)
                    if (inRow[i] == k) return i;
                return -1;
            };
            auto colHolding = [&](int k) {
                for (int i = 0; i < 3; ++i)
                    if (inCol[i] == k) return i;
                return -1;
            };
            auto covers = [&](int r, int c) {
                for (int i = 0; i < n; ++i)
                    if (CellRow(cells[i]) != r && CellColumn(cells[i]) != c) return false;
                return true;
            };
            if (n == 2) {
                const int a = cells[0], b = cells[1];
                if (CellRow(a) == CellRow(b) || CellColumn(a) == CellColumn(b)) continue;
                if (EmptyRectangleHinge(d, box, CellRow(a), CellColumn(b), rowCount, colCount))
                    return true;
                if (EmptyRectangleHinge(d, box, CellRow(b), CellColumn(a), rowCount, colCount))
                    return true;
                continue;
            }
            int r = -1, c = -1;
            if (n == 3) {
                if (rowHolding(3) >= 0 || colHolding(3) >= 0) continue;
                r = rowHolding(2);
                c = colHolding(2);
            } else if (n == 4) {
                if (rowHolding(3) >= 0 && colHolding(2) >= 0) {
                    r = rowHolding(3);
                    c = colHolding(2);
                } else if (colHolding(3) >= 0 && rowHolding(2) >= 0) {
                    r = rowHolding(2);
                    c = colHolding(3);
                }
            } else {
                r = rowHolding(3);
                c = colHolding(3);
            }
            if (r < 0 || c < 0 || !covers(top + r, left + c)) continue;
            if (EmptyRectangleHinge(d, box, top + r, left + c, rowCount, colCount)) return true;
        }
        emptyRectangleSeen_[d] = digitVersion_[d];
    }
    return false;
}

} // namespace dravik
