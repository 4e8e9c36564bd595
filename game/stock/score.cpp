#include "game/stock/score.h"

namespace dravik {

std::int32_t PuzzleScore(int level, const std::array<std::int16_t, kTechniqueCount>& counts) {
    static constexpr int kLastIndex[6] = {21, 1, 3, 9, 15, 21};
    if (level < 0 || level > 5) return 0;
    std::int32_t sum = 0;
    for (int i = 0; i <= kLastIndex[level]; ++i) {
        auto product = static_cast<std::int16_t>(kTechniqueTable[i].weight * counts[i]);
        sum += product;
    }
    return sum;
}

} // namespace dravik

namespace dravik {

Grading GradePuzzle(Solver& solver, const Grid& puzzle) {
    solver.Puzzle = puzzle;
    Grading g;
    g.result = solver.Solve();
    g.counts = solver.TechniqueCount();
    g.score = PuzzleScore(g.result, g.counts);
    return g;
}

} // namespace dravik
