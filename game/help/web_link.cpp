#include "game/help/web_link.h"

namespace dravik {

LinkOutcome OpenWebSite(UrlOpener& opener, Prompt& prompt) {
    const LinkOutcome outcome = opener.OpenUrl(kWebSiteAddress);
    switch (outcome) {
    case LinkOutcome::Opened:
        break;
    case LinkOutcome::NoBrowser:
        Show(prompt, messages::kBrowserNotFound);
        break;
    case LinkOutcome::Failed:
        Show(prompt, messages::kUrlFailed);
        break;
    }
    return outcome;
}

} // namespace dravik
