// The hint the player asked for last: the search's result, the step behind a
// technique marker and whether "Show where" shows it. A hint holds only for
// the board it was found on: once the board changes, the marker and what
// "Show where" shows are gone.
#pragma once

#include <optional>

#include "game/hint/board_highlight.h"
#include "game/hint/hint_search.h"
#include "game/play/round.h"

namespace dravik {

class HintSession {
  public:
    // Searches the round's board as the player has it.
    HintResult Ask(const Round& round);

    // The technique the marker stands for while it is shown.
    std::optional<int> Marker(const Round& round) const;
    // The step behind the marker, while it is shown.
    const HintStep* Step(const Round& round) const;

    void ShowWhere(const Round& round);
    // What "Show where" puts on the board; empty when nothing.
    BoardHighlight Highlight(const Round& round) const;

  private:
    bool Current(const Round& round) const { return found_ && revision_ == round.Revision(); }

    HintSearch search_;
    HintStep step_;
    bool found_ = false; // the last search named a technique
    bool where_ = false; // and "Show where" shows it
    int revision_ = -1;  // the board it was found on
};

} // namespace dravik
