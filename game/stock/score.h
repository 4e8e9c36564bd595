#pragma once

#include <array>
#include <cstdint>

#include "game/model/techniques.h"

namespace dravik {

// Score of a graded puzzle: the weighted technique counts up to the last
// technique of the level's tier. 0 for a level outside 0..5 (a stuck puzzle).
// Products are 16-bit, the sum 32-bit, as the stored scores were computed.
std::int32_t PuzzleScore(int level, const std::array<std::int16_t, kTechniqueCount>& counts);

} // namespace dravik

#include "game/model/solver.h"

namespace dravik {

struct Grading {
    int result = 0; // 1..5 level, 6 stuck
    std::int32_t score = 0;
    std::array<std::int16_t, kTechniqueCount> counts{};
};

// Solves `puzzle` with `solver` and scores the result. `onStep` is passed on to
// Solve; when it stops the solve the result is kResultCancelled.
Grading GradePuzzle(Solver& solver, const Grid& puzzle, const StepCallback& onStep = {});

} // namespace dravik
