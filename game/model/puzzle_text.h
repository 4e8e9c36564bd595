// The puzzle line format shared by the command and the tests: 81 characters,
// '1'-'9' a given, '0' or '.' an empty cell, anything after them ignored once
// white space separates it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/model/solver.h"

namespace dravik {

struct ParsedLine {
    enum Kind { kPuzzle, kSkip, kError } kind = kSkip;
    Grid puzzle{};
    std::string error; // reason, for kError
};

// Blank lines and lines starting with '#' are kSkip.
ParsedLine ParsePuzzleLine(std::string_view line);

// How the givens of `puzzle` break the rules, or empty when they do not: "two 7s
// in row J", "... in column 3", "... in box 5". Rows are named A-H and J as
// cells are, columns and boxes 1-9, boxes left to right and top to bottom.
// Rows are checked first, then columns, then boxes; in each, the first digit
// found a second time is named.
std::string GivensClash(const Grid& puzzle);

// 81 digits, '0' for an empty cell.
std::string GridText(const Grid& grid);

// Pencil marks as text: 81 comma-separated fields, each the digits marked in
// that cell in ascending order, or '-' for none. Returns "" when `text` reads
// into `marks`, else why not.
std::string ReadMarksText(std::string_view text, std::array<std::uint16_t, kCells>& marks);
std::string MarksText(const std::array<std::uint16_t, kCells>& marks);

} // namespace dravik
