#include "game/stock/score.h"

namespace dravik {

std::int32_t PuzzleScore(int level, const std::array<std::int16_t, kTechniqueCount>& counts) {
    if (level < 0 || level > kHighestTier) return 0;
    const int last = LastTechniqueOfLevel(level);
    std::int32_t sum = 0;
    for (int i = 0; i <= last; ++i) {
        auto product = static_cast<std::int16_t>(TechniqueWeight(i) * counts[i]);
        sum += product;
    }
    return sum;
}

Grading GradePuzzle(Solver& solver, const Grid& puzzle, const StepCallback& onStep) {
    solver.Puzzle = puzzle;
    Grading g;
    g.result = solver.Solve(onStep);
    g.counts = solver.TechniqueCount();
    g.score = PuzzleScore(g.result, g.counts);
    return g;
}

} // namespace dravik
