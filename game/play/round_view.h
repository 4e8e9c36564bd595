// The board's part of the game's view, made from the round alone: the cells,
// the row and column labels, the cursor and the step counter.
#pragma once

#include "game/play/round.h"
#include "game/play/view.h"

namespace dravik {

GameView BoardView(const Round& round);

} // namespace dravik
