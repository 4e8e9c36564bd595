// Everything the game window shows, as plain values. The window draws this and
// nothing else. `Controls` is the state of the window's controls that only the
// game keeps (which buttons are enabled, what the labels and panels say);
// `GameView` adds what is read off the board and the clock, so it is a pure
// projection of the game's state, rebuilt by Game::View(). Comparing two views
// tells the window what changed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/model/grid.h"
#include "game/model/techniques.h"
#include "game/play/status_texts.h"

namespace dravik {

enum class DigitColour { Normal, Given };
// Row and column labels start in the window text colour; a click turns them
// red (selected) or black.
enum class LabelColour { WindowText, Black, Red };

struct CellView {
    std::uint8_t Digit = 0; // 0: the digit label is empty
    DigitColour Colour = DigitColour::Normal;
    std::uint16_t MarksShown = kAllCandidates; // bit d - 1: pencil mark d visible

    friend bool operator==(const CellView&, const CellView&) = default;
};

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
    // OptionType(1..5) and RenewLevel(1..5); index 0 unused.
    std::array<bool, 6> OptionType{false, true, true, true, true, true};
    std::array<bool, 6> RenewLevel{false, true, true, true, true, true};

    friend bool operator==(const ButtonStates&, const ButtonStates&) = default;
};

// "Show where" for the technique hint on the board: the cells of its pattern
// outlined, the marks the step removes struck (or the digit it places), and a
// one-line explanation. Empty when nothing is shown.
struct BoardHighlight {
    std::array<bool, kCells> Pattern{};
    std::array<std::uint16_t, kCells> Struck{}; // bit d - 1: mark d goes
    int PlacedCell = -1;
    int PlacedDigit = 0;
    std::string Explanation;

    bool Empty() const { return Explanation.empty(); }
    friend bool operator==(const BoardHighlight&, const BoardHighlight&) = default;
};

struct Controls {
    bool BoardEnabled = false;
    std::array<LabelColour, 9> RowLabels{};
    std::array<LabelColour, 9> ColumnLabels{};

    ButtonStates Buttons;
    int SelectedLevelButton = 0; // the option button shown selected, 1..5

    std::array<std::string, 5> StatusPanels = kDesignStatusPanels;
    // Captions of LabelCount(22 + k): how often the grading used technique k.
    std::array<std::string, kTechniqueCount> TechniqueCounts{};
    // LabelHint: shown over count box HintTag - 1, its top at HintTop twips;
    // HintTag is the technique result 1..22 while it is visible, else 0.
    bool HintVisible = false;
    int HintTag = 0;
    int HintTop = 2760;
    BoardHighlight Highlight;

    bool SoundChecked = true;
    bool SoundEnabled = true;

    // The keyboard cursor's cell, -1 until a puzzle is loaded; and whether the
    // cells and marks of the digit under the mouse (or the cursor) are tinted
    // (setting "Options", "Highlight").
    int CursorCell = -1;
    bool SameDigitHighlight = true;

    // Start-up panel with ProgressBar1(1..5), shown until the idle state is first reached.
    bool StartupPanelVisible = true;
    std::array<int, 6> ProgressBar1{};
    // Progress of a running renewal.
    bool ProgressBar2Visible = false;
    int ProgressBar2 = 0;

    friend bool operator==(const Controls&, const Controls&) = default;
};

struct GameView : Controls {
    std::array<CellView, kCells> Cells{};
    std::string LabelStap = "0";
    std::string LabelTijd = "00:00";
    bool TimerEnabled = false;
    std::string Title;

    friend bool operator==(const GameView&, const GameView&) = default;
};

} // namespace dravik
