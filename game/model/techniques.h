// The technique ladder: index, caption, print code, help page, tier and score weight.
// The index identifies a technique everywhere (counts, stock records, hint codes).
#pragma once

#include <array>
#include <string_view>

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
    std::string_view caption;
    std::string_view printCode;
    std::string_view helpPage;
    int tier;
    int weight;
};

extern const std::array<TechniqueInfo, kTechniqueCount> kTechniqueTable;

// Index of the technique whose caption is `caption`, or -1.
int TechniqueByCaption(std::string_view caption);

} // namespace dravik
