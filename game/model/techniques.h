// The technique ladder: index, caption, print code, help page, tier and score weight.
// The index identifies a technique everywhere (counts, stock records, hint codes);
// the solver's ladder, the score, the stock's counts, the command line and the
// window all read this one table.
#pragma once

#include <array>
#include <string_view>

#include "game/base/translate.h"

namespace dravik {

constexpr int kTechniqueCount = 22;

enum Technique : int {
    kHiddenSingle = 0,
    kNakedSingle,
    kPointingPair,
    kBoxLine,
    kNakedPair,
    kNakedTriple,
    kHiddenPair,
    kNakedQuad,
    kHiddenTriple,
    kNakedQuint,
    kXWing,
    kXYWing,
    kTwoStringKite,
    kSkyscraper,
    kSwordfish,
    kMultiXWing,
    kFinnedXWing,
    kUniqueRectangle,
    kAvoidableRectangle,
    kXYZWing,
    kEmptyRectangle,
    kJellyfish,
};

struct TechniqueInfo {
    std::string_view caption; // English (the command line's too); Tr() where shown
    std::string_view printCode;
    std::string_view helpPage;
    int tier;   // the level a solve rises to once the ladder reaches this technique
    int weight; // factor of the technique's count in the score
};

inline constexpr std::array<TechniqueInfo, kTechniqueCount> kTechniqueTable = {{
    {QT_TRANSLATE_NOOP("dravik", "Hidden Single"), "HS", "hidden_single.html", 1, 1},
    {QT_TRANSLATE_NOOP("dravik", "Naked Single"), "NS", "naked_single.html", 1, 2},
    {QT_TRANSLATE_NOOP("dravik", "Pointing Pair"), "PP", "pointing_pair___triple.html", 2, 3},
    {QT_TRANSLATE_NOOP("dravik", "Box Line"), "BL", "box_line_reduction.html", 2, 3},
    {QT_TRANSLATE_NOOP("dravik", "Naked Pair"), "N2", "naked_subset.html", 3, 4},
    {QT_TRANSLATE_NOOP("dravik", "Naked Triple"), "N3", "naked_subset.html", 3, 5},
    {QT_TRANSLATE_NOOP("dravik", "Hidden Pair"), "H2", "hidden_subset.html", 3, 5},
    {QT_TRANSLATE_NOOP("dravik", "Naked Quad"), "N4", "naked_subset.html", 3, 6},
    {QT_TRANSLATE_NOOP("dravik", "Hidden Triple"), "H3", "hidden_subset.html", 3, 6},
    {QT_TRANSLATE_NOOP("dravik", "Naked Quint"), "N5", "naked_subset.html", 3, 7},
    {QT_TRANSLATE_NOOP("dravik", "X-Wing"), "XW", "x_wing.html", 4, 8},
    {QT_TRANSLATE_NOOP("dravik", "XY-Wing"), "YW", "xy_wing.html", 4, 9},
    {QT_TRANSLATE_NOOP("dravik", "2 String Kite"), "TS", "two_string_kite.html", 4, 10},
    {QT_TRANSLATE_NOOP("dravik", "Skyscraper"), "SS", "skyscraper.html", 4, 11},
    {QT_TRANSLATE_NOOP("dravik", "Swordfish"), "SF", "swordfish.html", 4, 12},
    {QT_TRANSLATE_NOOP("dravik", "Multi X-Wing"), "MX", "multi_value_x_wing.html", 4, 13},
    {QT_TRANSLATE_NOOP("dravik", "Finned X-Wing"), "FX", "finned_x_wing.html", 5, 12},
    {QT_TRANSLATE_NOOP("dravik", "Unique Rectangle"), "UR", "unique_rectangle.html", 5, 13},
    {QT_TRANSLATE_NOOP("dravik", "Avoidable Rect."), "AR", "avoidable_rectangle.html", 5, 14},
    {QT_TRANSLATE_NOOP("dravik", "XYZ-Wing"), "ZW", "xyz_wing.html", 5, 15},
    {QT_TRANSLATE_NOOP("dravik", "Empty Rectangle"), "ER", "empty_rectangle.html", 5, 16},
    {QT_TRANSLATE_NOOP("dravik", "Jellyfish"), "JF", "jellyfish.html", 5, 17},
}};

constexpr std::string_view TechniqueCaption(int technique) {
    return kTechniqueTable[technique].caption;
}
constexpr int TechniqueTier(int technique) {
    return kTechniqueTable[technique].tier;
}
constexpr int TechniqueWeight(int technique) {
    return kTechniqueTable[technique].weight;
}

// The ladder climbs: a technique never stands in a lower tier than the one before
// it. The level cut below and the solver's tier raising rely on this.
constexpr bool TiersRiseWithIndex() {
    for (int i = 1; i < kTechniqueCount; ++i)
        if (TechniqueTier(i) < TechniqueTier(i - 1)) return false;
    return true;
}
static_assert(TiersRiseWithIndex());

// The highest tier, which is also the highest level (Very Hard).
inline constexpr int kHighestTier = TechniqueTier(kTechniqueCount - 1);

// Last technique index of a level's tier: the techniques 0..that index are the
// ones a solve of that level can have used. Level 0 stands for the whole ladder.
constexpr int LastTechniqueOfLevel(int level) {
    if (level == 0) return kTechniqueCount - 1;
    int last = -1;
    for (int i = 0; i < kTechniqueCount; ++i)
        if (TechniqueTier(i) <= level) last = i;
    return last;
}

// Index of the technique whose caption is `caption`, or -1.
constexpr int TechniqueByCaption(std::string_view caption) {
    for (int i = 0; i < kTechniqueCount; ++i)
        if (TechniqueCaption(i) == caption) return i;
    return -1;
}

} // namespace dravik
