// Single-digit fish: X-Wing, Swordfish, Jellyfish, Finned X-Wing; and the
// two-digit Multi X-Wing rectangle.
#include <bit>

#include "game/model/combinations.h"
#include "game/model/solver.h"

namespace dravik {

namespace {

// Cell of line `line` at position `pos`: rows when `rows`, else columns.
constexpr int LineCell(bool rows, int line, int pos) {
    return rows ? 9 * line + pos : line + 9 * pos;
}

} // namespace

bool Solver::BasicFish(int n) {
    const CombinationTable& table = Combinations(n);
    // Per digit, per line: bit `pos` set when the digit is possible there.
    for (int pass = 0; pass < 2; ++pass) {
        const bool rows = pass == 0; // base lines are rows, cover lines columns
        auto& seen = fishSeen_[n - 2][pass];
        for (int d = 1; d <= 9; ++d) {
            if (DigitUnchanged(seen[d], d)) continue;
            unsigned lineMask[9];
            for (int line = 0; line < 9; ++line)
                lineMask[line] = rows ? RowOf(d, line) : ColumnOf(d, line);
            // A line qualifies for a set of cover lines when the digit lies in
            // exactly those two lines (X-Wing), or in some of them (larger fish).
            auto qualifies = [n](unsigned m) { return n == 2 ? BitCount(m) == 2 : m != 0; };
            CombinationCounter counter;
            for (int line = 0; line < 9; ++line)
                if (qualifies(lineMask[line])) counter.Add(table.containing[lineMask[line]]);
            // Sets with exactly n qualifying lines, in lexicographic order.
            const bool found = counter.Equal(n).AnyInOrder([&](int k) {
                const unsigned pattern = table.sets[k];
                unsigned baseLines = 0;
                for (int line = 0; line < 9; ++line) {
                    const unsigned m = lineMask[line];
                    if (qualifies(m) && (m & ~pattern) == 0) baseLines |= 1u << line;
                }
                // FishEliminate: the digit leaves the cover lines outside the base lines.
                bool changed = false;
                for (int line = 0; line < 9; ++line)
                    if (!(baseLines & (1u << line)))
                        for (unsigned p = lineMask[line] & pattern; p; p &= p - 1)
                            changed |= RemoveCandidate(d, LineCell(rows, line, __builtin_ctz(p)));
                if (changed && Noting()) {
                    NoteCells({}, DigitBit(d));
                    for (int line = 0; line < 9; ++line)
                        if (baseLines & (1u << line))
                            for (unsigned p = lineMask[line] & pattern; p; p &= p - 1)
                                Noted().AddCell(LineCell(rows, line, __builtin_ctz(p)));
                    for (int line = 0; line < 9; ++line)
                        if (baseLines & (1u << line))
                            Noted().AddUnit(rows ? RowUnit(line) : ColumnUnit(line));
                    for (int line = 0; line < 9; ++line)
                        if (pattern & (1u << line))
                            Noted().AddUnit(rows ? ColumnUnit(line) : RowUnit(line));
                }
                return changed;
            });
            if (found) return true;
            seen[d] = digitVersion_[d];
        }
    }
    return false;
}

bool Solver::XWing() {
    return BasicFish(2);
}
bool Solver::Swordfish() {
    return BasicFish(3);
}
bool Solver::Jellyfish() {
    return BasicFish(4);
}

bool Solver::FinnedXWing() {
    int rowCount[10][9] = {}, colCount[10][9] = {};
    for (int d = 1; d <= 9; ++d)
        for (int line = 0; line < 9; ++line) {
            rowCount[d][line] = BitCount(RowOf(d, line));
            colCount[d][line] = BitCount(ColumnOf(d, line));
        }
    auto has = [this](int d, int r, int c) { return (mask_[9 * r + c] & DigitBit(d)) != 0; };

    // Removes d from the cells of `box` that lie in column `column` (rows half)
    // or row `row` (columns half), other than the cells of the second line.
    auto clearBoxLine = [this](int d, int box, bool inColumn, int line, int skip) {
        bool changed = false;
        for (int p = 0; p < 9; ++p) {
            const int cell = BoxPositionCell(box, p);
            if (inColumn) {
                if (CellColumn(cell) == line && CellRow(cell) != skip)
                    changed |= RemoveCandidate(d, cell);
            } else {
                if (CellRow(cell) == line && CellColumn(cell) != skip)
                    changed |= RemoveCandidate(d, cell);
            }
        }
        return changed;
    };

    // Rows half.
    for (int d = 1; d <= 9; ++d) {
        if (DigitUnchanged(finnedSeen_[0][d], d)) continue;
        for (int r1 = 0; r1 < 9; ++r1) {
            if (rowCount[d][r1] != 2) continue;
            for (int c1 = 0; c1 < 8; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    if (!has(d, r1, c1) || !has(d, r1, c2) || c1 / 3 == c2 / 3) continue;
                    for (int r2 = 0; r2 < 9; ++r2) {
                        const int count = rowCount[d][r2];
                        if ((count != 3 && count != 4) || !has(d, r2, c1) || !has(d, r2, c2) ||
                            r2 / 3 == r1 / 3)
                            continue;
                        const int boxA = RowColumnBox(r2, c1), boxB = RowColumnBox(r2, c2);
                        int fins[2], nf = 0;
                        for (int c3 = 0; c3 < 9; ++c3)
                            if (c3 != c1 && c3 != c2 && has(d, r2, c3) && nf < 2) fins[nf++] = c3;
                        bool inB = true, inA = true;
                        for (int f = 0; f < nf; ++f) {
                            inB &= RowColumnBox(r2, fins[f]) == boxB;
                            inA &= RowColumnBox(r2, fins[f]) == boxA;
                        }
                        bool changed = false;
                        if (inB)
                            changed = clearBoxLine(d, boxB, true, c2, r2);
                        else if (inA)
                            changed = clearBoxLine(d, boxA, true, c1, r2);
                        if (changed) {
                            if (Noting()) {
                                NoteCells({9 * r1 + c1, 9 * r1 + c2, 9 * r2 + c1, 9 * r2 + c2},
                                          DigitBit(d), nf);
                                for (int f = 0; f < nf; ++f) Noted().AddCell(9 * r2 + fins[f]);
                                for (int u :
                                     {RowUnit(r1), RowUnit(r2), ColumnUnit(c1), ColumnUnit(c2)})
                                    Noted().AddUnit(u);
                            }
                            return true;
                        }
                    }
                }
        }
        finnedSeen_[0][d] = digitVersion_[d];
    }

    // Columns half.
    for (int d = 1; d <= 9; ++d) {
        if (DigitUnchanged(finnedSeen_[1][d], d)) continue;
        for (int c = 0; c < 9; ++c) {
            if (colCount[d][c] != 2) continue;
            for (int r1 = 0; r1 < 8; ++r1)
                for (int r2 = r1 + 1; r2 < 9; ++r2) {
                    if (!has(d, r1, c) || !has(d, r2, c) || r1 / 3 == r2 / 3) continue;
                    for (int c2 = 0; c2 < 9; ++c2) {
                        const int count = colCount[d][c2];
                        if (c2 / 3 == c / 3 || (count != 3 && count != 4) || !has(d, r1, c2) ||
                            !has(d, r2, c2))
                            continue;
                        const int boxA = RowColumnBox(r1, c2), boxB = RowColumnBox(r2, c2);
                        bool inA = true, inB = true;
                        for (int r = 0; r < 9; ++r) {
                            if (r == r1 || r == r2 || !has(d, r, c2)) continue;
                            inA &= RowColumnBox(r, c2) == boxA;
                            inB &= RowColumnBox(r, c2) == boxB;
                        }
                        bool changed = false;
                        if (inA)
                            changed = clearBoxLine(d, boxA, false, r1, c2);
                        else if (inB)
                            changed = clearBoxLine(d, boxB, false, r2, c2);
                        if (changed) {
                            if (Noting()) {
                                NoteCells({9 * r1 + c, 9 * r2 + c, 9 * r1 + c2, 9 * r2 + c2},
                                          DigitBit(d));
                                for (int r = 0; r < 9; ++r)
                                    if (r != r1 && r != r2 && has(d, r, c2)) {
                                        Noted().AddCell(9 * r + c2);
                                        ++Noted().extra;
                                    }
                                for (int u :
                                     {ColumnUnit(c), ColumnUnit(c2), RowUnit(r1), RowUnit(r2)})
                                    Noted().AddUnit(u);
                            }
                            return true;
                        }
                    }
                }
        }
        finnedSeen_[1][d] = digitVersion_[d];
    }
    return false;
}

bool Solver::MultiXWing() {
    // A new rectangle needs a new bivalue cell or a digit newly down to two
    // cells of a line.
    const std::uint64_t events = bivalueEvents_ + lineTwoEvents_;
    if (multiXWingSeen_ == events) return false;
    if (!MultiXWingSearch()) {
        multiXWingSeen_ = events;
        return false;
    }
    return true;
}

bool Solver::MultiXWingSearch() {
    // The rectangle is four bivalue cells.
    int bivalueCells = 0;
    for (int c = 0; c < kCells; ++c) bivalueCells += BitCount(mask_[c]) == 2;
    if (bivalueCells < 4) return false;
    auto lineCount = [this](int kind, int d, int line) {
        return BitCount(kind == 0 ? RowOf(d, line) : ColumnOf(d, line));
    };
    auto boxCount = [this](int d, int box) {
        return (where_[d] & kUnitCellSets[BoxUnit(box)]).Count();
    };
    auto bivalue = [this](int c) { return BitCount(mask_[c]) == 2; };

    for (int pass = 0; pass < 2; ++pass) {
        const bool rows = pass == 0; // rows half: A and B confined in rows
        const int base = rows ? 0 : 1, cross = rows ? 1 : 0;
        // Digits with exactly two candidates in each base line, and where they are.
        unsigned twice[9] = {}, at[9][10] = {};
        for (int line = 0; line < 9; ++line)
            for (int d = 1; d <= 9; ++d) {
                at[line][d] = base == 0 ? RowOf(d, line) : ColumnOf(d, line);
                if (BitCount(at[line][d]) == 2) twice[line] |= 1u << d;
            }
        for (int l1 = 0; l1 < 8; ++l1)
            for (int l2 = l1 + 1; l2 < 9; ++l2)
                for (unsigned as = twice[l1]; as; as &= as - 1)
                    for (unsigned bs = twice[l2]; bs; bs &= bs - 1) {
                        const int a = __builtin_ctz(as), b = __builtin_ctz(bs);
                        // A and B at the same two positions of their lines.
                        if (a == b || at[l1][a] != at[l2][b]) continue;
                        const unsigned positions = at[l1][a];
                        const int x1 = std::countr_zero(positions);
                        const int x2 = 31 - std::countl_zero(positions);
                        const int p[4] = {LineCell(rows, l1, x1), LineCell(rows, l1, x2),
                                          LineCell(rows, l2, x1), LineCell(rows, l2, x2)};
                        if (!bivalue(p[0]) || !bivalue(p[1]) || !bivalue(p[2]) || !bivalue(p[3]))
                            continue;
                        // p0 = {A,C}, p1 = {A,D}, p2 = {B,C}, p3 = {B,D}: C and D follow
                        // from the first two masks.
                        const unsigned ca = mask_[p[0]] & ~DigitBit(a);
                        const unsigned da = mask_[p[1]] & ~DigitBit(a);
                        if (!(mask_[p[0]] & DigitBit(a)) || !(mask_[p[1]] & DigitBit(a))) continue;
                        const int cDigit = __builtin_ctz(ca) + 1, dDigit = __builtin_ctz(da) + 1;
                        if (cDigit == dDigit || cDigit == a || cDigit == b || dDigit == a ||
                            dDigit == b)
                            continue;
                        if (mask_[p[2]] != (DigitBit(b) | DigitBit(cDigit)) ||
                            mask_[p[3]] != (DigitBit(b) | DigitBit(dDigit)))
                            continue;
                        auto noteRectangle = [&] {
                            if (!Noting()) return;
                            NoteCells({p[0], p[1], p[2], p[3]},
                                      static_cast<std::uint16_t>(DigitBit(a) | DigitBit(b)));
                            Noted().AddUnit(rows ? RowUnit(l1) : ColumnUnit(l1));
                            Noted().AddUnit(rows ? RowUnit(l2) : ColumnUnit(l2));
                        };
                        // Line form: C along cross line x1, D along x2.
                        if (lineCount(cross, cDigit, x1) >= 3 ||
                            lineCount(cross, dDigit, x2) >= 3) {
                            for (int pos = 0; pos < 9; ++pos) {
                                if (pos == l1 || pos == l2) continue;
                                RemoveCandidate(cDigit, LineCell(!rows, x1, pos));
                                RemoveCandidate(dDigit, LineCell(!rows, x2, pos));
                            }
                            noteRectangle();
                            return true;
                        }
                        // Box form: the two base lines share a band (or stack).
                        if (l1 / 3 != l2 / 3) continue;
                        const int boxX = CellBox(p[0]), boxY = CellBox(p[1]);
                        if (boxCount(cDigit, boxX) >= 3 || boxCount(dDigit, boxY) >= 3) {
                            for (int q = 0; q < 9; ++q) {
                                const int cx = BoxPositionCell(boxX, q);
                                if (cx != p[0] && cx != p[2]) RemoveCandidate(cDigit, cx);
                                const int cy = BoxPositionCell(boxY, q);
                                if (cy != p[1] && cy != p[3]) RemoveCandidate(dDigit, cy);
                            }
                            noteRectangle();
                            return true;
                        }
                    }
    }
    return false;
}

} // namespace dravik
