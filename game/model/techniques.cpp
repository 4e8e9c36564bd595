#include "game/model/techniques.h"

namespace dravik {

const std::array<TechniqueInfo, kTechniqueCount> kTechniqueTable = {{
    {"Hidden Single", "HS", "hidden_single.html", 1, 1},
    {"Naked Single", "NS", "naked_single.html", 1, 2},
    {"Pointing Pair", "PP", "pointing_pair___triple.html", 2, 3},
    {"Box Line", "BL", "box_line_reduction.html", 2, 3},
    {"Naked Pair", "N2", "naked_subset.html", 3, 4},
    {"Naked Triple", "N3", "naked_subset.html", 3, 5},
    {"Hidden Pair", "H2", "hidden_subset.html", 3, 5},
    {"Naked Quad", "N4", "naked_subset.html", 3, 6},
    {"Hidden Triple", "H3", "hidden_subset.html", 3, 6},
    {"Naked Quint", "N5", "naked_subset.html", 3, 7},
    {"X-Wing", "XW", "x_wing.html", 4, 8},
    {"XY-Wing", "YW", "xy_wing.html", 4, 9},
    {"2 String Kite", "TS", "two_string_kite.html", 4, 10},
    {"Skyscraper", "SS", "skyscraper.html", 4, 11},
    {"Swordfish", "SF", "swordfish.html", 4, 12},
    {"Multi X-Wing", "MX", "multi_value_x_wing.html", 4, 13},
    {"Finned X-Wing", "FX", "finned_x_wing.html", 5, 12},
    {"Unique Rectangle", "UR", "unique_rectangle.html", 5, 13},
    {"Avoidable Rect.", "AR", "avoidable_rectangle.html", 5, 14},
    {"XYZ-Wing", "ZW", "xyz_wing.html", 5, 15},
    {"Empty Rectangle", "ER", "empty_rectangle.html", 5, 16},
    {"Jellyfish", "JF", "jellyfish.html", 5, 17},
}};

int TechniqueByCaption(std::string_view caption) {
    for (int i = 0; i < kTechniqueCount; ++i)
        if (kTechniqueTable[i].caption == caption) return i;
    return -1;
}

} // namespace dravik
