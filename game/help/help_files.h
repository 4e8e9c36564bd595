// Where the help pages live. Everything that opens a page asks here, so the
// help folder has one definition: on Windows the fixed installation folder,
// elsewhere the "help" folder beside the program's other data files (the
// program folder, found from the executable, so an installed copy works).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dravik {

inline constexpr std::string_view kHelpIndexPage = "index.html";

// The help folder for a program folder that ends in a separator.
std::string HelpFolder(const std::string& programFolder);
// A page's full path.
std::string HelpPagePath(const std::string& programFolder, std::string_view page);

// Every page the help folder must hold: the index, then each technique page of
// the technique table once, in table order.
std::vector<std::string_view> HelpPages();

} // namespace dravik
