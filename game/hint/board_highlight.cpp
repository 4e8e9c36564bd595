#include "game/hint/board_highlight.h"

#include "game/hint/hint_text.h"

namespace dravik {

BoardHighlight HighlightOf(const HintStep& step) {
    BoardHighlight h;
    if (step.technique < 0) return h;
    for (int c : step.pattern.Cells()) h.Pattern[c] = true;
    for (const GridChange& ch : step.changes) {
        if (ch.placed) {
            h.PlacedCell = ch.cell;
            h.PlacedDigit = ch.digit;
        } else {
            h.Struck[ch.cell] |= DigitBit(ch.digit);
        }
    }
    h.Explanation = ExplainStep(step);
    return h;
}

} // namespace dravik
