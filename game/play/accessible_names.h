// What a screen reader says for the window's parts that do not read their own
// caption: a cell of the board by its state ("A1, given 5", "C7, empty, marks
// 1 4 9", "D2, 6"), the clock ("Time 00:03"), a technique's count
// ("Skyscraper: 1") and a level's renew label ("Renew Hard"). The names are
// made from the same texts the window shows, and from the view alone, so a
// name never tells more than the board does: a wrong digit reads like any
// other placed digit.
#pragma once

#include "game/base/translate.h"
#include <string>
#include <string_view>

#include "game/play/view.h"

namespace dravik {

// The words a cell's name is made of, besides its row letter and column number.
inline constexpr std::string_view kCellGivenWord = QT_TRANSLATE_NOOP("dravik", "given");
inline constexpr std::string_view kCellEmptyWord = QT_TRANSLATE_NOOP("dravik", "empty");
inline constexpr std::string_view kCellMarksWord = QT_TRANSLATE_NOOP("dravik", "marks");
inline constexpr std::string_view kClockWord = QT_TRANSLATE_NOOP("dravik", "Time");
inline constexpr std::string_view kRenewWord = QT_TRANSLATE_NOOP("dravik", "Renew");

// Appends the name of `cell` (0..80) showing `view` to `out`.
void AppendCellName(std::string& out, int cell, const CellView& view);
std::string CellAccessibleName(int cell, const CellView& view);

// "Time 00:03" for the clock's text "00:03".
std::string ClockAccessibleName(std::string_view time);
// "Skyscraper: 1" for technique `technique` (0..21) and its shown count; the
// caption alone while no puzzle gives it a count.
std::string TechniqueCountAccessibleName(int technique, std::string_view count);
// "Renew Hard" for level 4.
std::string RenewAccessibleName(int level);

} // namespace dravik
