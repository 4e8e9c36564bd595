#include "game/stock/generator.h"

#include <bit>
#include <chrono>
#include <functional>
#include <thread>
#include <utility>

namespace dravik {

namespace {

// Free digits of a unit or a cell as a 9-bit mask, bit d - 1 for digit d.
using Mask = std::uint16_t;

int Row(int c) {
    return CellRow(c);
}
int Column(int c) {
    return CellColumn(c);
}
int Box(int c) {
    return CellBox(c);
}

// Availability of digits per row, column and box while a grid is being filled.
struct Availability {
    std::array<Mask, 9> row{}, column{}, box{};

    void Reset() {
        row.fill(kAllCandidates);
        column.fill(kAllCandidates);
        box.fill(kAllCandidates);
    }
    Mask Free(int c) const { return row[Row(c)] & column[Column(c)] & box[Box(c)]; }
    void Take(int c, int d) {
        const Mask keep = static_cast<Mask>(~DigitBit(d));
        row[Row(c)] &= keep;
        column[Column(c)] &= keep;
        box[Box(c)] &= keep;
    }
    void Release(int c, int d) {
        if (d == 0) return;
        row[Row(c)] |= DigitBit(d);
        column[Column(c)] |= DigitBit(d);
        box[Box(c)] |= DigitBit(d);
    }
};

// Exact search for solutions of a grid of givens, stopping at `limit`.
// Bit masks per unit; each node places every naked and hidden single it can
// find, then branches on the empty cell with the fewest candidates.
class SolutionCounter {
  public:
    explicit SolutionCounter(int limit, Grid* first = nullptr) : limit_(limit), first_(first) {}

    int Count(const Grid& puzzle) {
        Node node;
        node.row.fill(0);
        node.column.fill(0);
        node.box.fill(0);
        node.grid.fill(0);
        for (int c = 0; c < kCells; ++c) {
            const int d = puzzle[c];
            if (d == 0) continue;
            if (d < 0 || d > 9) return 0;
            if (!(node.Free(c) & DigitBit(d))) return 0; // clashing givens
            node.Place(c, d);
        }
        Search(node);
        return found_;
    }

  private:
    struct Node {
        std::array<Mask, 9> row, column, box; // digits already placed
        std::array<std::int8_t, kCells> grid;

        Mask Free(int c) const {
            return static_cast<Mask>(~(row[Row(c)] | column[Column(c)] | box[Box(c)]) &
                                     kAllCandidates);
        }
        void Place(int c, int d) {
            const Mask b = DigitBit(d);
            grid[c] = static_cast<std::int8_t>(d);
            row[Row(c)] |= b;
            column[Column(c)] |= b;
            box[Box(c)] |= b;
        }
    };

    // Places forced digits. False on a contradiction. Sets `best` to the empty
    // cell with fewest candidates (-1 when the grid is full).
    bool Propagate(Node& n, int& best) const {
        std::array<Mask, kCells> cand;
        for (;;) {
            bool changed = false;
            best = -1;
            int bestCount = 10;
            for (int c = 0; c < kCells; ++c) {
                if (n.grid[c]) {
                    cand[c] = 0;
                    continue;
                }
                const Mask f = n.Free(c);
                if (f == 0) return false;
                if ((f & (f - 1)) == 0) {
                    n.Place(c, std::countr_zero(f) + 1);
                    cand[c] = 0;
                    changed = true;
                    continue;
                }
                cand[c] = f;
                const int k = std::popcount(f);
                if (k < bestCount) {
                    bestCount = k;
                    best = c;
                }
            }
            if (changed) continue;
            if (best < 0) return true;
            // Hidden singles: a digit that fits only one cell of a unit.
            for (int u = 0; u < kUnits && !changed; ++u) {
                Mask once = 0, twice = 0;
                const auto& cells = kUnitCells[u];
                for (int i = 0; i < 9; ++i) {
                    const Mask m = cand[cells[i]];
                    twice |= once & m;
                    once |= m;
                }
                const Mask placed = u < 9 ? n.row[u] : u < 18 ? n.column[u - 9] : n.box[u - 18];
                if ((once | placed) != kAllCandidates) return false; // a digit fits nowhere
                Mask single = static_cast<Mask>(once & ~twice);
                while (single) {
                    const int d = std::countr_zero(single) + 1;
                    single &= static_cast<Mask>(single - 1);
                    for (int i = 0; i < 9; ++i) {
                        const int c = cells[i];
                        if (cand[c] & DigitBit(d)) {
                            if (n.grid[c] || !(n.Free(c) & DigitBit(d))) return false;
                            n.Place(c, d);
                            cand[c] = 0;
                            changed = true;
                            break;
                        }
                    }
                }
            }
            if (!changed) return true;
        }
    }

    void Search(Node& n) {
        int best;
        if (!Propagate(n, best)) return;
        if (best < 0) {
            if (found_++ == 0 && first_)
                for (int c = 0; c < kCells; ++c) (*first_)[c] = n.grid[c];
            return;
        }
        Mask f = n.Free(best);
        while (f && found_ < limit_) {
            const int d = std::countr_zero(f) + 1;
            f &= static_cast<Mask>(f - 1);
            Node child = n;
            child.Place(best, d);
            Search(child);
        }
    }

    int limit_;
    Grid* first_;
    int found_ = 0;
};

} // namespace

int CountSolutionsUpTo2(const Grid& puzzle, Grid* firstSolution) {
    return SolutionCounter(2, firstSolution).Count(puzzle);
}

void Generator::SetSeed(std::uint64_t seed) {
    seed_ = seed;
    calls_ = 0;
}

void Generator::Reseed() {
    std::uint64_t s;
    if (seed_) {
        s = SplitMix(SplitMix(*seed_) ^ calls_++);
    } else {
        // The clock alone can repeat between two quick calls or two threads, so a
        // process-wide counter and the thread's identity go in too.
        static std::atomic<std::uint64_t> counter{0};
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        s = SplitMix(static_cast<std::uint64_t>(now) ^ SplitMix(counter.fetch_add(1)) ^
                     (std::hash<std::thread::id>{}(std::this_thread::get_id()) << 1));
    }
    engine_.seed(s);
}

int Generator::RandomIndex(int n) {
    // A uniform value in [0, 1) times n, truncated.
    const double u = static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    return static_cast<int>(u * n);
}

void Generator::MakeFullGrid() {
    Availability free;
    free.Reset();
    std::array<int, kCells> order;
    for (int c = 0; c < kCells; ++c) {
        GeneratedGrid[c] = 0;
        order[c] = c;
    }
    Reseed();
    for (int i = 0; i < 500; ++i) {
        const int a = RandomIndex(kCells), b = RandomIndex(kCells);
        std::swap(order[a], order[b]);
    }

    int k = kCells - 1;
    while (k >= 0) {
        if (k == kCells) {
            // Backtracked past the first cell: cannot happen from an empty grid,
            // but never index past the order; start over.
            for (int c = 0; c < kCells; ++c) GeneratedGrid[c] = 0;
            free.Reset();
            k = kCells - 1;
        }
        if (GeneratedGrid[order[k]] == 0) {
            // New depth: take the cell with the fewest free digits, ties to the
            // position nearest k.
            int best = 10, chosen = k;
            for (int m = k; m >= 0; --m) {
                const int n = std::popcount(free.Free(order[m]));
                if (n < best) {
                    best = n;
                    chosen = m;
                }
            }
            if (chosen != k) std::swap(order[k], order[chosen]);
        }
        const int c = order[k];
        const int d = GeneratedGrid[c];
        const Mask freeHere = free.Free(c);
        int t = d + 1;
        while (t <= 9 && !(freeHere & DigitBit(t))) ++t;
        if (t > 9) {
            // Every digit above d has been tried: backtrack.
            GeneratedGrid[c] = 0;
            free.Release(c, d);
            ++k;
            continue;
        }
        GeneratedGrid[c] = static_cast<std::int16_t>(t);
        free.Release(c, d);
        free.Take(c, t);
        --k;
        // Forward check: an empty cell left without a digit sends us back to c.
        for (int m = 0; m <= k; ++m)
            if (free.Free(order[m]) == 0) {
                ++k;
                break;
            }
    }
}

bool Generator::HasUniqueSolution() const {
    return CountSolutionsUpTo2(Puzzle) == 1;
}

void Generator::MakePuzzle() {
    std::array<int, kCells> order;
    for (int c = 0; c < kCells; ++c) {
        Puzzle[c] = GeneratedGrid[c];
        order[c] = c;
    }
    Reseed();
    for (int i = 0; i < 200; ++i) {
        const int a = RandomIndex(41), b = RandomIndex(41);
        std::swap(order[a], order[b]);
    }
    for (int i = 0; i <= 40; ++i) {
        const int c = order[i];
        Puzzle[c] = 0;
        Puzzle[80 - c] = 0;
        if (!HasUniqueSolution()) {
            Puzzle[c] = GeneratedGrid[c];
            Puzzle[80 - c] = GeneratedGrid[80 - c];
        }
    }
}

std::optional<GeneratedPuzzle> Generator::Pass(Solver& solver, const std::atomic<bool>* stop) {
    auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    MakeFullGrid();
    if (stopped()) return std::nullopt;
    MakePuzzle();
    if (stopped()) return std::nullopt;

    GeneratedPuzzle out;
    out.givens = Puzzle;
    out.solution = GeneratedGrid;
    out.grading = stop ? GradePuzzle(solver, Puzzle, [&](const SolveStep&) { return !stopped(); })
                       : GradePuzzle(solver, Puzzle);
    if (out.grading.result == kResultCancelled) return std::nullopt;
    return out;
}

} // namespace dravik
