#include "game/help/practice_links.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "game/model/techniques.h"

namespace dravik {

std::string PracticeLinksHtml(std::string_view page) {
    std::vector<int> techniques;
    for (int t = 0; t < kTechniqueCount; ++t)
        if (kTechniqueTable[static_cast<std::size_t>(t)].helpPage == page) techniques.push_back(t);
    if (techniques.empty()) return {};
    auto link = [](int t, std::string_view text) {
        return "<a href=\"" + std::string(kPracticeScheme) + ":" +
               std::string(kTechniqueTable[static_cast<std::size_t>(t)].printCode) + "\">" +
               std::string(text) + "</a>";
    };
    std::string html = "<hr><p class=\"practice\">";
    if (techniques.size() == 1) {
        html += link(techniques.front(), "Play a puzzle that needs this technique");
    } else {
        html += "Play a puzzle that needs this technique: ";
        for (std::size_t i = 0; i < techniques.size(); ++i) {
            if (i) html += " &middot; ";
            html += link(techniques[i],
                         kTechniqueTable[static_cast<std::size_t>(techniques[i])].caption);
        }
    }
    return html + "</p>\n";
}

std::string WithPracticeLinks(std::string_view html, std::string_view page) {
    const std::string links = PracticeLinksHtml(page);
    if (links.empty()) return std::string(html);
    std::string lower(html);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::size_t body = lower.rfind("</body");
    std::string out(html);
    out.insert(body == std::string::npos ? out.size() : body, links);
    return out;
}

std::optional<int> PracticeLinkTechnique(std::string_view address) {
    const std::string prefix = std::string(kPracticeScheme) + ":";
    if (address.substr(0, prefix.size()) != prefix) return std::nullopt;
    const std::string_view code = address.substr(prefix.size());
    for (int t = 0; t < kTechniqueCount; ++t)
        if (kTechniqueTable[static_cast<std::size_t>(t)].printCode == code) return t;
    return std::nullopt;
}

} // namespace dravik
