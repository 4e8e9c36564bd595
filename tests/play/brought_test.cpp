// Puzzles brought from outside the stock, and the keyboard's handlers, driven
// through the game object as the window drives them.
#include <gtest/gtest.h>

#include "game/play/brought_puzzle.h"
#include "play_fixture.h"
#include "support/brought_puzzles.h"

namespace dravik::test {
namespace {

std::string NineLines(const std::string& line) {
    std::string out;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c)
            out += std::string(1, line[9 * r + c]) + (c % 3 == 2 ? "  " : " ");
        out += r % 3 == 2 ? "\r\n\n" : "\n";
    }
    return out;
}

TEST(BroughtPuzzle, TextIsReadCheckedAndGraded) {
    BroughtResult one = ReadBroughtPuzzle(kMedium);
    ASSERT_TRUE(one.puzzle) << one.error;
    EXPECT_EQ(one.puzzle->level, 3);
    EXPECT_FALSE(one.puzzle->beyondLadder);
    // The same puzzle as a 9-line grid, with blanks and line breaks anywhere.
    BroughtResult grid = ReadBroughtPuzzle(NineLines(kMedium));
    ASSERT_TRUE(grid.puzzle) << grid.error;
    EXPECT_EQ(grid.puzzle->givens, one.puzzle->givens);
    EXPECT_EQ(grid.puzzle->solution, one.puzzle->solution);
    for (int c = 0; c < kCells; ++c)
        if (one.puzzle->givens[c]) {
            EXPECT_EQ(one.puzzle->givens[c], one.puzzle->solution[c]);
        }

    BroughtResult beyond = ReadBroughtPuzzle(kBeyond);
    ASSERT_TRUE(beyond.puzzle);
    EXPECT_TRUE(beyond.puzzle->beyondLadder);
    EXPECT_EQ(beyond.puzzle->level, 5);

    const struct {
        std::string text;
        std::string says;
    } refused[] = {
        {std::string(kMedium).substr(0, 80), "80 cells"},
        {std::string(kMedium) + "1", "82 cells"},
        {std::string(kMedium).replace(10, 1, "x"), "'x'"},
        {"hello, world", "'h'"},
        {"", "0 cells"},
        {std::string(kMedium).replace(0, 2, "44"), "givens break the rules (two 4s in row A)"},
        {std::string(81, '.'), "more than one solution"},
        // Consistent givens whose only candidate for A9 is already used.
        {"12345678." + std::string(8, '.') + "9" + std::string(63, '.'), "no solution"},
    };
    for (const auto& r : refused) {
        BroughtResult out = ReadBroughtPuzzle(r.text);
        EXPECT_FALSE(out.puzzle) << r.text;
        EXPECT_NE(out.error.find(r.says), std::string::npos) << out.error;
    }
}

void AddPlayer(MemorySettingsStore& s) {
    s.Put("Players", "Count", "1");
    s.Put("Players", "Player01", "Ann             ");
    s.Put("Players", "Last_Player", "1");
}

TEST(BroughtPuzzle, IsPlayedOutsideTheStockAndNextReturnsToIt) {
    PlayHarness h;
    AddPlayer(h.settings);
    h.StartAndIdle();
    ASSERT_TRUE(h.game->PlayText(NineLines(kMedium)));
    EXPECT_EQ(h.board().PuzzleLevel, 3);
    EXPECT_EQ(h.view().StatusPanels[0], "Level: Medium");
    EXPECT_EQ(h.view().StatusPanels[1], "Number: --");
    std::string copied(kMedium);
    for (char& c : copied) c = c == '.' ? '0' : c;
    EXPECT_EQ(h.game->GivensText(), copied);
    EXPECT_TRUE(h.view().ClockRunning);
    EXPECT_EQ(h.view().CursorCell, 0);
    // Level 3 rules: the givens are struck from their peers' marks.
    EXPECT_FALSE(h.board().PencilMarks[0] & DigitBit(3));
    h.clock.AdvanceSeconds(42);
    h.game->Tick();
    h.PlaceSolution();
    EXPECT_TRUE(!h.playing());
    EXPECT_EQ(h.writer.writes, 0) << "a brought puzzle sets no best time";
    for (const auto& m : h.prompt.messages) EXPECT_NE(m.title, "New Best Time!");
    // Next goes back to the stock where it left off.
    const int before = std::stoi(h.settings.Get("Last_Puzzle", "Level02").value_or("0"));
    h.OpenNext();
    EXPECT_EQ(h.board().PuzzleNumber, before + 1);
    EXPECT_NE(h.view().StatusPanels[1], "Number: --");
    h.clock.AdvanceSeconds(42);
    h.game->Tick();
    h.PlaceSolution();
    EXPECT_EQ(h.writer.writes, 1) << "a stock puzzle still sets its best time";

    ASSERT_TRUE(h.game->PlayText(kBeyond));
    EXPECT_EQ(h.board().PuzzleLevel, 5);
    EXPECT_EQ(h.view().StatusPanels[0], "Level: Beyond Very Hard");
}

TEST(BroughtPuzzle, ARefusalOrANoChangesNothing) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenNext();
    int first = 0;
    while (h.board().Played[first] != 0) ++first;
    h.Place(first, h.board().Solution[first]);
    const ShownBoard before = h.board();
    const int messages = static_cast<int>(h.prompt.messages.size());
    EXPECT_FALSE(h.game->PlayText("not a puzzle"));
    ASSERT_EQ(static_cast<int>(h.prompt.messages.size()), messages + 1);
    EXPECT_EQ(h.prompt.messages.back().title, kBroughtPuzzleTitle);
    // A game in progress is given up only on Yes.
    h.prompt.answers = {MessageAnswer::No};
    EXPECT_FALSE(h.game->PlayText(kMedium));
    EXPECT_EQ(h.board().Givens, before.Givens);
    EXPECT_EQ(h.board().Played, before.Played);
    EXPECT_EQ(h.board().StepCount, before.StepCount);
    h.prompt.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(h.game->PlayText(kMedium));
    EXPECT_EQ(h.board().StepCount, 0);
}

TEST(Keyboard, TheCursorWrapsAndKeysActAsReleasesOnItsCell) {
    PlayHarness h;
    h.StartAndIdle();
    EXPECT_EQ(h.view().CursorCell, -1);
    h.game->MoveCursor(1, 1);
    EXPECT_EQ(h.view().CursorCell, -1) << "no cursor before a puzzle";
    h.OpenNext(); // level 2
    EXPECT_EQ(h.view().CursorCell, 0);
    h.game->MoveCursor(-1, 0);
    EXPECT_EQ(h.view().CursorCell, 72) << "up from A1 wraps to J1";
    h.game->MoveCursor(0, -1);
    EXPECT_EQ(h.view().CursorCell, 80);
    h.game->MoveCursor(1, 1);
    EXPECT_EQ(h.view().CursorCell, 0);
    int cell = 0;
    while (h.board().Played[cell] != 0) ++cell;
    h.game->SetCursor(cell);
    const int wrong = h.board().Solution[cell] % 9 + 1;
    h.game->StrikeMarkAtCursor(wrong); // a strike at level 2 does nothing
    EXPECT_EQ(h.board().StepCount, 0);
    h.game->PlaceDigitAtCursor(wrong);
    EXPECT_EQ(h.board().Played[cell], wrong);
    EXPECT_EQ(h.board().StepCount, 1);
    h.sound.played.clear();
    h.game->ResetCursorCell();
    EXPECT_EQ(h.board().Played[cell], 0);
    EXPECT_EQ(h.board().SelectedRow, cell / 9);
    EXPECT_EQ(h.board().SelectedColumn, cell % 9);
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundResetCell});
    EXPECT_EQ(h.board().StepCount, 2);
}

} // namespace
} // namespace dravik::test
