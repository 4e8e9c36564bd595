// Everything the game window shows, as plain values: Game::View() builds it
// afresh from the game's state, and the window draws it and nothing else.
// Comparing two views tells the window what changed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/hint/board_highlight.h"
#include "game/model/grid.h"
#include "game/model/levels.h"
#include "game/model/techniques.h"

namespace dravik {

enum class DigitColour { Normal, Given };
// Row and column labels start in the window text colour; once one has been
// chosen, a chosen label is red and the others black.
enum class LabelColour { WindowText, Black, Red };

struct CellView {
    std::uint8_t Digit = 0; // 0: the digit label is empty
    DigitColour Colour = DigitColour::Normal;
    std::uint16_t MarksShown = kAllCandidates; // bit d - 1: pencil mark d visible

    friend bool operator==(const CellView&, const CellView&) = default;
};

// Which commands take a click now.
struct ButtonStates {
    bool Restart = false;
    bool Undo = false;
    bool Redo = false;
    bool ResetCell = false;
    bool Solution = false;
    bool Hint = false;
    bool Next = false;
    bool Open = false;
    bool Print = false;
    // The level option buttons and the renew labels, by level 1..5 (index 0 unused).
    std::array<bool, kLevels + 1> Level{};
    std::array<bool, kLevels + 1> Renew{};

    friend bool operator==(const ButtonStates&, const ButtonStates&) = default;
};

// The commands of the window's menu that have no button, by whether they
// take a click now.
struct CommandStates {
    bool SolutionPath = false;
    bool SetCheckpoint = false;
    bool BackToCheckpoint = false;
    bool UndoToBeforeMistake = false;
    bool Pause = false;

    friend bool operator==(const CommandStates&, const CommandStates&) = default;
};

struct GameView {
    std::string Title;

    // The board.
    bool BoardEnabled = false;
    std::array<CellView, kCells> Cells{};
    std::array<LabelColour, 9> RowLabels{};
    std::array<LabelColour, 9> ColumnLabels{};
    // The keyboard cursor's cell, -1 until a puzzle is loaded; and whether the
    // cells and marks of the digit under the mouse (or the cursor) are tinted.
    int CursorCell = -1;
    bool SameDigitTint = true;
    // What "Show where" shows; its explanation goes across the status bar.
    BoardHighlight Highlight;
    // A line across the status bar when nothing else says what happened
    // ("Solved in 03:12", a hint that found nothing to say); "" for none.
    std::string Notice;

    std::string Steps = "0";    // the step counter
    std::string Time = "00:00"; // the clock
    bool ClockRunning = false;  // the clock needs its ticks

    ButtonStates Buttons;
    CommandStates Commands;
    // The board is covered by the pause panel.
    bool Paused = false;
    int SelectedLevel = 0; // the level option shown chosen, 1..5

    std::array<std::string, 5> StatusPanels;
    // How often the puzzle's grading used each technique ("" without a puzzle).
    std::array<std::string, kTechniqueCount> TechniqueCounts{};
    // The technique over whose count the hint marker shows.
    std::optional<int> HintMarker;

    bool SoundChecked = true;
    bool SoundEnabled = true;
    // The window's size in percent of the layout's (zoom.h).
    int Zoom = 100;

    // The start-up panel with its bars per level (1..5), until the game is ready.
    bool Starting = true;
    std::array<int, kLevels + 1> StartupProgress{};
    // The progress of a running renewal, 0..100.
    std::optional<int> RenewalProgress;
    // The search for a practice puzzle while it runs.
    struct PracticeSearchView {
        int Technique = 0;
        std::string Text; // "Looking for a puzzle that needs X-Wing: 1,234 tried"
        friend bool operator==(const PracticeSearchView&, const PracticeSearchView&) = default;
    };
    std::optional<PracticeSearchView> Practice;

    friend bool operator==(const GameView&, const GameView&) = default;
};

} // namespace dravik
