// The five levels, "Very Easy" to "Very Hard": a level is the highest tier of
// the technique ladder a puzzle's grading has to enter. Every name, colour and
// rule that belongs to a level is read from this one table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "game/base/translate.h"
#include "game/model/techniques.h"

namespace dravik {

inline constexpr int kLevels = 5;
static_assert(kLevels == kHighestTier, "one level per tier of the technique ladder");

struct LevelInfo {
    std::string_view name; // English (the stock, the command line); Tr() where shown
    // Colours as the window is designed, 0x00BBGGRR: the level's option button
    // and the technique rows of its tier; the level's renew label.
    std::uint32_t tierColour;
    std::uint32_t renewColour;
};

inline constexpr std::array<LevelInfo, kLevels> kLevelTable = {{
    {QT_TRANSLATE_NOOP("dravik", "Very Easy"), 0xFFFFFF, 0xE0E0E0},
    {QT_TRANSLATE_NOOP("dravik", "Easy"), 0xC0FFFF, 0x80FFFF},
    {QT_TRANSLATE_NOOP("dravik", "Medium"), 0xC0FFC0, 0x80FF80},
    {QT_TRANSLATE_NOOP("dravik", "Hard"), 0xFFFFC0, 0xFFFF80},
    {QT_TRANSLATE_NOOP("dravik", "Very Hard"), 0xFFC0C0, 0xFF8080},
}};

constexpr bool IsLevel(int level) {
    return level >= 1 && level <= kLevels;
}

// The entry of `level` 1..5; anything else reads as the nearest level.
constexpr const LevelInfo& LevelOf(int level) {
    return kLevelTable[static_cast<std::size_t>(level < 1         ? 0
                                                : level > kLevels ? kLevels - 1
                                                                  : level - 1)];
}

// "Very Easy" .. "Very Hard" for 1..5, "----" for anything else.
constexpr std::string_view LevelName(int level) {
    return IsLevel(level) ? LevelOf(level).name : std::string_view("----");
}

// From "Medium" up the pencil marks are candidates: the board removes a placed
// digit (and each given) from the peers' marks, the player may strike marks,
// and a hint names the technique of the next step. Below it the marks are a
// plain keypad.
inline constexpr int kFirstCandidateLevel = 3;
constexpr bool MarksAreCandidates(int level) {
    return level >= kFirstCandidateLevel;
}

} // namespace dravik
