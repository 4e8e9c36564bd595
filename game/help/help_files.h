// Where the help pages live. Everything that opens a page asks here, so the
// help folder has one definition: on Windows the fixed installation folder,
// elsewhere the "help" folder beside the program's other data files (the
// program folder, found from the executable, so an installed copy works).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dravik {

inline constexpr std::string_view kHelpIndexPage = "index.html";
// Every key and mouse action of the game window.
inline constexpr std::string_view kKeysHelpPage = "keyboard_and_mouse.html";

// The help folder for a program folder that ends in a separator.
std::string HelpFolder(const std::string& programFolder);
// A page's full path.
std::string HelpPagePath(const std::string& programFolder, std::string_view page);

// What the help window takes from the help folder: pages and style sheets of
// at most 1 MB, images of at most 4 MB (ours are a few KB), each a plain file.
inline constexpr std::size_t kMaxHelpPageBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxHelpImageBytes = std::size_t{4} << 20;
// The text browser's layout time grows fast with nesting: four times over for
// each table inside a table (20 deep takes a minute), and with the square of
// other elements' depth (100,000 deep takes hours). Our pages nest a few
// elements deep and no table inside another; a page beyond these is refused.
inline constexpr int kMaxHelpNesting = 256;
inline constexpr int kMaxHelpTableNesting = 4;

// Why the help window refuses the page `html`, or empty when it shows it: its
// elements nest deeper than kMaxHelpNesting, or its tables deeper than
// kMaxHelpTableNesting. Elements that close themselves (br, img, ...) and
// paragraphs, list items and table cells that the next one closes count as
// HTML has them.
std::string HelpPageProblem(std::string_view html);

// Every page the help folder must hold: the index, the keyboard and mouse
// page, then each technique page of the technique table once, in table order.
std::vector<std::string_view> HelpPages();

} // namespace dravik
