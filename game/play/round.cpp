#include "game/play/round.h"

#include "game/model/levels.h"

namespace dravik {

namespace {

// A stored digit that is not 0..9 shows as an empty cell.
std::uint8_t SafeDigit(int value) {
    return static_cast<std::uint8_t>(value >= 0 && value <= 9 ? value : 0);
}

bool IsCell(int cell) {
    return cell >= 0 && cell < kCells;
}

} // namespace

Round::Round() {
    board_.PencilMarks.fill(kAllCandidates);
}

void Round::Clear() {
    board_.ClearSudokuData();
    board_.PencilMarks.fill(kAllCandidates);
    facts_ = {};
    playing_ = false;
    ++revision_;
}

void Round::Load(const PuzzleFacts& facts, const Grid& givens, const Grid& solution,
                 int rulesLevel) {
    Clear();
    facts_ = facts;
    for (int i = 0; i < kCells; ++i) {
        board_.Givens[i] = SafeDigit(givens[i]);
        board_.Solution[i] = SafeDigit(solution[i]);
    }
    board_.PuzzleLevel = rulesLevel;
    PlaceGivens();
    playing_ = true;
    cursor_ = 0;
}

// The givens on a board whose marks are all shown: their marks hidden and,
// where marks are candidates, their digits struck from the peers.
void Round::PlaceGivens() {
    board_.PencilMarks.fill(kAllCandidates);
    board_.Played.fill(0);
    for (int i = 0; i < kCells; ++i)
        if (const int d = board_.Givens[i]; d != 0)
            board_.Apply(board_.PlacementStep(i, d, MarksAreCandidates(board_.PuzzleLevel)),
                         Board::Direction::Forward);
    ++revision_;
}

bool Round::Solved() const {
    for (int i = 0; i < kCells; ++i)
        if (board_.Played[i] == 0 || board_.Played[i] != board_.Solution[i]) return false;
    return true;
}

bool Round::CanPlace(int cell, int digit) const {
    // Only a shown mark takes a click: a filled cell shows none.
    return playing_ && IsCell(cell) && digit >= 1 && digit <= 9 &&
           (board_.PencilMarks[cell] & DigitBit(digit)) && board_.StepCount < kMaxSteps;
}

bool Round::CanStrike(int cell, int digit) const {
    return CanPlace(cell, digit) && MarksAreCandidates(board_.PuzzleLevel);
}

int Round::ResetTarget() const {
    if (!playing_ || row_.line < 0 || column_.line < 0 || board_.StepCount >= kMaxSteps) return -1;
    const int cell = 9 * row_.line + column_.line;
    return board_.Givens[cell] > 0 ? -1 : cell;
}

void Round::Record(const Step& step) {
    board_.RecordStep(step);
    board_.Apply(step, Board::Direction::Forward);
    ++revision_;
}

void Round::Place(int cell, int digit) {
    if (CanPlace(cell, digit))
        Record(board_.PlacementStep(cell, digit, MarksAreCandidates(board_.PuzzleLevel)));
}

void Round::Strike(int cell, int digit) {
    if (CanStrike(cell, digit)) Record(board_.StrikeStep(cell, digit));
}

void Round::Reset(int cell) {
    if (playing_ && IsCell(cell) && board_.Givens[cell] == 0 && board_.StepCount < kMaxSteps)
        Record(board_.ResetStep(cell));
}

void Round::Undo() {
    if (!CanUndo()) return;
    board_.Apply(board_.StepAt(board_.StepCount), Board::Direction::Backward);
    board_.StepCount -= 1;
    ++revision_;
}

void Round::Redo() {
    if (!CanRedo()) return;
    board_.StepCount += 1;
    board_.Apply(board_.StepAt(board_.StepCount), Board::Direction::Forward);
    ++revision_;
}

void Round::Restart() {
    board_.StepLimit = 0;
    board_.StepCount = 0;
    PlaceGivens();
    playing_ = true;
}

void Round::ShowSolution() {
    board_.PencilMarks.fill(0);
    board_.Played = board_.Solution;
    playing_ = false;
    ++revision_;
}

void Round::SetBestTime(int seconds, int player) {
    facts_.bestSeconds = seconds;
    facts_.bestPlayer = player;
}

bool Round::ToggleRow(int row) {
    row_.used = true;
    row_.line = row_.line == row ? -1 : row;
    return row_.line == row;
}

bool Round::ToggleColumn(int column) {
    column_.used = true;
    column_.line = column_.line == column ? -1 : column;
    return column_.line == column;
}

void Round::ChooseCell(int cell) {
    row_ = {CellRow(cell), true};
    column_ = {CellColumn(cell), true};
}

void Round::MoveCursor(int rows, int columns) {
    if (cursor_ < 0) return;
    const int r = ((CellRow(cursor_) + rows) % 9 + 9) % 9;
    const int c = ((CellColumn(cursor_) + columns) % 9 + 9) % 9;
    cursor_ = RowColumnCell(r, c);
}

void Round::SetCursor(int cell) {
    if (cursor_ >= 0 && IsCell(cell)) cursor_ = cell;
}

} // namespace dravik
