// What every technique step's pattern must say about the step, checked on the
// marks the step started from.
#pragma once

#include <string>

#include "game/hint/hint_search.h"

namespace dravik::test {

// "" when the step's pattern fits its technique and its changes, else what is wrong.
std::string PatternProblem(const HintStep& step, const std::array<std::uint8_t, kCells>& played,
                           const std::array<std::uint8_t, kCells>& givens);

} // namespace dravik::test
