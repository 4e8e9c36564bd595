#include "game/players/zoom.h"

#include <cstdlib>
#include <string>

#include "game/players/settings.h"

namespace dravik {

int ZoomFromText(std::string_view text) {
    const std::optional<int> number = ParseSettingNumber(text, 0, 999'999'999);
    if (!number) return kDefaultZoom;
    int best = kZoomSteps.front();
    for (int step : kZoomSteps)
        if (std::abs(step - *number) < std::abs(best - *number)) best = step;
    return best;
}

int LargerZoom(int zoom) {
    for (int step : kZoomSteps)
        if (step > zoom) return step;
    return kZoomSteps.back();
}

int SmallerZoom(int zoom) {
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
        if (*it < zoom) return *it;
    return kZoomSteps.front();
}

int LoadZoom(const SettingsStore& store) {
    const std::optional<std::string> text = store.Get(kSectionOptions, kKeyZoom);
    return text ? ZoomFromText(*text) : kDefaultZoom;
}

void SaveZoom(SettingsStore& store, int zoom) {
    store.Put(kSectionOptions, kKeyZoom, std::to_string(ZoomFromText(std::to_string(zoom))));
}

} // namespace dravik
