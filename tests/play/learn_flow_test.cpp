// Going back and pausing as whole games: a checkpoint before a guess, undoing
// to before the first mistake, and pause.
#include <gtest/gtest.h>

#include "play_fixture.h"

namespace dravik::test {
namespace {

struct HardGame {
    PlayHarness h;
    ShownBoard start;
    // The empty cells by bands of cells that see none of each other (row r,
    // column 3r + r / 3 + k): a move in one never strikes another's marks.
    std::vector<int> empty;

    HardGame() {
        h.StartAndIdle();
        h.OpenPuzzle(4, 1);
        start = h.board();
        for (int k = 0; k < 9; ++k)
            for (int r = 0; r < 9; ++r)
                if (const int c = 9 * r + (3 * r + r / 3 + k) % 9; start.Played[c] == 0)
                    empty.push_back(c);
    }
    void Right(int i) { h.Place(empty[i], start.Solution[empty[i]]); }
    // A digit still marked in the cell that is not its solution.
    void Wrong(int i) {
        const ShownBoard b = h.board();
        for (int d = 1; d <= 9; ++d)
            if (d != b.Solution[empty[i]] && (b.PencilMarks[empty[i]] & DigitBit(d)))
                return h.Place(empty[i], d);
    }
};

TEST(Checkpoints, BackThenRedoRestoresTheGuessAndUndoToBeforeTheMistakeStopsAtTheLastSoundStep) {
    HardGame g;
    PlayHarness& h = g.h;
    EXPECT_FALSE(h.view().Commands.BackToCheckpoint);
    g.Right(0);
    g.Right(1);
    h.game->SetCheckpoint();
    EXPECT_EQ(h.view().Notice, "Checkpoint set at step 2");
    const GameView atCheckpoint = h.view();
    EXPECT_FALSE(atCheckpoint.Commands.BackToCheckpoint) << "nothing to go back over";
    // The undo to before the first mistake says nothing where there is none.
    h.game->UndoToBeforeMistake();
    EXPECT_EQ(h.view(), atCheckpoint);
    // A guess: a wrong digit, then right ones and another wrong one.
    g.Wrong(2);
    g.Right(3);
    g.Wrong(4);
    g.Right(5);
    const GameView guessed = h.view();
    ASSERT_EQ(guessed.Steps, "6");
    h.sound.played.clear();
    h.game->BackToCheckpoint();
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundUndoRedo}) << "one sound for the way back";
    EXPECT_EQ(h.view().Cells, atCheckpoint.Cells);
    EXPECT_EQ(h.view().Steps, "2");
    for (int i = 0; i < 4; ++i) h.game->Redo();
    EXPECT_EQ(h.view(), guessed) << "Redo brings every move of the guess back";

    h.game->UndoToBeforeMistake();
    EXPECT_EQ(h.view().Cells, atCheckpoint.Cells) << "step 3 was the first mistake";
    EXPECT_TRUE(h.view().Buttons.Redo);

    // Undone past the checkpoint and played on another way: it is void.
    h.game->Undo();
    g.Right(6);
    g.Right(7);
    EXPECT_FALSE(h.view().Commands.BackToCheckpoint);
    // A restart voids it too.
    h.game->SetCheckpoint();
    g.Right(8);
    EXPECT_TRUE(h.view().Commands.BackToCheckpoint);
    h.game->Restart();
    for (int i = 0; i < 4; ++i) g.Right(10 + i);
    EXPECT_FALSE(h.view().Commands.BackToCheckpoint);
}

TEST(Pause, TheClockStopsEveryMoveIsRefusedAndPausesNestWithMinimize) {
    HardGame g;
    PlayHarness& h = g.h;
    g.Right(0);
    h.clock.AdvanceSeconds(10);
    h.game->Tick();
    h.game->Pause();
    const GameView paused = h.view();
    EXPECT_TRUE(paused.Paused);
    EXPECT_FALSE(paused.ClockRunning);
    ButtonStates none = paused.Buttons;
    none.Restart = none.Undo = none.Redo = none.ResetCell = none.Solution = none.Hint = false;
    EXPECT_EQ(paused.Buttons, none);
    EXPECT_EQ(paused.Commands, CommandStates{}) << "not even Pause again";

    // Every move and command is refused, and a minute passes uncounted.
    g.Right(1);
    h.Strike(g.empty[2], g.start.Solution[g.empty[2]]);
    h.game->Undo();
    h.game->ShowSolution();
    h.game->Hint();
    h.game->ToggleRow(4);
    h.game->MoveCursor(1, 1);
    h.game->SetCheckpoint();
    EXPECT_FALSE(h.game->PlayText(h.game->GivensText()));
    h.clock.AdvanceSeconds(60);
    h.game->Tick();
    EXPECT_EQ(h.view(), paused);

    // Minimized and restored while paused: still paused. Resumed while
    // minimized: the clock waits for the restore.
    h.game->Resize(WindowState::Minimized);
    h.game->Resize(WindowState::Normal);
    h.game->Tick();
    EXPECT_EQ(h.view(), paused);
    h.game->Resize(WindowState::Minimized);
    h.game->Resume();
    EXPECT_FALSE(h.view().Paused);
    EXPECT_FALSE(h.view().ClockRunning);
    h.clock.AdvanceSeconds(30);
    h.game->Resize(WindowState::Normal);
    h.clock.AdvanceSeconds(5);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "00:15");
    g.Right(1);
    EXPECT_EQ(h.view().Steps, "2");

    // Without a puzzle being played there is nothing to pause.
    h.game->ShowSolution();
    h.game->Pause();
    EXPECT_FALSE(h.view().Paused);
}

} // namespace
} // namespace dravik::test
