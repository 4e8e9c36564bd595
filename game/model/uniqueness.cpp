// Unique Rectangle and Avoidable Rectangle: patterns that would give the
// puzzle a second solution are ruled out.
#include "game/model/solver.h"

namespace dravik {

namespace {

constexpr int kListCap = 64;

struct CellList {
    int cells[kListCap];
    int size = 0;
    bool full = false; // a cell was left out
    void Add(int c) {
        if (size < kListCap)
            cells[size++] = c;
        else
            full = true;
    }
};

} // namespace

bool Solver::UniqueRectangle() {
    // A new rectangle needs a cell newly down to two, three or four candidates,
    // or a digit newly down to two cells of a line. A search that had to leave
    // cells out of its lists proves nothing for the next one.
    const std::uint64_t events = bivalueEvents_ + trivalueEvents_ + quadEvents_ + lineTwoEvents_;
    if (uniqueRectangleSeen_ == events) return false;
    bool partial = false;
    if (UniqueRectangleSearch(partial)) return true;
    if (!partial) uniqueRectangleSeen_ = events;
    return false;
}

bool Solver::UniqueRectangleSearch(bool& partial) {
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 9; ++b) {
            const unsigned ab = DigitBit(a) | DigitBit(b);
            const auto ab16 = static_cast<std::uint16_t>(ab);
            // The cells holding both digits; the floor needs two with nothing else.
            const CellSet both = where_[a] & where_[b];
            int floors = 0;
            both.ForEach([&](int c) { floors += mask_[c] == ab; });
            if (floors < 2) continue;
            CellList bivalue, three, threeFour, more;
            both.ForEach([&](int c) {
                const int n = BitCount(mask_[c]);
                if (n == 2) bivalue.Add(c);
                if (n == 3) three.Add(c);
                if (n == 3 || n == 4) threeFour.Add(c);
                if (n > 3) more.Add(c);
            });
            partial |= bivalue.full || three.full || threeFour.full || more.full;

            for (int i = 0; i < bivalue.size; ++i)
                for (int j = i + 1; j < bivalue.size; ++j) {
                    const int p = bivalue.cells[i], q = bivalue.cells[j];
                    for (int pass = 0; pass < 2; ++pass) {
                        const bool rowFloor = pass == 0;
                        // "line" is the floor's row (row floor) or column (column floor);
                        // "cross" gives the two floor positions across it.
                        auto line = [rowFloor](int c) {
                            return rowFloor ? CellRow(c) : CellColumn(c);
                        };
                        auto cross = [rowFloor](int c) {
                            return rowFloor ? CellColumn(c) : CellRow(c);
                        };
                        auto at = [rowFloor](int l, int x) {
                            return rowFloor ? 9 * l + x : l + 9 * x;
                        };
                        if (line(p) != line(q)) continue;
                        const int x1 = cross(p), x2 = cross(q);
                        const bool sameBox = CellBox(p) == CellBox(q);

                        // The roof partner of c, or -1 when c cannot be a roof corner.
                        auto partner = [&](int c) {
                            if (line(c) == line(p)) return -1;
                            int other;
                            if (cross(c) == x1)
                                other = x2;
                            else if (cross(c) == x2)
                                other = x1;
                            else
                                return -1;
                            if (!sameBox && CellBox(c) != CellBox(p) && CellBox(c) != CellBox(q))
                                return -1;
                            return at(line(c), other);
                        };

                        // t = 1: three bivalue corners, the fourth loses A and B.
                        if (sameBox)
                            for (int k = 0; k < bivalue.size; ++k) {
                                const int c = bivalue.cells[k];
                                if (c == p || c == q) continue;
                                const int d = partner(c);
                                if (d < 0) continue;
                                if ((mask_[d] & ab) == ab && BitCount(mask_[d]) > 2) {
                                    RemoveCandidate(a, d);
                                    RemoveCandidate(b, d);
                                    if (Noting()) NoteCells({p, q, c, d}, ab16);
                                    return true;
                                }
                            }

                        // t = 2: both roof cells {A, B, X}; X leaves their common peers.
                        for (int k = 0; k < three.size; ++k) {
                            const int c = three.cells[k];
                            const int d = partner(c);
                            if (d < 0 || mask_[d] != mask_[c]) continue;
                            const int x = __builtin_ctz(mask_[c] & ~ab) + 1;
                            if (EliminateSeenByBoth(c, d, x)) {
                                if (Noting()) NoteCells({p, q, c, d}, ab16);
                                return true;
                            }
                        }

                        // t = 3: the roof's extras X, Y form a naked pair with a cell e.
                        for (int k = 0; k < threeFour.size; ++k) {
                            const int c = threeFour.cells[k];
                            const int d = partner(c);
                            if (d < 0) continue;
                            const int nd = BitCount(mask_[d]);
                            if ((mask_[d] & ab) != ab || nd < 3 || nd > 4) continue;
                            const unsigned extras = (mask_[c] | mask_[d]) & ~ab;
                            if (BitCount(extras) != 2) continue;
                            int digits[2];
                            digits[0] = __builtin_ctz(extras) + 1;
                            digits[1] = 31 - __builtin_clz(extras) + 1;
                            const int roofLine = line(c);
                            int keep[3] = {c, d, -1};
                            for (int x = 0; x < 9; ++x) {
                                const int e = at(roofLine, x);
                                if (mask_[e] == extras) {
                                    keep[2] = e;
                                    break;
                                }
                            }
                            if (keep[2] >= 0 &&
                                NakedEliminate(digits, 2, keep, 3, rowFloor ? 1 : 2)) {
                                if (Noting()) NoteCells({p, q, c, d, keep[2]}, ab16, 1);
                                return true;
                            }
                            if (CellBox(c) == CellBox(d)) {
                                keep[2] = -1;
                                for (int pos = 0; pos < 9; ++pos) {
                                    const int e = BoxPositionCell(CellBox(c), pos);
                                    if (mask_[e] == extras) {
                                        keep[2] = e;
                                        break;
                                    }
                                }
                                if (keep[2] >= 0 && NakedEliminate(digits, 2, keep, 3, 3)) {
                                    if (Noting()) NoteCells({p, q, c, d, keep[2]}, ab16, 1);
                                    return true;
                                }
                            }
                        }

                        // t = 4: A (or B) confined to the roof in the roof's line.
                        for (int list = 0; list < 2; ++list) {
                            const CellList& cands = list == 0 ? three : more;
                            for (int k = 0; k < cands.size; ++k) {
                                const int c = cands.cells[k];
                                const int d = partner(c);
                                if (d < 0 || (mask_[d] & ab) != ab || BitCount(mask_[d]) < 3)
                                    continue;
                                auto confined = [&](int digit) {
                                    for (int x = 0; x < 9; ++x) {
                                        const int cell = at(line(c), x);
                                        if (cell != c && cell != d &&
                                            (mask_[cell] & DigitBit(digit)))
                                            return false;
                                    }
                                    return true;
                                };
                                if (confined(a)) {
                                    RemoveCandidate(b, c);
                                    RemoveCandidate(b, d);
                                    if (Noting()) NoteCells({p, q, c, d}, ab16);
                                    return true;
                                }
                                if (confined(b)) {
                                    RemoveCandidate(a, c);
                                    RemoveCandidate(a, d);
                                    if (Noting()) NoteCells({p, q, c, d}, ab16);
                                    return true;
                                }
                            }
                        }
                    }
                }
        }
    return false;
}

bool Solver::AvoidableRectangle() {
    // A new rectangle needs a new placement or a new bivalue cell.
    const std::uint64_t events = placeEvents_ + bivalueEvents_;
    if (avoidableRectangleSeen_ == events) return false;
    bool partial = false;
    if (AvoidableRectangleSearch(partial)) return true;
    if (!partial) avoidableRectangleSeen_ = events;
    return false;
}

bool Solver::AvoidableRectangleSearch(bool& partial) {
    auto placed = [this](int c) { return grid_[c] > 0 && Puzzle[c] == 0; };
    auto isGiven = [this](int c) { return Puzzle[c] != 0; };

    // The placed (not given) cells in cell order, and by digit.
    int placedCells[kCells], placedCount = 0;
    int byDigit[10][kCells], byDigitCount[10] = {};
    for (int c = 0; c < kCells; ++c)
        if (placed(c)) {
            placedCells[placedCount++] = c;
            const int d = grid_[c];
            if (d >= 1 && d <= 9) byDigit[d][byDigitCount[d]++] = c;
        }

    // First form: three placed corners, the fourth cannot take the digit that
    // would complete a swappable rectangle.
    for (int a = 1; a <= 9; ++a)
        for (int i = 0; i < byDigitCount[a]; ++i) {
            const int p = byDigit[a][i];
            for (int j = i + 1; j < byDigitCount[a]; ++j) {
                const int q = byDigit[a][j];
                const int e = 9 * CellRow(p) + CellColumn(q);
                const int f = 9 * CellRow(q) + CellColumn(p);
                if (isGiven(e) || isGiven(f)) continue;
                if (CellBox(p) != CellBox(e) && CellBox(p) != CellBox(f)) continue;
                const bool eFilled = grid_[e] > 0, fFilled = grid_[f] > 0;
                if (eFilled == fFilled) continue;
                const int b = eFilled ? grid_[e] : grid_[f];
                if (RemoveCandidate(b, eFilled ? f : e)) {
                    // The empty corner last: it is the one that loses B.
                    if (Noting())
                        NoteCells({p, q, eFilled ? e : f, eFilled ? f : e},
                                  static_cast<std::uint16_t>(DigitBit(a) | DigitBit(b)));
                    return true;
                }
            }
        }

    // Second form: two placed corners in one line, two bivalue corners.
    CellList bivalue;
    bool isBivalue[kCells] = {};
    for (int a = 1; a <= 8; ++a)
        for (int b = a + 1; b <= 9; ++b) {
            const unsigned ab = DigitBit(a) | DigitBit(b);
            for (int c = 0; c < kCells; ++c)
                if (mask_[c] == ab) {
                    if (bivalue.size < kListCap) {
                        bivalue.Add(c);
                        isBivalue[c] = true;
                    } else {
                        partial = true;
                    }
                }
        }
    for (int i = 0; i < placedCount; ++i) {
        const int p = placedCells[i];
        const int a = grid_[p];
        for (int j = i + 1; j < placedCount; ++j) {
            const int q = placedCells[j];
            if (grid_[q] == a) continue;
            const int b = grid_[q];
            for (int pass = 0; pass < 2; ++pass) {
                const bool shareRow = pass == 0;
                if (shareRow ? CellRow(p) != CellRow(q) : CellColumn(p) != CellColumn(q)) continue;
                for (int k = 0; k < bivalue.size; ++k) {
                    const int e = bivalue.cells[k];
                    if (shareRow ? CellColumn(e) != CellColumn(p) : CellRow(e) != CellRow(p))
                        continue;
                    if (!(mask_[e] & DigitBit(b))) continue;
                    const unsigned rest = mask_[e] & ~DigitBit(b);
                    const int x = __builtin_ctz(rest) + 1;
                    const int f =
                        shareRow ? 9 * CellRow(e) + CellColumn(q) : 9 * CellRow(q) + CellColumn(e);
                    if (!isBivalue[f] || mask_[f] != (DigitBit(a) | DigitBit(x))) continue;
                    if (CellBox(p) != CellBox(q) && CellBox(p) != CellBox(e)) continue;
                    if (EliminateSeenByBoth(f, e, x)) {
                        if (Noting())
                            NoteCells({p, q, e, f},
                                      static_cast<std::uint16_t>(DigitBit(a) | DigitBit(b)));
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

} // namespace dravik
