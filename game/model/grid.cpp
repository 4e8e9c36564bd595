#include "game/model/grid.h"

namespace dravik {

std::array<char, 3> CellName(int cell) {
    static constexpr char kRows[] = "ABCDEFGHJ";
    return {kRows[CellRow(cell)], static_cast<char>('1' + CellColumn(cell)), '\0'};
}

} // namespace dravik
