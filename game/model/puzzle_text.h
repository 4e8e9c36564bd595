// The puzzle line format shared by the command and the tests: 81 characters,
// '1'-'9' a given, '0' or '.' an empty cell, anything after them ignored once
// white space separates it.
#pragma once

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

// 81 digits, '0' for an empty cell.
std::string GridText(const Grid& grid);

} // namespace dravik
