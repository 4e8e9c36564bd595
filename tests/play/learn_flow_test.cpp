// Learning and going back as whole games: the solution path on a board with a
// mistake, checkpoints, undoing to before the first mistake, and pause.
#include <gtest/gtest.h>

#include <algorithm>

#include "play_fixture.h"

namespace dravik::test {
namespace {

// A Hard puzzle of the test stock, being played.
void OpenHard(PlayHarness& h) {
    h.StartAndIdle();
    h.OpenPuzzle(4, 1);
    ASSERT_TRUE(h.playing());
}

// The empty cells in cell order.
std::vector<int> EmptyCells(const ShownBoard& b) {
    std::vector<int> cells;
    for (int c = 0; c < kCells; ++c)
        if (b.Played[c] == 0) cells.push_back(c);
    return cells;
}

bool Peers(int a, int b) {
    return a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3);
}

// Empty cells after the first ten that see none of `wrong`: a wrong digit
// there strikes none of their marks.
std::vector<int> Apart(const std::vector<int>& empty, std::initializer_list<int> wrong) {
    std::vector<int> cells;
    for (std::size_t i = 10; i < empty.size(); ++i)
        if (std::none_of(wrong.begin(), wrong.end(), [&](int w) { return Peers(w, empty[i]); }))
            cells.push_back(empty[i]);
    return cells;
}

// A digit that is still marked in `cell` but is not its solution.
int WrongDigit(const ShownBoard& b, int cell) {
    for (int d = 1; d <= 9; ++d)
        if (d != b.Solution[cell] && (b.PencilMarks[cell] & DigitBit(d))) return d;
    return 0;
}

TEST(SolutionPathFlow, AMistakeOnTheBoardIsNotShownAndLookingCostsNothing) {
    PlayHarness h;
    OpenHard(h);
    const ShownBoard b = h.board();
    const std::vector<int> empty = EmptyCells(b);
    h.Place(empty[0], b.Solution[empty[0]]);
    h.clock.AdvanceSeconds(7);
    h.game->Tick();
    const GameView sound = h.view();
    const SolutionPath path = h.game->SolutionPathFromHere();
    EXPECT_EQ(path.outcome, SolutionPath::Outcome::Solved);
    EXPECT_EQ(path.fromStep, 1);
    EXPECT_EQ(h.view(), sound);

    // A wrong digit: no step, no board, only the advice to ask for a hint.
    h.Place(empty[5], WrongDigit(h.board(), empty[5]));
    SolutionPath wrong = h.game->SolutionPathFromHere();
    EXPECT_EQ(wrong.outcome, SolutionPath::Outcome::Mistake);
    EXPECT_TRUE(wrong.steps.empty());
    EXPECT_EQ(wrong.end, SolutionPath{}.end);
    EXPECT_EQ(wrong.Summary(),
              "This position cannot be solved from here. Ask for a Hint to find out why.");
    // So is a struck solution mark.
    h.game->Undo();
    h.Strike(empty[7], b.Solution[empty[7]]);
    EXPECT_EQ(h.game->SolutionPathFromHere().outcome, SolutionPath::Outcome::Mistake);
    h.game->Undo();
    EXPECT_EQ(h.game->SolutionPathFromHere().outcome, SolutionPath::Outcome::Solved);

    // Without a puzzle being played there is no path.
    h.game->ShowSolution();
    EXPECT_FALSE(h.view().Commands.SolutionPath);
    EXPECT_EQ(h.game->SolutionPathFromHere().outcome, SolutionPath::Outcome::NoPuzzle);
}

TEST(Checkpoints, BackThenRedoRestoresTheBoardAndHistoryAndANewBranchVoidsIt) {
    PlayHarness h;
    OpenHard(h);
    const ShownBoard b = h.board();
    const std::vector<int> empty = EmptyCells(b);
    EXPECT_TRUE(h.view().Commands.SetCheckpoint);
    EXPECT_FALSE(h.view().Commands.BackToCheckpoint);
    for (int i = 0; i < 3; ++i) h.Place(empty[i], b.Solution[empty[i]]);
    h.game->SetCheckpoint();
    EXPECT_EQ(h.view().Notice, "Checkpoint set at step 3");
    const GameView atCheckpoint = h.view();
    EXPECT_FALSE(atCheckpoint.Commands.BackToCheckpoint) << "nothing to go back over";
    // A guess: a wrong digit, a struck mark, more digits.
    h.Place(empty[3], WrongDigit(h.board(), empty[3]));
    h.Strike(empty[4], WrongDigit(h.board(), empty[4]));
    const std::vector<int> apart = Apart(empty, {empty[3]});
    ASSERT_GE(apart.size(), 3u);
    for (int i = 0; i < 3; ++i) h.Place(apart[i], b.Solution[apart[i]]);
    const GameView beforeBack = h.view();
    ASSERT_EQ(beforeBack.Steps, "8");
    EXPECT_TRUE(beforeBack.Commands.BackToCheckpoint);

    h.sound.played.clear();
    h.game->BackToCheckpoint();
    GameView back = h.view();
    EXPECT_EQ(back.Steps, "3");
    EXPECT_EQ(back.Cells, atCheckpoint.Cells);
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundUndoRedo}) << "one sound for the way back";
    EXPECT_FALSE(back.Commands.BackToCheckpoint);
    for (int i = 0; i < 5; ++i) h.game->Redo();
    GameView redone = h.view();
    EXPECT_EQ(redone, beforeBack) << "Redo brings every move of the guess back";

    // Undone past the checkpoint and played on another way: the checkpoint
    // no longer lies on the history.
    h.game->BackToCheckpoint();
    h.game->Undo();
    h.Place(empty[10], b.Solution[empty[10]]);
    for (int i = 11; i < 15; ++i) h.Place(empty[i], b.Solution[empty[i]]);
    EXPECT_EQ(h.view().Steps, "7");
    EXPECT_FALSE(h.view().Commands.BackToCheckpoint);
    h.game->BackToCheckpoint();
    EXPECT_EQ(h.view().Steps, "7");

    // A restart voids it too.
    h.game->SetCheckpoint();
    h.Place(empty[20], b.Solution[empty[20]]);
    EXPECT_TRUE(h.view().Commands.BackToCheckpoint);
    h.game->Restart();
    for (int i = 0; i < 8; ++i) h.Place(empty[30 + i], b.Solution[empty[30 + i]]);
    EXPECT_FALSE(h.view().Commands.BackToCheckpoint);
}

TEST(Checkpoints, UndoToBeforeTheFirstMistakeStopsAtTheLastSoundStepAndIsSilentWithoutOne) {
    PlayHarness h;
    OpenHard(h);
    const ShownBoard b = h.board();
    const std::vector<int> empty = EmptyCells(b);
    for (int i = 0; i < 3; ++i) h.Place(empty[i], b.Solution[empty[i]]);
    const GameView sound = h.view();
    // Without a mistake nothing happens: no move, no sound, no word.
    h.sound.played.clear();
    h.game->UndoToBeforeMistake();
    EXPECT_EQ(h.view(), sound);
    EXPECT_TRUE(h.sound.played.empty());

    // A wrong digit at step 4, a struck mark and right digits after it; a
    // wrong digit that was taken back again before it all.
    const std::vector<int> apart = Apart(empty, {empty[3]});
    ASSERT_GE(apart.size(), 3u);
    h.Place(empty[3], WrongDigit(h.board(), empty[3]));
    h.Strike(empty[4], WrongDigit(h.board(), empty[4]));
    h.Place(apart[0], b.Solution[apart[0]]);
    h.Place(apart[1], WrongDigit(h.board(), apart[1]));
    h.Place(apart[2], b.Solution[apart[2]]);
    ASSERT_EQ(h.view().Steps, "8");
    EXPECT_TRUE(h.view().Commands.UndoToBeforeMistake);
    h.sound.played.clear();
    h.game->UndoToBeforeMistake();
    const GameView undone = h.view();
    EXPECT_EQ(undone.Steps, "3");
    EXPECT_EQ(undone.Cells, sound.Cells);
    EXPECT_TRUE(undone.Buttons.Redo) << "the moves can be redone";
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundUndoRedo});

    // Reset Cell took the mistake away: then there is none to undo to.
    h.game->Redo();
    ASSERT_EQ(h.view().Steps, "4");
    h.SelectCell(empty[3]);
    h.game->ResetCell();
    const GameView reset = h.view();
    h.game->UndoToBeforeMistake();
    EXPECT_EQ(h.view(), reset);
}

TEST(Pause, TheClockStopsEveryMoveIsRefusedAndPausesNestWithMinimize) {
    PlayHarness h;
    h.StartAndIdle();
    EXPECT_FALSE(h.view().Commands.Pause) << "no puzzle, no pause";
    h.game->Pause();
    EXPECT_FALSE(h.view().Paused);
    h.OpenPuzzle(4, 1);
    const ShownBoard b = h.board();
    const std::vector<int> empty = EmptyCells(b);
    h.Place(empty[0], b.Solution[empty[0]]);
    h.clock.AdvanceSeconds(10);
    h.game->Tick();
    h.game->Pause();
    const GameView paused = h.view();
    EXPECT_TRUE(paused.Paused);
    EXPECT_FALSE(paused.ClockRunning);
    EXPECT_EQ(paused.Time, "00:10");
    const ButtonStates none = [&] {
        ButtonStates s = paused.Buttons;
        s.Restart = s.Undo = s.Redo = s.ResetCell = s.Solution = s.Hint = false;
        return s;
    }();
    EXPECT_EQ(paused.Buttons, none);
    EXPECT_EQ(paused.Commands, CommandStates{}) << "not even Pause again";

    // Every move and command is refused.
    h.Place(empty[1], b.Solution[empty[1]]);
    h.Strike(empty[2], WrongDigit(b, empty[2]));
    h.game->Undo();
    h.game->ShowSolution();
    h.game->Hint();
    h.game->ToggleRow(4);
    h.game->MoveCursor(1, 1);
    h.game->SetCheckpoint();
    h.game->UndoToBeforeMistake();
    EXPECT_FALSE(h.game->PlayText(h.game->GivensText()));
    h.clock.AdvanceSeconds(60);
    h.game->Tick();
    EXPECT_EQ(h.view(), paused);

    // Minimized and restored while paused: still paused.
    h.game->Resize(WindowState::Minimized);
    h.game->Resize(WindowState::Normal);
    h.game->Tick();
    EXPECT_EQ(h.view(), paused);
    // Resumed while minimized: the clock waits for the restore.
    h.game->Resize(WindowState::Minimized);
    h.game->Resume();
    EXPECT_FALSE(h.view().Paused);
    EXPECT_FALSE(h.view().ClockRunning);
    h.clock.AdvanceSeconds(30);
    h.game->Resize(WindowState::Normal);
    h.clock.AdvanceSeconds(5);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "00:15");
    h.Place(empty[1], b.Solution[empty[1]]);
    EXPECT_EQ(h.view().Steps, "2");
}

} // namespace
} // namespace dravik::test
