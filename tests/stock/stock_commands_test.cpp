#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/args.h"
#include "cli/commands.h"
#include "game/model/puzzle_text.h"
#include "game/stock/stock_file.h"
#include "stock/stock_fixtures.h"
#include "support/brute_force.h"
#include "support/command_run.h"

namespace dravik {
namespace {

using cli::Args;

using test::CommandRun;

CommandRun Generate(const Args& args) {
    return test::RunCommand([&](std::ostream& out, std::ostream& err) {
        return cli::RunGenerate(args, out, err, false);
    });
}

CommandRun StockCommand(const Args& args) {
    return test::RunCommand(
        [&](std::ostream& out, std::ostream& err) { return cli::RunStock(args, out, err, false); });
}

std::vector<std::vector<std::string>> Lines(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        lines.emplace_back(std::istream_iterator<std::string>(words),
                           std::istream_iterator<std::string>());
    }
    return lines;
}

TEST(GenerateCommand, LinesDescribeTheirPuzzleAndRepeatForTheSameSeed) {
    const CommandRun one = Generate({"--count", "12", "--seed", "42", "--threads", "1"});
    const CommandRun two = Generate({"--count", "12", "--seed", "42", "--threads", "2"});
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.out, two.out);
    EXPECT_NE(one.out, Generate({"--count", "12", "--seed", "43"}).out);
    EXPECT_FALSE(one.err.empty()) << "no progress shown";

    const auto lines = Lines(one.out);
    ASSERT_EQ(lines.size(), 12u);
    Solver solver;
    for (const auto& words : lines) {
        ASSERT_EQ(words.size(), 4u + kTechniqueCount);
        const ParsedLine puzzle = ParsePuzzleLine(words[0]);
        const ParsedLine solution = ParsePuzzleLine(words[1]);
        ASSERT_EQ(puzzle.kind, ParsedLine::kPuzzle);
        Grid found{};
        ASSERT_EQ(test::CountSolutions(puzzle.puzzle, 2, &found), 1);
        EXPECT_EQ(found, solution.puzzle);
        const Grading g = GradePuzzle(solver, puzzle.puzzle);
        EXPECT_EQ(words[2], std::to_string(g.result));
        EXPECT_EQ(words[3], std::to_string(g.score));
        for (int t = 0; t < kTechniqueCount; ++t)
            EXPECT_EQ(words[4 + t], std::to_string(g.counts[t]));
    }
}

TEST(GenerateCommand, LevelKeepsOnlyThatLevelAndBadArgumentsAreUsageErrors) {
    const CommandRun r = Generate({"--count", "5", "--level", "4", "--seed", "7"});
    ASSERT_EQ(r.status, 0);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u);
    for (const auto& words : lines) EXPECT_EQ(words[2], "4");

    for (const Args& bad : std::vector<Args>{{},
                                             {"--count"},
                                             {"--count", "0"},
                                             {"--count", "3", "--level", "7"},
                                             {"--count", "3", "--threads", "0"},
                                             {"--count", "3", "--seed", "-1"},
                                             {"--count", "3", "--bogus"}})
        EXPECT_THROW(Generate(bad), cli::UsageError);
}

class StockCommandTest : public ::testing::Test {
  protected:
    test::TempFolder folder_;
};

TEST_F(StockCommandTest, ShowPrintsRecordsAndVerifyFindsEveryKindOfFault) {
    // A stock made by the build command itself would take too long here; the
    // shipped master stock is built and verified by its own test.
    const std::string master = DRAVIK_MASTER_STOCK;
    Stock stock;
    ASSERT_TRUE(ReadStock(master, stock).ok());

    CommandRun r = StockCommand({"verify", master});
    EXPECT_EQ(r.status, 0) << r.out;

    r = StockCommand({"show", master, "--level", "2", "--number", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u); // heading and one record
    const StockRecord& rec = stock(2, 3);
    ASSERT_EQ(lines[1].size(), 7u + kTechniqueCount);
    EXPECT_EQ(lines[1][0], "2");
    EXPECT_EQ(lines[1][1], "3");
    EXPECT_EQ(lines[1][4], std::to_string(rec.Score));
    EXPECT_EQ(lines[1][5], "-");
    EXPECT_EQ(Lines(StockCommand({"show", master}).out).size(), 501u);

    struct Fault {
        const char* name;
        void (*damage)(Stock&);
        const char* expected;
    };
    const Fault faults[] = {
        {"out of order", [](Stock& s) { std::swap(s(3, 1), s(3, 100)); }, "record 300"},
        {"wrong score", [](Stock& s) { s(1, 50).Score += 1; }, "record 50"},
        {"wrong count", [](Stock& s) { s(4, 4).TechniqueCounts[0] += 1; }, "record 304"},
        {"puzzle of another level",
         [](Stock& s) {
             s(5, 1) = s(1, 1);
             s(5, 1).Level = 5;
         },
         "record 401"},
        {"not unique",
         [](Stock& s) {
             for (auto& g : s(2, 7).Givens) g = 0;
         },
         "record 107"},
        {"impossible best time", [](Stock& s) { s(2, 9).BestSeconds = 75; },
         "record 109 (level 2 number 9): impossible best time: minutes 0, seconds 75, player 0"},
        {"negative best time",
         [](Stock& s) {
             s(5, 9).BestMinutes = -1;
             s(5, 9).BestPlayer = 3;
         },
         "record 409 (level 5 number 9): impossible best time: minutes -1, seconds 0, player 3"},
        {"the same puzzle twice in a set", [](Stock& s) { s(4, 21) = s(4, 20); },
         "record 321 (level 4 number 21): same puzzle as number 20"},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.name);
        Stock damaged = stock;
        f.damage(damaged);
        const auto file = folder_ / "damaged.kds";
        ASSERT_TRUE(WriteStock(file, damaged).ok);
        r = StockCommand({"verify", file.string()});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.out.find(f.expected), std::string::npos) << r.out;
    }

    // A file that cannot be read at all.
    std::ofstream(folder_ / "short.kds") << "short";
    r = StockCommand({"verify", (folder_ / "short.kds").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("unreadable"), std::string::npos);
    EXPECT_EQ(StockCommand({"show", (folder_ / "short.kds").string()}).status, 1);

    EXPECT_THROW(StockCommand({}), cli::UsageError);
    EXPECT_THROW(StockCommand({"frobnicate"}), cli::UsageError);
    EXPECT_THROW(StockCommand({"build"}), cli::UsageError);
    EXPECT_THROW(StockCommand({"verify"}), cli::UsageError);
    EXPECT_THROW(StockCommand({"show", master, "--level", "6"}), cli::UsageError);
}

} // namespace
} // namespace dravik
