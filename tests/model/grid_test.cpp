#include <gtest/gtest.h>

#include "game/model/grid.h"
#include "game/model/techniques.h"
#include "game/stock/score.h"

namespace dravik {
namespace {

TEST(ConversionTables, KnownValues) {
    EXPECT_EQ(BitCount(0), 0);
    EXPECT_EQ(BitCount(511), 9);
    EXPECT_EQ(BitCount(256), 1);
    EXPECT_EQ(BitCount(5), 2);
    EXPECT_EQ(CellBox(40), 4);
    EXPECT_EQ(CellBox(80), 8);
    EXPECT_EQ(CellBox(26), 2);
    EXPECT_EQ(CellBox(27), 3);
    EXPECT_EQ(CellBoxStart(80), 60);
    EXPECT_EQ(CellBoxStart(40), 30);
    EXPECT_EQ(BoxStartCell(8), 60);
    EXPECT_EQ(BoxPositionCell(4, 4), 40);
    EXPECT_EQ(BoxPositionCell(8, 8), 80);
    EXPECT_EQ(BoxPositionCell(2, 3), 15);
    EXPECT_EQ(RowColumnBox(4, 8), 5);
}

TEST(ConversionTables, AgreeWithEachOther) {
    for (int c = 0; c < 81; ++c) {
        EXPECT_EQ(RowColumnCell(CellRow(c), CellColumn(c)), c);
        EXPECT_EQ(RowColumnBox(CellRow(c), CellColumn(c)), CellBox(c));
        EXPECT_EQ(BoxStartCell(CellBox(c)), CellBoxStart(c));
        const int pos = 3 * (CellRow(c) % 3) + CellColumn(c) % 3;
        EXPECT_EQ(BoxPositionCell(CellBox(c), pos), c);
    }
    for (unsigned m = 0; m < 512; ++m) EXPECT_EQ(BitCount(m), __builtin_popcount(m));
}

TEST(Units, EachCellStandsOnceInItsRowColumnAndBoxAndNowhereElse) {
    int seen[81] = {};
    for (int u = 0; u < kUnits; ++u)
        for (int i = 0; i < 9; ++i) {
            const int c = kUnitCells[u][i];
            ++seen[c];
            EXPECT_EQ(kCellUnits[c][u / 9], u) << "cell " << c;
            EXPECT_EQ(u < 9 ? CellRow(c) : u < 18 ? CellColumn(c) : CellBox(c), u % 9);
        }
    for (int c = 0; c < 81; ++c) EXPECT_EQ(seen[c], 3);
    // The order within a unit: rows left to right, columns top down, boxes row by row.
    EXPECT_EQ(kUnitCells[RowUnit(2)][4], 22);
    EXPECT_EQ(kUnitCells[ColumnUnit(2)][4], 38);
    EXPECT_EQ(kUnitCells[BoxUnit(5)][4], BoxPositionCell(5, 4));
}

TEST(CellNames, SkipTheLetterI) {
    EXPECT_STREQ(CellName(0).data(), "A1");
    EXPECT_STREQ(CellName(80).data(), "J9");
    EXPECT_STREQ(CellName(9 * 7 + 4).data(), "H5");
}

// The technique table is checked where it is compiled: tiers rise with the index
// (techniques.h), captions are unique, and each level's cut ends at its tier.
constexpr bool CaptionsAreUnique() {
    for (int i = 0; i < kTechniqueCount; ++i)
        if (TechniqueByCaption(kTechniqueTable[i].caption) != i) return false;
    return TechniqueByCaption("Nonsense") == -1;
}
static_assert(CaptionsAreUnique());
static_assert(LastTechniqueOfLevel(1) == kNakedSingle && LastTechniqueOfLevel(2) == kBoxLine &&
              LastTechniqueOfLevel(3) == kNakedQuint && LastTechniqueOfLevel(4) == kMultiXWing &&
              LastTechniqueOfLevel(5) == kJellyfish && LastTechniqueOfLevel(0) == kJellyfish);

TEST(PuzzleScore, WeightsCutAtTheLevelsTier) {
    std::array<std::int16_t, kTechniqueCount> counts{};
    counts[kHiddenSingle] = 10;
    counts[kNakedSingle] = 5;
    counts[kPointingPair] = 1;
    EXPECT_EQ(PuzzleScore(2, counts), 23);
    EXPECT_EQ(PuzzleScore(1, counts), 20);
    EXPECT_EQ(PuzzleScore(6, counts), 0);
    EXPECT_EQ(PuzzleScore(-1, counts), 0);

    counts.fill(1);
    // Levels 0 and 5 take every technique; 3 stops at the Naked Quint.
    EXPECT_EQ(PuzzleScore(5, counts), 1 + 2 + 3 + 3 + 4 + 5 + 5 + 6 + 6 + 7 + 8 + 9 + 10 + 11 + 12 +
                                          13 + 12 + 13 + 14 + 15 + 16 + 17);
    EXPECT_EQ(PuzzleScore(0, counts), PuzzleScore(5, counts));
    EXPECT_EQ(PuzzleScore(3, counts), 1 + 2 + 3 + 3 + 4 + 5 + 5 + 6 + 6 + 7);
    EXPECT_EQ(PuzzleScore(4, counts), PuzzleScore(3, counts) + 8 + 9 + 10 + 11 + 12 + 13);
}

TEST(PuzzleScore, ProductsWrapInSixteenBits) {
    std::array<std::int16_t, kTechniqueCount> counts{};
    counts[kJellyfish] = 2000; // 17 * 2000 = 34000 wraps to -31536
    EXPECT_EQ(PuzzleScore(5, counts), -31536);
}

} // namespace
} // namespace dravik
