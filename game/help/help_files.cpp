#include "game/help/help_files.h"

#include <algorithm>

#include "game/model/techniques.h"

namespace dravik {

std::string HelpFolder(const std::string& programFolder) {
#ifdef _WIN32
    (void)programFolder;
    return "C:\\KVX_Help\\Dravik_Sudoku\\";
#else
    return programFolder + "help/";
#endif
}

std::string HelpPagePath(const std::string& programFolder, std::string_view page) {
    return HelpFolder(programFolder) + std::string(page);
}

std::vector<std::string_view> HelpPages() {
    std::vector<std::string_view> pages{kHelpIndexPage};
    for (const TechniqueInfo& t : kTechniqueTable)
        if (std::find(pages.begin(), pages.end(), t.helpPage) == pages.end())
            pages.push_back(t.helpPage);
    return pages;
}

} // namespace dravik
