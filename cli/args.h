// Small helpers shared by the dravik subcommands.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/model/puzzle_text.h"
#include "game/model/techniques.h"
#include "game/stock/score.h"

namespace dravik::cli {

// Thrown for a bad command line; main prints the message and the usage, exit 2.
struct UsageError {
    std::string message;
};

// Parses an integer option value in [lo, hi]; throws UsageError otherwise.
long long ParseNumber(std::string_view option, std::string_view text, long long lo, long long hi);

// Reads the value after option argv[i] (advancing i); throws UsageError when missing.
std::string_view OptionValue(const std::vector<std::string_view>& args, std::size_t& i);

struct PuzzleInput {
    std::vector<Grid> puzzles;
    std::vector<std::string> texts; // each puzzle's 81 characters as written
    bool hadErrors = false;
};

// Reads puzzle lines from `in`, reporting malformed ones as "line N: reason" on
// `err`, among them puzzles whose givens break the rules ("line N: givens
// clash: two 7s in row J").
PuzzleInput ReadPuzzles(std::istream& in, std::ostream& err);

// The technique counts of an output line: " C0 C1 ... C21", in table order.
void AppendCounts(std::string& line, const std::array<std::int16_t, kTechniqueCount>& counts);
// " RESULT SCORE C0 ... C21": how a grading ends the lines of grade and generate.
void AppendGrading(std::string& line, const Grading& grading);
// The counts' column names in headings and the usage text: "C0..C21".
std::string CountColumns();

// Number of worker threads to use when the caller gave none.
int DefaultThreads();

} // namespace dravik::cli
