#include "game/play/accessible_names.h"

#include "game/model/grid.h"
#include "game/model/levels.h"
#include "game/model/techniques.h"

namespace dravik {

void AppendCellName(std::string& out, int cell, const CellView& view) {
    const std::array<char, 3> where = CellName(cell);
    out.append(where.data(), 2);
    out += ", ";
    if (view.Digit != 0) {
        if (view.Colour == DigitColour::Given) {
            out += Tr(kCellGivenWord);
            out += ' ';
        }
        out += static_cast<char>('0' + view.Digit);
        return;
    }
    out += Tr(kCellEmptyWord);
    if (view.MarksShown == 0) return;
    out += ", ";
    out += Tr(kCellMarksWord);
    for (int d = 1; d <= 9; ++d) {
        if (!(view.MarksShown & DigitBit(d))) continue;
        out += ' ';
        out += static_cast<char>('0' + d);
    }
}

std::string CellAccessibleName(int cell, const CellView& view) {
    std::string out;
    out.reserve(40);
    AppendCellName(out, cell, view);
    return out;
}

std::string ClockAccessibleName(std::string_view time) {
    std::string out = Tr(kClockWord);
    out += ' ';
    out += time;
    return out;
}

std::string TechniqueCountAccessibleName(int technique, std::string_view count) {
    std::string out = Tr(TechniqueCaption(technique));
    if (count.empty()) return out;
    out += ": ";
    out += count;
    return out;
}

std::string RenewAccessibleName(int level) {
    std::string out = Tr(kRenewWord);
    out += ' ';
    out += Tr(LevelName(level));
    return out;
}

} // namespace dravik
