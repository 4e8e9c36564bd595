// The game's solution path against `dravik solve --steps`: one way of
// writing a step, the same steps in the same order, from the start of a stock
// puzzle and from a position part way through it; a mistake is not shown.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "game/stock/stock_file.h"
#include "play/play_fixture.h"
#include "support/command_run.h"

namespace dravik::test {
namespace {

// The step lines `dravik solve --steps` writes for `puzzle` (81 characters).
std::vector<std::string> SolveSteps(const std::string& puzzle) {
    const CommandRun r = RunCommand([&](std::ostream& out, std::ostream& err) {
        std::istringstream in(puzzle + "\n");
        return cli::RunSolve({"--steps"}, in, out, err);
    });
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines;
    std::istringstream s(r.out);
    for (std::string line; std::getline(s, line);)
        if (!line.empty() && line[0] != '#' && line.find(". ") != std::string::npos)
            lines.push_back(line);
    return lines;
}

std::vector<std::string> PathLines(const SolutionPath& path) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < path.steps.size(); ++i)
        lines.push_back(PathLine(static_cast<int>(i) + 1, path.steps[i]));
    return lines;
}

std::string DigitsText(const std::array<std::uint8_t, kCells>& digits) {
    std::string s;
    for (std::uint8_t d : digits) s += static_cast<char>('0' + d);
    return s;
}

TEST(SolutionPath, AStockHardPuzzleFollowsDravikSolveFromTheStartAndAfterTenMoves) {
    Stock master;
    ASSERT_TRUE(ReadStock(DRAVIK_MASTER_STOCK, master).ok());
    PlayHarness h;
    h.game->LoadSettings(true);
    StockOpenResult opened;
    opened.status = StockOpenStatus::kOk;
    ASSERT_TRUE(h.game->TakeStock(opened, master));
    h.game->FinishStartup();
    h.Settle();
    for (int number : {1, 57, 100}) {
        if (h.playing()) h.game->ShowSolution();
        h.OpenPuzzle(4, number);
        ASSERT_TRUE(h.playing());
        const GameView before = h.view();
        const SolutionPath path = h.game->SolutionPathFromHere();
        EXPECT_EQ(h.view(), before) << "looking changes nothing in the game";
        ASSERT_EQ(path.outcome, SolutionPath::Outcome::Solved) << path.Summary();
        EXPECT_GT(path.steps.size(), 40u);
        EXPECT_EQ(PathLines(path), SolveSteps(h.game->GivensText())) << "number " << number;
        EXPECT_EQ(path.steps.front().cells, before.Cells) << "the first board is the board";

        // Ten moves: the first ten empty cells get their digits.
        const ShownBoard b = h.board();
        int moves = 0;
        for (int c = 0; c < kCells && moves < 10; ++c)
            if (b.Played[c] == 0) {
                h.Place(c, b.Solution[c]);
                ++moves;
            }
        const GameView moved = h.view();
        const SolutionPath later = h.game->SolutionPathFromHere();
        EXPECT_EQ(later.fromStep, 10);
        EXPECT_EQ(later.steps.front().cells, moved.Cells);
        // The marks are the candidates of the digits on the board, so the
        // command solving those digits as givens takes the same steps.
        EXPECT_EQ(PathLines(later), SolveSteps(DigitsText(h.board().Played)));
        for (int c = 0; c < kCells; ++c) EXPECT_EQ(later.end[c].Digit, b.Solution[c]) << c;
        // A wrong digit is not given away: no step, no board, only advice.
        const ShownBoard now = h.board();
        int cell = 0, wrong = 0;
        for (int c = 0; c < kCells && wrong == 0; ++c)
            for (int d = 1; d <= 9 && wrong == 0; ++d)
                if (now.Played[c] == 0 && d != now.Solution[c] &&
                    (now.PencilMarks[c] & DigitBit(d)))
                    cell = c, wrong = d;
        h.Place(cell, wrong);
        const SolutionPath mistake = h.game->SolutionPathFromHere();
        EXPECT_EQ(mistake.outcome, SolutionPath::Outcome::Mistake);
        EXPECT_TRUE(mistake.steps.empty());
        EXPECT_EQ(mistake.end, SolutionPath{}.end);
        EXPECT_EQ(mistake.Summary(),
                  "This position cannot be solved from here. Ask for a Hint to find out why.");
        // Each step's board is the one before it with that step made.
        for (std::size_t i = 0; i + 1 < later.steps.size(); ++i) {
            const PathStep& s = later.steps[i];
            const auto& next = later.steps[i + 1].cells;
            if (s.highlight.PlacedCell >= 0) {
                EXPECT_EQ(next[s.highlight.PlacedCell].Digit, s.highlight.PlacedDigit);
            } else {
                for (int c = 0; c < kCells; ++c)
                    EXPECT_EQ(next[c].MarksShown, s.cells[c].MarksShown & ~s.highlight.Struck[c]);
            }
        }
    }
}

} // namespace
} // namespace dravik::test
