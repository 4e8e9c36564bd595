// The round being played: the puzzle on the board and what it is, its history
// of moves, whether it is still being played, the row and column chosen with
// the board's labels, and the keyboard cursor. Every move is checked by its
// predicate here; the game asks the same predicates for the window's buttons.
#pragma once

#include <array>

#include "game/model/solver.h"
#include "game/model/techniques.h"
#include "game/play/board.h"

namespace dravik {

// What the puzzle on the board is, as the status bar and the technique panel
// tell it. A stock puzzle's facts are copied from its record when it loads.
struct PuzzleFacts {
    enum class Origin { None, Stock, Brought };
    Origin origin = Origin::None;
    int level = 0;             // its level in the stock, or the level a brought one is played at
    int number = 0;            // stock: 1..100 within its level
    bool beyondLadder = false; // brought: the ladder cannot finish it
    int bestSeconds = 0;       // stock: the best time, 0 = none yet
    int bestPlayer = 0;        // stock: who holds it
    std::array<int, kTechniqueCount> techniqueCounts{};

    friend bool operator==(const PuzzleFacts&, const PuzzleFacts&) = default;
};

// A row or a column chosen with its label. The labels start in the window's
// text colour; once one has been chosen, the others show black.
struct LineChoice {
    int line = -1; // -1: none
    bool used = false;
};

class Round {
  public:
    Round();

    // --- The puzzle ----------------------------------------------------------
    // No puzzle: every mark shown, no digit, nothing played, no history.
    void Clear();
    // `givens` on the board with their marks hidden and, where the marks are
    // candidates at `rulesLevel`, struck from their peers; the round is played
    // from here with the cursor on A1. Nothing is recorded.
    void Load(const PuzzleFacts& facts, const Grid& givens, const Grid& solution, int rulesLevel);

    bool Loaded() const { return facts_.origin != PuzzleFacts::Origin::None; }
    bool Playing() const { return playing_; }
    const Board& Arrays() const { return board_; }
    const PuzzleFacts& Facts() const { return facts_; }
    // Counts every change of digits and marks: what was found on the board
    // holds only while the count stays.
    int Revision() const { return revision_; }
    // Every cell holds its solution digit.
    bool Solved() const;

    // --- What may be done now --------------------------------------------------
    bool CanPlace(int cell, int digit) const;
    bool CanStrike(int cell, int digit) const;
    bool CanUndo() const { return playing_ && board_.StepCount > 0; }
    bool CanRedo() const { return playing_ && board_.StepCount < board_.StepLimit; }
    bool CanRestart() const { return CanUndo(); }
    // The cell Reset Cell empties: the chosen row's and column's, when both are
    // chosen and it is no given; else -1.
    int ResetTarget() const;

    // --- Moves (each only where its predicate allows it) -------------------------
    void Place(int cell, int digit);
    void Strike(int cell, int digit);
    void Reset(int cell);
    void Undo();
    void Redo();
    // The same puzzle from its givens, the history gone.
    void Restart();
    // Every cell shows its solution; the round is over.
    void ShowSolution();
    // The round is over (the puzzle was completed).
    void End() { playing_ = false; }
    void SetBestTime(int seconds, int player);

    // --- The labels and the cursor ----------------------------------------------
    // A click on a row (column) label: chosen, or no longer chosen when it was.
    // True when it is chosen now.
    bool ToggleRow(int row);
    bool ToggleColumn(int column);
    // The cell's row and column chosen, as two clicks on their labels would.
    void ChooseCell(int cell);
    const LineChoice& Row() const { return row_; }
    const LineChoice& Column() const { return column_; }

    // The cursor's cell, -1 until the first puzzle loads.
    int Cursor() const { return cursor_; }
    void MoveCursor(int rows, int columns);
    void SetCursor(int cell);

  private:
    void PlaceGivens();
    void Record(const Step& step);

    Board board_;
    PuzzleFacts facts_;
    bool playing_ = false;
    int revision_ = 0;
    LineChoice row_, column_;
    int cursor_ = -1;
};

} // namespace dravik
