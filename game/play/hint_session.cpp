#include "game/play/hint_session.h"

namespace dravik {

HintResult HintSession::Ask(const Round& round) {
    const Board& b = round.Arrays();
    const HintResult result =
        search_.Search(HintBoard{b.Played, b.PencilMarks, b.Solution, b.Givens, b.PuzzleLevel});
    found_ = result.IsTechnique();
    where_ = false;
    revision_ = round.Revision();
    if (found_) step_ = search_.Step();
    return result;
}

std::optional<int> HintSession::Marker(const Round& round) const {
    if (!Current(round)) return std::nullopt;
    return step_.technique;
}

const HintStep* HintSession::Step(const Round& round) const {
    return Current(round) ? &step_ : nullptr;
}

void HintSession::ShowWhere(const Round& round) {
    if (Current(round)) where_ = true;
}

BoardHighlight HintSession::Highlight(const Round& round) const {
    return Current(round) && where_ ? HighlightOf(step_) : BoardHighlight{};
}

} // namespace dravik
