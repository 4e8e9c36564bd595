#include "game/model/puzzle_text.h"

#include <algorithm>

#include "game/model/grid.h"

namespace dravik {

namespace {

bool IsSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f' || ch == '\v';
}

} // namespace

ParsedLine ParsePuzzleLine(std::string_view line) {
    ParsedLine out;
    std::size_t start = 0;
    while (start < line.size() && IsSpace(line[start])) ++start;
    if (start == line.size() || line[start] == '#') return out;

    std::string_view body = line.substr(start);
    std::size_t n = 0;
    while (n < body.size() && !IsSpace(body[n])) ++n;
    if (n != 81) {
        out.kind = ParsedLine::kError;
        out.error = "expected 81 cells, found " + std::to_string(n) + " characters";
        return out;
    }
    for (std::size_t i = 0; i < 81; ++i) {
        const char ch = body[i];
        if (ch >= '1' && ch <= '9') {
            out.puzzle[i] = static_cast<std::int16_t>(ch - '0');
        } else if (ch == '0' || ch == '.') {
            out.puzzle[i] = 0;
        } else {
            out.kind = ParsedLine::kError;
            const unsigned char uc = static_cast<unsigned char>(ch);
            out.error = "cell " + std::to_string(i + 1) + ": unexpected character";
            if (uc >= 0x20 && uc < 0x7f)
                out.error += std::string(" '") + ch + "'";
            else
                out.error += " (byte " + std::to_string(uc) + ")";
            return out;
        }
    }
    out.kind = ParsedLine::kPuzzle;
    return out;
}

std::string GivensClash(const Grid& puzzle) {
    // One pass to see whether anything clashes at all; the search for the
    // clash to name only runs when something does.
    std::array<unsigned, 9> rows{}, columns{}, boxes{};
    bool clash = false;
    for (int c = 0; c < kCells; ++c) {
        const int d = puzzle[c];
        if (d < 1 || d > 9) continue;
        const unsigned bit = 1u << d;
        unsigned& row = rows[CellRow(c)];
        unsigned& column = columns[CellColumn(c)];
        unsigned& box = boxes[CellBox(c)];
        clash |= ((row | column | box) & bit) != 0;
        row |= bit;
        column |= bit;
        box |= bit;
    }
    if (!clash) return {};

    static constexpr const char* kKinds[] = {"row", "column", "box"};
    for (int kind = 0; kind < 3; ++kind)
        for (int unit = 0; unit < 9; ++unit) {
            unsigned seen = 0;
            for (int i = 0; i < 9; ++i) {
                const int cell = kind == 0   ? RowColumnCell(unit, i)
                                 : kind == 1 ? RowColumnCell(i, unit)
                                             : BoxPositionCell(unit, i);
                const int d = puzzle[cell];
                if (d < 1 || d > 9) continue;
                if (!(seen & (1u << d))) {
                    seen |= 1u << d;
                    continue;
                }
                const char name = kind == 0 ? CellName(cell)[0] : static_cast<char>('1' + unit);
                return std::string("two ") + static_cast<char>('0' + d) + "s in " + kKinds[kind] +
                       ' ' + name;
            }
        }
    return {};
}

std::string GridText(const Grid& grid) {
    std::string s(81, '0');
    for (int i = 0; i < 81; ++i)
        if (grid[i] >= 1 && grid[i] <= 9) s[i] = static_cast<char>('0' + grid[i]);
    return s;
}

namespace {

// "-" or digits 1-9 in ascending order.
bool ReadMarksField(std::string_view field, std::uint16_t& mask) {
    mask = 0;
    if (field == "-") return true;
    if (field.empty()) return false;
    int last = 0;
    for (char ch : field) {
        const int d = ch - '0';
        if (d < 1 || d > 9 || d <= last) return false;
        mask |= DigitBit(d);
        last = d;
    }
    return true;
}

} // namespace

std::string ReadMarksText(std::string_view text, std::array<std::uint16_t, kCells>& marks) {
    const std::size_t fields =
        1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), ','));
    if (fields != kCells)
        return "expected 81 comma-separated fields, found " + std::to_string(fields);
    std::size_t start = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const std::size_t comma = text.find(',', start);
        if (!ReadMarksField(text.substr(start, comma - start), marks[cell]))
            return "cell " + std::to_string(cell + 1) +
                   ": expected '-' or digits 1-9 in ascending order";
        start = comma + 1;
    }
    return {};
}

std::string MarksText(const std::array<std::uint16_t, kCells>& marks) {
    std::string s;
    for (int c = 0; c < kCells; ++c) {
        if (c > 0) s += ',';
        const std::size_t before = s.size();
        for (int d = 1; d <= 9; ++d)
            if (marks[c] & DigitBit(d)) s += static_cast<char>('0' + d);
        if (s.size() == before) s += '-';
    }
    return s;
}

} // namespace dravik
