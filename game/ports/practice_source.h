// Where practice puzzles come from: a search on worker threads for a puzzle
// whose grading needs one technique (game/stock/practice_search.h).
#pragma once

#include <cstdint>
#include <optional>

#include "game/stock/generator.h"

namespace dravik {

class PracticeSource {
  public:
    virtual ~PracticeSource() = default;
    // Starts looking for a puzzle that needs `technique`, ending any search
    // that runs. The source reports to the game's owner while it searches
    // (every tenth of a second or so) and when it has found one.
    virtual void Start(int technique) = 0;
    // Ends the search; nothing more is reported.
    virtual void Stop() = 0;
    // Puzzles graded so far by the search that runs (or ran last).
    virtual std::uint64_t Tried() const = 0;
    // The puzzle found, once; never blocks.
    virtual std::optional<GeneratedPuzzle> TryTake() = 0;
};

} // namespace dravik
