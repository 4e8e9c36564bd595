#include "game/play/round_view.h"

#include <string>

namespace dravik {

GameView BoardView(const Round& round) {
    GameView v;
    const Board& board = round.Arrays();
    v.Steps = std::to_string(board.StepCount);
    v.BoardEnabled = round.Loaded();
    for (int i = 0; i < kCells; ++i) {
        CellView& cell = v.Cells[i];
        cell.Digit = board.Played[i];
        cell.MarksShown = cell.Digit != 0 ? 0 : board.PencilMarks[i];
        // A given shows in its colour from the moment it is put on the board.
        cell.Colour =
            board.Givens[i] > 0 && cell.Digit != 0 ? DigitColour::Given : DigitColour::Normal;
    }
    auto labels = [](const LineChoice& choice, std::array<LabelColour, 9>& colours) {
        for (int i = 0; i < 9; ++i)
            colours[i] = choice.line == i ? LabelColour::Red
                         : choice.used    ? LabelColour::Black
                                          : LabelColour::WindowText;
    };
    labels(round.Row(), v.RowLabels);
    labels(round.Column(), v.ColumnLabels);
    v.CursorCell = round.Cursor();
    return v;
}

} // namespace dravik
