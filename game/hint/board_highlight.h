// What "Show where" puts on a board for a hint step: the cells of its pattern,
// the marks the step removes (or the digit it places) and a one-line
// explanation. The game window's board and the help pages' worked examples
// both draw it, in the colours below.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/base/colour.h"
#include "game/hint/hint_search.h"

namespace dravik {

struct BoardHighlight {
    std::array<bool, kCells> Pattern{};
    std::array<std::uint16_t, kCells> Struck{}; // bit d - 1: mark d goes
    int PlacedCell = -1;
    int PlacedDigit = 0;
    std::string Explanation;

    bool Empty() const { return Explanation.empty(); }
    friend bool operator==(const BoardHighlight&, const BoardHighlight&) = default;
};

// The highlight of `step`; empty for no step.
BoardHighlight HighlightOf(const HintStep& step);

// The colours of a highlight.
inline constexpr Rgb kPatternFill = FromRgb(0xFFF4B0);    // a pattern cell
inline constexpr Rgb kPatternEdge = FromRgb(0xE06000);    // its outline on the board
inline constexpr Rgb kStruckMark = FromRgb(0xD20000);     // a mark the step removes
inline constexpr Rgb kStruckFill = FromRgb(0xFFCDCD);     // behind it on the board
inline constexpr Rgb kStruckCellFill = FromRgb(0xFDE2E2); // a cell that loses marks, on a page
inline constexpr Rgb kPlacedMark = FromRgb(0x006E00);     // the digit the step places
inline constexpr Rgb kPlacedFill = FromRgb(0xAAEBAA);     // behind it
inline constexpr Rgb kPlacedCellFill = FromRgb(0xD6F2D6); // the cell it goes to, on a page

} // namespace dravik
