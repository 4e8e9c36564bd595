// The worked examples of the help pages. An example is a real position (the
// givens, the digits on the board, the marks and the solution); the board on
// the page is drawn from the step the game's own hint search takes there, so
// a page can never show a step the program would not take.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "game/hint/hint_search.h"

namespace dravik {

struct HelpExample {
    std::string id; // the name the pages use: <!-- example ID -->
    int technique = -1;
    std::array<std::uint8_t, kCells> givens{}, board{}, solution{};
    std::array<std::uint16_t, kCells> marks{};
    std::string origin; // where the position comes from
};

// Tab-separated lines: id, technique caption, givens, board, marks (81
// comma-separated fields, '-' for none), solution, origin; '#' lines and blank
// lines are skipped. A line that cannot be read is reported in `errors`.
std::map<std::string, HelpExample> ReadHelpExamples(std::istream& in,
                                                    std::vector<std::string>& errors);

// "" when the position holds together (digits and givens agree with a valid
// solution, every empty cell still marks its solution digit) and the hint on
// it names the example's technique with a sound step; else what is wrong.
// `step` receives the hint's step.
std::string HelpExampleProblem(const HelpExample& example, HintStep& step);

// The example's board as an HTML table (row and column labels, givens, placed
// digits, marks; the pattern's cells tinted, the removed marks struck, a placed
// digit in green) with the step's one-line explanation under it.
std::string RenderHelpExample(const HelpExample& example, const HintStep& step);

// `page` with every "<!-- example ID -->" replaced by that example's board.
// Unknown or broken examples are reported in `errors` and left out.
std::string FillHelpPage(std::string_view page, const std::map<std::string, HelpExample>& examples,
                         std::vector<std::string>& errors);

} // namespace dravik
