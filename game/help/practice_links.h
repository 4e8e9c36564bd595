// The links at the end of every technique page that start the search for a
// puzzle needing the technique: "dravik-practice:XW" (the print code). A page
// shared by several techniques (the subsets) gets one link for each.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dravik {

inline constexpr std::string_view kPracticeScheme = "dravik-practice";

// The HTML of the links for the help page named `page` ("x_wing.html"), ""
// for a page that is no technique's.
std::string PracticeLinksHtml(std::string_view page);
// `html` with the links put before its closing body tag (at the end when it
// has none); unchanged for a page that is no technique's.
std::string WithPracticeLinks(std::string_view html, std::string_view page);
// The technique a link address names ("dravik-practice:XW"), else nullopt.
std::optional<int> PracticeLinkTechnique(std::string_view address);

} // namespace dravik
