// An independent exact solver for checking the logical one: plain bit-mask
// backtracking with the fewest-candidates choice.
#pragma once

#include "game/model/solver.h"

namespace dravik::test {

// Number of solutions of `puzzle`, counting no further than `limit`;
// the first solution found goes to `solution` when given.
int CountSolutions(const Grid& puzzle, int limit, Grid* solution = nullptr);

// True when `grid` is a complete valid grid.
bool IsValidSolution(const Grid& grid);

} // namespace dravik::test
