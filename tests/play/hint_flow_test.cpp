// The Hint button and the marker's menu, driven as the window drives them:
// what a hint shows, what it leaves alone, and how "Show where" and "Apply
// this step" behave.
#include <gtest/gtest.h>

#include "game/hint/hint_search.h"
#include "play_fixture.h"

namespace dravik::test {
namespace {

// Everything a hint must leave as it was.
struct Untouched {
    explicit Untouched(const PlayHarness& h) : board(h.board()), view(h.view()) {}
    ShownBoard board;
    GameView view;
};

void ExpectUntouched(const PlayHarness& h, const Untouched& before) {
    EXPECT_EQ(h.board().Played, before.board.Played);
    EXPECT_EQ(h.board().PencilMarks, before.board.PencilMarks);
    EXPECT_EQ(h.board().StepCount, before.board.StepCount);
    const GameView v = h.view();
    EXPECT_EQ(v.Cells, before.view.Cells);
    EXPECT_EQ(v.Buttons, before.view.Buttons);
    EXPECT_EQ(v.TechniqueCounts, before.view.TechniqueCounts);
    EXPECT_EQ(v.Steps, before.view.Steps);
    EXPECT_EQ(v.Time, before.view.Time);
}

// The first empty cell at or after `from`.
int EmptyCell(const PlayHarness& h, int from = 0) {
    for (int c = from; c < kCells; ++c)
        if (h.board().Played[c] == 0) return c;
    return -1;
}

TEST(Hint, ATechniqueHintMovesTheMarkerAndChangesNothingElse) {
    for (int level = 3; level <= 5; ++level) {
        SCOPED_TRACE(level);
        PlayHarness h;
        h.StartAndIdle();
        h.OpenPuzzle(level, 1);
        h.clock.AdvanceSeconds(30);
        h.game->Tick();
        // A couple of sound moves first, so there is history to keep.
        const int a = EmptyCell(h), b = EmptyCell(h, a + 1);
        h.Place(a, h.board().Solution[a]);
        h.Place(b, h.board().Solution[b]);
        h.sound.played.clear();
        const Untouched before(h);

        const HintResult r = h.game->Hint();
        ASSERT_TRUE(r.IsTechnique());
        GameView v = h.view();
        EXPECT_EQ(v.HintMarker, r.technique);
        EXPECT_TRUE(v.Highlight.Empty()) << "nothing is shown on the board until asked";
        EXPECT_EQ(h.sound.played, std::vector<int>{kSoundHint});
        EXPECT_TRUE(h.prompt.messages.empty());
        ExpectUntouched(h, before);
        // A hint costs no time, now or at the next tick.
        h.game->Tick();
        EXPECT_EQ(h.view().Time, before.view.Time);

        // Asking again: the same answer, the marker shown again.
        EXPECT_EQ(h.game->Hint(), r);
        EXPECT_EQ(h.view().HintMarker, r.technique);
        ExpectUntouched(h, before);
    }
}

TEST(Hint, AWrongDigitOrAStruckSolutionMarkIsNamedInAMessage) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(3, 1);
    // A wrong digit in the first empty cell, then a struck solution mark in the
    // last one: the wrong digit comes first in cell order.
    const int wrongCell = EmptyCell(h);
    int last = -1;
    for (int c = 0; c < kCells; ++c)
        if (h.board().Played[c] == 0) last = c;
    const int solutionAtLast = h.board().Solution[last];
    h.Strike(last, solutionAtLast);
    const int wrong = h.board().Solution[wrongCell] % 9 + 1;
    ASSERT_TRUE(h.board().PencilMarks[wrongCell] & DigitBit(wrong));
    h.Place(wrongCell, wrong);
    h.sound.played.clear();
    const Untouched before(h);

    EXPECT_EQ(h.game->Hint(), (HintResult{HintKind::WrongDigit, -1, wrongCell}));
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    const ShownMessage& m = h.prompt.messages[0];
    EXPECT_EQ(m.text,
              "The solution of cell " + std::string(CellName(wrongCell).data()) + " is incorrect!");
    EXPECT_EQ(m.title, "Bad solved cell");
    EXPECT_EQ(m.icon, MessageIcon::Critical);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundError});
    EXPECT_FALSE(h.view().HintMarker.has_value());
    ExpectUntouched(h, before);

    h.game->Undo(); // the wrong digit goes; the struck mark remains
    EXPECT_EQ(h.game->Hint(), (HintResult{HintKind::StruckMark, -1, last}));
    ASSERT_EQ(h.prompt.messages.size(), 2u);
    EXPECT_EQ(h.prompt.messages[1].text, "The pencilmark of cell " +
                                             std::string(CellName(last).data()) +
                                             " to solve this cell is incorrectly erased!");
    EXPECT_EQ(h.prompt.messages[1].title, "Bad solved cell");
    EXPECT_EQ(h.prompt.messages[1].icon, MessageIcon::Critical);
    EXPECT_FALSE(h.view().HintMarker.has_value());
}

TEST(Hint, EasyLevelsAndIdleBoardsShowNothing) {
    for (int level : {1, 2}) {
        PlayHarness h;
        h.StartAndIdle();
        h.OpenPuzzle(level, 1);
        h.sound.played.clear();
        EXPECT_EQ(h.game->Hint().kind, HintKind::LowLevel);
        EXPECT_TRUE(h.sound.played.empty());
        EXPECT_TRUE(h.prompt.messages.empty());
        EXPECT_FALSE(h.view().HintMarker.has_value());
        EXPECT_EQ(h.game->HintMarkerPage(), "");
    }
    // No game yet, and after the solution is shown: the button is off.
    PlayHarness h;
    h.StartAndIdle();
    EXPECT_EQ(h.game->Hint(), HintResult{});
    h.OpenPuzzle(4, 1);
    h.game->ShowSolution();
    h.sound.played.clear();
    EXPECT_EQ(h.game->Hint(), HintResult{});
    EXPECT_TRUE(h.sound.played.empty());
    EXPECT_FALSE(h.view().HintMarker.has_value());
}

TEST(Hint, TheMarkerAndTheHighlightGoWithEveryBoardChange) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(4, 1);
    const int cell = EmptyCell(h);
    auto hintAndShow = [&] {
        ASSERT_TRUE(h.game->Hint().IsTechnique());
        h.game->ShowHintWhere();
        ASSERT_FALSE(h.view().Highlight.Empty());
    };
    auto expectHidden = [&](const char* after) {
        const GameView v = h.view();
        EXPECT_FALSE(v.HintMarker) << after;
        EXPECT_TRUE(v.Highlight.Empty()) << after;
        EXPECT_EQ(v.Highlight, BoardHighlight{}) << after;
        EXPECT_EQ(h.game->HintMarkerPage(), "") << after;
    };
    hintAndShow();
    h.Place(cell, h.board().Solution[cell]);
    expectHidden("a placement");
    hintAndShow();
    h.game->Undo();
    expectHidden("Undo");
    hintAndShow();
    h.game->Redo();
    expectHidden("Redo");
    hintAndShow();
    int other = EmptyCell(h);
    int wrongMark = h.board().Solution[other] % 9 + 1;
    while (!(h.board().PencilMarks[other] & DigitBit(wrongMark))) wrongMark = wrongMark % 9 + 1;
    h.Strike(other, wrongMark);
    expectHidden("a strike");
    hintAndShow();
    h.SelectCell(cell);
    h.game->ResetCell();
    expectHidden("Reset Cell");
    hintAndShow();
    h.game->Restart();
    expectHidden("Restart");
    hintAndShow();
    // A new hint starts without the old highlight.
    h.game->Hint();
    EXPECT_TRUE(h.view().HintMarker.has_value());
    EXPECT_TRUE(h.view().Highlight.Empty());
    h.game->ShowHintWhere();
    h.game->ShowSolution();
    expectHidden("Solution");
    h.OpenPuzzle(5, 1);
    hintAndShow();
    h.game->Restart(); // nothing to restart: the board stays, and so does the hint
    EXPECT_TRUE(h.view().HintMarker.has_value());
    // Selecting a row or column is no board change.
    h.game->ToggleRow(3);
    EXPECT_FALSE(h.view().Highlight.Empty());
}

TEST(Hint, ShowWhereOutlinesTheStepAndApplyMakesItAsUndoableMoves) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(5, 2);
    // Play along the hints until one removes marks; the singles on the way
    // place their digit, each as one move that Undo takes back.
    HintResult r;
    for (int i = 0; i < 81; ++i) {
        r = h.game->Hint();
        ASSERT_TRUE(r.IsTechnique());
        if (r.technique > kNakedSingle) break;
        h.game->ShowHintWhere();
        const BoardHighlight where = h.view().Highlight;
        ASSERT_GE(where.PlacedCell, 0);
        EXPECT_TRUE(where.Pattern[where.PlacedCell]);
        const ShownBoard before = h.board();
        h.game->ApplyHintStep();
        EXPECT_EQ(h.board().Played[where.PlacedCell], where.PlacedDigit);
        EXPECT_EQ(where.PlacedDigit, before.Solution[where.PlacedCell]);
        EXPECT_EQ(h.board().StepCount, before.StepCount + 1);
        EXPECT_FALSE(h.view().HintMarker.has_value());
        if (i == 0) {
            h.game->Undo();
            EXPECT_EQ(h.board().Played, before.Played);
            EXPECT_EQ(h.board().PencilMarks, before.PencilMarks);
            h.game->Redo();
        }
    }
    ASSERT_GT(r.technique, kNakedSingle) << "only singles";
    const ShownBoard before = h.board();
    h.game->ShowHintWhere();
    const BoardHighlight where = h.view().Highlight;
    EXPECT_NE(where.Explanation.find(std::string(TechniqueCaption(r.technique))), std::string::npos)
        << where.Explanation;
    EXPECT_EQ(where.PlacedCell, -1);
    int struck = 0, outlined = 0;
    for (int c = 0; c < kCells; ++c) {
        EXPECT_EQ(where.Struck[c] & ~before.PencilMarks[c], 0) << "strikes a mark not shown";
        EXPECT_EQ(where.Struck[c] & DigitBit(before.Solution[c]), 0) << "strikes the solution";
        struck += BitCount(where.Struck[c]);
        outlined += where.Pattern[c];
    }
    EXPECT_GT(struck, 0);
    EXPECT_GE(outlined, 2);
    ASSERT_EQ(h.board().Played, before.Played) << "showing changes nothing";

    h.game->ApplyHintStep();
    EXPECT_EQ(h.board().StepCount, before.StepCount + struck);
    for (int c = 0; c < kCells; ++c)
        EXPECT_EQ(h.board().PencilMarks[c], before.PencilMarks[c] & ~where.Struck[c]);
    EXPECT_FALSE(h.view().HintMarker.has_value());
    EXPECT_TRUE(h.view().Highlight.Empty());
    h.game->ApplyHintStep(); // the marker is gone: nothing more happens
    EXPECT_EQ(h.board().StepCount, before.StepCount + struck);

    for (int i = 0; i < struck; ++i) h.game->Undo();
    EXPECT_EQ(h.board().PencilMarks, before.PencilMarks);
    EXPECT_EQ(h.board().Played, before.Played);
    EXPECT_EQ(h.board().StepCount, before.StepCount);
    EXPECT_EQ(h.game->Hint(), r) << "the same position, the same hint";
}

TEST(Hint, TheMarkerOpensItsTechniquesPage) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(3, 1);
    EXPECT_EQ(h.game->HintMarkerPage(), "");
    const HintResult r = h.game->Hint();
    ASSERT_TRUE(r.IsTechnique());
    EXPECT_EQ(h.game->HintMarkerPage(),
              kTechniqueTable[static_cast<std::size_t>(r.technique)].helpPage);
}

} // namespace
} // namespace dravik::test
