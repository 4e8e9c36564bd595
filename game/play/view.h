// Everything the game window shows, as plain values. The window draws this and
// nothing else; the game object keeps it up to date in every handler.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/model/grid.h"
#include "game/model/techniques.h"

namespace dravik {

enum class DigitColour { Normal, Given };
// Row and column labels start in the window text colour; a click turns them
// red (selected) or black.
enum class LabelColour { WindowText, Black, Red };

struct CellView {
    std::uint8_t Digit = 0; // 0: the digit label is empty
    DigitColour Colour = DigitColour::Normal;
    std::uint16_t MarksShown = kAllCandidates; // bit d - 1: pencil mark d visible
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

struct GameView {
    std::array<CellView, kCells> Cells{};
    bool BoardEnabled = false;
    std::array<LabelColour, 9> RowLabels{};
    std::array<LabelColour, 9> ColumnLabels{};

    ButtonStates Buttons;
    int SelectedLevelButton = 0; // the option button shown selected, 1..5

    std::string LabelStap = "0";
    std::string LabelTijd = "00:00";
    bool TimerEnabled = false;
    std::array<std::string, 5> StatusPanels{"Level: ----", "Number: --",
                                            "Best Time: 00:00 (No Best Time Yet)",
                                            "Level Best Time: 00:00", "Level Average Time: 00:00"};
    std::string Title;
    // Captions of LabelCount(22 + k): how often the grading used technique k.
    std::array<std::string, kTechniqueCount> TechniqueCounts{};
    bool HintVisible = false;

    bool SoundChecked = true;
    bool SoundEnabled = true;

    // Start-up panel with ProgressBar1(1..5), shown until the idle state is first reached.
    bool StartupPanelVisible = true;
    std::array<int, 6> ProgressBar1{};
    // Progress of a running renewal.
    bool ProgressBar2Visible = false;
    int ProgressBar2 = 0;
};

} // namespace dravik
