#include "game/ui/layout.h"

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
