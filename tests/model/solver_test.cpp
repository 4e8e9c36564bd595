// The ladder as a whole: results, counts, levels, the step callback, and
// puzzles that need exactly one technique beyond the singles.
#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "game/model/puzzle_text.h"
#include "game/stock/generator.h"
#include "game/stock/score.h"
#include "support/brute_force.h"
#include "support/testdata.h"

namespace dravik {
namespace {

// A solved grid and a puzzle made from it by emptying a few cells.
constexpr const char* kSolution =
    "974236158638591742125487936316754289742918563589362417867125394253649871491873625";

TEST(Solve, AllGivenReturnsOneAtOnce) {
    Solver s;
    s.Puzzle = test::GridFromText(kSolution);
    int steps = 0;
    EXPECT_EQ(s.Solve([&](const SolveStep&) { return ++steps, true; }), 1);
    EXPECT_EQ(steps, 0);
    for (auto c : s.TechniqueCount()) EXPECT_EQ(c, 0);
}

TEST(Solve, SinglesOnlyIsLevelOneEvenWithNakedSingles) {
    std::string text = kSolution;
    for (int c : {0, 10, 20, 30, 40, 50, 60, 70, 80, 8, 72}) text[c] = '0';
    Solver s;
    s.Puzzle = test::GridFromText(text);
    EXPECT_EQ(s.Solve(), 1);
    EXPECT_EQ(s.SolverGrid(), test::GridFromText(kSolution));
    EXPECT_EQ(s.TechniqueCount()[kHiddenSingle] + s.TechniqueCount()[kNakedSingle], 11);
}

TEST(Solve, ContradictoryGivensRunTheirCourse) {
    // Two 5s in the first row: not rejected, the solve ends with some result.
    std::string text(81, '0');
    text[0] = '5';
    text[8] = '5';
    Solver s;
    s.Puzzle = test::GridFromText(text);
    const int result = s.Solve();
    EXPECT_GE(result, 1);
    EXPECT_LE(result, 6);
    // An empty grid is stuck after trying every technique.
    s.Puzzle = {};
    EXPECT_EQ(s.Solve(), kResultStuck);
    EXPECT_EQ(PuzzleScore(kResultStuck, s.TechniqueCount()), 0);
}

TEST(Solve, CallbackSeesEveryStepAndCanStop) {
    DRAVIK_REQUIRE_TESTDATA(path, "golden_grades.tsv");
    const auto rows = test::ReadTsv(path);
    Solver s;
    for (const auto& row : rows) {
        if (row[1] != "5") continue;
        s.Puzzle = test::GridFromText(row[0]);
        std::array<int, kTechniqueCount> seen{};
        int lastLevel = 1;
        const int result = s.Solve([&](const SolveStep& step) {
            ++seen[step.technique];
            EXPECT_GE(step.level, lastLevel);
            EXPECT_GE(step.level, kTechniqueTable[step.technique].tier);
            EXPECT_FALSE(step.changes.empty() && step.technique < kMultiXWing);
            lastLevel = step.level;
            return true;
        });
        EXPECT_EQ(result, 5);
        for (int t = 0; t < kTechniqueCount; ++t) EXPECT_EQ(seen[t], s.TechniqueCount()[t]);

        int calls = 0;
        EXPECT_EQ(s.Solve([&](const SolveStep&) { return ++calls < 3; }), kResultCancelled);
        EXPECT_EQ(calls, 3);
        break;
    }
}

TEST(Solve, InstancesAreIndependentAcrossThreads) {
    DRAVIK_REQUIRE_TESTDATA(path, "golden_grades.tsv");
    const auto rows = test::ReadTsv(path);
    auto gradeAll = [&](std::vector<Grading>& out) {
        Solver s;
        for (const auto& row : rows) out.push_back(GradePuzzle(s, test::GridFromText(row[0])));
    };
    std::vector<Grading> a, b, c;
    std::thread t1([&] { gradeAll(a); });
    std::thread t2([&] { gradeAll(b); });
    t1.join();
    t2.join();
    gradeAll(c);
    ASSERT_EQ(a.size(), c.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].counts, c[i].counts);
        EXPECT_EQ(b[i].counts, c[i].counts);
        EXPECT_EQ(a[i].result, c[i].result);
    }
}

// For each technique beyond the singles, a puzzle from the corpora whose
// hardest step is that technique: with only the easier techniques the ladder
// gets stuck, and adding that one technique solves it with the same counts.
TEST(Solve, PuzzlesThatNeedOneNamedTechnique) {
    std::vector<std::string> puzzles;
    for (const char* name :
         {"golden_grades.tsv", "corpora/sudoku17_sample.tsv", "corpora/top95.tsv"}) {
        const auto path = test::TestDataPath(name);
        if (!path) GTEST_SKIP() << "shared test data not found: " << name;
        for (const auto& row : test::ReadTsv(*path)) puzzles.push_back(row[0]);
    }
    std::array<bool, kTechniqueCount> found{};
    Solver s;
    for (const auto& text : puzzles) {
        const Grading g = GradePuzzle(s, test::GridFromText(text));
        if (g.result == kResultStuck) continue;
        int hardest = 0;
        for (int t = 0; t < kTechniqueCount; ++t)
            if (g.counts[t] > 0) hardest = t;
        if (hardest < kPointingPair || found[hardest]) continue;
        found[hardest] = true;
        SCOPED_TRACE(std::string(kTechniqueTable[hardest].caption) + " " + text);

        const std::uint32_t easier = (1u << hardest) - 1;
        Solver restricted;
        restricted.Puzzle = test::GridFromText(text);
        restricted.EnableTechniques(easier);
        EXPECT_EQ(restricted.Solve(), kResultStuck);
        restricted.EnableTechniques(easier | (1u << hardest));
        EXPECT_EQ(restricted.Solve(), g.result);
        EXPECT_EQ(restricted.TechniqueCount(), g.counts);
        EXPECT_GE(g.result, kTechniqueTable[hardest].tier);
    }
    std::string missing;
    int count = 0;
    for (int t = kPointingPair; t < kTechniqueCount; ++t) {
        if (found[t])
            ++count;
        else
            missing += std::string(" ") + std::string(kTechniqueTable[t].caption) + ";";
    }
    std::cout << "[ one-technique puzzles ] " << count << " of 20 techniques; none for:" << missing
              << '\n';
    EXPECT_GE(count, 16);
}

// The solver keeps where every digit can go, how often, and which searches
// may be skipped, step by step. A solver that has come to a position through
// ladder steps and removals must answer every technique there exactly like a
// new solver loaded with the position alone.
TEST(Solve, StepByStepStateAnswersLikeALoadedPosition) {
    Generator generator(2024);
    std::mt19937 rng(2024);
    int positions = 0, fired[kTechniqueCount] = {};
    for (int puzzle = 0; puzzle < 40; ++puzzle) {
        generator.MakeFullGrid();
        generator.MakePuzzle();
        const Grid& solution = generator.GeneratedGrid;
        Solver walked;
        walked.Puzzle = generator.Puzzle;
        walked.Start();
        for (int step = 0; step < 300 && !walked.Solved(); ++step) {
            ++positions;
            for (int t = 0; t < kTechniqueCount; ++t) {
                Solver incremental = walked, loaded;
                loaded.LoadPosition(generator.Puzzle, walked.SolverGrid(), walked.CandidateMask());
                const bool a = incremental.ApplyTechnique(t), b = loaded.ApplyTechnique(t);
                ASSERT_EQ(a, b) << TechniqueCaption(t) << " at step " << step << " of "
                                << GridText(generator.Puzzle);
                ASSERT_EQ(incremental.CandidateMask(), loaded.CandidateMask())
                    << TechniqueCaption(t);
                ASSERT_EQ(incremental.SolverGrid(), loaded.SolverGrid()) << TechniqueCaption(t);
                fired[t] += a;
            }
            const unsigned move = rng() % 3;
            if (move == 0) {
                // A player's strike: some candidate that is not the cell's digit.
                for (int k = 0; k < 3; ++k) {
                    const int c = static_cast<int>(rng() % kCells),
                              d = 1 + static_cast<int>(rng() % 9);
                    if (d != solution[c]) walked.RemoveCandidate(d, c);
                }
            } else if (move == 1) {
                // Any technique, so that every one leaves what it found behind.
                walked.ApplyTechnique(static_cast<int>(rng() % kTechniqueCount));
            } else {
                // One rung of the ladder, as Solve climbs it.
                int t = 0;
                while (t < kTechniqueCount && !walked.ApplyTechnique(t)) ++t;
                if (t == kTechniqueCount) break;
            }
        }
    }
    EXPECT_GT(positions, 1500);
    for (int t = 0; t < kTechniqueCount; ++t)
        EXPECT_GT(fired[t], 0) << TechniqueCaption(t) << " never came up";
}

} // namespace
} // namespace dravik
