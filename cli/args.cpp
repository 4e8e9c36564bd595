#include "cli/args.h"

#include <charconv>
#include <istream>
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

PuzzleInput ReadPuzzles(std::istream& in, std::ostream& err) {
    PuzzleInput input;
    std::string line;
    long long number = 0;
    while (std::getline(in, line)) {
        ++number;
        ParsedLine parsed = ParsePuzzleLine(line);
        if (parsed.kind == ParsedLine::kSkip) continue;
        if (parsed.kind == ParsedLine::kError) {
            err << "line " << number << ": " << parsed.error << '\n';
            input.hadErrors = true;
            continue;
        }
        if (const std::string clash = GivensClash(parsed.puzzle); !clash.empty()) {
            err << "line " << number << ": givens clash: " << clash << '\n';
            input.hadErrors = true;
            continue;
        }
        input.puzzles.push_back(parsed.puzzle);
        // The 81 characters as the user wrote them (after leading white space).
        const auto start = line.find_first_not_of(" \t\r\n\f\v");
        input.texts.push_back(line.substr(start, 81));
    }
    return input;
}

void AppendCounts(std::string& line, const std::array<std::int16_t, kTechniqueCount>& counts) {
    for (const auto c : counts) {
        line += ' ';
        line += std::to_string(c);
    }
}

void AppendGrading(std::string& line, const Grading& grading) {
    line += ' ';
    line += std::to_string(grading.result);
    line += ' ';
    line += std::to_string(grading.score);
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
