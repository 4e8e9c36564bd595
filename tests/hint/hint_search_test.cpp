// The hint search on whole games: it checks the board in cell order, names
// the technique the solver's ladder takes next on the player's marks, and
// describes that step faithfully; it never changes what it is given.
#include <gtest/gtest.h>

#include <set>

#include "game/hint/hint_text.h"
#include "game/stock/score.h"
#include "game/stock/stock_file.h"
#include "step_checks.h"
#include "support/master_stock.h"
#include "support/testdata.h"

namespace dravik {
namespace {

using test::MasterStock;

using Digits = std::array<std::uint8_t, kCells>;
using Masks = std::array<std::uint16_t, kCells>;

Digits ToDigits(const Grid& g) {
    Digits d{};
    for (int c = 0; c < kCells; ++c) d[c] = static_cast<std::uint8_t>(g[c]);
    return d;
}

// A board as a game holds it.
struct BoardState {
    Digits played{}, solution{}, givens{};
    Masks marks{};
    int level = 5;
    HintBoard View() const { return {played, marks, solution, givens, level}; }
};

BoardState FromRecord(const StockRecord& r) {
    BoardState b;
    for (int c = 0; c < kCells; ++c) {
        b.givens[c] = r.Givens[c];
        b.played[c] = r.Givens[c];
        b.solution[c] = r.Solution[c];
    }
    b.level = r.Level;
    // The marks a game shows from level 3 on: the givens struck from their peers.
    for (int c = 0; c < kCells; ++c) {
        if (b.played[c]) continue;
        b.marks[c] = kAllCandidates;
        for (int p = 0; p < kCells; ++p)
            if (b.played[p] && SeesCell(p, c)) b.marks[c] &= ~DigitBit(b.played[p]);
    }
    return b;
}

TEST(HintSearch, TheCellOrderChecksComeFirstAndDecideByTheFirstCell) {
    const StockRecord& r = MasterStock()(3, 1);
    BoardState b = FromRecord(r);
    HintSearch search;

    // Two wrong digits: the lower cell is named.
    int c10 = 10, c40 = 40;
    ASSERT_EQ(b.givens[c10] == 0 && b.givens[c40] == 0, true) << "puzzle choice";
    BoardState wrong = b;
    wrong.played[c40] = static_cast<std::uint8_t>(r.Solution[c40] % 9 + 1);
    wrong.played[c10] = static_cast<std::uint8_t>(r.Solution[c10] % 9 + 1);
    EXPECT_EQ(search.Search(wrong.View()), (HintResult{HintKind::WrongDigit, -1, 10}));
    EXPECT_EQ(search.Step().technique, -1);

    // A struck solution mark in an earlier cell beats a wrong digit in a later one.
    int empty = -1;
    for (int c = 0; c < 10; ++c)
        if (!b.played[c]) empty = empty < 0 ? c : empty;
    ASSERT_GE(empty, 0);
    BoardState struck = b;
    struck.marks[empty] &= ~DigitBit(r.Solution[empty]);
    struck.played[c40] = wrong.played[c40];
    EXPECT_EQ(search.Search(struck.View()), (HintResult{HintKind::StruckMark, -1, empty}));

    // A complete correct board: nothing to say, whatever the level.
    BoardState done = b;
    done.played = done.solution;
    done.marks.fill(0);
    EXPECT_EQ(search.Search(done.View()), HintResult{});
    done.level = 1;
    EXPECT_EQ(search.Search(done.View()), HintResult{});

    // Levels 1 and 2: a sound board gets 185, a wrong digit is still named.
    for (int level : {1, 2}) {
        BoardState low = b;
        low.level = level;
        EXPECT_EQ(search.Search(low.View()), (HintResult{HintKind::LowLevel}));
        low.played[c40] = wrong.played[c40];
        EXPECT_EQ(search.Search(low.View()), (HintResult{HintKind::WrongDigit, -1, 40}));
    }

    // No puzzle (solution all 0) and marks on filled cells do no harm.
    Digits zeros{};
    Masks all;
    all.fill(kAllCandidates);
    EXPECT_EQ(search.Search(HintBoard{zeros, all, zeros, zeros, 0}),
              (HintResult{HintKind::LowLevel}));
}

TEST(HintSearch, APlayersNakedSingleWaitsForAHiddenSingleElsewhere) {
    const StockRecord& r = MasterStock()(3, 2);
    BoardState b = FromRecord(r);
    HintSearch search;
    // The fresh board's first hint is the solver's first step: at these levels
    // a hidden single is always there at the start.
    ASSERT_EQ(search.Search(b.View()), (HintResult{HintKind::Technique, kHiddenSingle, -1}));
    const int hiddenCell = search.Step().changes.front().cell;
    // The player strikes one cell down to its solution digit (a naked single).
    for (int c = 0; c < kCells; ++c) {
        if (b.played[c] || c == hiddenCell) continue;
        b.marks[c] = DigitBit(r.Solution[c]);
        break;
    }
    EXPECT_EQ(search.Search(b.View()), (HintResult{HintKind::Technique, kHiddenSingle, -1}));
    EXPECT_EQ(search.Step().changes.front().cell, hiddenCell);
}

// Reset Cell shows all nine marks again, also digits that the cell's peers
// hold. The hint must still name only steps that are true of the position:
// every placement is the solution's digit, no removal takes the solution's
// mark, and the pattern fits the step on the marks it started from.
TEST(HintSearch, AfterAResetCellTheStepIsTrueOfThePosition) {
    HintSearch search;
    int states = 0;
    for (int level = 3; level <= 5; ++level)
        for (int n = 1; n <= 20; ++n) {
            const StockRecord& r = MasterStock()(level, n);
            const BoardState start = FromRecord(r);
            for (int cell = 0; cell < kCells; ++cell) {
                if (start.played[cell]) continue;
                BoardState b = start;
                b.marks[cell] = kAllCandidates;
                const HintResult hint = search.Search(b.View());
                ASSERT_TRUE(hint.IsTechnique()) << level << "/" << n << " " << CellText(cell);
                const HintStep& step = search.Step();
                ++states;
                for (const GridChange& ch : step.changes)
                    EXPECT_EQ(ch.placed, ch.digit == b.solution[ch.cell])
                        << level << "/" << n << " reset " << CellText(cell) << ": "
                        << ExplainStep(step);
                EXPECT_EQ(test::PatternProblem(step, b.played, b.givens), "")
                    << level << "/" << n << " reset " << CellText(cell);
                // The marks it explains with are the position's.
                for (int c = 0; c < kCells; ++c) {
                    if (!b.played[c]) {
                        EXPECT_EQ(step.marks[c] & ~start.marks[c], 0);
                    }
                }
            }
        }
    EXPECT_GT(states, 2000);
}

// Plays every level 3-5 puzzle of the master stock along the solver's own
// steps, with the solver's candidates as the player's marks: at every position
// the hint is the ladder's next technique with exactly its changes, the
// pattern fits the step, the board is left alone, and asking again answers
// the same.
TEST(HintSearch, FollowsTheSolversLadderThroughWholeGames) {
    HintSearch search;
    Solver solver;
    std::vector<GridChange> log;
    int positions = 0;
    std::set<int> seen;
    for (int level = 3; level <= 5; ++level)
        for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
            const StockRecord& r = MasterStock()(level, n);
            for (int c = 0; c < kCells; ++c) solver.Puzzle[c] = r.Givens[c];
            BoardState b = FromRecord(r);
            solver.Start();
            solver.RecordChanges(&log);
            for (int step = 0; step < 200 && !solver.Solved(); ++step) {
                b.played = ToDigits(solver.SolverGrid());
                b.marks = solver.CandidateMask();
                const BoardState before = b;
                const HintResult hint = search.Search(b.View());
                ASSERT_TRUE(hint.IsTechnique()) << "level " << level << " #" << n;
                int fired = -1;
                for (int t = 0; t < kTechniqueCount && fired < 0; ++t) {
                    log.clear();
                    if (solver.ApplyTechnique(t)) fired = t;
                }
                ASSERT_EQ(hint.technique, fired)
                    << "level " << level << " #" << n << " step " << step;
                std::set<std::pair<int, int>> expected, got;
                for (const auto& ch : log) expected.insert({ch.digit, ch.cell});
                for (const auto& ch : search.Step().changes) got.insert({ch.digit, ch.cell});
                EXPECT_EQ(got, expected);
                EXPECT_EQ(test::PatternProblem(search.Step(), before.played, before.givens), "")
                    << TechniqueCaption(fired) << ", level " << level << " #" << n << " step "
                    << step;
                EXPECT_EQ(b.played, before.played);
                EXPECT_EQ(b.marks, before.marks);
                if (positions % 50 == 0) {
                    const HintStep first = search.Step();
                    EXPECT_EQ(search.Search(b.View()), hint);
                    EXPECT_EQ(search.Step().changes.size(), first.changes.size());
                    EXPECT_EQ(WhereText(search.Step()), WhereText(first));
                }
                seen.insert(fired);
                ++positions;
            }
            solver.RecordChanges(nullptr);
            ASSERT_TRUE(solver.Solved()) << "level " << level << " #" << n;
        }
    EXPECT_GT(positions, 10000);
    EXPECT_GE(seen.size(), 18u); // most of the ladder shows up in the stock
}

// The external technique positions: whatever the ladder takes first on each,
// the pattern must fit the step and no step may lose the solution.
TEST(HintSearch, DescribesEveryStepOnTheTechniquePositions) {
    DRAVIK_REQUIRE_TESTDATA(folder, "techniques");
    HintSearch search;
    std::set<int> seen;
    int positions = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string()[0] < '0' || entry.path().filename().string()[0] > '9')
            continue;
        for (const auto& row : test::ReadTsv(entry.path().string())) {
            if (row.size() < 9) continue;
            BoardState b;
            b.givens = ToDigits(test::GridFromText(row[2]));
            b.played = ToDigits(test::GridFromText(row[3]));
            b.solution = ToDigits(test::GridFromText(row[8]));
            const auto fields = test::Split(row[4], ',');
            for (std::size_t c = 0; c < fields.size() && c < kCells; ++c)
                for (char ch : fields[c])
                    if (ch >= '1' && ch <= '9') b.marks[c] |= DigitBit(ch - '0');
            // Walk the ladder from the position to its end.
            for (int step = 0; step < 100; ++step) {
                const HintResult hint = search.Search(b.View());
                if (!hint.IsTechnique()) break;
                const HintStep& s = search.Step();
                EXPECT_EQ(test::PatternProblem(s, b.played, b.givens), "")
                    << row[0] << " step " << step << ": " << TechniqueCaption(s.technique);
                seen.insert(s.technique);
                ++positions;
                for (const GridChange& ch : s.changes) {
                    if (ch.placed) {
                        ASSERT_EQ(ch.digit, b.solution[ch.cell]) << row[0];
                        b.played[ch.cell] = static_cast<std::uint8_t>(ch.digit);
                        b.marks[ch.cell] = 0;
                        for (int p = 0; p < kCells; ++p)
                            if (SeesCell(p, ch.cell)) b.marks[p] &= ~DigitBit(ch.digit);
                    } else {
                        ASSERT_NE(ch.digit, b.solution[ch.cell]) << row[0];
                        b.marks[ch.cell] &= ~DigitBit(ch.digit);
                    }
                }
            }
        }
    }
    EXPECT_GT(positions, 5000);
    // A hidden triple comes first only in a unit with eight or nine empty
    // cells: in a smaller one its other cells make a naked subset of at most
    // four, which the ladder tries before it.
    for (int t = 0; t < kTechniqueCount; ++t)
        if (t != kHiddenTriple) {
            EXPECT_TRUE(seen.count(t)) << TechniqueCaption(t) << " never came first";
        }
}

TEST(HintSearch, RecordingPatternsLeavesGradingAsItWas) {
    Solver plain, recording;
    StepPattern pattern;
    recording.RecordPattern(&pattern);
    for (int level = 1; level <= 5; ++level)
        for (int n = 1; n <= kPuzzlesPerLevel; n += 9) {
            const StockRecord& r = MasterStock()(level, n);
            Grid g{};
            for (int c = 0; c < kCells; ++c) g[c] = r.Givens[c];
            const Grading a = GradePuzzle(plain, g), b = GradePuzzle(recording, g);
            EXPECT_EQ(a.result, b.result);
            EXPECT_EQ(a.counts, b.counts);
            EXPECT_EQ(a.result, r.Level);
        }
}

} // namespace
} // namespace dravik
