#include "game/hint/step_words.h"

#include "game/model/techniques.h"

namespace dravik {

std::string StepInWords(std::span<const GridChange> changes) {
    std::string s;
    for (const auto& ch : changes)
        if (ch.placed) {
            s += "place ";
            s += static_cast<char>('0' + ch.digit);
            s += " at ";
            s += CellName(ch.cell).data();
            return s;
        }
    s = "remove";
    for (int d = 1; d <= 9; ++d) {
        bool first = true;
        for (const auto& ch : changes) {
            if (ch.digit != d) continue;
            if (first) {
                s += s.size() > 6 ? ", " : " ";
                s += static_cast<char>('0' + d);
                s += " from";
                first = false;
            }
            s += ' ';
            s += CellName(ch.cell).data();
        }
    }
    if (s.size() == 6) s = "no candidate removed";
    return s;
}

std::string StepLine(int number, int technique, std::string_view words) {
    std::string line = std::to_string(number) + ". ";
    line += TechniqueCaption(technique);
    line += ": ";
    line += words;
    return line;
}

} // namespace dravik
