// Loading, cell entry, the step history and Reset Cell, driven through the game
// object as the window drives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "play_fixture.h"

namespace dravik::test {
namespace {

// The candidates a cell has from the givens alone.
std::uint16_t MarksFromGivens(const ShownBoard& b, int cell) {
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
        ASSERT_FALSE(!h.playing());
        EXPECT_EQ(h.board().PuzzleLevel, level);
        EXPECT_EQ(h.board().PuzzleNumber, 1);
        for (int i = 0; i < kCells; ++i) {
            EXPECT_EQ(h.board().Played[i], h.board().Givens[i]);
            if (h.board().Givens[i] > 0) {
                EXPECT_EQ(h.board().PencilMarks[i], 0);
                EXPECT_EQ(h.view().Cells[i].Colour, DigitColour::Given);
            } else {
                EXPECT_EQ(h.board().PencilMarks[i],
                          level >= 3 ? MarksFromGivens(h.board(), i) : kAllCandidates)
                    << "level " << level << " cell " << i;
                EXPECT_EQ(h.view().Cells[i].Colour, DigitColour::Normal);
            }
        }
        ExpectMarksMatchView(h);
        EXPECT_EQ(h.board().StepCount, 0);
        const ButtonStates& buttons = h.view().Buttons;
        EXPECT_TRUE(buttons.ResetCell && buttons.Solution && buttons.Hint);
        EXPECT_FALSE(buttons.Restart || buttons.Undo || buttons.Redo || buttons.Next ||
                     buttons.Open);
        for (int l = 1; l <= 5; ++l) EXPECT_FALSE(buttons.Level[l]);
        EXPECT_TRUE(h.view().BoardEnabled);
        EXPECT_TRUE(h.view().ClockRunning);
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
    int struck = 0;
    for (int i = 0; i < kCells; ++i)
        struck += i != cell && SeesCell(cell, i) && (before.Cells[i].MarksShown & DigitBit(7));
    EXPECT_EQ(changed, 1 + struck);
    h.game->Undo();
    EXPECT_EQ(h.view().Cells, before.Cells);
    h.game->Redo();
    EXPECT_EQ(h.view().Cells, after.Cells);
    EXPECT_EQ(h.view().Steps, after.Steps);
}

TEST(CellEntry, PlacementAtLevelThreeStrikesExactlyThePeersAndUndoRedoReplayIt) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(3, 1);
    int cell = EmptyCellShowing(h, 5);
    ASSERT_GE(cell, 0);
    auto before = h.board().PencilMarks;
    h.sound.played.clear();
    h.Place(cell, 5);

    EXPECT_EQ(h.board().Played[cell], 5);
    EXPECT_EQ(h.view().Cells[cell].Digit, 5);
    EXPECT_EQ(h.board().PencilMarks[cell], 0);
    EXPECT_EQ(h.board().StepCount, 1);
    EXPECT_EQ(h.view().Steps, "1");
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundAssign});
    EXPECT_TRUE(h.view().Buttons.Restart && h.view().Buttons.Undo);
    EXPECT_FALSE(h.view().Buttons.Redo);

    // Exactly the peers that showed 5 lost it, and the step that records it
    // names each once, in the first of column, row, box that holds it.
    Board model;
    model.PencilMarks = before;
    const Step step = model.PlacementStep(cell, 5, true);
    EXPECT_EQ(step.Type, 5);
    EXPECT_EQ(step.Cell, cell);
    EXPECT_EQ(step.CellMarks, before[cell]);
    std::uint16_t column = 0, row = 0, box = 0;
    for (int other = 0; other < kCells; ++other) {
        if (other == cell) continue;
        bool lost = SeesCell(cell, other) && (before[other] & DigitBit(5));
        EXPECT_EQ(h.board().PencilMarks[other], lost ? before[other] & ~DigitBit(5) : before[other])
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

    auto after = h.board().PencilMarks;
    h.game->Undo();
    EXPECT_EQ(h.board().PencilMarks, before);
    EXPECT_EQ(h.board().Played[cell], 0);
    EXPECT_EQ(h.view().Cells[cell].Digit, 0);
    EXPECT_EQ(h.board().StepCount, 0);
    EXPECT_EQ(h.view().Steps, "0");
    EXPECT_FALSE(h.view().Buttons.Undo || h.view().Buttons.Restart);
    EXPECT_TRUE(h.view().Buttons.Redo);
    ExpectMarksMatchView(h);

    h.game->Redo();
    EXPECT_EQ(h.board().PencilMarks, after);
    EXPECT_EQ(h.board().Played[cell], 5);
    EXPECT_EQ(h.board().StepCount, 1);
    EXPECT_FALSE(h.view().Buttons.Redo);
    EXPECT_TRUE(h.view().Buttons.Undo && h.view().Buttons.Restart);
    ExpectMarksMatchView(h);
    EXPECT_EQ(std::count(h.sound.played.begin(), h.sound.played.end(), kSoundUndoRedo), 2);
}

TEST(CellEntry, LowerLevelsLeaveOtherCellsAloneAndIgnoreTheRightButton) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(2, 1);
    int cell = EmptyCellShowing(h, 5);
    auto before = h.board().PencilMarks;
    h.sound.played.clear();

    h.Strike(cell, 3); // does nothing at level 2
    EXPECT_EQ(h.board().PencilMarks, before);
    EXPECT_EQ(h.board().StepCount, 0);
    EXPECT_EQ(h.view().Steps, "0");
    EXPECT_TRUE(h.sound.played.empty());

    h.Place(cell, 5);
    for (int i = 0; i < kCells; ++i)
        if (i != cell) {
            EXPECT_EQ(h.board().PencilMarks[i], before[i]);
        }
    ExpectMarksMatchView(h);
}

TEST(CellEntry, StrikesAreStepsAndUndoBringsBackOnlyThatMark) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(4, 1);
    int cell = EmptyCellShowing(h, 7);
    ASSERT_GE(cell, 0);
    auto before = h.board().PencilMarks;
    h.sound.played.clear();
    h.Strike(cell, 7);
    EXPECT_EQ(h.board().PencilMarks[cell], before[cell] & ~DigitBit(7));
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundDiscard});
    // A struck mark is hidden: it takes no further clicks.
    h.Place(cell, 7);
    EXPECT_EQ(h.board().StepCount, 1);
    EXPECT_EQ(h.board().Played[cell], 0);

    h.game->Undo();
    EXPECT_EQ(h.board().PencilMarks, before);
    ExpectMarksMatchView(h);
}

TEST(CellEntry, HiddenMarksTakeNoMove) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(1, 1);
    // A given's marks are hidden: no event reaches it.
    const auto shown = h.board(); // a copy: begin and end must come from the same one
    int given = static_cast<int>(
        std::find_if(shown.Givens.begin(), shown.Givens.end(), [](auto d) { return d > 0; }) -
        shown.Givens.begin());
    h.Place(given, h.board().Givens[given] % 9 + 1);
    EXPECT_EQ(h.board().Played[given], h.board().Givens[given]);
    EXPECT_EQ(h.board().StepCount, 0);
}

TEST(History, ANewStepCutsTheRedoableSteps) {
    for (bool viaReset : {false, true}) {
        PlayHarness h;
        h.StartAndIdle();
        h.OpenPuzzle(3, 2);
        const int first = EmptyCellShowing(h, 1);
        for (int k = 0; k < 3; ++k) h.Place(EmptyCellShowing(h, 1 + k), 1 + k);
        ASSERT_EQ(h.board().StepCount, 3);
        h.game->Undo();
        h.game->Undo();
        EXPECT_EQ(h.board().StepCount, 1);
        EXPECT_TRUE(h.view().Buttons.Redo);
        if (viaReset) {
            h.SelectCell(first);
            h.game->ResetCell();
        } else {
            h.Place(EmptyCellShowing(h, 9), 9);
        }
        EXPECT_EQ(h.board().StepCount, 2);
        EXPECT_FALSE(h.view().Buttons.Redo);
        auto marks = h.board().PencilMarks;
        h.game->Redo(); // disabled: nothing happens
        EXPECT_EQ(h.board().StepCount, 2);
        EXPECT_EQ(h.board().PencilMarks, marks);
    }
}

TEST(ResetCell, ResetsFilledAndEmptyCellsButNeverGivensAndUndoRestores) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(4, 1);

    // Nothing selected, or only a row: nothing happens.
    h.game->ResetCell();
    h.game->ToggleRow(0);
    h.game->ResetCell();
    EXPECT_EQ(h.board().StepCount, 0);

    // A given cannot be reset.
    int given = 0;
    while (h.board().Givens[given] == 0) ++given;
    h.SelectCell(given);
    h.sound.played.clear();
    h.game->ResetCell();
    EXPECT_EQ(h.board().StepCount, 0);
    EXPECT_TRUE(h.sound.played.empty());

    // A filled cell holding 8.
    int cell = EmptyCellShowing(h, 8);
    h.Place(cell, 8);
    auto placed = h.board().PencilMarks;
    h.SelectCell(cell);
    h.sound.played.clear();
    h.game->ResetCell();
    EXPECT_EQ(h.sound.played.back(), kSoundResetCell);
    EXPECT_EQ(h.board().Played[cell], 0);
    EXPECT_EQ(h.board().PencilMarks[cell], kAllCandidates);
    // The peers do not get their 8 back.
    for (int i = 0; i < kCells; ++i)
        if (i != cell) {
            EXPECT_EQ(h.board().PencilMarks[i], placed[i]);
        }
    EXPECT_EQ(h.board().SelectedRow, cell / 9);
    EXPECT_EQ(h.board().SelectedColumn, cell % 9);
    h.game->Undo();
    EXPECT_EQ(h.board().Played[cell], 8);
    EXPECT_EQ(h.view().Cells[cell].Digit, 8);
    EXPECT_EQ(h.board().PencilMarks, placed);
    ExpectMarksMatchView(h);

    // An empty cell at level 4 shows all nine, even digits its row holds.
    int empty = EmptyCellShowing(h, 1);
    while (h.board().PencilMarks[empty] == kAllCandidates)
        empty = EmptyCellShowing(h, 1, empty + 1);
    std::uint16_t hadMarks = h.board().PencilMarks[empty];
    h.SelectCell(empty);
    h.game->ResetCell();
    EXPECT_EQ(h.board().PencilMarks[empty], kAllCandidates);
    h.game->Undo();
    EXPECT_EQ(h.board().PencilMarks[empty], hadMarks);
    ExpectMarksMatchView(h);
}

TEST(Selection, OneRowAndOneColumnAtATimeAndASecondClickDeselectsSilently) {
    PlayHarness h;
    h.StartAndIdle();
    h.game->ToggleColumn(4);
    h.game->ToggleColumn(6);
    EXPECT_EQ(h.board().SelectedColumn, 6);
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(h.view().ColumnLabels[c], c == 6 ? LabelColour::Red : LabelColour::Black);
    EXPECT_EQ(h.sound.played, (std::vector<int>{kSoundLabel, kSoundLabel}));
    h.game->ToggleColumn(6);
    EXPECT_EQ(h.board().SelectedColumn, -1);
    EXPECT_EQ(h.view().ColumnLabels[6], LabelColour::Black);
    EXPECT_EQ(h.sound.played.size(), 2u);
    EXPECT_EQ(h.board().SelectedRow, -1);
    h.game->ToggleRow(2);
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
    auto loaded = h.board().PencilMarks;
    for (int k = 0; k < 10; ++k) h.Place(EmptyCellShowing(h, 1 + k % 9), 1 + k % 9);
    ASSERT_EQ(h.board().StepCount, 10);
    h.clock.AdvanceSeconds(75);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "01:15");
    h.sound.played.clear();
    h.game->Restart();
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundDiscard});
    EXPECT_EQ(h.view().Steps, "0");
    EXPECT_EQ(h.view().Time, "00:00");
    EXPECT_EQ(h.board().StepCount, 0);
    EXPECT_EQ(h.board().Played, h.board().Givens);
    EXPECT_EQ(h.board().PencilMarks, loaded);
    ExpectMarksMatchView(h);
    EXPECT_FALSE(h.view().Buttons.Restart || h.view().Buttons.Undo || h.view().Buttons.Redo);
    EXPECT_TRUE(h.view().Buttons.ResetCell && h.view().Buttons.Solution && h.view().Buttons.Hint);
    EXPECT_FALSE(!h.playing());
    h.clock.AdvanceSeconds(3);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "00:03");

    h.Place(EmptyCellShowing(h, 2), 2);
    h.sound.played.clear();
    h.game->ShowSolution();
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundSolution});
    EXPECT_EQ(h.board().Played, h.board().Solution);
    for (int i = 0; i < kCells; ++i) {
        EXPECT_EQ(h.view().Cells[i].Digit, h.board().Solution[i]);
        EXPECT_EQ(h.view().Cells[i].MarksShown, 0);
        EXPECT_EQ(h.view().Cells[i].Colour,
                  h.board().Givens[i] ? DigitColour::Given : DigitColour::Normal);
    }
    EXPECT_TRUE(!h.playing());
    EXPECT_FALSE(h.view().ClockRunning);
    const ButtonStates& s = h.view().Buttons;
    EXPECT_FALSE(s.Restart || s.Undo || s.Redo || s.ResetCell || s.Solution || s.Hint);
    EXPECT_TRUE(s.Next && s.Open);
    for (int l = 1; l <= 5; ++l) EXPECT_TRUE(s.Level[l]);
    EXPECT_EQ(h.writer.writes, 0);
    EXPECT_TRUE(h.prompt.messages.empty());
}

// Restart forgets the attempt, so nothing is left to undo or redo: after a
// move, a second one undone and Restart the window shows exactly what it
// showed when the puzzle was loaded.
TEST(History, RestartAfterUndoShowsTheBoardAsLoadedWithNothingToRedo) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(3, 1);
    const GameView loaded = h.view();
    h.Place(EmptyCellShowing(h, 1), 1);
    h.Place(EmptyCellShowing(h, 2), 2);
    h.game->Undo();
    ASSERT_TRUE(h.view().Buttons.Redo);
    h.game->Restart();
    EXPECT_EQ(h.view(), loaded);
    h.game->Redo();
    h.game->Undo();
    EXPECT_EQ(h.view(), loaded) << "Redo and Undo have nothing to act on";
}

TEST(History, StepCounterStopsAtItsSixteenBitLimit) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(1, 1);
    int cell = EmptyCellShowing(h, 1);
    h.SelectCell(cell);
    for (int k = 0; k < kMaxSteps + 5; ++k) h.game->ResetCell();
    EXPECT_EQ(h.board().StepCount, kMaxSteps);
    EXPECT_EQ(h.view().Steps, std::to_string(kMaxSteps));
    h.Place(cell, 1);
    EXPECT_EQ(h.board().Played[cell], 0);
    h.game->Undo();
    EXPECT_EQ(h.board().StepCount, kMaxSteps - 1);
    h.Place(cell, 1);
    EXPECT_EQ(h.board().StepCount, kMaxSteps);
}

} // namespace
} // namespace dravik::test
