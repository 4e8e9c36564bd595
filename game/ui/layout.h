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

#include "game/model/grid.h"
#include "game/model/techniques.h"

namespace dravik::ui {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 10725;
inline constexpr int kClientHeightTwips = 9855;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour written the platform's way, 0x00BBGGRR.
constexpr Rgb FromBgr(std::uint32_t bgr) {
    return {static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
            static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
}

inline constexpr Rgb kWindowColour = FromBgr(0xC0C000);   // the window's background
inline constexpr Rgb kGivenColour = FromBgr(0xA00000);    // dark blue digits of the givens
inline constexpr Rgb kWindowText = {0, 0, 0};             // system window text
inline constexpr Rgb kWindowBackground = {255, 255, 255}; // system window background
inline constexpr Rgb kGreyText = {128, 128, 128};         // disabled (greyed) text
inline constexpr Rgb kSelectedLabel = FromBgr(0x0000FF);  // a selected row or column: red
inline constexpr Rgb kFrameColour = {0, 0, 0};

// Background of a technique panel row and of a level's option button by tier 1..5.
constexpr Rgb TierColour(int tier) {
    constexpr std::array<std::uint32_t, 5> kBgr = {0xFFFFFF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0,
                                                   0xFFC0C0};
    return FromBgr(kBgr[static_cast<std::size_t>(tier < 1 ? 0 : tier > 5 ? 4 : tier - 1)]);
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
    TwipRect rect; // in the parent's coordinates
    std::string_view caption;
    std::string_view tooltip;
    std::optional<Rgb> back; // none: the kind's own look (or transparent)
    FontSpec font;
    bool border = false; // single border
    Align align = Align::Left;

    // "OptionType(3)" for an array element, the plain name otherwise.
    std::string ObjectName() const;
};

// Every control of the game window other than the board (see below), in the
// order they are created (later ones lie on top).
inline constexpr std::size_t kMainControlCount = 85;
const std::array<ControlSpec, kMainControlCount>& MainControls();
// The entry of `name` (and `index`), or null.
const ControlSpec* FindControl(std::string_view name, int index = -1);

// The status bar's five panels, left to right, along the bottom edge.
inline constexpr int kStatusBarHeightTwips = 330;
inline constexpr std::array<int, 5> kStatusPanelWidthsTwips = {1650, 1350, 3300, 2100, 2325};

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
// Mark d(i): pencil mark d of the cell, 255 twips square, keypad 1 2 3 / 4 5 6 / 7 8 9.
inline constexpr int kMarkSizeTwips = 255;
constexpr TwipRect MarkRect(int cell, int digit) {
    return {CellLeft(cell % 9) + 240 * ((digit - 1) % 3),
            CellTop(cell / 9) + 240 * ((digit - 1) / 3), kMarkSizeTwips, kMarkSizeTwips};
}
// LabelRow(r) "A".."H", "J" and LabelColumn(c) "1".."9", 510 twips square.
inline constexpr int kLineLabelSizeTwips = 510;
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
const std::array<FrameLine, 20>& FrameLines();

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
