#include "game/stock/generator.h"

#include "game/model/cell_set.h"

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
// Every digit's possible cells are an 81-bit set (placed cells included), so
// a node finds all naked and hidden singles with a few operations per digit,
// places them, and only then branches on a cell with the fewest candidates.
// The cells of the rows (0), columns (1) or boxes (2) whose bits are set in a
// 9-bit mask.
constexpr auto kUnitsOf = [] {
    std::array<std::array<CellSet, 512>, 3> t{};
    for (int kind = 0; kind < 3; ++kind)
        for (unsigned m = 0; m < 512; ++m)
            for (int i = 0; i < 9; ++i)
                if ((m >> i) & 1u) t[kind][m] |= kUnitCellSets[9 * kind + i];
    return t;
}();

class SolutionCounter {
    // Within a band's 27 bits: the first box's cells, the first column's cells.
    static constexpr std::uint32_t kBoxInBand = 0x7u | (0x7u << 9) | (0x7u << 18);
    static constexpr std::uint32_t kColumnInBand = 1u | (1u << 9) | (1u << 18);

  public:
    explicit SolutionCounter(int limit, Grid* first = nullptr) : limit_(limit), first_(first) {}

    int Count(const Grid& puzzle) {
        Node node;
        if (!Load(node, puzzle)) return 0;
        Search(node);
        return found_;
    }

    // The givens of a puzzle as the generator takes them away and puts them
    // back, ready to start a search from.
    class Givens {
      public:
        void Add(int c, int d) {
            given_[d - 1].Add(c);
            filled_.Add(c);
            rows_[d - 1] = static_cast<std::uint16_t>(rows_[d - 1] | (1u << CellRow(c)));
            columns_[d - 1] = static_cast<std::uint16_t>(columns_[d - 1] | (1u << CellColumn(c)));
            boxes_[d - 1] = static_cast<std::uint16_t>(boxes_[d - 1] | (1u << CellBox(c)));
        }
        // Only for a given that clashes with no other.
        void Remove(int c, int d) {
            given_[d - 1].Remove(c);
            filled_.Remove(c);
            rows_[d - 1] = static_cast<std::uint16_t>(rows_[d - 1] & ~(1u << CellRow(c)));
            columns_[d - 1] = static_cast<std::uint16_t>(columns_[d - 1] & ~(1u << CellColumn(c)));
            boxes_[d - 1] = static_cast<std::uint16_t>(boxes_[d - 1] & ~(1u << CellBox(c)));
        }

      private:
        friend class SolutionCounter;
        std::array<CellSet, 9> given_;
        CellSet filled_;
        std::array<std::uint16_t, 9> rows_{}, columns_{}, boxes_{};
    };

    // The same for givens kept by the caller.
    bool HasAnother(const Givens& givens, const Grid& solution, int a, int b) {
        Node node;
        node.unsolved = ~givens.filled_;
        node.rowsDone = givens.rows_;
        node.columnsDone = givens.columns_;
        node.boxesDone = givens.boxes_;
        for (int d = 0; d < 9; ++d)
            node.cand[d] = node.unsolved.Without(kUnitsOf[0][givens.rows_[d]] |
                                                 kUnitsOf[1][givens.columns_[d]] |
                                                 kUnitsOf[2][givens.boxes_[d]]) |
                           givens.given_[d];
        return HasAnother(node, solution, a, b);
    }

  private:
    struct Node;
    // For a puzzle whose only solution is `solution` once cells a and b hold
    // their digits again: whether the puzzle as it is has another one. Such a
    // solution must differ from `solution` in a or b, so two searches that
    // each rule one way out stand for a full count.
    bool HasAnother(const Node& node, const Grid& solution, int a, int b) {
        Node differsInA = node;
        differsInA.cand[solution[a] - 1].Remove(a);
        differsInA.changed |= 1u << (solution[a] - 1);
        Search(differsInA);
        if (found_ > 0 || a == b) return found_ > 0;
        Node differsInB = node;
        if (!differsInB.Place(solution[a] - 1, a)) return false;
        differsInB.cand[solution[b] - 1].Remove(b);
        differsInB.changed |= 1u << (solution[b] - 1);
        Search(differsInB);
        return found_ > 0;
    }
    // The givens placed; false when they clash or hold a value other than 0-9.
    static bool Load(Node& node, const Grid& puzzle) {
        // A digit can go where it is given, and to the empty cells outside the
        // rows, columns and boxes it is given in.
        std::array<CellSet, 9> given;
        CellSet filled;
        for (int c = 0; c < kCells; ++c) {
            const int d = puzzle[c];
            if (d == 0) continue;
            if (d < 0 || d > 9) return false;
            const unsigned r = 1u << CellRow(c), col = 1u << CellColumn(c), b = 1u << CellBox(c);
            auto& rows = node.rowsDone[d - 1];
            auto& columns = node.columnsDone[d - 1];
            auto& boxes = node.boxesDone[d - 1];
            if ((rows & r) || (columns & col) || (boxes & b)) return false; // clashing givens
            rows = static_cast<std::uint16_t>(rows | r);
            columns = static_cast<std::uint16_t>(columns | col);
            boxes = static_cast<std::uint16_t>(boxes | b);
            given[d - 1].Add(c);
            filled.Add(c);
        }
        node.unsolved = ~filled;
        for (int d = 0; d < 9; ++d)
            node.cand[d] = node.unsolved.Without(kUnitsOf[0][node.rowsDone[d]] |
                                                 kUnitsOf[1][node.columnsDone[d]] |
                                                 kUnitsOf[2][node.boxesDone[d]]) |
                           given[d];
        return true;
    }

    struct Node {
        std::array<CellSet, 9> cand; // by digit - 1: where it stands or can still go
        CellSet unsolved;
        // By digit - 1: the rows, columns and boxes where it stands.
        std::array<std::uint16_t, 9> rowsDone{}, columnsDone{}, boxesDone{};
        // The digits whose cells changed since they were last looked at for
        // hidden singles (bit d - 1).
        unsigned changed = kAllCandidates;

        // False when digit d (0-based) cannot go to c.
        bool Place(int d, int c) {
            if (!cand[d].Has(c)) return false;
            const CellSet cell = CellSet::Cell(c);
            for (auto& e : cand) e = e.Without(cell);
            cand[d] |= cell;
            PlaceAlone(d, c);
            changed = kAllCandidates;
            return true;
        }
        // The same for a cell that no other digit can take any more.
        void PlaceAlone(int d, int c) {
            const CellSet cell = CellSet::Cell(c);
            cand[d] = cand[d].Without(kPeerCellSets[c]);
            changed |= 1u << d;
            unsolved = unsolved.Without(cell);
            rowsDone[d] |= static_cast<std::uint16_t>(1u << CellRow(c));
            columnsDone[d] |= static_cast<std::uint16_t>(1u << CellColumn(c));
            boxesDone[d] |= static_cast<std::uint16_t>(1u << CellBox(c));
        }
        // Places d at c unless c is already filled (a later check finds any clash).
        bool Force(int d, int c) { return !unsolved.Has(c) || Place(d, c); }
    };

    // Places forced digits until none is left. False on a contradiction.
    static bool Propagate(Node& n) {
        for (;;) {
            // Naked singles: unsolved cells in exactly one digit's set.
            CellSet ones, twos;
            for (const CellSet& d : n.cand) {
                twos |= ones & d;
                ones |= d;
            }
            if (n.unsolved.Without(ones).Any()) return false; // a cell with no digit
            CellSet singles = (ones.Without(twos)) & n.unsolved;
            if (singles.Any()) {
                while (singles.Any()) {
                    const int c = singles.PopFirst();
                    int d = 0;
                    while (d < 9 && !n.cand[d].Has(c)) ++d;
                    if (d == 9) return false; // an earlier single took its last digit
                    n.PlaceAlone(d, c);
                }
                continue;
            }
            if (n.unsolved.Empty()) return true;
            // Hidden singles: a digit with one cell left in a row, column or box.
            bool placed = false;
            // Only digits whose cells changed since they were last looked at.
            for (int d = 0; d < 9; ++d) {
                if (!((n.changed >> d) & 1u)) continue;
                n.changed &= ~(1u << d);
                if (n.rowsDone[d] == kAllCandidates) continue; // all nine placed
                // A row, column or box where the digit does not stand yet and
                // has one cell left (or none: no solution), band by band.
                CellSet forced;
                unsigned once = 0, twice = 0; // columns holding the digit once, twice or more
                std::uint32_t bands[3];
                for (int t = 0; t < 3; ++t) {
                    const std::uint32_t w = bands[t] = n.cand[d].Band(t);
                    for (int i = 0; i < 3; ++i) {
                        const unsigned row = (w >> (9 * i)) & 511u;
                        twice |= once & row;
                        once |= row;
                        if ((n.rowsDone[d] >> (3 * t + i)) & 1u) continue;
                        if (!row) return false;
                        if (!(row & (row - 1))) forced.Add(27 * t + 9 * i + std::countr_zero(row));
                    }
                    for (int k = 0; k < 3; ++k) {
                        if ((n.boxesDone[d] >> (3 * t + k)) & 1u) continue;
                        const std::uint32_t box = w & (kBoxInBand << (3 * k));
                        if (!box) return false;
                        if (!(box & (box - 1))) forced.Add(27 * t + std::countr_zero(box));
                    }
                }
                if (once != kAllCandidates) return false; // a column without the digit
                for (unsigned cs = once & ~twice & ~n.columnsDone[d]; cs; cs &= cs - 1) {
                    const int col = std::countr_zero(cs);
                    int t = 0;
                    while (!((bands[t] >> col) & kColumnInBand)) ++t;
                    forced.Add(27 * t + col + std::countr_zero((bands[t] >> col) & kColumnInBand));
                }
                forced &= n.unsolved;
                while (forced.Any()) {
                    if (!n.Force(d, forced.PopFirst())) return false;
                    placed = true;
                }
            }
            if (!placed) return true;
        }
    }

    void Search(Node& n) {
        if (!Propagate(n)) return;
        if (n.unsolved.Empty()) {
            if (found_++ == 0 && first_)
                for (int d = 0; d < 9; ++d)
                    n.cand[d].ForEach(
                        [&](int c) { (*first_)[c] = static_cast<std::int16_t>(d + 1); });
            return;
        }
        // The unsolved cell with the fewest candidates: a two-candidate cell if
        // there is one (most are), else the first with the least.
        CellSet ones, twos, threes;
        for (const CellSet& d : n.cand) {
            threes |= twos & d;
            twos |= ones & d;
            ones |= d;
        }
        const CellSet pairs = twos.Without(threes) & n.unsolved;
        int best = -1;
        if (pairs.Any()) {
            best = pairs.First();
        } else {
            int bestCount = 10;
            n.unsolved.ForEach([&](int c) {
                int k = 0;
                for (const CellSet& d : n.cand) k += d.Has(c);
                if (k < bestCount) {
                    bestCount = k;
                    best = c;
                }
            });
        }
        for (int d = 0; d < 9 && found_ < limit_; ++d) {
            if (!n.cand[d].Has(best)) continue;
            Node child = n;
            child.Place(d, best);
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

    CellSet empty = CellSet::All(); // the cells still 0
    int k = kCells - 1;
    while (k >= 0) {
        if (k == kCells) {
            // Backtracked past the first cell: cannot happen from an empty grid,
            // but never index past the order; start over.
            for (int c = 0; c < kCells; ++c) GeneratedGrid[c] = 0;
            free.Reset();
            empty = CellSet::All();
            k = kCells - 1;
        }
        if (GeneratedGrid[order[k]] == 0) {
            // New depth: take the cell with the fewest free digits, ties to the
            // position nearest k.
            int best = 10, chosen = k;
            for (int m = k; m >= 0; --m) {
                const int n = BitCount(free.Free(order[m]));
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
            empty.Add(c);
            free.Release(c, d);
            ++k;
            continue;
        }
        GeneratedGrid[c] = static_cast<std::int16_t>(t);
        empty.Remove(c);
        free.Release(c, d);
        free.Take(c, t);
        --k;
        // Forward check: an empty cell left without a digit sends us back to c.
        // Every empty cell had a digit before c took t, so only c's peers can
        // have lost their last one.
        const CellSet emptyPeers = kPeerCellSets[c] & empty.Without(CellSet::Cell(c));
        bool dead = false;
        emptyPeers.ForEach([&](int p) { dead |= free.Free(p) == 0; });
        if (dead) ++k;
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
    SolutionCounter::Givens givens;
    for (int c = 0; c < kCells; ++c) givens.Add(c, GeneratedGrid[c]);
    for (int i = 0; i <= 40; ++i) {
        const int c = order[i], mirror = 80 - c;
        Puzzle[c] = Puzzle[mirror] = 0;
        givens.Remove(c, GeneratedGrid[c]);
        if (mirror != c) givens.Remove(mirror, GeneratedGrid[mirror]);
        // Puzzle had GeneratedGrid as its only solution before the pair went.
        if (SolutionCounter(1).HasAnother(givens, GeneratedGrid, c, mirror)) {
            Puzzle[c] = GeneratedGrid[c];
            Puzzle[mirror] = GeneratedGrid[mirror];
            givens.Add(c, GeneratedGrid[c]);
            givens.Add(mirror, GeneratedGrid[mirror]);
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
