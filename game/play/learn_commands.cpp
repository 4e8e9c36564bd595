// The game's commands for learning and going back: the solution path,
// checkpoints, undoing to before the first mistake, and pause.
#include <algorithm>

#include "game/play/game.h"

namespace dravik {

void Checkpoint::Set(const Board& board) {
    step_ = board.StepCount;
    givens_ = board.Givens;
    steps_.assign(board.Steps.begin(), board.Steps.begin() + board.StepCount);
}

int Checkpoint::StepOn(const Board& board) const {
    if (step_ < 0 || board.StepLimit < step_ || board.Givens != givens_) return -1;
    return std::equal(steps_.begin(), steps_.end(), board.Steps.begin()) ? step_ : -1;
}

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
    Notify("Checkpoint set at step " + std::to_string(round_.Arrays().StepCount));
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
