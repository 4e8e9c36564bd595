#include "support/shown_board.h"

#include <map>
#include <string>

#include "support/brute_force.h"

namespace dravik::test {

namespace {

int NumberAfter(const std::string& text, const std::string& prefix) {
    if (text.rfind(prefix, 0) != 0) return 0;
    try {
        return std::stoi(text.substr(prefix.size()));
    } catch (...) {
        return 0;
    }
}

// Solutions by givens: a test reads the board many times.
const Grid& SolutionOf(const Grid& givens) {
    static std::map<Grid, Grid> known;
    auto [at, added] = known.try_emplace(givens);
    if (added) CountSolutions(givens, 1, &at->second);
    return at->second;
}

} // namespace

ShownBoard ReadBoard(const GameView& view) {
    ShownBoard b;
    bool any = false;
    Grid givens{};
    for (int c = 0; c < kCells; ++c) {
        const CellView& cell = view.Cells[c];
        b.Played[c] = cell.Digit;
        b.PencilMarks[c] = cell.Digit != 0 ? 0 : cell.MarksShown;
        if (cell.Colour == DigitColour::Given) {
            b.Givens[c] = cell.Digit;
            givens[c] = cell.Digit;
            any = true;
        }
    }
    if (any) {
        const Grid& solution = SolutionOf(givens);
        for (int c = 0; c < kCells; ++c) b.Solution[c] = static_cast<std::uint8_t>(solution[c]);
    }
    b.StepCount = std::stoi(view.Steps);
    b.PuzzleNumber = NumberAfter(view.StatusPanels[1], "Number: ");
    for (int level = 1; level <= kLevels; ++level)
        if (view.StatusPanels[0] == "Level: " + std::string(LevelName(level)))
            b.PuzzleLevel = level;
    if (view.StatusPanels[0] == "Level: Beyond Very Hard") b.PuzzleLevel = kLevels;
    for (int i = 0; i < 9; ++i) {
        if (view.RowLabels[i] == LabelColour::Red) b.SelectedRow = i;
        if (view.ColumnLabels[i] == LabelColour::Red) b.SelectedColumn = i;
    }
    return b;
}

} // namespace dravik::test
