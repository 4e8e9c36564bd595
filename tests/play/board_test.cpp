// Loading, cell entry, the step history and Reset Cell, driven through the game
// object as the window drives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "play_fixture.h"

namespace dravik::test {
namespace {

// The candidates a cell has from the givens alone.
std::uint16_t MarksFromGivens(const Board& b, int cell) {
    std::uint16_t mask = kAllCandidates;
    for (int other = 0; other < kCells; ++other)
        if (other != cell && SeesCell(cell, other) && b.Givens[other] > 0)
            mask &= static_cast<std::uint16_t>(~DigitBit(b.Givens[other]));
    return mask;
}

// First empty cell, from `from` on, whose mark `digit` is shown.
int EmptyCellShowing(const PlayHarness& h, int digit, int from = 0) {
    for (int i = from; i < kCells; ++i)
        if (h.board().Played[i] == 0 && (h.board().PencilMarks[i] & DigitBit(digit))) return i;
    return -1;
}

void ExpectMarksMatchView(const PlayHarness& h) {
    for (int i = 0; i < kCells; ++i) {
        if (h.board().Played[i] == 0)
            EXPECT_EQ(h.view().Cells[i].MarksShown, h.board().PencilMarks[i]) << "cell " << i;
        else
            EXPECT_EQ(h.view().Cells[i].MarksShown, 0) << "cell " << i;
        EXPECT_EQ(h.view().Cells[i].Digit, h.board().Played[i]) << "cell " << i;
    }
}

TEST(Loading, LowerLevelsKeepAKeypadUpperLevelsStrikeTheGivensFromPeers) {
    for (int level : {1, 2, 3, 4, 5}) {
        PlayHarness h;
        h.StartAndIdle();
        h.OpenPuzzle(level, 1);
        ASSERT_FALSE(h.game->GameOver());
        const Board& b = h.board();
        EXPECT_EQ(b.PuzzleLevel, level);
        EXPECT_EQ(b.PuzzleNumber, 1);
        for (int i = 0; i < kCells; ++i) {
            EXPECT_EQ(b.Played[i], b.Givens[i]);
            if (b.Givens[i] > 0) {
                EXPECT_EQ(b.PencilMarks[i], 0);
                EXPECT_EQ(h.view().Cells[i].Colour, DigitColour::Given);
            } else {
                EXPECT_EQ(b.PencilMarks[i], level >= 3 ? MarksFromGivens(b, i) : kAllCandidates)
                    << "level " << level << " cell " << i;
                EXPECT_EQ(h.view().Cells[i].Colour, DigitColour::Normal);
            }
        }
        ExpectMarksMatchView(h);
        EXPECT_EQ(b.StepCount, 0);
        const ButtonStates& buttons = h.view().Buttons;
        EXPECT_TRUE(buttons.ResetCell && buttons.Solution && buttons.Hint);
        EXPECT_FALSE(buttons.Restart || buttons.Undo || buttons.Redo || buttons.Next ||
                     buttons.Open);
        for (int l = 1; l <= 5; ++l) EXPECT_FALSE(buttons.OptionType[l]);
        EXPECT_TRUE(h.view().BoardEnabled);
        EXPECT_TRUE(h.view().TimerEnabled);
        EXPECT_EQ(h.view().StatusPanels[0], "Level: " + std::string(LevelName(level)));
        EXPECT_EQ(h.view().StatusPanels[1], "Number: 1");
        EXPECT_EQ(h.view().StatusPanels[2], "Best Time: 00:00 (No Best Time Yet)");
        for (int k = 0; k < kTechniqueCount; ++k)
            EXPECT_EQ(h.view().TechniqueCounts[k],
                      std::to_string(TestStock()(level, 1).TechniqueCounts[k]));
    }
}

// The window repaints what the views' comparison says changed: a placement
// changes exactly its cell and the peers it struck, and Undo then Redo bring
// back a view equal to the one after the move.
TEST(CellEntry, TheViewChangesExactlyWhereAMoveActs) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(4, 1);
    int cell = EmptyCellShowing(h, 7);
    ASSERT_GE(cell, 0);
    const GameView before = h.view();
    h.Place(cell, 7);
    const GameView after = h.view();
    EXPECT_NE(before, after);
    int changed = 0;
    for (int i = 0; i < kCells; ++i) {
        if (before.Cells[i] == after.Cells[i]) continue;
        ++changed;
        EXPECT_TRUE(i == cell || (SeesCell(cell, i) && (before.Cells[i].MarksShown & DigitBit(7))))
            << "cell " << i;
    }
    const Step& step = h.board().StepAt(1);
    EXPECT_EQ(changed, 1 + std::popcount(unsigned(step.ColumnMarks)) +
                           std::popcount(unsigned(step.RowMarks)) +
                           std::popcount(unsigned(step.BoxMarks)));
    h.game->Undo();
    EXPECT_EQ(h.view().Cells, before.Cells);
    h.game->Redo();
    EXPECT_EQ(h.view().Cells, after.Cells);
    EXPECT_EQ(h.view().LabelStap, after.LabelStap);
}

TEST(CellEntry, PlacementAtLevelThreeStrikesExactlyThePeersAndUndoRedoReplayIt) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(3, 1);
    const Board& b = h.board();
    int cell = EmptyCellShowing(h, 5);
    ASSERT_GE(cell, 0);
    auto before = b.PencilMarks;
    h.sound.played.clear();
    h.Place(cell, 5);

    EXPECT_EQ(b.Played[cell], 5);
    EXPECT_EQ(h.view().Cells[cell].Digit, 5);
    EXPECT_EQ(b.PencilMarks[cell], 0);
    EXPECT_EQ(b.StepCount, 1);
    EXPECT_EQ(h.view().LabelStap, "1");
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundAssign});
    EXPECT_TRUE(h.view().Buttons.Restart && h.view().Buttons.Undo);
    EXPECT_FALSE(h.view().Buttons.Redo);

    // Exactly the peers that showed 5 lost it, and the step names each once, in
    // the first of column, row, box that holds it.
    const Step& step = b.StepAt(1);
    EXPECT_EQ(step.Type, 5);
    EXPECT_EQ(step.Cell, cell);
    EXPECT_EQ(step.CellMarks, before[cell]);
    std::uint16_t column = 0, row = 0, box = 0;
    for (int other = 0; other < kCells; ++other) {
        if (other == cell) continue;
        bool lost = SeesCell(cell, other) && (before[other] & DigitBit(5));
        EXPECT_EQ(b.PencilMarks[other], lost ? before[other] & ~DigitBit(5) : before[other])
            << "cell " << other;
        if (!lost) continue;
        if (other % 9 == cell % 9)
            column |= 1u << (other / 9);
        else if (other / 9 == cell / 9)
            row |= 1u << (other % 9);
        else
            box |= 1u << (3 * (other % 9 - cell % 9 / 3 * 3) + (other / 9 - cell / 9 / 3 * 3));
    }
    EXPECT_EQ(step.ColumnMarks, column);
    EXPECT_EQ(step.RowMarks, row);
    EXPECT_EQ(step.BoxMarks, box);
    EXPECT_NE(column | row | box, 0) << "the test wants a placement that strikes peers";

    auto after = b.PencilMarks;
    h.game->Undo();
    EXPECT_EQ(b.PencilMarks, before);
    EXPECT_EQ(b.Played[cell], 0);
    EXPECT_EQ(h.view().Cells[cell].Digit, 0);
    EXPECT_EQ(b.StepCount, 0);
    EXPECT_EQ(b.StepLimit, 1);
    EXPECT_EQ(h.view().LabelStap, "0");
    EXPECT_FALSE(h.view().Buttons.Undo || h.view().Buttons.Restart);
    EXPECT_TRUE(h.view().Buttons.Redo);
    ExpectMarksMatchView(h);

    h.game->Redo();
    EXPECT_EQ(b.PencilMarks, after);
    EXPECT_EQ(b.Played[cell], 5);
    EXPECT_EQ(b.StepCount, 1);
    EXPECT_FALSE(h.view().Buttons.Redo);
    EXPECT_TRUE(h.view().Buttons.Undo && h.view().Buttons.Restart);
    ExpectMarksMatchView(h);
    EXPECT_EQ(std::count(h.sound.played.begin(), h.sound.played.end(), kSoundUndoRedo), 2);
}

TEST(CellEntry, LowerLevelsLeaveOtherCellsAloneAndIgnoreTheRightButton) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(2, 1);
    const Board& b = h.board();
    int cell = EmptyCellShowing(h, 5);
    auto before = b.PencilMarks;
    h.sound.played.clear();

    h.Strike(cell, 3); // does nothing at level 2
    EXPECT_EQ(b.PencilMarks, before);
    EXPECT_EQ(b.StepCount, 0);
    EXPECT_EQ(h.view().LabelStap, "0");
    EXPECT_TRUE(h.sound.played.empty());

    h.Place(cell, 5);
    for (int i = 0; i < kCells; ++i)
        if (i != cell) {
            EXPECT_EQ(b.PencilMarks[i], before[i]);
        }
    EXPECT_EQ(b.StepAt(1).ColumnMarks | b.StepAt(1).RowMarks | b.StepAt(1).BoxMarks, 0);
    ExpectMarksMatchView(h);
}

TEST(CellEntry, StrikesAreStepsAndUndoBringsBackOnlyThatMark) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(4, 1);
    const Board& b = h.board();
    int cell = EmptyCellShowing(h, 7);
    ASSERT_GE(cell, 0);
    auto before = b.PencilMarks;
    h.sound.played.clear();
    h.Strike(cell, 7);
    EXPECT_EQ(b.PencilMarks[cell], before[cell] & ~DigitBit(7));
    EXPECT_EQ(b.StepAt(1).Type, -7);
    EXPECT_EQ(b.StepAt(1).CellMarks, DigitBit(7));
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundDiscard});
    // A struck mark is hidden: it takes no further clicks.
    h.Place(cell, 7);
    EXPECT_EQ(b.StepCount, 1);
    EXPECT_EQ(b.Played[cell], 0);

    h.game->Undo();
    EXPECT_EQ(b.PencilMarks, before);
    ExpectMarksMatchView(h);
}

TEST(CellEntry, ReleasesOutsideTheMarkOrOnHiddenMarksPlaceNothing) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(1, 1);
    const Board& b = h.board();
    int cell = EmptyCellShowing(h, 1);
    for (auto [x, y] : {std::pair{0, 100}, {100, 0}, {240, 100}, {100, 240}, {-5, 100}}) {
        h.game->MarkMouseUp(1, cell, kLeftButton, x, y);
        EXPECT_EQ(b.Played[cell], 0) << x << "," << y;
    }
    h.game->MarkMouseUp(1, cell, 4, 100, 100); // middle button
    EXPECT_EQ(b.StepCount, 0);
    // A given's marks are hidden: no event reaches it.
    int given = static_cast<int>(
        std::find_if(b.Givens.begin(), b.Givens.end(), [](auto d) { return d > 0; }) -
        b.Givens.begin());
    h.Place(given, b.Givens[given] % 9 + 1);
    EXPECT_EQ(b.Played[given], b.Givens[given]);
    EXPECT_EQ(b.StepCount, 0);
}

TEST(CellEntry, AReleaseOutsideTheMarkStillRunsTheCompletionTest) {
    PlayHarness h;
    h.settings.Put("Players", "Count", "1");
    h.settings.Put("Players", "Player01", "Ann");
    h.settings.Put("Players", "Last_Player", "1");
    h.StartAndIdle();
    h.OpenPuzzle(1, 1);
    // Every cell but the last empty one gets its digit, then a release outside
    // a mark of that last cell does nothing - not even complete the game.
    std::vector<int> empty;
    for (int i = 0; i < kCells; ++i)
        if (h.board().Played[i] == 0) empty.push_back(i);
    for (std::size_t k = 0; k + 1 < empty.size(); ++k)
        h.Place(empty[k], h.board().Solution[empty[k]]);
    int last = empty.back();
    int digit = h.board().Solution[last];
    h.game->MarkMouseUp(digit, last, kLeftButton, 240, 100);
    EXPECT_FALSE(h.game->GameOver());
    h.Place(last, digit);
    EXPECT_TRUE(h.game->GameOver());
}

TEST(History, ANewStepCutsTheRedoableSteps) {
    for (bool viaReset : {false, true}) {
        PlayHarness h;
        h.StartAndIdle();
        h.OpenPuzzle(3, 2);
        const Board& b = h.board();
        for (int k = 0; k < 3; ++k) h.Place(EmptyCellShowing(h, 1 + k), 1 + k);
        ASSERT_EQ(b.StepCount, 3);
        h.game->Undo();
        h.game->Undo();
        EXPECT_EQ(b.StepCount, 1);
        EXPECT_EQ(b.StepLimit, 3);
        EXPECT_TRUE(h.view().Buttons.Redo);
        if (viaReset) {
            int cell = b.StepAt(1).Cell;
            h.SelectCell(cell);
            h.game->ResetCell();
        } else {
            h.Place(EmptyCellShowing(h, 9), 9);
        }
        EXPECT_EQ(b.StepCount, 2);
        EXPECT_EQ(b.StepLimit, 2);
        EXPECT_FALSE(h.view().Buttons.Redo);
        auto marks = b.PencilMarks;
        h.game->Redo(); // disabled: nothing happens
        EXPECT_EQ(b.StepCount, 2);
        EXPECT_EQ(b.PencilMarks, marks);
    }
}

TEST(ResetCell, ResetsFilledAndEmptyCellsButNeverGivensAndUndoRestores) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(4, 1);
    const Board& b = h.board();

    // Nothing selected, or only a row: nothing happens.
    h.game->ResetCell();
    h.game->LabelRowMouseUp(0, 100, 100);
    h.game->ResetCell();
    EXPECT_EQ(b.StepCount, 0);

    // A given cannot be reset.
    int given = 0;
    while (b.Givens[given] == 0) ++given;
    h.SelectCell(given);
    h.sound.played.clear();
    h.game->ResetCell();
    EXPECT_EQ(b.StepCount, 0);
    EXPECT_TRUE(h.sound.played.empty());

    // A filled cell holding 8.
    int cell = EmptyCellShowing(h, 8);
    h.Place(cell, 8);
    auto placed = b.PencilMarks;
    h.SelectCell(cell);
    h.sound.played.clear();
    h.game->ResetCell();
    EXPECT_EQ(h.sound.played.back(), kSoundResetCell);
    EXPECT_EQ(b.StepAt(2).Type, 18);
    EXPECT_EQ(b.StepAt(2).CellMarks, kAllCandidates);
    EXPECT_EQ(b.Played[cell], 0);
    EXPECT_EQ(b.PencilMarks[cell], kAllCandidates);
    // The peers do not get their 8 back.
    for (int i = 0; i < kCells; ++i)
        if (i != cell) {
            EXPECT_EQ(b.PencilMarks[i], placed[i]);
        }
    EXPECT_EQ(b.SelectedRow, cell / 9);
    EXPECT_EQ(b.SelectedColumn, cell % 9);
    h.game->Undo();
    EXPECT_EQ(b.Played[cell], 8);
    EXPECT_EQ(h.view().Cells[cell].Digit, 8);
    EXPECT_EQ(b.PencilMarks, placed);
    ExpectMarksMatchView(h);

    // An empty cell at level 4 shows all nine, even digits its row holds.
    int empty = EmptyCellShowing(h, 1);
    while (b.PencilMarks[empty] == kAllCandidates) empty = EmptyCellShowing(h, 1, empty + 1);
    std::uint16_t hadMarks = b.PencilMarks[empty];
    h.SelectCell(empty);
    h.game->ResetCell();
    EXPECT_EQ(b.PencilMarks[empty], kAllCandidates);
    EXPECT_EQ(b.StepAt(b.StepCount).Type, 10);
    EXPECT_EQ(b.StepAt(b.StepCount).CellMarks, kAllCandidates & ~hadMarks);
    h.game->Undo();
    EXPECT_EQ(b.PencilMarks[empty], hadMarks);
    ExpectMarksMatchView(h);
}

TEST(Selection, OneRowAndOneColumnAtATimeAndASecondClickDeselectsSilently) {
    PlayHarness h;
    h.StartAndIdle();
    h.game->LabelColumnMouseUp(4, 100, 100);
    h.game->LabelColumnMouseUp(6, 100, 100);
    EXPECT_EQ(h.board().SelectedColumn, 6);
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(h.view().ColumnLabels[c], c == 6 ? LabelColour::Red : LabelColour::Black);
    EXPECT_EQ(h.sound.played, (std::vector<int>{kSoundLabel, kSoundLabel}));
    h.game->LabelColumnMouseUp(6, 100, 100);
    EXPECT_EQ(h.board().SelectedColumn, kNoSelection);
    EXPECT_EQ(h.view().ColumnLabels[6], LabelColour::Black);
    EXPECT_EQ(h.sound.played.size(), 2u);
    // Outside the label: nothing.
    h.game->LabelRowMouseUp(2, 510, 100);
    h.game->LabelRowMouseUp(2, 100, 0);
    EXPECT_EQ(h.board().SelectedRow, kNoSelection);
    h.game->LabelRowMouseUp(2, 509, 509);
    EXPECT_EQ(h.board().SelectedRow, 2);
    // Opening another puzzle keeps the selection.
    h.OpenNext();
    EXPECT_EQ(h.board().SelectedRow, 2);
    EXPECT_EQ(h.view().RowLabels[2], LabelColour::Red);
}

TEST(RestartAndSolution, RestartClearsTheAttemptAndSolutionEndsTheGame) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(3, 1);
    const Board& b = h.board();
    auto loaded = b.PencilMarks;
    for (int k = 0; k < 10; ++k) h.Place(EmptyCellShowing(h, 1 + k % 9), 1 + k % 9);
    ASSERT_EQ(b.StepCount, 10);
    h.clock.AdvanceSeconds(75);
    h.game->Tick();
    EXPECT_EQ(h.view().LabelTijd, "01:15");
    h.sound.played.clear();
    h.game->Restart();
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundDiscard});
    EXPECT_EQ(h.view().LabelStap, "0");
    EXPECT_EQ(h.view().LabelTijd, "00:00");
    EXPECT_EQ(b.StepCount, 0);
    EXPECT_EQ(b.StepLimit, 0);
    EXPECT_EQ(b.Played, b.Givens);
    EXPECT_EQ(b.PencilMarks, loaded);
    ExpectMarksMatchView(h);
    EXPECT_FALSE(h.view().Buttons.Restart || h.view().Buttons.Undo || h.view().Buttons.Redo);
    EXPECT_TRUE(h.view().Buttons.ResetCell && h.view().Buttons.Solution && h.view().Buttons.Hint);
    EXPECT_FALSE(h.game->GameOver());
    h.clock.AdvanceSeconds(3);
    h.game->Tick();
    EXPECT_EQ(h.view().LabelTijd, "00:03");

    h.Place(EmptyCellShowing(h, 2), 2);
    h.sound.played.clear();
    h.game->Solution();
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundSolution});
    EXPECT_EQ(b.Played, b.Solution);
    for (int i = 0; i < kCells; ++i) {
        EXPECT_EQ(h.view().Cells[i].Digit, b.Solution[i]);
        EXPECT_EQ(h.view().Cells[i].MarksShown, 0);
        EXPECT_EQ(h.view().Cells[i].Colour, b.Givens[i] ? DigitColour::Given : DigitColour::Normal);
    }
    EXPECT_TRUE(h.game->GameOver());
    EXPECT_FALSE(h.view().TimerEnabled);
    const ButtonStates& s = h.view().Buttons;
    EXPECT_FALSE(s.Restart || s.Undo || s.Redo || s.ResetCell || s.Solution || s.Hint);
    EXPECT_TRUE(s.Next && s.Open);
    for (int l = 1; l <= 5; ++l) EXPECT_TRUE(s.OptionType[l]);
    EXPECT_EQ(h.writer.writes, 0);
    EXPECT_TRUE(h.prompt.messages.empty());
}

TEST(History, StepCounterStopsAtItsSixteenBitLimit) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(1, 1);
    int cell = EmptyCellShowing(h, 1);
    h.SelectCell(cell);
    for (int k = 0; k < kMaxSteps + 5; ++k) h.game->ResetCell();
    EXPECT_EQ(h.board().StepCount, kMaxSteps);
    EXPECT_EQ(h.view().LabelStap, std::to_string(kMaxSteps));
    h.Place(cell, 1);
    EXPECT_EQ(h.board().Played[cell], 0);
    h.game->Undo();
    EXPECT_EQ(h.board().StepCount, kMaxSteps - 1);
    h.Place(cell, 1);
    EXPECT_EQ(h.board().StepCount, kMaxSteps);
}

} // namespace
} // namespace dravik::test
