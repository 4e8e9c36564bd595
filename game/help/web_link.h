// The logo's link to the maker's web site, opened by the desktop's own URL
// handler. The handler is an interface so the game can be tested without a
// browser; the failures it can tell apart get the two messages of the link.
#pragma once

#include <string_view>

#include "game/ports/prompt.h"
#include "game/ports/url_opener.h"

namespace dravik {

// The maker's web site: the program's one address.
inline constexpr std::string_view kWebSiteAddress = "https://kvx-software.example/dravik-sudoku/";

// The logo's click: opens kWebSiteAddress and reports a failure through `prompt`
// ("Browser Not Found" or "URL Failed", exclamation icon, OK). Returns the outcome.
LinkOutcome OpenWebSite(UrlOpener& opener, Prompt& prompt);

} // namespace dravik
