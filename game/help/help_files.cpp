#include "game/help/help_files.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>

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

namespace {

std::string LowerName(std::string_view text, std::size_t& at) {
    std::string name;
    while (at < text.size() && (std::isalnum(static_cast<unsigned char>(text[at])) != 0)) {
        if (name.size() < 16)
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
        ++at;
    }
    return name;
}

bool IsVoidElement(std::string_view name) {
    static constexpr std::array<std::string_view, 16> kVoid = {
        "area", "base", "br",    "col",    "embed", "hr",  "img",      "input",
        "link", "meta", "param", "source", "track", "wbr", "basefont", "frame"};
    return std::find(kVoid.begin(), kVoid.end(), name) != kVoid.end();
}

// Whether an opening `name` first closes the open element `open`, as HTML has
// it for paragraphs, list items and table cells.
bool ClosedBy(std::string_view open, std::string_view name) {
    auto isOneOf = [](std::string_view n, std::initializer_list<std::string_view> names) {
        return std::find(names.begin(), names.end(), n) != names.end();
    };
    if (open == "p")
        return isOneOf(name,
                       {"p",  "div", "ul",  "ol",         "dl", "li", "dt", "dd", "table", "tr",
                        "td", "th",  "pre", "blockquote", "h1", "h2", "h3", "h4", "h5",    "h6"});
    if (name == "li") return open == "li";
    if (isOneOf(name, {"dt", "dd"})) return isOneOf(open, {"dt", "dd"});
    if (isOneOf(name, {"td", "th"})) return isOneOf(open, {"td", "th"});
    if (name == "tr") return isOneOf(open, {"td", "th", "tr"});
    return false;
}

} // namespace

std::string HelpPageProblem(std::string_view html) {
    std::vector<std::string> open;
    int tables = 0;
    std::size_t at = 0;
    while ((at = html.find('<', at)) != std::string_view::npos) {
        ++at;
        if (html.substr(at, 3) == "!--") {
            const std::size_t end = html.find("-->", at + 3);
            if (end == std::string_view::npos) break;
            at = end + 3;
            continue;
        }
        const bool closing = at < html.size() && html[at] == '/';
        if (closing) ++at;
        const std::string name = LowerName(html, at);
        const std::size_t end = html.find('>', at);
        if (end == std::string_view::npos) break;
        const bool selfClosing = end > at && html[end - 1] == '/';
        at = end + 1;
        if (name.empty()) continue; // <!DOCTYPE ...>, <?...?>, a stray '<'
        if (closing) {
            // Up to the element it closes; an end tag without one is ignored.
            const auto it = std::find(open.rbegin(), open.rend(), name);
            if (it == open.rend()) continue;
            for (auto n = open.rbegin(); n != it + 1; ++n) tables -= *n == "table";
            open.erase(it.base() - 1, open.end());
            continue;
        }
        if (selfClosing || IsVoidElement(name)) continue;
        while (!open.empty() && ClosedBy(open.back(), name)) {
            tables -= open.back() == "table";
            open.pop_back();
        }
        open.push_back(name);
        if (name == "table" && ++tables > kMaxHelpTableNesting)
            return "its tables are nested more than " + std::to_string(kMaxHelpTableNesting) +
                   " deep";
        if (static_cast<int>(open.size()) > kMaxHelpNesting)
            return "its elements are nested more than " + std::to_string(kMaxHelpNesting) + " deep";
    }
    return {};
}

std::vector<std::string_view> HelpPages() {
    std::vector<std::string_view> pages{kHelpIndexPage, kKeysHelpPage};
    for (const TechniqueInfo& t : kTechniqueTable)
        if (std::find(pages.begin(), pages.end(), t.helpPage) == pages.end())
            pages.push_back(t.helpPage);
    return pages;
}

} // namespace dravik
