// Each technique on small hand-built positions: what it finds first, what it
// removes and the shapes it must leave alone.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>

#include "game/model/solver.h"

namespace dravik {
namespace {

using Steps = std::set<std::pair<int, int>>; // (digit, cell)

int At(int row, int column) {
    return 9 * row + column;
}

class Position : public ::testing::Test {
  protected:
    Position() { masks.fill(kAllCandidates); }

    // The cell's candidates become exactly `digits`.
    void Only(int cell, std::initializer_list<int> digits) {
        masks[cell] = 0;
        for (int d : digits) masks[cell] |= DigitBit(d);
    }
    void Strike(int digit, int cell) {
        masks[cell] &= static_cast<std::uint16_t>(~DigitBit(digit));
    }
    // Digit d stays possible in row r only at the given columns.
    void RowOnly(int d, int r, std::initializer_list<int> columns) {
        for (int c = 0; c < 9; ++c)
            if (std::find(columns.begin(), columns.end(), c) == columns.end()) Strike(d, At(r, c));
    }
    void ColumnOnly(int d, int c, std::initializer_list<int> rows) {
        for (int r = 0; r < 9; ++r)
            if (std::find(rows.begin(), rows.end(), r) == rows.end()) Strike(d, At(r, c));
    }
    void BoxOnly(int d, int box, std::initializer_list<int> cells) {
        for (int p = 0; p < 9; ++p) {
            const int c = BoxPositionCell(box, p);
            if (std::find(cells.begin(), cells.end(), c) == cells.end()) Strike(d, c);
        }
    }
    void Fill(int cell, int digit, bool given = false) {
        board[cell] = static_cast<std::int16_t>(digit);
        if (given) givens[cell] = static_cast<std::int16_t>(digit);
    }

    // Loads the position and runs one technique once.
    Steps Run(int technique) {
        return RunCall([&] { return solver.ApplyTechnique(technique); });
    }
    template <class F> Steps RunCall(F call) {
        solver.LoadPosition(givens, board, masks);
        std::vector<GridChange> log;
        solver.RecordChanges(&log);
        fired = call();
        solver.RecordChanges(nullptr);
        Steps removed;
        placed.clear();
        for (const auto& ch : log) {
            if (ch.placed)
                placed.insert({ch.digit, ch.cell});
            else
                removed.insert({ch.digit, ch.cell});
        }
        return removed;
    }

    Grid givens{}, board{};
    std::array<std::uint16_t, kCells> masks{};
    Solver solver;
    bool fired = false;
    Steps placed;
};

Steps Cells(int digit, std::initializer_list<int> cells) {
    Steps s;
    for (int c : cells) s.insert({digit, c});
    return s;
}

// ---- primitives and singles ----

TEST_F(Position, PlaceAndRemoveCandidateKeepTheArraysConsistent) {
    solver.LoadPosition(givens, board, masks);
    EXPECT_TRUE(solver.RemoveCandidate(5, 10));
    EXPECT_FALSE(solver.RemoveCandidate(5, 10));
    EXPECT_EQ(solver.CandidateMask()[10], kAllCandidates & ~DigitBit(5));

    solver.Place(3, 40);
    EXPECT_EQ(solver.SolverGrid()[40], 3);
    EXPECT_EQ(solver.CandidateMask()[40], 0);
    for (int c = 0; c < kCells; ++c) {
        if (c == 40) continue;
        const bool peer = SeesCell(c, 40);
        EXPECT_EQ(solver.Possible(3, c), !peer) << c;
        // Other digits are left alone.
        EXPECT_TRUE(solver.Possible(4, c)) << c;
    }
    // Clearing a digit that was already gone from a peer is harmless.
    solver.Place(5, 13);
    EXPECT_FALSE(solver.Possible(5, 10));
    for (int d = 1; d <= 9; ++d) EXPECT_FALSE(solver.RemoveCandidate(d, 40));
}

TEST_F(Position, HiddenSingleLeavesANakedCellToNakedSingle) {
    BoxOnly(5, 0, {10});
    Only(10, {5, 7});
    Run(kHiddenSingle);
    EXPECT_TRUE(fired);
    EXPECT_EQ(placed, Cells(5, {10}));

    Only(10, {5});
    Run(kHiddenSingle);
    EXPECT_FALSE(fired);
    Run(kNakedSingle);
    EXPECT_EQ(placed, Cells(5, {10}));
}

TEST_F(Position, HiddenSingleScanOrder) {
    // Box 3 holds a single 2, box 1 a single 8 and a single 3: box 1 first,
    // and within it the lower digit.
    BoxOnly(2, 3, {30});
    BoxOnly(8, 1, {4});
    BoxOnly(3, 1, {13});
    Run(kHiddenSingle);
    EXPECT_EQ(placed, Cells(3, {13}));

    // No box single: a row single beats a column single.
    masks.fill(kAllCandidates);
    ColumnOnly(9, 0, {8});
    RowOnly(6, 4, {4});
    Run(kHiddenSingle);
    EXPECT_EQ(placed, Cells(6, {40}));
}

TEST_F(Position, NakedSinglePicksTheLowestCell) {
    Only(50, {4});
    Only(20, {6});
    Run(kNakedSingle);
    EXPECT_EQ(placed, Cells(6, {20}));
}

// ---- intersections ----

TEST_F(Position, PointingPairClearsTheRestOfTheLine) {
    BoxOnly(4, 0, {0, 1});
    EXPECT_EQ(Run(kPointingPair), Cells(4, {3, 4, 5, 6, 7, 8}));
}

TEST_F(Position, PointingPairPassesOverAConfinementThatRemovesNothing) {
    BoxOnly(4, 0, {0, 1});
    RowOnly(4, 0, {0, 1});
    BoxOnly(4, 8, {79, 80});
    EXPECT_EQ(Run(kPointingPair), Cells(4, {72, 73, 74, 75, 76, 77}));
}

TEST_F(Position, PointingPairOrder) {
    // A lone cell matches its row first.
    BoxOnly(3, 4, {40});
    EXPECT_EQ(Run(kPointingPair), Cells(3, {36, 37, 38, 42, 43, 44}));
    // Digits are the outer loop: digit 1 in box 0 beats digit 2 in box 8.
    masks.fill(kAllCandidates);
    BoxOnly(2, 8, {60, 61});
    BoxOnly(1, 0, {0, 9});
    EXPECT_EQ(Run(kPointingPair), Cells(1, {27, 36, 45, 54, 63, 72}));
}

TEST_F(Position, BoxLineTriesEveryRowBeforeAnyColumn) {
    ColumnOnly(1, 8, {0, 1});
    RowOnly(9, 4, {0, 1});
    EXPECT_EQ(Run(kBoxLine), Cells(9, {27, 28, 29, 45, 46, 47}));
}

// ---- subsets ----

TEST_F(Position, NakedPairInARow) {
    Only(0, {3, 7});
    Only(1, {3, 7});
    Steps expected = Cells(3, {2, 3, 4, 5, 6, 7, 8});
    expected.merge(Cells(7, {2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(RunCall([&] { return solver.Subset(true, 2); }), expected);

    // With nothing left to remove in the row, the search goes on to the box.
    for (int c = 2; c < 9; ++c) {
        Strike(3, c);
        Strike(7, c);
    }
    expected = Cells(3, {9, 10, 11, 18, 19, 20});
    expected.merge(Cells(7, {9, 10, 11, 18, 19, 20}));
    EXPECT_EQ(RunCall([&] { return solver.Subset(true, 2); }), expected);
}

TEST_F(Position, NakedTripleNeedNotShowEveryDigitInEveryCell) {
    Only(0, {1, 2});
    Only(1, {2, 3});
    Only(2, {1, 3});
    const Steps removed = RunCall([&] { return solver.Subset(true, 3); });
    EXPECT_EQ(removed.size(), 18u); // 1, 2, 3 from cells 3..8
    EXPECT_TRUE(removed.count({1, 8}) && removed.count({3, 3}));
}

TEST_F(Position, ThreeCellsOnTwoDigitsAreNoPair) {
    Only(0, {3, 7});
    Only(1, {3, 7});
    Only(2, {3, 7});
    EXPECT_TRUE(RunCall([&] { return solver.Subset(true, 2); }).empty());
    EXPECT_FALSE(fired);
}

TEST_F(Position, HiddenPairWithADigitInOneCell) {
    RowOnly(4, 0, {2, 5});
    RowOnly(6, 0, {2});
    Steps expected;
    for (int d : {1, 2, 3, 5, 7, 8, 9}) {
        expected.insert({d, 2});
        expected.insert({d, 5});
    }
    EXPECT_EQ(RunCall([&] { return solver.Subset(false, 2); }), expected);
}

TEST_F(Position, SubsetInARowBeatsALowerOneInAColumn) {
    Only(9, {1, 2});
    Only(18, {1, 2});
    Only(79, {8, 9});
    Only(80, {8, 9});
    Steps expected = Cells(8, {72, 73, 74, 75, 76, 77, 78});
    expected.merge(Cells(9, {72, 73, 74, 75, 76, 77, 78}));
    EXPECT_EQ(RunCall([&] { return solver.Subset(true, 2); }), expected);
}

// ---- fish ----

TEST_F(Position, XWingAndItsLimits) {
    RowOnly(7, 2, {1, 6});
    RowOnly(7, 5, {1, 6});
    Steps expected;
    for (int r : {0, 1, 3, 4, 6, 7, 8}) {
        expected.insert({7, At(r, 1)});
        expected.insert({7, At(r, 6)});
    }
    EXPECT_EQ(Run(kXWing), expected);

    // A third row on the same two columns: no X-Wing.
    RowOnly(7, 8, {1, 6});
    EXPECT_TRUE(Run(kXWing).empty());
    EXPECT_FALSE(fired);

    // A row with the digit in a third column does not count.
    masks.fill(kAllCandidates);
    RowOnly(7, 2, {1, 6});
    RowOnly(7, 5, {1, 4, 6});
    EXPECT_TRUE(Run(kXWing).empty());
}

TEST_F(Position, SwordfishRowsNeedNotFillAllThreeColumns) {
    RowOnly(2, 1, {0, 4});
    RowOnly(2, 3, {4, 8});
    RowOnly(2, 7, {0, 8});
    Steps expected;
    for (int r : {0, 2, 4, 5, 6, 8})
        for (int c : {0, 4, 8}) expected.insert({2, At(r, c)});
    EXPECT_EQ(Run(kSwordfish), expected);
}

TEST_F(Position, FinnedXWing) {
    RowOnly(5, 0, {1, 5});
    RowOnly(5, 4, {1, 4, 5}); // fin in column 4, the box of (4, 5)
    EXPECT_EQ(Run(kFinnedXWing), Cells(5, {At(3, 5), At(5, 5)}));

    // A fin outside both corner boxes does nothing.
    masks.fill(kAllCandidates);
    RowOnly(5, 0, {1, 5});
    RowOnly(5, 4, {1, 5, 7});
    EXPECT_TRUE(Run(kFinnedXWing).empty());
    EXPECT_FALSE(fired);

    // A second row in the base row's band is not considered.
    masks.fill(kAllCandidates);
    RowOnly(5, 0, {1, 5});
    RowOnly(5, 1, {1, 4, 5});
    EXPECT_TRUE(Run(kFinnedXWing).empty());
}

TEST_F(Position, MultiXWingNeedsACandidateOutsideTheRectangle) {
    // Rows 0 and 1, columns 0 and 4: {1,3} {1,4} / {2,3} {2,4}.
    auto build = [&] {
        masks.fill(kAllCandidates);
        RowOnly(1, 0, {0, 4});
        RowOnly(2, 1, {0, 4});
        Only(At(0, 0), {1, 3});
        Only(At(0, 4), {1, 4});
        Only(At(1, 0), {2, 3});
        Only(At(1, 4), {2, 4});
        ColumnOnly(3, 0, {0, 1});
        BoxOnly(3, 0, {At(0, 0), At(1, 0)});
        ColumnOnly(4, 4, {0, 1});
        BoxOnly(4, 1, {At(0, 4), At(1, 4)});
    };
    build();
    EXPECT_TRUE(Run(kMultiXWing).empty());
    EXPECT_FALSE(fired);

    // One more 3 in column 0: the column form clears it.
    build();
    masks[At(5, 0)] |= DigitBit(3);
    EXPECT_EQ(Run(kMultiXWing), Cells(3, {At(5, 0)}));
    EXPECT_TRUE(fired);
}

// ---- wings and single-digit patterns ----

TEST_F(Position, EliminateSeenByBothSparesTheTwoCells) {
    solver.LoadPosition(givens, board, masks);
    std::vector<GridChange> log;
    solver.RecordChanges(&log);
    EXPECT_TRUE(solver.EliminateSeenByBoth(0, 2, 5));
    Steps removed;
    for (const auto& ch : log) removed.insert({ch.digit, ch.cell});
    EXPECT_EQ(removed, Cells(5, {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19, 20}));
}

TEST_F(Position, XYWing) {
    Only(At(4, 4), {2, 5}); // pivot
    Only(At(4, 1), {2, 8}); // wing in the pivot's row
    Only(At(8, 4), {5, 8}); // wing in the pivot's column
    EXPECT_EQ(Run(kXYWing), Cells(8, {At(8, 1)}));

    // A pivot with a third candidate is no pivot.
    Only(At(4, 4), {2, 5, 9});
    EXPECT_TRUE(Run(kXYWing).empty());
    EXPECT_FALSE(fired);
}

TEST_F(Position, SkyscraperAndTheXWingShape) {
    RowOnly(6, 1, {2, 7});
    RowOnly(6, 4, {2, 8});
    EXPECT_EQ(Run(kSkyscraper), Cells(6, {At(0, 8), At(2, 8), At(3, 7), At(5, 7)}));

    // Both free ends in one column: that is an X-Wing, not a Skyscraper.
    masks.fill(kAllCandidates);
    RowOnly(6, 1, {2, 7});
    RowOnly(6, 4, {2, 7});
    EXPECT_TRUE(Run(kSkyscraper).empty());
    EXPECT_FALSE(fired);
}

TEST_F(Position, TwoStringKite) {
    RowOnly(3, 0, {1, 5});
    ColumnOnly(3, 0, {1, 7});
    EXPECT_EQ(Run(kTwoStringKite), Cells(3, {At(7, 5)}));

    // A row and a column that share a cell are not joined through it.
    masks.fill(kAllCandidates);
    RowOnly(3, 0, {1, 5});
    ColumnOnly(3, 1, {0, 7});
    EXPECT_TRUE(Run(kTwoStringKite).empty());
    EXPECT_FALSE(fired);
}

TEST_F(Position, EmptyRectangle) {
    BoxOnly(4, 0, {At(0, 0), At(0, 1), At(1, 0)});
    ColumnOnly(4, 5, {0, 6});
    EXPECT_EQ(Run(kEmptyRectangle), Cells(4, {At(6, 0)}));

    // Candidates in a straight line give no hinge.
    masks.fill(kAllCandidates);
    BoxOnly(4, 0, {At(0, 0), At(0, 1), At(0, 2)});
    ColumnOnly(4, 5, {0, 6});
    EXPECT_TRUE(Run(kEmptyRectangle).empty());
    EXPECT_FALSE(fired);
}

// ---- uniqueness ----

TEST_F(Position, UniqueRectangleNeedsTwoBoxes) {
    Only(At(0, 0), {1, 2});
    Only(At(0, 4), {1, 2});
    Only(At(1, 0), {1, 2, 5});
    Only(At(1, 4), {1, 2, 5});
    EXPECT_EQ(Run(kUniqueRectangle), Cells(5, {10, 11, 12, 14, 15, 16, 17}));

    // The same roof four rows down spans four boxes: nothing.
    masks.fill(kAllCandidates);
    Only(At(0, 0), {1, 2});
    Only(At(0, 4), {1, 2});
    Only(At(4, 0), {1, 2, 5});
    Only(At(4, 4), {1, 2, 5});
    EXPECT_TRUE(Run(kUniqueRectangle).empty());
    EXPECT_FALSE(fired);
}

TEST_F(Position, UniqueRectangleThirdFormKeepsAllThreeCells) {
    // Floor {1,2} in row 0 of box 0; roof in row 3 with extras 5 and 6,
    // and a {5,6} cell e further along the roof's row.
    Only(At(0, 0), {1, 2});
    Only(At(0, 1), {1, 2});
    Only(At(3, 0), {1, 2, 5});
    Only(At(3, 1), {1, 2, 6});
    Only(At(3, 7), {5, 6});
    const Steps removed = Run(kUniqueRectangle);
    EXPECT_TRUE(fired);
    for (int keep : {At(3, 0), At(3, 1), At(3, 7)})
        for (int d = 1; d <= 9; ++d) EXPECT_FALSE(removed.count({d, keep})) << keep;
    Steps expected;
    for (int c : {2, 3, 4, 5, 6, 8}) {
        expected.insert({5, At(3, c)});
        expected.insert({6, At(3, c)});
    }
    EXPECT_EQ(removed, expected);
}

TEST_F(Position, AvoidableRectangleFirstForm) {
    Fill(At(0, 0), 1);
    Fill(At(1, 3), 1);
    Fill(At(0, 3), 2);
    EXPECT_EQ(Run(kAvoidableRectangle), Cells(2, {At(1, 0)}));

    // Only when the removal took place does it report progress.
    Strike(2, At(1, 0));
    EXPECT_TRUE(Run(kAvoidableRectangle).empty());
    EXPECT_FALSE(fired);

    // A given corner is never swapped.
    masks.fill(kAllCandidates);
    board = {};
    Fill(At(0, 0), 1);
    Fill(At(1, 3), 1);
    Fill(At(0, 3), 2, true);
    EXPECT_TRUE(Run(kAvoidableRectangle).empty());
    EXPECT_FALSE(fired);
}

} // namespace
} // namespace dravik
