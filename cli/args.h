// Small helpers shared by the dravik subcommands.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
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

// Longest input line looked at; a longer one is reported and skipped.
inline constexpr std::size_t kMaxLineLength = 1 << 20;

// The lines of `in` one at a time, each at most kMaxLineLength characters:
// the rest of a longer line is skipped and the line is reported as too long.
class LineReader {
  public:
    explicit LineReader(std::istream& in);
    enum class Got { kLine, kTooLong, kEnd };
    // The next line (without its line break) in `line`, valid until the next call.
    Got Next(std::string_view& line);
    // The number of the line last read, from 1.
    long long Number() const { return number_; }

  private:
    std::istream& in_;
    std::unique_ptr<char[]> buffer_; // kMaxLineLength + 1 characters
    long long number_ = 0;
};

// Reads puzzle lines from `in` one at a time, skipping blank and comment lines
// and reporting each malformed one as "line N: reason" on `err`: a line that is
// not puzzle text, longer than kMaxLineLength, or whose givens break the rules
// ("line N: givens clash: two 7s in row J").
class PuzzleReader {
  public:
    PuzzleReader(std::istream& in, std::ostream& err);

    // The next puzzle and its 81 characters as written; false at the end.
    bool Next(Grid& puzzle, std::string& text);
    // Appends the 81 characters of the puzzle to `texts` instead.
    bool NextInto(Grid& puzzle, std::string& texts);
    bool HadErrors() const { return hadErrors_; }

  private:
    void Report(const std::string& reason);

    LineReader lines_;
    std::ostream& err_;
    bool hadErrors_ = false;
};

struct PuzzleInput {
    std::vector<Grid> puzzles;
    std::vector<std::string> texts; // each puzzle's 81 characters as written
    bool hadErrors = false;
};

// All of `in` through a PuzzleReader.
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
