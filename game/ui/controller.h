// Owns the game object, its 250 ms timer and the scheduling of its background
// passes, and tells the window when the view may have changed.
//
// Every handler runs through Do(): the handler, then the passes the game asks
// for (NeedsPass), then the timer follows the view. A finished puzzle reported
// by the worker thread arrives as a queued call and runs one pass (puzzles
// reported while the call waits share it, a pass each). Passes never
// run inside a handler: a message box's nested event loop defers them until
// the handler has returned, so the game never sees a pass in the middle of a
// move. Nothing here waits for the worker.
#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <utility>

#include "game/play/game.h"

namespace dravik::ui {

class GameController : public QObject {
    Q_OBJECT
  public:
    explicit GameController(const GameServices& services, QObject* parent = nullptr);
    ~GameController() override;

    Game& game() { return *game_; }
    const Game& game() const { return *game_; }
    GameView View() const { return game_->View(); }

    // Runs one handler of the game, then whatever passes it asked for.
    template <typename Handler> void Do(Handler&& handler) {
        {
            Busy busy(depth_);
            std::forward<Handler>(handler)(*game_);
        }
        Settle();
    }

    // Thread-safe: a finished puzzle is waiting for the game.
    void PuzzleReady();

    // Passes run so far (the window benchmark reports it).
    int PassesRun() const { return passesRun_; }

  signals:
    // The view after a handler, a pass or a tick: built once for every reader.
    void ViewChanged(const dravik::GameView& view);

  private:
    struct Busy {
        explicit Busy(int& depth) : depth_(depth) { ++depth_; }
        ~Busy() { --depth_; }
        int& depth_;
    };
    void Settle();
    void Tick();

    std::unique_ptr<Game> game_;
    QTimer timer_;
    int depth_ = 0;
    int readyWaiting_ = 0;         // reported puzzles whose pass has not run yet
    std::atomic<int> reported_{0}; // reported since the queued call was posted
    int passesRun_ = 0;
};

} // namespace dravik::ui
