// The puzzle generator: a random complete grid, symmetric removal of givens
// while the solution stays unique, and one whole generation pass (generate,
// grade, score).
//
// A Generator is a plain object with no shared state: give each thread its own
// (together with its own Solver). Nothing here yields or blocks.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <random>

#include "game/model/solver.h"
#include "game/stock/score.h"

namespace dravik {

// Everything one generation pass produces.
struct GeneratedPuzzle {
    Grid givens{};   // the puzzle (0 = empty)
    Grid solution{}; // its only solution
    Grading grading; // result 1..5 (level) or 6 (stuck), score, technique counts
};

class Generator {
  public:
    // Without a seed every MakeFullGrid and MakePuzzle reseeds from the clock.
    // With a seed the same calls in the same order give the same grids.
    Generator() = default;
    explicit Generator(std::uint64_t seed) { SetSeed(seed); }

    // Makes the following calls reproducible (each call still reseeds, from the
    // seed and the number of calls made since).
    void SetSeed(std::uint64_t seed);
    // Back to clock seeding.
    void ClearSeed() { seed_.reset(); }

    // The complete grid; the solution of Puzzle once MakePuzzle has run.
    Grid GeneratedGrid{};
    // The puzzle made from GeneratedGrid: 0 for an empty cell.
    Grid Puzzle{};

    // Fills GeneratedGrid with a random complete valid grid.
    void MakeFullGrid();

    // Copies GeneratedGrid into Puzzle, then tries every half-turn pair of cells
    // (c, 80 - c) once in random order, emptying it unless that would allow a
    // second solution. The result is minimal: emptying any remaining pair would.
    void MakePuzzle();

    // True when Puzzle has exactly one solution (false for none or several).
    // Never changes Puzzle.
    bool HasUniqueSolution() const;

    // One generation pass: MakeFullGrid, MakePuzzle, grade with `solver`.
    // `stop` (may be null) is polled between the steps of the pass; once it is
    // true the pass gives up and returns nullopt.
    std::optional<GeneratedPuzzle> Pass(Solver& solver, const std::atomic<bool>* stop = nullptr);

  private:
    void Reseed();
    // Random index below n.
    int RandomIndex(int n);

    std::optional<std::uint64_t> seed_;
    std::uint64_t calls_ = 0;
    std::mt19937_64 engine_;
};

// One round of the SplitMix64 mixer. Every seed the generator uses (and every
// pass seed of the renewal worker) goes through it, so a seed gives the same
// grids on every platform.
constexpr std::uint64_t SplitMix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Exact uniqueness test on any grid of givens: the number of solutions, counting
// no further than 2 (0, 1 or 2). Grids whose givens clash count 0.
// `firstSolution`, when given, receives the first solution found.
int CountSolutionsUpTo2(const Grid& puzzle, Grid* firstSolution = nullptr);

} // namespace dravik
