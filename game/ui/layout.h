// The game window's fixed layout in twips (1/1440 inch, 15 twips to a logical
// pixel): every control with its place, size, caption, colour, font, border and
// tooltip, the board's cells, pencil marks, frame and labels, and the hit test
// that turns a point on the board into the label it falls on. No Qt here: the
// window builds its widgets from these tables, and tests check them directly.
//
// A control of an array is named with its index in brackets, "OptionType(3)",
// "LabelCount(22)"; that name is also the widget's objectName.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/base/colour.h"
#include "game/base/translate.h"
#include "game/model/grid.h"
#include "game/model/levels.h"
#include "game/model/techniques.h"

namespace dravik::ui {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 10725;
inline constexpr int kClientHeightTwips = 9855;

using dravik::FromBgr;
using dravik::Rgb;

inline constexpr Rgb kWindowColour = FromBgr(0xC0C000);   // the window's background
inline constexpr Rgb kGivenColour = FromBgr(0xA00000);    // dark blue digits of the givens
inline constexpr Rgb kWindowText = {0, 0, 0};             // system window text
inline constexpr Rgb kWindowBackground = {255, 255, 255}; // system window background
inline constexpr Rgb kGreyText = {128, 128, 128};         // disabled (greyed) text
inline constexpr Rgb kSelectedLabel = FromBgr(0x0000FF);  // a selected row or column: red
inline constexpr Rgb kFrameColour = {0, 0, 0};

// Background of a technique panel row and of a level's option button by tier 1..5.
constexpr Rgb TierColour(int tier) {
    return FromBgr(LevelOf(tier).tierColour);
}

struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    friend constexpr bool operator==(const TwipRect&, const TwipRect&) = default;
};

enum class ControlKind { Button, Label, CheckBox, OptionButton, Panel, Picture, ProgressBar };
// "MS Sans Serif" is drawn with the platform's default sans-serif font and
// "Arial" with Liberation Sans (same metrics); Default is the dialog font,
// MS Sans Serif 8 pt.
enum class FontFace { Default, SansSerif, Arial };
enum class Align { Left, Centre, Right };

struct FontSpec {
    FontFace face = FontFace::Default;
    double points = 8.0;
    bool bold = false;
};

struct ControlSpec {
    std::string_view name;   // the control's name, or its array's name
    int index = -1;          // the index within its array, -1 for a single control
    std::string_view parent; // the panel it sits in, "" for the window
    ControlKind kind = ControlKind::Label;
    TwipRect rect;            // in the parent's coordinates
    std::string_view caption; // English; the window shows Tr(caption)
    std::string_view tooltip; // English; the window shows Tr(tooltip)
    std::optional<Rgb> back;  // none: the kind's own look (or transparent)
    FontSpec font;
    bool border = false; // single border
    Align align = Align::Left;

    // "OptionType(3)" for an array element, the plain name otherwise.
    std::string ObjectName() const;
};

inline constexpr std::size_t kMainControlCount = 85;
// The entry of `name` (and `index`), or null.
const ControlSpec* FindControl(std::string_view name, int index = -1);

// The status bar's five panels, left to right, along the bottom edge.
inline constexpr int kStatusBarHeightTwips = 330;
inline constexpr std::array<int, 5> kStatusPanelWidthsTwips = {1650, 1350, 3300, 2100, 2325};

// The panels' widths across `total` for texts that need `needed` each: the
// designed widths in proportion, and a panel whose text needs more takes it
// from the room the others do not need. The widths add up to `total`; a text
// may still need more than its panel has when the bar cannot hold them all.
std::array<int, 5> FitStatusPanels(const std::array<int, 5>& needed, int total);

// --- The board ------------------------------------------------------------

// The area the board widget covers: the row and column labels and the frame.
inline constexpr TwipRect kBoardArea = {0, 0, 8880, 8880};

constexpr int CellLeft(int column) {
    return 960 + 840 * column + 120 * (column / 3);
}
constexpr int CellTop(int row) {
    return 960 + 840 * row + 120 * (row / 3);
}
// Grid(i): the cell's digit label, 735 twips square.
constexpr TwipRect DigitRect(int cell) {
    return {CellLeft(cell % 9), CellTop(cell / 9), 735, 735};
}
// Mark d(i): pencil mark d of the cell, 255 twips square, keypad 1 2 3 / 4 5 6 / 7 8 9,
// one mark every 240 twips (a mark overlaps its neighbour's left or top edge).
inline constexpr int kMarkSizeTwips = 255;
inline constexpr int kMarkPitchTwips = 240;
constexpr TwipRect MarkRect(int cell, int digit) {
    return {CellLeft(cell % 9) + kMarkPitchTwips * ((digit - 1) % 3),
            CellTop(cell / 9) + kMarkPitchTwips * ((digit - 1) / 3), kMarkSizeTwips,
            kMarkSizeTwips};
}
// A release on a mark counts only well inside it: off its left and top edge
// and short of the part its neighbours overlap.
constexpr bool MarkReleaseCounts(int x, int y) {
    return x > 0 && x < kMarkPitchTwips && y > 0 && y < kMarkPitchTwips;
}
// LabelRow(r) "A".."H", "J" and LabelColumn(c) "1".."9", 510 twips square.
inline constexpr int kLineLabelSizeTwips = 510;
// A release on a row or column label counts inside it, off its left and top edge.
constexpr bool LineLabelReleaseCounts(int x, int y) {
    return x > 0 && x < kLineLabelSizeTwips && y > 0 && y < kLineLabelSizeTwips;
}
constexpr TwipRect RowLabelRect(int row) {
    return {120, CellTop(row) + 120, kLineLabelSizeTwips, kLineLabelSizeTwips};
}
constexpr TwipRect ColumnLabelRect(int column) {
    return {CellLeft(column) + 120, 120, kLineLabelSizeTwips, kLineLabelSizeTwips};
}
inline constexpr std::array<std::string_view, 9> kRowCaptions = {"A", "B", "C", "D", "E",
                                                                 "F", "G", "H", "J"};

inline constexpr FontSpec kDigitFont = {FontFace::Arial, 30.0, true};
inline constexpr FontSpec kMarkFont = {FontFace::Default, 8.0, false};
inline constexpr FontSpec kLineLabelFont = {FontFace::Arial, 20.25, true};

// The frame: a line from (x1, y1) to (x2, y2), `pixels` wide.
struct FrameLine {
    int x1, y1, x2, y2;
    int pixels;
};
inline constexpr int kFrameLow = 840;
inline constexpr int kFrameHigh = 8760;

namespace detail {

constexpr Rgb kYellow = FromBgr(0x80FFFF);
constexpr Rgb kLightGreen = FromBgr(0xC0FFC0);
constexpr Rgb kLightBlue = FromBgr(0xFFC0C0);
constexpr Rgb kSalmon = FromBgr(0x8080FF);
constexpr Rgb kDarkTeal = FromBgr(0x808000);
constexpr Rgb kHintRed = FromBgr(0x0000FF);
// The level panel's place in the window; the option buttons are placed in
// window coordinates over it, and kept in the panel's.
constexpr TwipRect kLevelPanel = {9000, 840, 1575, 1815};

constexpr ControlSpec Control(std::string_view name, ControlKind kind, TwipRect rect,
                              std::string_view caption = {},
                              std::optional<Rgb> back = std::nullopt) {
    ControlSpec c;
    c.name = name;
    c.kind = kind;
    c.rect = rect;
    c.caption = caption;
    c.back = back;
    return c;
}

constexpr std::array<ControlSpec, kMainControlCount> BuildControls() {
    std::array<ControlSpec, kMainControlCount> all{};
    std::size_t n = 0;
    auto add = [&](ControlSpec c) -> ControlSpec& { return all[n++] = c; };
    using K = ControlKind;

    add(Control("CommandHelp", K::Button, {120, 120, 855, 255},
                QT_TRANSLATE_NOOP("dravik", "Help")));
    add(Control("CommandPrint", K::Button, {120, 480, 855, 255},
                QT_TRANSLATE_NOOP("dravik", "Print...")));
    {
        ControlSpec& c =
            add(Control("LabelTijd", K::Label, {9120, 120, 1335, 495}, "00:00", kLightGreen));
        c.tooltip = QT_TRANSLATE_NOOP("dravik", "Elapsed time");
        c.border = true;
        c.align = Align::Centre;
        c.font = {FontFace::SansSerif, 18.0, true};
    }
    add(Control("chkSound", K::CheckBox, {9240, 600, 1095, 255},
                QT_TRANSLATE_NOOP("dravik", "Sounds"), kWindowColour));

    add(Control("Picture2", K::Panel, kLevelPanel, {}, kDarkTeal));
    {
        ControlSpec& c = add(Control("Label1", K::Label, {120, 120, 1335, 255},
                                     QT_TRANSLATE_NOOP("dravik", "LEVEL"), kWindowBackground));
        c.parent = "Picture2";
    }
    for (int level = 1; level <= kLevels; ++level) {
        ControlSpec& c = add(Control(
            "OptionType", K::OptionButton,
            {9120 - kLevelPanel.left, 1320 + 240 * (level - 1) - kLevelPanel.top, 1095, 255},
            LevelName(level), TierColour(level)));
        c.index = level;
        c.parent = "Picture2";
    }
    for (int level = 1; level <= kLevels; ++level) {
        ControlSpec& c =
            add(Control("RenewLevel", K::Label, {1200, 480 + 240 * (level - 1), 255, 255},
                        QT_TRANSLATE_NOOP("dravik", "R"), FromBgr(LevelOf(level).renewColour)));
        c.index = level;
        c.parent = "Picture2";
        c.tooltip = QT_TRANSLATE_NOOP("dravik", "Renew Level");
        c.align = Align::Centre;
    }
    {
        ControlSpec& c = add(Control("ProgressBar2", K::ProgressBar, {120, 1710, 1335, 90}));
        c.parent = "Picture2";
    }

    for (int k = 0; k < kTechniqueCount; ++k) {
        ControlSpec& c =
            add(Control("LabelCount", K::Label, {9000, 2760 + 240 * k, 1335, 255},
                        kTechniqueTable[static_cast<std::size_t>(k)].caption,
                        TierColour(kTechniqueTable[static_cast<std::size_t>(k)].tier)));
        c.index = k;
        c.border = true;
    }
    for (int k = 0; k < kTechniqueCount; ++k) {
        ControlSpec& c =
            add(Control("LabelCount", K::Label, {10320, 2760 + 240 * k, 255, 255}, {},
                        TierColour(kTechniqueTable[static_cast<std::size_t>(k)].tier)));
        c.index = kTechniqueCount + k;
        c.border = true;
        c.align = Align::Right;
    }
    {
        ControlSpec& c = add(Control("LabelHint", K::Label, {10320, 2760, 255, 255}, {}, kHintRed));
        c.border = true;
    }
    add(Control("cmdPlayers", K::Button, {9000, 8160, 1575, 375},
                QT_TRANSLATE_NOOP("dravik", "Players...")));
    {
        ControlSpec& c = add(Control("Picture1", K::Picture, {9120, 8640, 1335, 735}));
        c.tooltip = QT_TRANSLATE_NOOP("dravik", "Click for KVX-Software website");
    }
    {
        ControlSpec& c =
            add(Control("LabelStap", K::Label, {120, 9000, 615, 375}, "0", kLightGreen));
        c.tooltip = QT_TRANSLATE_NOOP("dravik", "Step counter");
        c.border = true;
        c.align = Align::Centre;
        c.font = {FontFace::SansSerif, 13.5, false};
    }
    add(Control("CommandNew", K::Button, {840, 9000, 855, 375}, QT_TRANSLATE_NOOP("dravik", "Next"),
                kYellow));
    add(Control("CommandOpen", K::Button, {1800, 9000, 855, 375},
                QT_TRANSLATE_NOOP("dravik", "Open..."), kYellow));
    add(Control("CommandRestart", K::Button, {2760, 9000, 855, 375},
                QT_TRANSLATE_NOOP("dravik", "Restart"), kYellow));
    add(Control("CommandUndo", K::Button, {3840, 9000, 855, 375},
                QT_TRANSLATE_NOOP("dravik", "Undo"), kLightGreen));
    add(Control("CommandRedo", K::Button, {4800, 9000, 855, 375},
                QT_TRANSLATE_NOOP("dravik", "Redo"), kLightGreen));
    add(Control("CommandResetCell", K::Button, {5760, 9000, 855, 375},
                QT_TRANSLATE_NOOP("dravik", "Reset Cell"), kLightGreen));
    add(Control("CommandHint", K::Button, {6840, 9000, 855, 375},
                QT_TRANSLATE_NOOP("dravik", "Hint"), kLightBlue));
    add(Control("CommandSolution", K::Button, {7920, 9000, 855, 375},
                QT_TRANSLATE_NOOP("dravik", "Solution"), kSalmon));

    // The start-up panel over the middle of the board.
    {
        ControlSpec& c =
            add(Control("Picture3", K::Panel, {840, 3480, 7935, 2655}, {}, kWindowBackground));
        c.border = true;
    }
    {
        ControlSpec& c = add(Control("Label3", K::Label, {0, 180, 7935, 420},
                                     QT_TRANSLATE_NOOP("dravik", "Generating Sudokus")));
        c.parent = "Picture3";
        c.align = Align::Centre;
        c.font = {FontFace::SansSerif, 13.5, true};
    }
    for (int k = 0; k < kLevels; ++k) {
        ControlSpec& c =
            add(Control("Label2", K::Label, {600, 720 + 360 * k, 1800, 300}, LevelName(k + 1)));
        c.index = k;
        c.parent = "Picture3";
    }
    for (int level = 1; level <= kLevels; ++level) {
        ControlSpec& c = add(
            Control("ProgressBar1", K::ProgressBar, {2520, 720 + 360 * (level - 1), 4800, 240}));
        c.index = level;
        c.parent = "Picture3";
    }

    // One entry more or less than the array holds fails to compile.
    if (n != all.size()) throw "the control count is wrong";
    return all;
}

constexpr std::array<FrameLine, 20> BuildFrame() {
    std::array<FrameLine, 20> lines{};
    std::size_t n = 0;
    // The outer square and the box lines, 4 pixels wide.
    lines[n++] = {kFrameLow, kFrameLow, kFrameHigh, kFrameLow, 4};
    lines[n++] = {kFrameLow, kFrameHigh, kFrameHigh, kFrameHigh, 4};
    lines[n++] = {kFrameLow, kFrameLow, kFrameLow, kFrameHigh, 4};
    lines[n++] = {kFrameHigh, kFrameLow, kFrameHigh, kFrameHigh, 4};
    for (int at : {3480, 6120}) {
        lines[n++] = {at, kFrameLow, at, kFrameHigh, 4};
        lines[n++] = {kFrameLow, at, kFrameHigh, at, 4};
    }
    // The cell lines, 1 pixel wide, across the whole frame.
    for (int x : {1740, 2580, 4380, 5220, 7020, 7860})
        lines[n++] = {x, kFrameLow, x, kFrameHigh, 1};
    for (int y : {1725, 2565, 4365, 5205, 7005, 7845})
        lines[n++] = {kFrameLow, y, kFrameHigh, y, 1};
    return lines;
}

} // namespace detail

// Every control of the game window other than the board (see below), in the
// order they are created (later ones lie on top).
inline constexpr std::array<ControlSpec, kMainControlCount> kMainControls = detail::BuildControls();
constexpr const std::array<ControlSpec, kMainControlCount>& MainControls() {
    return kMainControls;
}
// The frame's twenty lines.
inline constexpr std::array<FrameLine, 20> kFrameLines = detail::BuildFrame();
constexpr const std::array<FrameLine, 20>& FrameLines() {
    return kFrameLines;
}

// What a point of the board falls on. x and y are the point in twips inside
// that label, as its mouse events report them.
struct BoardHit {
    enum class Kind { None, Mark, RowLabel, ColumnLabel } kind = Kind::None;
    int cell = -1; // Mark
    int digit = 0; // Mark
    int line = -1; // RowLabel / ColumnLabel: the row or column
    int x = 0, y = 0;
    friend constexpr bool operator==(const BoardHit&, const BoardHit&) = default;
};

// The label under the board point (x, y) in twips. Only shown pencil marks
// take the mouse (`marksShown` gives each cell's shown marks); where two marks
// overlap, the later one lies on top.
BoardHit HitBoard(int x, int y, const std::array<std::uint16_t, kCells>& marksShown);

// The same label's coordinates for another point, as a label that caught the
// press reports its release (possibly outside the label).
BoardHit Relative(const BoardHit& pressed, int x, int y);

} // namespace dravik::ui
