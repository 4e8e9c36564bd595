#include "game/ui/controller.h"

namespace dravik::ui {

GameController::GameController(const GameServices& services, QObject* parent)
    : QObject(parent), game_(std::make_unique<Game>(services)) {
    timer_.setInterval(250);
    connect(&timer_, &QTimer::timeout, this, &GameController::Tick);
}

GameController::~GameController() = default;

void GameController::PuzzleReady() {
    // One queued call for all the puzzles reported before it runs: the
    // workers outpace the window's thread, which then takes them all in one
    // turn of its loop and shows the view once.
    if (reported_.fetch_add(1) != 0) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            readyWaiting_ += reported_.exchange(0);
            Settle();
        },
        Qt::QueuedConnection);
}

void GameController::Settle() {
    if (depth_ > 0) return; // inside a handler: its end settles
    {
        Busy busy(depth_);
        // One pass per reported puzzle, then as long as the game has work. A
        // pass can show a message (a failed write), so this stays guarded.
        for (;;) {
            if (readyWaiting_ > 0) {
                --readyWaiting_;
            } else if (!game_->NeedsPass()) {
                break;
            }
            game_->RunPass();
            ++passesRun_;
        }
    }
    const GameView view = game_->View();
    if (view.ClockRunning) {
        if (!timer_.isActive()) timer_.start();
    } else {
        timer_.stop();
    }
    emit ViewChanged(view);
}

void GameController::Tick() {
    game_->Tick();
    emit ViewChanged(game_->View());
}

} // namespace dravik::ui
