// Renewing a level's set in the background passes while another level is played.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "play_fixture.h"

namespace dravik::test {
namespace {

// Hands one result to the game the way the window does: the source reports it,
// the window runs one pass.
void Deliver(PlayHarness& h, const GeneratedPuzzle& puzzle) {
    h.source.waiting.push_back(puzzle);
    h.game->RunPass();
}

TEST(Renewal, GuardsAndTheQuestion) {
    PlayHarness h;
    h.StartAndIdle();
    ASSERT_EQ(h.view().SelectedLevel, 2);

    h.game->Renew(2); // the selected level: nothing, not even the question
    EXPECT_TRUE(h.prompt.messages.empty());
    EXPECT_FALSE(h.view().RenewalProgress);

    h.prompt.answers = {MessageAnswer::Cancel};
    h.game->Renew(4);
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].text,
              "Are you sure to renew this set of Sudokus? Renewing also resets the Best Times "
              "for this set.");
    EXPECT_EQ(h.prompt.messages[0].title, "Renew Selected Set of Sudokus");
    EXPECT_EQ(h.prompt.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(h.prompt.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_FALSE(h.view().RenewalProgress);
    EXPECT_FALSE(h.game->NeedsPass());
    EXPECT_EQ(h.game->Puzzles()(4, 100), TestStock()(4, 100));

    h.game->Renew(4);
    EXPECT_TRUE(h.view().RenewalProgress && !h.view().Buttons.Level[4]);
    EXPECT_TRUE(h.source.running);
    EXPECT_EQ(h.game->Puzzles()(4, 100).Score, 0);
    EXPECT_FALSE(h.view().Buttons.Level[4]);
    for (int l = 1; l <= 5; ++l) EXPECT_FALSE(h.view().Buttons.Renew[l]);
    EXPECT_TRUE(h.view().RenewalProgress.has_value());
    EXPECT_EQ(h.view().RenewalProgress.value_or(-1), 0);
    EXPECT_TRUE(h.source.running);

    // A second renewal cannot start while one runs.
    h.prompt.messages.clear();
    h.game->Renew(5);
    EXPECT_TRUE(h.prompt.messages.empty());
    EXPECT_TRUE(h.view().RenewalProgress && !h.view().Buttons.Level[4]);
    // Nor can the renewing level be chosen.
    h.game->SelectLevel(4);
    EXPECT_EQ(h.view().SelectedLevel, 2);
}

TEST(Renewal, ALevelIsFiledToCompletionWhileAnotherIsPlayedAndTheFileWrittenOnce) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenNext(); // level 2, puzzle 1
    h.game->Renew(4);
    ASSERT_TRUE(h.source.running);

    std::multiset<std::int32_t> filed;
    int levelFour = 0;
    for (int k = 0; levelFour < 100; ++k) {
        // Scores of the new puzzles come in any order; others levels and
        // stuck puzzles are mixed in and must not count.
        if (k % 3 == 1) {
            Deliver(h, GeneratedOfLevel(3, 77));
            continue;
        }
        if (k % 7 == 3) {
            Deliver(h, GeneratedOfLevel(kResultStuck, 0));
            continue;
        }
        std::int32_t score = 1 + (levelFour * 37) % 101;
        filed.insert(score);
        EXPECT_EQ(h.view().StartupProgress[4], levelFour);
        Deliver(h, GeneratedOfLevel(4, score));
        ++levelFour;
        EXPECT_EQ(h.view().StartupProgress[4], levelFour);
        EXPECT_EQ(h.view().RenewalProgress.value_or(-1), levelFour - 1);
        if (levelFour < 100) {
            EXPECT_EQ(h.writer.writes, 0);
        }
        // The player goes on meanwhile.
        if (levelFour == 50) {
            int first = 0;
            while (h.board().Played[first] != 0) ++first;
            h.Place(first, h.board().Solution[first]);
            EXPECT_EQ(h.board().StepCount, 1);
        }
    }
    EXPECT_EQ(h.view().StartupProgress[3], 0);
    EXPECT_EQ(h.writer.writes, 1);
    EXPECT_TRUE(h.game->NeedsPass());
    EXPECT_FALSE(h.source.running) << "the generator stops with the last puzzle";

    // The completed set: 100 new puzzles sorted by score, no best times.
    const Stock& stock = h.game->Puzzles();
    ASSERT_NE(h.writer.written, nullptr);
    EXPECT_EQ(*h.writer.written, stock);
    std::multiset<std::int32_t> scores;
    for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
        const StockRecord& r = stock(4, n);
        scores.insert(r.Score);
        EXPECT_EQ(r.Level, 4);
        EXPECT_FALSE(r.HasBestTime());
        EXPECT_EQ(r.Reserved2, 0);
        if (n > 1) {
            EXPECT_LE(stock(4, n - 1).Score, r.Score);
        }
        for (int i = 0; i < kCells; ++i) EXPECT_EQ(r.Givens[i], TestPuzzles(4)[0].givens[i]);
    }
    EXPECT_EQ(scores, filed);
    for (int l : {1, 2, 3, 5})
        for (int n = 1; n <= kPuzzlesPerLevel; ++n) EXPECT_EQ(stock(l, n), TestStock()(l, n));

    // The next pass restores the controls; the renewed level's button waits
    // for the end of the running game.
    EXPECT_TRUE(h.game->NeedsPass());
    h.game->RunPass();
    EXPECT_FALSE(h.game->NeedsPass());
    EXPECT_FALSE(h.view().RenewalProgress);
    EXPECT_FALSE(h.view().RenewalProgress.has_value());
    for (int l = 1; l <= 5; ++l) EXPECT_TRUE(h.view().Buttons.Renew[l]);
    EXPECT_FALSE(h.view().Buttons.Level[4]);
    h.game->ShowSolution();
    EXPECT_TRUE(h.view().Buttons.Level[4]);
    EXPECT_FALSE(h.game->NeedsPass());
    EXPECT_EQ(h.writer.writes, 1);

    // The level continues at the number it had.
    h.game->SelectLevel(4);
    h.OpenNext();
    EXPECT_EQ(h.board().PuzzleNumber, 1);
    EXPECT_EQ(h.board().PuzzleLevel, 4);
}

TEST(Renewal, DuringARenewalTheRenewingLevelStaysUnselectableAfterAGameEnds) {
    PlayHarness h;
    h.StartAndIdle();
    h.game->Renew(5);
    h.OpenNext();
    h.game->ShowSolution();
    EXPECT_TRUE(h.view().Buttons.Level[1]);
    EXPECT_FALSE(h.view().Buttons.Level[5]);
    h.game->SelectLevel(5);
    EXPECT_EQ(h.view().SelectedLevel, 2);
}

TEST(Renewal, ARequestBeforeTheFirstPassStartsRightAfterIt) {
    PlayHarness h;
    ASSERT_TRUE(h.Start());
    h.game->Renew(3);
    EXPECT_TRUE(h.view().RenewalProgress && !h.view().Buttons.Level[3]);
    EXPECT_FALSE(h.source.running);
    h.game->RunPass();
    EXPECT_TRUE(h.view().Buttons.Next);
    EXPECT_FALSE(h.view().Starting);
    EXPECT_TRUE(h.source.running);
    EXPECT_TRUE(h.source.running);
    for (int k = 0; k < 100; ++k) Deliver(h, GeneratedOfLevel(3, 10 + k));
    EXPECT_EQ(h.writer.writes, 1);
    h.game->RunPass();
    EXPECT_FALSE(h.game->NeedsPass());
    EXPECT_TRUE(h.view().Buttons.Level[3]);
    EXPECT_FALSE(h.view().RenewalProgress.has_value());
}

TEST(Renewal, AFailedWriteAtTheEndIsReportedAndTheSetKept) {
    PlayHarness h;
    h.writer.fail = true;
    h.StartAndIdle();
    h.game->Renew(1);
    for (int k = 0; k < 100; ++k) Deliver(h, GeneratedOfLevel(1, 5 + k));
    ASSERT_EQ(h.prompt.messages.size(), 2u); // the question, then the error
    EXPECT_EQ(h.prompt.messages[1].text, "Error writing sudokus to file!");
    EXPECT_EQ(h.game->Puzzles()(1, 100).Score, 104);
    h.game->RunPass();
    EXPECT_FALSE(h.game->NeedsPass());
}

} // namespace
} // namespace dravik::test
