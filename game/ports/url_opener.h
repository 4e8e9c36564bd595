// The desktop's handler of web addresses.
#pragma once

#include <string_view>

namespace dravik {

enum class LinkOutcome {
    Opened,
    NoBrowser, // nothing on this system opens web addresses
    Failed,    // a handler exists but did not open the page
};

class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    virtual LinkOutcome OpenUrl(std::string_view url) = 0;
};

} // namespace dravik
