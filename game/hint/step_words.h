// A ladder step in words, the one way both `dravik solve --steps` and the
// game's solution path write it: "place 5 at C4" for a placement, "remove 3
// from A1 A2, 7 from B5" for removals (by digit, then in the order the step
// made them).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "game/model/solver.h"

namespace dravik {

std::string StepInWords(std::span<const GridChange> changes);

// The numbered line of a step: "12. X-Wing: remove 4 from C2 H7".
std::string StepLine(int number, int technique, std::string_view words);

} // namespace dravik
