#include "game/ui/layout.h"

#include <algorithm>

namespace dravik::ui {

std::string ControlSpec::ObjectName() const {
    std::string out(name);
    if (index >= 0) out += "(" + std::to_string(index) + ")";
    return out;
}

const ControlSpec* FindControl(std::string_view name, int index) {
    for (const ControlSpec& c : MainControls())
        if (c.name == name && c.index == index) return &c;
    return nullptr;
}

std::array<int, 5> FitStatusPanels(const std::array<int, 5>& needed, int total) {
    std::array<int, 5> widths{};
    int designed = 0;
    for (int w : kStatusPanelWidthsTwips) designed += w;
    int given = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        given += kStatusPanelWidthsTwips[i];
        // Rounded so that the edges fall where the whole bar's proportion puts them.
        widths[i] = static_cast<int>(static_cast<long long>(given) * total / designed);
    }
    for (std::size_t i = widths.size() - 1; i > 0; --i) widths[i] -= widths[i - 1];
    int deficit = 0, slack = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        deficit += std::max(0, needed[i] - widths[i]);
        slack += std::max(0, widths[i] - needed[i]);
    }
    if (deficit == 0 || slack == 0) return widths;
    // What the short panels get, in proportion to what each lacks; taken from
    // the others in proportion to what each can spare.
    const int moved = std::min(deficit, slack);
    std::array<int, 5> change{};
    int handedOut = 0, takenIn = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const int lack = std::max(0, needed[i] - widths[i]);
        const int spare = std::max(0, widths[i] - needed[i]);
        if (lack > 0) handedOut += change[i] = static_cast<int>(1LL * lack * moved / deficit);
        if (spare > 0) takenIn += change[i] = -static_cast<int>(1LL * spare * moved / slack);
    }
    // Rounding leaves a few units over: the first panel that can spare them gives them.
    int rest = handedOut + takenIn;
    for (std::size_t i = 0; i < widths.size() && rest != 0; ++i) {
        const int spare = widths[i] + change[i] - needed[i];
        const int give = rest > 0 ? std::min(rest, std::max(0, spare)) : rest;
        change[i] -= give;
        rest -= give;
    }
    for (std::size_t i = 0; i < widths.size(); ++i) widths[i] += change[i];
    return widths;
}

BoardHit HitBoard(int x, int y, const std::array<std::uint16_t, kCells>& marksShown) {
    BoardHit hit;
    for (int i = 0; i < 9; ++i) {
        TwipRect r = RowLabelRect(i);
        if (r.contains(x, y)) return {BoardHit::Kind::RowLabel, -1, 0, i, x - r.left, y - r.top};
        TwipRect c = ColumnLabelRect(i);
        if (c.contains(x, y)) return {BoardHit::Kind::ColumnLabel, -1, 0, i, x - c.left, y - c.top};
    }
    // Only a cell's own digit label can lie under the point: find that cell.
    for (int cell = 0; cell < kCells; ++cell) {
        if (!DigitRect(cell).contains(x, y)) continue;
        for (int digit = 9; digit >= 1; --digit) {
            if (!(marksShown[cell] & DigitBit(digit))) continue;
            TwipRect m = MarkRect(cell, digit);
            if (m.contains(x, y))
                return {BoardHit::Kind::Mark, cell, digit, -1, x - m.left, y - m.top};
        }
        return hit;
    }
    return hit;
}

BoardHit Relative(const BoardHit& pressed, int x, int y) {
    BoardHit hit = pressed;
    TwipRect r;
    switch (pressed.kind) {
    case BoardHit::Kind::Mark:
        r = MarkRect(pressed.cell, pressed.digit);
        break;
    case BoardHit::Kind::RowLabel:
        r = RowLabelRect(pressed.line);
        break;
    case BoardHit::Kind::ColumnLabel:
        r = ColumnLabelRect(pressed.line);
        break;
    case BoardHit::Kind::None:
        return hit;
    }
    hit.x = x - r.left;
    hit.y = y - r.top;
    return hit;
}

} // namespace dravik::ui
