#include "game/hint/hint_search.h"

#include <algorithm>

#include "game/model/levels.h"

namespace dravik {

HintSearch::HintSearch() {
    log_.reserve(64);
    step_.changes.reserve(64);
}

int HintSearch::Search(const HintBoard& board) {
    step_.technique = -1;
    step_.changes.clear();
    step_.pattern.Clear();

    // The cell-order checks decide first: a wrong digit or a struck solution
    // mark, whichever comes first.
    Grid played{}, givens{};
    bool empty = false;
    for (int c = 0; c < kCells; ++c) {
        const int digit = board.Played[c];
        const int solution = board.Solution[c];
        if (digit != 0 && digit != solution) return kHintWrongDigit + c;
        played[c] = static_cast<std::int16_t>(digit);
        givens[c] = static_cast<std::int16_t>(board.Givens[c]);
        step_.marks[c] =
            digit != 0 ? 0 : static_cast<std::uint16_t>(board.Marks[c] & kAllCandidates);
        if (digit == 0) {
            empty = true;
            if (solution >= 1 && solution <= 9 && !(step_.marks[c] & DigitBit(solution)))
                return kHintStruckMark + c;
        }
    }
    if (!empty) return kHintNothing;
    if (!MarksAreCandidates(board.Level)) return kHintLowLevel;

    // One pass of the ladder on the player's marks.
    solver_.LoadPosition(givens, played, step_.marks);
    log_.clear();
    solver_.RecordChanges(&log_);
    solver_.RecordPattern(&step_.pattern);
    int result = kHintNothing;
    for (int t = 0; t < kTechniqueCount; ++t) {
        log_.clear();
        if (solver_.ApplyTechnique(t)) {
            result = t + 1;
            break;
        }
    }
    solver_.RecordChanges(nullptr);
    solver_.RecordPattern(nullptr);
    if (result == kHintNothing) {
        step_.pattern.Clear();
        return result;
    }

    step_.technique = result - 1;
    step_.changes.assign(log_.begin(), log_.end());
    std::sort(step_.changes.begin(), step_.changes.end(),
              [](const GridChange& a, const GridChange& b) {
                  return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit;
              });
    return result;
}

} // namespace dravik
