// The search for a practice puzzle in the game window: while it runs, a row
// across the status bar says what is looked for and how many puzzles were
// tried, with a busy bar and a Cancel button. It only draws the game's view
// (GameView::Practice) and forwards Cancel; the search runs on worker threads.
#pragma once

#include <QWidget>

#include <optional>

#include "game/play/view.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;

namespace dravik::ui {

class GameController;

class PracticeBar final : public QWidget {
    Q_OBJECT
  public:
    PracticeBar(QStatusBar& bar, GameController& controller);

    // Shows the search's line, or hides the row when no search runs.
    void Apply(const std::optional<GameView::PracticeSearchView>& practice);

  private:
    GameController& controller_;
    QLabel* text_ = nullptr;
    QProgressBar* busy_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::optional<GameView::PracticeSearchView> shown_;
};

} // namespace dravik::ui
