// The window's zoom: "Options", "Zoom", in percent of the layout's size. The
// steps are 100, 125, 150, 175 and 200; the stored text is untrusted: another
// number reads as the nearest step (the smaller of two as near), anything
// that is no plain number as 100.
#pragma once

#include <array>
#include <string_view>

#include "game/ports/settings_store.h"

namespace dravik {

inline constexpr std::string_view kKeyZoom = "Zoom";
inline constexpr std::array<int, 5> kZoomSteps = {100, 125, 150, 175, 200};
inline constexpr int kDefaultZoom = 100;

// The step `text` stands for.
int ZoomFromText(std::string_view text);
// The step above (below) `zoom`; `zoom` itself at the largest (smallest).
int LargerZoom(int zoom);
int SmallerZoom(int zoom);

int LoadZoom(const SettingsStore& store);
void SaveZoom(SettingsStore& store, int zoom);

} // namespace dravik
