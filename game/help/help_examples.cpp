#include "game/help/help_examples.h"

#include <sstream>

#include "game/hint/board_highlight.h"
#include "game/hint/hint_text.h"
#include "game/model/puzzle_text.h"
#include "game/model/techniques.h"

namespace dravik {

namespace {

std::vector<std::string> SplitOn(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(sep, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos) return parts;
        start = at + 1;
    }
}

bool ReadDigits(const std::string& text, std::array<std::uint8_t, kCells>& grid) {
    if (text.size() != kCells) return false;
    for (int c = 0; c < kCells; ++c) {
        if (text[c] < '0' || text[c] > '9') return false;
        grid[c] = static_cast<std::uint8_t>(text[c] - '0');
    }
    return true;
}

bool ValidSolution(const std::array<std::uint8_t, kCells>& s) {
    for (int u = 0; u < kUnits; ++u) {
        unsigned seen = 0;
        for (int c : kUnitCells[u]) {
            if (s[c] < 1 || s[c] > 9) return false;
            seen |= DigitBit(s[c]);
        }
        if (seen != kAllCandidates) return false;
    }
    return true;
}

// "#rrggbb".
std::string HtmlColour(Rgb c) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string s = "#";
    for (int v : {c.r, c.g, c.b}) {
        s += kHex[v >> 4];
        s += kHex[v & 15];
    }
    return s;
}

const std::string kWhite = "#ffffff";

std::string Escape(std::string_view text) {
    std::string s;
    for (char ch : text) {
        if (ch == '<')
            s += "&lt;";
        else if (ch == '>')
            s += "&gt;";
        else if (ch == '&')
            s += "&amp;";
        else
            s += ch;
    }
    return s;
}

// One cell's border: heavy on the box lines, light inside the boxes.
std::string CellBorder(int row, int column) {
    auto side = [](const char* name, bool heavy) {
        return std::string("border-") + name +
               (heavy ? ": 3px solid #000000; " : ": 1px solid #9a9a9a; ");
    };
    std::string s = side("top", row % 3 == 0) + side("left", column % 3 == 0);
    if (column == 8) s += side("right", true);
    if (row == 8) s += side("bottom", true);
    return s;
}

} // namespace

std::map<std::string, HelpExample> ReadHelpExamples(std::istream& in,
                                                    std::vector<std::string>& errors) {
    std::map<std::string, HelpExample> examples;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto f = SplitOn(line, '\t');
        HelpExample e;
        const std::string where = "examples line " + std::to_string(number) + ": ";
        if (f.size() != 7) {
            errors.push_back(where + "expected 7 fields");
            continue;
        }
        e.id = f[0];
        e.technique = TechniqueByCaption(f[1]);
        e.origin = f[6];
        if (e.technique < 0)
            errors.push_back(where + "unknown technique '" + f[1] + "'");
        else if (!ReadDigits(f[2], e.givens) || !ReadDigits(f[3], e.board) ||
                 !ReadDigits(f[5], e.solution))
            errors.push_back(where + "a grid is not 81 digits");
        else if (!ReadMarksText(f[4], e.marks).empty())
            errors.push_back(where + "the marks are not 81 fields");
        else if (!examples.emplace(e.id, e).second)
            errors.push_back(where + "example '" + e.id + "' twice");
    }
    return examples;
}

std::string HelpExampleProblem(const HelpExample& e, HintStep& step) {
    if (e.technique < 0 || e.technique >= kTechniqueCount) return "no technique";
    if (!ValidSolution(e.solution)) return "the solution is not a solved grid";
    for (int c = 0; c < kCells; ++c) {
        const std::string cell = " at " + CellText(c);
        if (e.givens[c] && e.board[c] != e.givens[c]) return "the board lacks the given" + cell;
        if (e.board[c] && e.board[c] != e.solution[c]) return "a wrong digit" + cell;
        if (!e.board[c] && !(e.marks[c] & DigitBit(e.solution[c])))
            return "the solution's mark is missing" + cell;
    }
    HintSearch search;
    const HintResult result = search.Search(HintBoard{e.board, e.marks, e.solution, e.givens, 5});
    step = search.Step();
    if (!result.IsTechnique() || result.technique != e.technique)
        return "the hint here is " + std::to_string(HintCode(result)) + ", not " +
               std::string(TechniqueCaption(e.technique));
    for (const GridChange& ch : step.changes)
        if (ch.placed != (ch.digit == e.solution[ch.cell])) return "the step loses the solution";
    return {};
}

std::string RenderHelpExample(const HelpExample& e, const HintStep& step) {
    const BoardHighlight shown = HighlightOf(step);
    const std::string patternFill = HtmlColour(kPatternFill),
                      struckCell = HtmlColour(kStruckCellFill),
                      placedCell = HtmlColour(kPlacedCellFill),
                      struckMark = HtmlColour(kStruckMark), placedMark = HtmlColour(kPlacedMark),
                      placedFill = HtmlColour(kPlacedFill);

    std::ostringstream h;
    h << "<table class=\"board\" cellspacing=\"0\" cellpadding=\"2\" "
         "style=\"border-collapse: collapse; margin: 8px 0px\">\n<tr><td></td>";
    for (int column = 0; column < 9; ++column)
        h << "<td align=\"center\" style=\"color: #555555\"><b>" << column + 1 << "</b></td>";
    h << "</tr>\n";
    for (int row = 0; row < 9; ++row) {
        h << "<tr><td valign=\"middle\" style=\"color: #555555; padding-right: 4px\"><b>"
          << "ABCDEFGHJ"[row] << "</b></td>";
        for (int column = 0; column < 9; ++column) {
            const int c = 9 * row + column;
            const std::string& back = c == shown.PlacedCell ? placedCell
                                      : shown.Pattern[c]    ? patternFill
                                      : shown.Struck[c]     ? struckCell
                                                            : kWhite;
            h << "<td align=\"center\" valign=\"middle\" width=\"44\" bgcolor=\"" << back
              << "\" style=\"" << CellBorder(row, column) << "width: 44px; height: 44px\">";
            if (e.board[c]) {
                const bool given = e.givens[c] != 0;
                h << "<span style=\"font-size: 22pt; font-weight: bold; color: "
                  << (given ? "#00007f" : "#000000") << "\">" << int(e.board[c]) << "</span>";
            } else {
                h << "<tt style=\"font-size: 8pt\">";
                for (int d = 1; d <= 9; ++d) {
                    if (d > 1) h << ((d - 1) % 3 == 0 ? "<br>" : "&nbsp;");
                    if (!(e.marks[c] & DigitBit(d)))
                        h << "&nbsp;";
                    else if (shown.Struck[c] & DigitBit(d))
                        h << "<span style=\"color: " << struckMark
                          << "; font-weight: bold; text-decoration: line-through\">" << d
                          << "</span>";
                    else if (c == shown.PlacedCell && d == shown.PlacedDigit)
                        h << "<span style=\"color: " << placedMark
                          << "; font-weight: bold; background-color: " << placedFill << "\">" << d
                          << "</span>";
                    else
                        h << d;
                }
                h << "</tt>";
            }
            h << "</td>";
        }
        h << "</tr>\n";
    }
    h << "</table>\n<p class=\"step\"><b>The step:</b> " << Escape(shown.Explanation) << ".<br>\n"
      << "<small>Yellow cells make the pattern; "
      << (shown.PlacedCell >= 0 ? "the green mark is the digit the step places."
                                : "the marks struck in red are the ones the step removes.")
      << " Blue digits are givens.</small></p>\n";
    return h.str();
}

std::string FillHelpPage(std::string_view page, const std::map<std::string, HelpExample>& examples,
                         std::vector<std::string>& errors) {
    constexpr std::string_view kOpen = "<!-- example ", kClose = " -->";
    std::string out;
    std::size_t at = 0;
    for (;;) {
        const std::size_t open = page.find(kOpen, at);
        if (open == std::string_view::npos) break;
        const std::size_t close = page.find(kClose, open + kOpen.size());
        if (close == std::string_view::npos) break;
        out += page.substr(at, open - at);
        const std::string id(page.substr(open + kOpen.size(), close - open - kOpen.size()));
        at = close + kClose.size();
        const auto found = examples.find(id);
        if (found == examples.end()) {
            errors.push_back("no example '" + id + "'");
            continue;
        }
        HintStep step;
        if (const std::string problem = HelpExampleProblem(found->second, step); !problem.empty()) {
            errors.push_back("example '" + id + "': " + problem);
            continue;
        }
        out += RenderHelpExample(found->second, step);
    }
    out += page.substr(at);
    return out;
}

} // namespace dravik
