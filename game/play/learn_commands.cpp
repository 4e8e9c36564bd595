// The game's commands for learning and going back: the solution path,
// checkpoints, undoing to before the first mistake, and pause.
#include <string>

#include "game/base/translate.h"
#include "game/play/game.h"

namespace dravik {

SolutionPath Game::SolutionPathFromHere() const {
    if (!CanShowSolutionPath()) return {};
    return FindSolutionPath(round_);
}

bool Game::CanBackToCheckpoint() const {
    const int step = checkpoint_.StepOn(round_.Arrays());
    return CanUndo() && step >= 0 && round_.Arrays().StepCount > step;
}

void Game::SetCheckpoint() {
    if (!CanSetCheckpoint()) return;
    checkpoint_.Set(round_.Arrays());
    Notify(TrWith(QT_TRANSLATE_NOOP("dravik", "Checkpoint set at step %1"),
                  std::to_string(round_.Arrays().StepCount)));
}

void Game::BackToCheckpoint() {
    if (!CanBackToCheckpoint()) return;
    const int step = checkpoint_.StepOn(round_.Arrays());
    Play(kSoundUndoRedo);
    while (round_.Arrays().StepCount > step && round_.CanUndo()) round_.Undo();
}

void Game::UndoToBeforeMistake() {
    if (!CanUndoToBeforeMistake()) return;
    const Board& b = round_.Arrays();
    auto wrongDigit = [&b] {
        for (int c = 0; c < kCells; ++c)
            if (b.Played[c] != 0 && b.Played[c] != b.Solution[c]) return true;
        return false;
    };
    bool undone = false;
    while (wrongDigit() && round_.CanUndo()) {
        round_.Undo();
        undone = true;
    }
    if (undone) Play(kSoundUndoRedo);
}

void Game::Pause() {
    if (!CanPause()) return;
    paused_ = true;
    clock_.Pause();
}

void Game::Resume() {
    if (!paused_) return;
    paused_ = false;
    clock_.Resume();
}

void Game::LearnView(GameView& v) const {
    CommandStates& c = v.Commands;
    c.SolutionPath = CanShowSolutionPath();
    c.SetCheckpoint = CanSetCheckpoint();
    c.BackToCheckpoint = CanBackToCheckpoint();
    c.UndoToBeforeMistake = CanUndoToBeforeMistake();
    c.Pause = CanPause();
    v.Paused = paused_;
}

} // namespace dravik
