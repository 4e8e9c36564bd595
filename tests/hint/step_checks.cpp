#include "step_checks.h"

#include <algorithm>
#include <set>
#include <vector>

namespace dravik::test {

namespace {

bool InUnit(int cell, int unit) {
    const auto& u = kUnitCells[unit];
    return std::find(u.begin(), u.end(), cell) != u.end();
}

bool Sees(int a, int b) {
    return a != b && SeesCell(a, b);
}

// Two rows and two columns; with `twoBoxes`, also two boxes.
bool Rectangle(const std::vector<int>& cells, bool twoBoxes = true) {
    if (cells.size() < 4) return false;
    std::set<int> rows, columns, boxes;
    for (int i = 0; i < 4; ++i) {
        rows.insert(CellRow(cells[i]));
        columns.insert(CellColumn(cells[i]));
        boxes.insert(CellBox(cells[i]));
    }
    std::set<int> distinct(cells.begin(), cells.begin() + 4);
    return rows.size() == 2 && columns.size() == 2 && (!twoBoxes || boxes.size() == 2) &&
           distinct.size() == 4;
}

int CountInUnit(const std::array<std::uint16_t, kCells>& marks, int unit, int digit) {
    int n = 0;
    for (int c : kUnitCells[unit]) n += (marks[c] & DigitBit(digit)) != 0;
    return n;
}

} // namespace

std::string PatternProblem(const HintStep& step, const std::array<std::uint8_t, kCells>& played,
                           const std::array<std::uint8_t, kCells>& givens) {
    const StepPattern& p = step.pattern;
    const auto& m = step.marks;
    const std::vector<int> cells(p.cells.begin(), p.cells.begin() + p.cellCount);
    const std::vector<int> units(p.units.begin(), p.units.begin() + p.unitCount);
    const std::set<int> cellSet(cells.begin(), cells.end());
    if (cells.empty()) return "no pattern cells";
    if (cellSet.size() != cells.size()) return "a pattern cell twice";
    if (p.digits == 0) return "no pattern digits";
    if (step.changes.empty() && step.technique != kMultiXWing) return "no change";
    for (const GridChange& ch : step.changes)
        if (!(m[ch.cell] & DigitBit(ch.digit))) return "changes a mark that was not there";
    const int digit = __builtin_ctz(p.digits) + 1; // the single-digit patterns' digit
    auto removalsOnly = [&](auto&& ok) -> std::string {
        for (const GridChange& ch : step.changes) {
            if (ch.placed) return "places in a removal technique";
            if (!ok(ch))
                return "removes " + std::to_string(ch.digit) + " from cell " +
                       std::to_string(ch.cell) + ", outside the pattern's reach";
        }
        return {};
    };
    auto single = [&]() { return BitCount(p.digits) == 1; };

    switch (step.technique) {
    case kHiddenSingle: {
        if (units.size() != 1 || cells.size() != 9 || !single()) return "pattern shape";
        for (int i = 0; i < 9; ++i)
            if (cells[i] != kUnitCells[units[0]][i]) return "not the unit's cells";
        const GridChange& ch = step.changes.front();
        if (step.changes.size() != 1 || !ch.placed || ch.digit != digit) return "placement";
        if (CountInUnit(m, units[0], digit) != 1 || !InUnit(ch.cell, units[0]))
            return "not the only place in the unit";
        return {};
    }
    case kNakedSingle: {
        const GridChange& ch = step.changes.front();
        if (cells.size() != 1 || cells[0] != ch.cell || !ch.placed || m[ch.cell] != p.digits)
            return "not the cell's only mark";
        return {};
    }
    case kPointingPair:
    case kBoxLine: {
        if (units.size() != 2 || !single()) return "pattern shape";
        const int here = units[0], there = units[1];
        for (int c = 0; c < kCells; ++c)
            if (InUnit(c, here) && (m[c] & p.digits) && !cellSet.count(c))
                return "a cell of the first unit with the digit is missing";
        for (int c : cells)
            if (!InUnit(c, here) || !InUnit(c, there)) return "a cell outside the overlap";
        return removalsOnly([&](const GridChange& ch) {
            return ch.digit == digit && InUnit(ch.cell, there) && !InUnit(ch.cell, here);
        });
    }
    case kNakedPair:
    case kNakedTriple:
    case kNakedQuad:
    case kNakedQuint: {
        const int size = step.technique == kNakedPair     ? 2
                         : step.technique == kNakedTriple ? 3
                         : step.technique == kNakedQuad   ? 4
                                                          : 5;
        if (units.size() != 1 || static_cast<int>(cells.size()) != size ||
            BitCount(p.digits) != size)
            return "pattern shape";
        for (int c : cells)
            if (!InUnit(c, units[0]) || (m[c] & ~p.digits)) return "a cell with other marks";
        return removalsOnly([&](const GridChange& ch) {
            return (p.digits & DigitBit(ch.digit)) && InUnit(ch.cell, units[0]) &&
                   !cellSet.count(ch.cell);
        });
    }
    case kHiddenPair:
    case kHiddenTriple: {
        const int size = step.technique == kHiddenPair ? 2 : 3;
        if (units.size() != 1 || static_cast<int>(cells.size()) != size ||
            BitCount(p.digits) != size)
            return "pattern shape";
        for (int c : kUnitCells[units[0]])
            if ((m[c] & p.digits) && !cellSet.count(c)) return "a digit outside the subset";
        return removalsOnly([&](const GridChange& ch) {
            return cellSet.count(ch.cell) && !(p.digits & DigitBit(ch.digit));
        });
    }
    case kXWing:
    case kSwordfish:
    case kJellyfish: {
        const std::size_t n = step.technique == kXWing ? 2 : step.technique == kSwordfish ? 3 : 4;
        if (units.size() != 2 * n || !single()) return "pattern shape";
        auto base = [&](int c) {
            return std::any_of(units.begin(), units.begin() + n,
                               [c](int u) { return InUnit(c, u); });
        };
        auto cover = [&](int c) {
            return std::any_of(units.begin() + n, units.end(), [c](int u) { return InUnit(c, u); });
        };
        for (int c = 0; c < kCells; ++c)
            if (base(c) && (m[c] & p.digits) && (!cover(c) || !cellSet.count(c)))
                return "a base line holds the digit off the pattern";
        return removalsOnly([&](const GridChange& ch) {
            return ch.digit == digit && cover(ch.cell) && !base(ch.cell);
        });
    }
    case kFinnedXWing: {
        if (units.size() != 4 || cells.size() < 5 || p.extra < 1 || p.extra > 2 || !single())
            return "pattern shape";
        for (int i = 0; i < 4; ++i)
            if (!(m[cells[i]] & p.digits)) return "a corner without the digit";
        if (CountInUnit(m, units[0], digit) != 2) return "the base line holds the digit not twice";
        // The fins sit in the finned line, all in one box, and the removals in that box.
        const int box = CellBox(cells[4]);
        for (std::size_t i = 4; i < cells.size(); ++i)
            if (!InUnit(cells[i], units[1]) || CellBox(cells[i]) != box) return "a stray fin";
        return removalsOnly([&](const GridChange& ch) {
            return ch.digit == digit && CellBox(ch.cell) == box &&
                   (InUnit(ch.cell, units[2]) || InUnit(ch.cell, units[3])) &&
                   !InUnit(ch.cell, units[0]) && !InUnit(ch.cell, units[1]);
        });
    }
    case kMultiXWing: {
        if (!Rectangle(cells, false) || units.size() != 2 || BitCount(p.digits) != 2)
            return "pattern shape";
        for (int c : cells)
            if (BitCount(m[c]) != 2) return "a corner that is not bivalue";
        return removalsOnly([&](const GridChange& ch) {
            return !cellSet.count(ch.cell) && !(p.digits & DigitBit(ch.digit));
        });
    }
    case kXYWing:
    case kXYZWing: {
        if (cells.size() != 3 || !single()) return "pattern shape";
        const int pivot = cells[0], w1 = cells[1], w2 = cells[2];
        const int pivotSize = step.technique == kXYWing ? 2 : 3;
        if (BitCount(m[pivot]) != pivotSize || BitCount(m[w1]) != 2 || BitCount(m[w2]) != 2 ||
            !Sees(pivot, w1) || !Sees(pivot, w2))
            return "pivot and wings";
        if (!(m[w1] & m[w2] & p.digits)) return "the wings do not share the digit";
        return removalsOnly([&](const GridChange& ch) {
            return ch.digit == digit && Sees(ch.cell, w1) && Sees(ch.cell, w2) &&
                   (step.technique == kXYWing || Sees(ch.cell, pivot));
        });
    }
    case kSkyscraper:
    case kTwoStringKite: {
        if (cells.size() != 4 || units.size() != 2 || !single()) return "pattern shape";
        for (int i = 0; i < 2; ++i) {
            if (CountInUnit(m, units[i], digit) != 2) return "a line without a conjugate pair";
            if (!InUnit(cells[2 * i], units[i]) || !InUnit(cells[2 * i + 1], units[i]))
                return "a pair outside its line";
        }
        // Every removal sees one cell of each pair.
        return removalsOnly([&](const GridChange& ch) {
            return ch.digit == digit && !cellSet.count(ch.cell) &&
                   (Sees(ch.cell, cells[0]) || Sees(ch.cell, cells[1])) &&
                   (Sees(ch.cell, cells[2]) || Sees(ch.cell, cells[3]));
        });
    }
    case kEmptyRectangle: {
        if (units.size() != 4 || p.extra != 2 || cells.size() < 4 || !single())
            return "pattern shape";
        const int box = units[0], row = units[1], column = units[2], line = units[3];
        for (std::size_t i = 0; i + 2 < cells.size(); ++i)
            if (!InUnit(cells[i], box) || (!InUnit(cells[i], row) && !InUnit(cells[i], column)))
                return "a box candidate off the hinge";
        if (CountInUnit(m, line, digit) != 2) return "the pair's line holds more";
        const int near = cells[cells.size() - 2], far = cells[cells.size() - 1];
        if (!InUnit(near, line) || !InUnit(far, line)) return "the pair is not on its line";
        if (!InUnit(near, row) && !InUnit(near, column)) return "the pair misses the hinge";
        return removalsOnly([&](const GridChange& ch) {
            return ch.digit == digit && Sees(ch.cell, far) &&
                   (InUnit(ch.cell, row) || InUnit(ch.cell, column));
        });
    }
    case kUniqueRectangle: {
        if (!Rectangle(cells) || BitCount(p.digits) != 2) return "pattern shape";
        for (int i = 0; i < 4; ++i)
            if ((m[cells[i]] & p.digits) != p.digits) return "a corner without both digits";
        if (m[cells[0]] != p.digits || m[cells[1]] != p.digits) return "the floor is not bivalue";
        return {};
    }
    case kAvoidableRectangle: {
        if (!Rectangle(cells) || BitCount(p.digits) != 2) return "pattern shape";
        for (int i = 0; i < 4; ++i)
            if (givens[cells[i]] != 0) return "a given corner";
        if (played[cells[0]] == 0 || played[cells[1]] == 0) return "the first corners are empty";
        return {};
    }
    default:
        return "unknown technique";
    }
}

} // namespace dravik::test
