#include "game/play/board.h"

namespace dravik {

void Board::ClearSudokuData() {
    Givens.fill(0);
    Solution.fill(0);
    Played.fill(0);
    PausedMinutes = 0;
    PausedSeconds = 0;
    PuzzleLevel = 0;
    PuzzleNumber = 0;
    BestPlayer = 0;
    StepCount = 0;
    StepLimit = 0;
}

Step& Board::RecordStep(int cell, int type) {
    StepCount += 1;
    StepLimit = StepCount;
    if (Steps.size() < static_cast<std::size_t>(StepCount))
        Steps.resize(static_cast<std::size_t>(StepCount));
    Step& step = StepAt(StepCount);
    step = Step{};
    step.Cell = static_cast<std::int16_t>(cell);
    step.Type = static_cast<std::int16_t>(type);
    return step;
}

int ColumnPeer(int cell, int bit) {
    return cell % 9 + 9 * bit;
}

int RowPeer(int cell, int bit) {
    return 9 * (cell / 9) + bit;
}

int BoxPeer(int cell, int bit) {
    int i = bit % 3; // row offset
    int j = bit / 3; // column offset
    return CellBoxStart(cell) + 9 * i + j;
}

} // namespace dravik
