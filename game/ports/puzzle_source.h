// Where a renewal's new puzzles come from.
#pragma once

#include <optional>

#include "game/stock/generator.h"

namespace dravik {

// Generated puzzles for a renewal, made away from the game's thread. The game
// starts the source when a renewal begins, takes results during its passes
// and stops it when the set is complete.
class PuzzleSource {
  public:
    virtual ~PuzzleSource() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    // The next finished puzzle, if one is waiting; never blocks.
    virtual std::optional<GeneratedPuzzle> TryTake() = 0;
};

} // namespace dravik
