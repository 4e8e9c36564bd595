#include "cli/args.h"

#include <charconv>
#include <istream>
#include <limits>
#include <ostream>
#include <thread>

namespace dravik::cli {

long long ParseNumber(std::string_view option, std::string_view text, long long lo, long long hi) {
    long long value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < lo || value > hi)
        throw UsageError{std::string(option) + " expects a whole number from " +
                         std::to_string(lo) + " to " + std::to_string(hi) + ", not '" +
                         std::string(text) + "'"};
    return value;
}

std::string_view OptionValue(const std::vector<std::string_view>& args, std::size_t& i) {
    if (i + 1 >= args.size()) throw UsageError{std::string(args[i]) + " needs a value"};
    return args[++i];
}

LineReader::LineReader(std::istream& in) : in_(in), buffer_(new char[kMaxLineLength + 1]) {}

LineReader::Got LineReader::Next(std::string_view& line) {
    in_.getline(buffer_.get(), static_cast<std::streamsize>(kMaxLineLength + 1));
    const auto got = static_cast<std::size_t>(in_.gcount());
    if (got == 0) return Got::kEnd;
    ++number_;
    if (in_.fail()) {
        // Longer than the buffer: skip the rest of it.
        in_.clear();
        in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        return Got::kTooLong;
    }
    // The count includes the line break taken off, unless the input ended.
    line = std::string_view(buffer_.get(), in_.eof() ? got : got - 1);
    return Got::kLine;
}

PuzzleReader::PuzzleReader(std::istream& in, std::ostream& err) : lines_(in), err_(err) {}

void PuzzleReader::Report(const std::string& reason) {
    err_ << "line " << lines_.Number() << ": " << reason << '\n';
    hadErrors_ = true;
}

bool PuzzleReader::NextInto(Grid& puzzle, std::string& texts) {
    for (;;) {
        std::string_view line;
        const LineReader::Got got = lines_.Next(line);
        if (got == LineReader::Got::kEnd) return false;
        if (got == LineReader::Got::kTooLong) {
            Report("line longer than " + std::to_string(kMaxLineLength) + " characters");
            continue;
        }
        const ParsedLine parsed = ParsePuzzleLine(line);
        if (parsed.kind == ParsedLine::kSkip) continue;
        if (parsed.kind == ParsedLine::kError) {
            Report(parsed.error);
            continue;
        }
        if (const std::string clash = GivensClash(parsed.puzzle); !clash.empty()) {
            Report("givens clash: " + clash);
            continue;
        }
        puzzle = parsed.puzzle;
        // The 81 characters as the user wrote them (after leading white space).
        const auto start = line.find_first_not_of(" \t\r\n\f\v");
        texts.append(line.substr(start, 81));
        return true;
    }
}

bool PuzzleReader::Next(Grid& puzzle, std::string& text) {
    text.clear();
    return NextInto(puzzle, text);
}

PuzzleInput ReadPuzzles(std::istream& in, std::ostream& err) {
    PuzzleInput input;
    PuzzleReader reader(in, err);
    Grid puzzle;
    std::string text;
    while (reader.Next(puzzle, text)) {
        input.puzzles.push_back(puzzle);
        input.texts.push_back(text);
    }
    input.hadErrors = reader.HadErrors();
    return input;
}

namespace {

// " " and the number, without a temporary string: grade writes 24 per puzzle.
void AppendNumber(std::string& line, long long value) {
    char digits[24];
    digits[0] = ' ';
    const auto [end, ec] = std::to_chars(digits + 1, digits + sizeof digits, value);
    line.append(digits, static_cast<std::size_t>(end - digits));
}

} // namespace

void AppendCounts(std::string& line, const std::array<std::int16_t, kTechniqueCount>& counts) {
    for (const auto c : counts) AppendNumber(line, c);
}

void AppendGrading(std::string& line, const Grading& grading) {
    AppendNumber(line, grading.result);
    AppendNumber(line, grading.score);
    AppendCounts(line, grading.counts);
}

std::string CountColumns() {
    return "C0..C" + std::to_string(kTechniqueCount - 1);
}

int DefaultThreads() {
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

} // namespace dravik::cli
