#include "game/hint/hint_search.h"

#include <algorithm>

#include "game/model/levels.h"

namespace dravik {

int HintCode(const HintResult& result) {
    switch (result.kind) {
    case HintKind::Nothing:
        break;
    case HintKind::Technique:
        return result.technique + 1;
    case HintKind::WrongDigit:
        return 23 + result.cell;
    case HintKind::StruckMark:
        return 104 + result.cell;
    case HintKind::LowLevel:
        return 185;
    }
    return 0;
}

std::array<std::uint16_t, kCells> CleanedMarks(const std::array<std::uint8_t, kCells>& played,
                                               const std::array<std::uint16_t, kCells>& marks) {
    std::array<std::uint16_t, kCells> clean{};
    for (int c = 0; c < kCells; ++c)
        clean[c] = played[c] != 0 ? 0 : static_cast<std::uint16_t>(marks[c] & kAllCandidates);
    for (int c = 0; c < kCells; ++c) {
        if (played[c] == 0) continue;
        for (int unit : kCellUnits[c])
            for (int peer : kUnitCells[unit])
                clean[peer] &= static_cast<std::uint16_t>(~DigitBit(played[c]));
    }
    return clean;
}

std::optional<HintResult> FirstMistake(const HintBoard& board) {
    for (int c = 0; c < kCells; ++c) {
        const int digit = board.Played[c];
        const int solution = board.Solution[c];
        if (digit != 0 && digit != solution) return HintResult{HintKind::WrongDigit, -1, c};
        if (digit == 0 && solution >= 1 && solution <= 9 &&
            !(board.Marks[c] & kAllCandidates & DigitBit(solution)))
            return HintResult{HintKind::StruckMark, -1, c};
    }
    return std::nullopt;
}

void OrderChanges(std::vector<GridChange>& changes) {
    std::sort(changes.begin(), changes.end(), [](const GridChange& a, const GridChange& b) {
        return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit;
    });
}

HintSearch::HintSearch() {
    log_.reserve(64);
    step_.changes.reserve(64);
}

HintResult HintSearch::Search(const HintBoard& board) {
    step_.technique = -1;
    step_.changes.clear();
    step_.pattern.Clear();

    // The cell-order checks decide first.
    if (const std::optional<HintResult> mistake = FirstMistake(board)) return *mistake;
    Grid played{}, givens{};
    bool empty = false;
    for (int c = 0; c < kCells; ++c) {
        const int digit = board.Played[c];
        played[c] = static_cast<std::int16_t>(digit);
        givens[c] = static_cast<std::int16_t>(board.Givens[c]);
        step_.marks[c] =
            digit != 0 ? 0 : static_cast<std::uint16_t>(board.Marks[c] & kAllCandidates);
        empty = empty || digit == 0;
    }
    if (!empty) return {};
    if (!MarksAreCandidates(board.Level)) return {HintKind::LowLevel};

    step_.marks = CleanedMarks(board.Played, board.Marks);

    // One pass of the ladder on those marks.
    solver_.LoadPosition(givens, played, step_.marks);
    log_.clear();
    solver_.RecordChanges(&log_);
    solver_.RecordPattern(&step_.pattern);
    int technique = -1;
    for (int t = 0; t < kTechniqueCount; ++t) {
        log_.clear();
        if (solver_.ApplyTechnique(t)) {
            technique = t;
            break;
        }
    }
    solver_.RecordChanges(nullptr);
    solver_.RecordPattern(nullptr);
    if (technique < 0) {
        step_.pattern.Clear();
        return {};
    }

    step_.technique = technique;
    step_.changes.assign(log_.begin(), log_.end());
    OrderChanges(step_.changes);
    return {HintKind::Technique, technique, -1};
}

} // namespace dravik
