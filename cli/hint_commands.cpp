// dravik hint: the game's hint on board states given as text.
#include <istream>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/args.h"
#include "cli/commands.h"
#include "game/hint/hint_text.h"

namespace dravik::cli {

namespace {

bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f' || ch == '\v';
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsSpace(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsSpace(line[i])) ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

struct BoardState {
    std::array<std::uint8_t, kCells> played{}, solution{}, givens{};
    std::array<std::uint16_t, kCells> marks{};
    int level = 0;
};

Grid ToGrid(const std::array<std::uint8_t, kCells>& digits) {
    Grid g{};
    for (int c = 0; c < kCells; ++c) g[c] = static_cast<std::int16_t>(digits[c]);
    return g;
}

// A field of puzzle text into `grid`; "" or the reason it is not one.
std::string ReadGrid(std::string_view name, std::string_view field,
                     std::array<std::uint8_t, kCells>& grid) {
    const ParsedLine parsed = ParsePuzzleLine(field);
    if (parsed.kind != ParsedLine::kPuzzle) return std::string(name) + ": " + parsed.error;
    for (int c = 0; c < kCells; ++c) grid[c] = static_cast<std::uint8_t>(parsed.puzzle[c]);
    return {};
}

// The board state of a line; "" or the reason it is not one.
std::string ReadState(const std::vector<std::string_view>& fields, BoardState& s) {
    if (fields.size() < 5)
        return "expected 5 fields (PLAYED MARKS SOLUTION GIVENS LEVEL), found " +
               std::to_string(fields.size());
    if (std::string e = ReadGrid("played", fields[0], s.played); !e.empty()) return e;

    if (std::string e = ReadMarksText(fields[1], s.marks); !e.empty()) return "marks: " + e;

    if (std::string e = ReadGrid("solution", fields[2], s.solution); !e.empty()) return e;
    if (std::string e = ReadGrid("givens", fields[3], s.givens); !e.empty()) return e;
    if (fields[4].size() != 1 || fields[4][0] < '1' || fields[4][0] > '5')
        return "level: expected 1 to 5";
    s.level = fields[4][0] - '0';

    if (const std::string clash = GivensClash(ToGrid(s.givens)); !clash.empty())
        return "givens clash: " + clash;
    for (int c = 0; c < kCells; ++c) {
        if (s.solution[c] == 0) return "solution: cell " + CellText(c) + " is empty";
        if (s.givens[c] == 0) continue;
        if (s.solution[c] != s.givens[c])
            return "solution: cell " + CellText(c) + " clashes with the given " +
                   std::to_string(s.givens[c]);
        if (s.played[c] != s.givens[c])
            return "played: cell " + CellText(c) + " does not show the given " +
                   std::to_string(s.givens[c]);
    }
    // A complete grid, so this names any digit it holds twice.
    if (const std::string clash = GivensClash(ToGrid(s.solution)); !clash.empty())
        return "solution: " + clash;
    return {};
}

} // namespace

int RunHint(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    bool where = false;
    for (const auto& a : args) {
        if (a == "--where")
            where = true;
        else
            throw UsageError{"hint: unknown argument '" + std::string(a) + "'"};
    }
    HintSearch search;
    bool hadErrors = false;
    std::string text;
    const std::unique_ptr<char[]> buffer(new char[kMaxLineLength + 1]);
    long long number = 0;
    for (;;) {
        in.getline(buffer.get(), static_cast<std::streamsize>(kMaxLineLength + 1));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0) break; // the end of the input
        ++number;
        if (in.fail()) {
            // Longer than the buffer: skip the rest of it.
            in.clear();
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            err << "line " << number << ": line longer than " << kMaxLineLength << " characters\n";
            hadErrors = true;
            continue;
        }
        // The count includes the line break taken off, unless the input ended.
        const std::string_view line(buffer.get(), in.eof() ? got : got - 1);
        const auto fields = Fields(line);
        if (fields.empty() || fields[0].front() == '#') continue;
        BoardState state;
        if (const std::string reason = ReadState(fields, state); !reason.empty()) {
            err << "line " << number << ": " << reason << '\n';
            hadErrors = true;
            continue;
        }
        const HintResult result = search.Search(
            HintBoard{state.played, state.marks, state.solution, state.givens, state.level});
        text = std::to_string(HintCode(result));
        if (where && result.IsTechnique()) text += ' ' + WhereText(search.Step());
        text += '\n';
        out << text;
    }
    out.flush();
    return hadErrors ? 1 : 0;
}

} // namespace dravik::cli
