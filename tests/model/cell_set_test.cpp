// The 81-bit cell sets against a plain bitset, and the peer and unit sets
// against the cell tables.
#include <gtest/gtest.h>

#include <bitset>
#include <random>
#include <vector>

#include "game/model/cell_set.h"

namespace dravik {
namespace {

using Bits = std::bitset<kCells>;

Bits ToBits(const CellSet& s) {
    Bits b;
    s.ForEach([&](int c) { b.set(static_cast<std::size_t>(c)); });
    return b;
}

CellSet RandomSet(std::mt19937& rng) {
    // Sparse, dense and empty sets alike.
    const unsigned density = rng() % 5;
    CellSet s;
    for (int c = 0; c < kCells; ++c)
        if (density && rng() % 4 < density) s.Add(c);
    return s;
}

TEST(CellSet, AgreesWithABitsetOnRandomSets) {
    std::mt19937 rng(5);
    for (int round = 0; round < 2000; ++round) {
        const CellSet a = RandomSet(rng), b = RandomSet(rng);
        const Bits x = ToBits(a), y = ToBits(b);
        // Membership and the walk in cell order.
        std::vector<int> walked, members;
        a.ForEach([&](int c) { walked.push_back(c); });
        for (int c = 0; c < kCells; ++c) {
            ASSERT_EQ(a.Has(c), x[static_cast<std::size_t>(c)]);
            if (x[static_cast<std::size_t>(c)]) members.push_back(c);
        }
        ASSERT_EQ(walked, members);
        ASSERT_EQ(a.Count(), static_cast<int>(x.count()));
        ASSERT_EQ(a.Any(), x.any());
        ASSERT_EQ(a.AtMostOne(), x.count() <= 1);
        if (a.Any()) {
            ASSERT_EQ(a.First(), members.front());
            CellSet popped = a;
            std::vector<int> order;
            while (popped.Any()) order.push_back(popped.PopFirst());
            ASSERT_EQ(order, members);
        }
        // Set algebra.
        ASSERT_EQ(ToBits(a & b), x & y);
        ASSERT_EQ(ToBits(a | b), x | y);
        ASSERT_EQ(ToBits(a ^ b), x ^ y);
        ASSERT_EQ(ToBits(~a), ~x);
        ASSERT_EQ(ToBits(a.Without(b)), x & ~y);
        ASSERT_EQ(a == b, x == y);
        // Rows and bands read as bits, and rows back to a set.
        unsigned rows[9];
        for (int r = 0; r < 9; ++r) {
            unsigned expected = 0;
            for (int i = 0; i < 9; ++i)
                expected |= unsigned{x[static_cast<std::size_t>(9 * r + i)]} << i;
            ASSERT_EQ(a.Row(r), expected) << "row " << r;
            rows[r] = expected;
        }
        for (int t = 0; t < 3; ++t)
            ASSERT_EQ(a.Band(t), rows[3 * t] | (rows[3 * t + 1] << 9) | (rows[3 * t + 2] << 18));
        ASSERT_EQ(CellSet::FromRows(rows), a);
        // Adding and removing one cell.
        const int c = static_cast<int>(rng() % kCells);
        CellSet changed = a;
        changed.Add(c);
        ASSERT_EQ(ToBits(changed), Bits(x).set(static_cast<std::size_t>(c)));
        changed.Remove(c);
        ASSERT_EQ(ToBits(changed), Bits(x).reset(static_cast<std::size_t>(c)));
    }
    EXPECT_EQ(CellSet::All().Count(), kCells);
    EXPECT_TRUE(CellSet{}.Empty());
}

TEST(CellSet, PeerAndUnitSetsFollowTheCellTables) {
    for (int c = 0; c < kCells; ++c) {
        for (int p = 0; p < kCells; ++p)
            EXPECT_EQ(kPeerCellSets[c].Has(p), p != c && SeesCell(p, c)) << c << " " << p;
        EXPECT_EQ(kPeerCellSets[c].Count(), 20);
        // Turning on the diagonal twice is no turn; rows become columns.
        const int t = TransposedCell(c);
        EXPECT_EQ(TransposedCell(t), c);
        EXPECT_EQ(CellRow(t), CellColumn(c));
    }
    for (int u = 0; u < kUnits; ++u) {
        EXPECT_EQ(kUnitCellSets[u].Count(), 9);
        for (int i = 0; i < 9; ++i) EXPECT_TRUE(kUnitCellSets[u].Has(kUnitCells[u][i]));
    }
}

} // namespace
} // namespace dravik
