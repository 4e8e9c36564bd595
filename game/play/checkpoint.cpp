#include "game/play/checkpoint.h"

#include <algorithm>

namespace dravik {

void Checkpoint::Set(const Board& board) {
    step_ = board.StepCount;
    givens_ = board.Givens;
    steps_.assign(board.Steps.begin(), board.Steps.begin() + board.StepCount);
}

int Checkpoint::StepOn(const Board& board) const {
    if (step_ < 0 || board.StepLimit < step_ || board.Givens != givens_) return -1;
    return std::equal(steps_.begin(), steps_.end(), board.Steps.begin()) ? step_ : -1;
}

} // namespace dravik
