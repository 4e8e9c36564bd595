// A checkpoint in a round's history: the step number the player marked, with
// the puzzle and the steps that led there, so that it is known to hold only
// while the history still runs through that step (a new move after undoing
// past it, a restart or another puzzle makes it void).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/play/board.h"

namespace dravik {

class Checkpoint {
  public:
    void Set(const Board& board);
    // The checkpoint's step number while `board`'s history runs through it, else -1.
    int StepOn(const Board& board) const;

  private:
    int step_ = -1;
    std::array<std::uint8_t, kCells> givens_{};
    std::vector<Step> steps_;
};

} // namespace dravik
