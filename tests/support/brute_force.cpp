#include "support/brute_force.h"

namespace dravik::test {

namespace {

struct Search {
    Grid cells{};
    unsigned row[9] = {}, col[9] = {}, box[9] = {};
    int found = 0;
    int limit = 1;
    Grid first{};
    bool contradictory = false;

    void Set(int c, int d) {
        const unsigned b = 1u << d;
        cells[c] = static_cast<std::int16_t>(d);
        row[c / 9] |= b;
        col[c % 9] |= b;
        box[3 * (c / 27) + (c % 9) / 3] |= b;
    }
    void Clear(int c, int d) {
        const unsigned b = ~(1u << d);
        cells[c] = 0;
        row[c / 9] &= b;
        col[c % 9] &= b;
        box[3 * (c / 27) + (c % 9) / 3] &= b;
    }
    unsigned Free(int c) const {
        return ~(row[c / 9] | col[c % 9] | box[3 * (c / 27) + (c % 9) / 3]) & 0x3FEu;
    }
    void Run() {
        if (found >= limit) return;
        int best = -1, bestCount = 10;
        for (int c = 0; c < 81; ++c) {
            if (cells[c]) continue;
            const int n = __builtin_popcount(Free(c));
            if (n < bestCount) {
                best = c;
                bestCount = n;
                if (n == 0) return;
            }
        }
        if (best < 0) {
            if (found++ == 0) first = cells;
            return;
        }
        unsigned free = Free(best);
        while (free && found < limit) {
            const int d = __builtin_ctz(free);
            free &= free - 1;
            Set(best, d);
            Run();
            Clear(best, d);
        }
    }
};

} // namespace

int CountSolutions(const Grid& puzzle, int limit, Grid* solution) {
    Search s;
    s.limit = limit;
    for (int c = 0; c < 81; ++c) {
        const int d = puzzle[c];
        if (d < 1 || d > 9) continue;
        if (s.Free(c) & (1u << d))
            s.Set(c, d);
        else
            return 0; // contradictory givens
    }
    s.Run();
    if (solution && s.found > 0) *solution = s.first;
    return s.found;
}

bool IsValidSolution(const Grid& grid) {
    for (int u = 0; u < 9; ++u) {
        unsigned r = 0, c = 0, b = 0;
        for (int i = 0; i < 9; ++i) {
            r |= 1u << grid[9 * u + i];
            c |= 1u << grid[u + 9 * i];
            b |= 1u << grid[BoxPositionCell(u, i)];
        }
        if (r != 0x3FE || c != 0x3FE || b != 0x3FE) return false;
    }
    return true;
}

} // namespace dravik::test
