// Cell numbering, candidate masks and the read-only conversion tables shared by
// the solver, the hint search and the generator.
#pragma once

#include <array>
#include <cstdint>

namespace dravik {

constexpr int kCells = 81;
constexpr int kDigits = 9;
constexpr std::uint16_t kAllCandidates = 511;

// Bit of digit d (1..9) in a candidate mask.
constexpr std::uint16_t DigitBit(int d) {
    return static_cast<std::uint16_t>(1u << (d - 1));
}

struct ConversionTables {
    std::array<std::int16_t, 81> CellRow{};
    std::array<std::int16_t, 81> CellColumn{};
    std::array<std::int16_t, 81> CellBox{};
    std::array<std::int16_t, 81> CellBoxStart{};
    std::array<std::array<std::int16_t, 9>, 9> RowColumnCell{};
    std::array<std::array<std::int16_t, 9>, 9> RowColumnBox{};
    std::array<std::int16_t, 9> BoxStartCell{};
    std::array<std::array<std::int16_t, 9>, 9> BoxPositionCell{};
    std::array<std::int16_t, 512> BitCount{};
};

constexpr ConversionTables MakeConversionTables() {
    ConversionTables t;
    for (int c = 0; c < 81; ++c) {
        t.CellRow[c] = static_cast<std::int16_t>(c / 9);
        t.CellColumn[c] = static_cast<std::int16_t>(c % 9);
        t.CellBox[c] = static_cast<std::int16_t>(3 * (c / 27) + (c % 9) / 3);
        t.CellBoxStart[c] = static_cast<std::int16_t>(27 * (c / 27) + 3 * ((c % 9) / 3));
    }
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            t.RowColumnCell[r][c] = static_cast<std::int16_t>(9 * r + c);
            t.RowColumnBox[r][c] = static_cast<std::int16_t>(3 * (r / 3) + c / 3);
        }
    for (int b = 0; b < 9; ++b) {
        t.BoxStartCell[b] = static_cast<std::int16_t>(27 * (b / 3) + 3 * (b % 3));
        for (int p = 0; p < 9; ++p)
            t.BoxPositionCell[b][p] =
                static_cast<std::int16_t>(27 * (b / 3) + 9 * (p / 3) + 3 * (b % 3) + p % 3);
    }
    for (int v = 0; v < 512; ++v) {
        int n = 0;
        for (int x = v; x > 0; x /= 2) n += x % 2;
        t.BitCount[v] = static_cast<std::int16_t>(n);
    }
    return t;
}

// Built at compile time; nothing ever writes to it.
inline constexpr ConversionTables kTables = MakeConversionTables();

constexpr int CellRow(int c) {
    return kTables.CellRow[c];
}
constexpr int CellColumn(int c) {
    return kTables.CellColumn[c];
}
constexpr int CellBox(int c) {
    return kTables.CellBox[c];
}
constexpr int CellBoxStart(int c) {
    return kTables.CellBoxStart[c];
}
constexpr int RowColumnCell(int r, int c) {
    return kTables.RowColumnCell[r][c];
}
constexpr int RowColumnBox(int r, int c) {
    return kTables.RowColumnBox[r][c];
}
constexpr int BoxStartCell(int b) {
    return kTables.BoxStartCell[b];
}
constexpr int BoxPositionCell(int b, int p) {
    return kTables.BoxPositionCell[b][p];
}
constexpr int BitCount(unsigned mask) {
    return kTables.BitCount[mask & 511u];
}

// True when cells a and b share a row, a column or a box (a cell is its own peer here).
constexpr bool SeesCell(int a, int b) {
    return CellRow(a) == CellRow(b) || CellColumn(a) == CellColumn(b) || CellBox(a) == CellBox(b);
}

// The 27 units by id: rows 0-8, columns 9-17, boxes 18-26.
constexpr int kUnits = 27;
constexpr int RowUnit(int row) {
    return row;
}
constexpr int ColumnUnit(int column) {
    return 9 + column;
}
constexpr int BoxUnit(int box) {
    return 18 + box;
}

// The cells of every unit, by unit id: a row left to right, a column top down,
// a box row by row.
using UnitTable = std::array<std::array<std::int8_t, 9>, kUnits>;
constexpr UnitTable MakeUnitCells() {
    UnitTable u{};
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j) {
            u[RowUnit(i)][j] = static_cast<std::int8_t>(RowColumnCell(i, j));
            u[ColumnUnit(i)][j] = static_cast<std::int8_t>(RowColumnCell(j, i));
            u[BoxUnit(i)][j] = static_cast<std::int8_t>(BoxPositionCell(i, j));
        }
    return u;
}
inline constexpr UnitTable kUnitCells = MakeUnitCells();

// The units of every cell: its row's, column's and box's ids, in that order.
constexpr std::array<std::array<std::int8_t, 3>, kCells> MakeCellUnits() {
    std::array<std::array<std::int8_t, 3>, kCells> t{};
    for (int c = 0; c < kCells; ++c) {
        t[c][0] = static_cast<std::int8_t>(RowUnit(CellRow(c)));
        t[c][1] = static_cast<std::int8_t>(ColumnUnit(CellColumn(c)));
        t[c][2] = static_cast<std::int8_t>(BoxUnit(CellBox(c)));
    }
    return t;
}
inline constexpr auto kCellUnits = MakeCellUnits();

// Cell name as the player reads it: rows A-H and J, columns 1-9 ("A1".."J9").
std::array<char, 3> CellName(int cell);

} // namespace dravik
