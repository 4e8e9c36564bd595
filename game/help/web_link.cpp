#include "game/help/web_link.h"

namespace dravik {

LinkOutcome OpenWebSite(UrlOpener& opener, Prompt& prompt) {
    const LinkOutcome outcome = opener.OpenUrl(kWebSiteAddress);
    switch (outcome) {
    case LinkOutcome::Opened:
        break;
    case LinkOutcome::NoBrowser:
        prompt.ShowMessage("Could not find associated Browser", "Browser Not Found",
                           MessageIcon::Exclamation, MessageButtons::Ok);
        break;
    case LinkOutcome::Failed:
        prompt.ShowMessage("Web Page not Opened", "URL Failed", MessageIcon::Exclamation,
                           MessageButtons::Ok);
        break;
    }
    return outcome;
}

} // namespace dravik
