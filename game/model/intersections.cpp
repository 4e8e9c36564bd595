// Pointing Pair (and triple) and Box Line reduction.
#include "game/model/solver.h"

namespace dravik {

bool Solver::PointingEliminate(int d, int start, int k) {
    // The line's cells outside the box lose d.
    if (k < 0 || k > 5) return false;
    const int unit = k <= 2 ? RowUnit(start / 9 + k) : ColumnUnit(start % 9 + k - 3);
    const CellSet targets =
        (where_[d] & kUnitCellSets[unit]).Without(kUnitCellSets[BoxUnit(CellBox(start))]);
    targets.ForEach([&](int cell) { RemoveCandidate(d, cell); });
    return targets.Any();
}

bool Solver::PointingPair() {
    for (int d = 1; d <= 9; ++d) {
        if (DigitUnchanged(pointingSeen_[d], d)) continue;
        const unsigned bit = DigitBit(d);
        for (int band = 0; band < 3; ++band)
            for (int stack = 0; stack < 3; ++stack) {
                const int start = 27 * band + 3 * stack;
                // The digit's cells in each of the box's three rows, as three bits.
                unsigned segment[3], columns = 0;
                int total = 0;
                for (int i = 0; i < 3; ++i) {
                    segment[i] = (RowOf(d, 3 * band + i) >> (3 * stack)) & 7u;
                    total += BitCount(segment[i]);
                    columns |= segment[i];
                }
                if (total < 1 || total > 3) continue;
                // All of the box's cells with d in row k (k < 3) or column k - 3.
                auto confined = [&](int k) {
                    return k < 3 ? BitCount(segment[k]) == total : columns == 1u << (k - 3);
                };
                for (int k = 0; k < 6; ++k)
                    if (confined(k) && PointingEliminate(d, start, k)) {
                        if (Noting()) {
                            // The box keeps its candidates: only the line outside it lost d.
                            NoteCells({}, static_cast<std::uint16_t>(bit));
                            for (int i = 0; i < 9; ++i)
                                if (mask_[BoxPositionCell(CellBox(start), i)] & bit)
                                    Noted().AddCell(BoxPositionCell(CellBox(start), i));
                            Noted().AddUnit(BoxUnit(CellBox(start)));
                            Noted().AddUnit(k < 3 ? RowUnit(start / 9 + k)
                                                  : ColumnUnit(start % 9 + k - 3));
                        }
                        return true;
                    }
            }
        pointingSeen_[d] = digitVersion_[d];
    }
    return false;
}

bool Solver::BoxLineEliminate(int d, int line, int s, bool rows) {
    // The box's cells outside the line lose d.
    const int box = rows ? 3 * (line / 3) + s : 3 * s + line / 3;
    const CellSet targets = (where_[d] & kUnitCellSets[BoxUnit(box)])
                                .Without(kUnitCellSets[rows ? RowUnit(line) : ColumnUnit(line)]);
    targets.ForEach([&](int cell) { RemoveCandidate(d, cell); });
    return targets.Any();
}

bool Solver::BoxLine() {
    for (int pass = 0; pass < 2; ++pass) {
        const bool rows = pass == 0;
        for (int d = 1; d <= 9; ++d) {
            if (DigitUnchanged(boxLineSeen_[pass][d], d)) continue;
            const unsigned bit = DigitBit(d);
            for (int line = 0; line < 9; ++line) {
                const unsigned cells = rows ? RowOf(d, line) : ColumnOf(d, line);
                const int total = BitCount(cells);
                int seg[3];
                for (int s = 0; s < 3; ++s) seg[s] = BitCount((cells >> (3 * s)) & 7u);
                if (total < 1 || total > 3) continue;
                for (int s = 0; s < 3; ++s)
                    if (seg[s] == total && BoxLineEliminate(d, line, s, rows)) {
                        if (Noting()) {
                            const int unit = rows ? RowUnit(line) : ColumnUnit(line);
                            NoteCells({}, static_cast<std::uint16_t>(bit));
                            for (int i = 0; i < 9; ++i)
                                if (mask_[kUnitCells[unit][i]] & bit)
                                    Noted().AddCell(kUnitCells[unit][i]);
                            Noted().AddUnit(unit);
                            Noted().AddUnit(BoxUnit(CellBox(kUnitCells[unit][3 * s])));
                        }
                        return true;
                    }
            }
            boxLineSeen_[pass][d] = digitVersion_[d];
        }
    }
    return false;
}

} // namespace dravik
