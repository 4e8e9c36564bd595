// Pointing Pair (and triple) and Box Line reduction.
#include "game/model/solver.h"

namespace dravik {

bool Solver::PointingEliminate(int d, int start, int k) {
    bool changed = false;
    if (k >= 0 && k <= 2) {
        const int first = start + 9 * k;
        const int row = first / 9;
        for (int i = 0; i < 9; ++i) {
            const int cell = 9 * row + i;
            if (cell >= first && cell <= first + 2) continue;
            changed |= RemoveCandidate(d, cell);
        }
    } else if (k >= 3 && k <= 5) {
        const int top = start + (k - 3);
        const int column = (k - 3) + start % 9;
        for (int i = 0; i < 9; ++i) {
            const int cell = 9 * i + column;
            if (cell == top || cell == top + 9 || cell == top + 18) continue;
            changed |= RemoveCandidate(d, cell);
        }
    }
    return changed;
}

bool Solver::PointingPair() {
    for (int d = 1; d <= 9; ++d) {
        if (DigitUnchanged(pointingSeen_[d], d)) continue;
        const unsigned bit = DigitBit(d);
        for (int band = 0; band < 3; ++band)
            for (int stack = 0; stack < 3; ++stack) {
                const int start = 27 * band + 3 * stack;
                int entry[6] = {0, 0, 0, 0, 0, 0};
                int total = 0;
                for (int i = 0; i < 3; ++i)
                    for (int j = 0; j < 3; ++j)
                        if (mask_[start + 9 * i + j] & bit) {
                            ++total;
                            ++entry[i];
                            ++entry[3 + j];
                        }
                if (total < 1 || total > 3) continue;
                for (int k = 0; k < 6; ++k)
                    if (entry[k] == total && PointingEliminate(d, start, k)) {
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
    int overlap[3];
    int topLeft;
    if (rows) {
        for (int j = 0; j < 3; ++j) overlap[j] = 9 * line + 3 * s + j;
        topLeft = 27 * (line / 3) + 3 * s;
    } else {
        for (int j = 0; j < 3; ++j) overlap[j] = 27 * s + line + 9 * j;
        topLeft = 3 * (line / 3) + 27 * s;
    }
    bool changed = false;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const int cell = topLeft + 9 * i + j;
            if (cell == overlap[0] || cell == overlap[1] || cell == overlap[2]) continue;
            changed |= RemoveCandidate(d, cell);
        }
    return changed;
}

bool Solver::BoxLine() {
    for (int pass = 0; pass < 2; ++pass) {
        const bool rows = pass == 0;
        for (int d = 1; d <= 9; ++d) {
            if (DigitUnchanged(boxLineSeen_[pass][d], d)) continue;
            const unsigned bit = DigitBit(d);
            for (int line = 0; line < 9; ++line) {
                int seg[3] = {0, 0, 0};
                int total = 0;
                for (int s = 0; s < 3; ++s)
                    for (int j = 0; j < 3; ++j) {
                        const int cell = rows ? 9 * line + 3 * s + j : line + 27 * s + 9 * j;
                        if (mask_[cell] & bit) {
                            ++total;
                            ++seg[s];
                        }
                    }
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
