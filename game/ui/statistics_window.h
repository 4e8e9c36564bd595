// The statistics window ("Dravik Sudoku - Statistics"): for one player (Free
// Play or a named one, chosen at the top) a row per level with the puzzles
// finished, the best and the average time, the hints asked, the solutions
// shown, the puzzles given up, and a small bar chart of the last 20 times.
// It only draws what the game counted (Game::Stats); it changes nothing.
#pragma once

#include <QWidget>

#include <array>

#include "game/model/levels.h"
#include "game/players/settings.h"
#include "game/players/statistics.h"

class QComboBox;
class QGridLayout;
class QLabel;

namespace dravik::ui {

// The last times of one level as bars, the newest on the right; the tallest
// bar is the slowest time shown.
class TimesChart final : public QWidget {
    Q_OBJECT
  public:
    explicit TimesChart(QWidget* parent = nullptr);
    void SetTimes(const std::deque<std::int64_t>& times);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::deque<std::int64_t> times_;
};

class StatisticsWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit StatisticsWindow(QWidget* parent = nullptr);

    // Draws `statistics` for the players of `players`, starting with `player`.
    void Show(const Statistics& statistics, const PlayerList& players, int player);
    // The same figures again (after a change), keeping the chosen player.
    void Refresh(const Statistics& statistics, const PlayerList& players);

  private:
    void Draw();

    QComboBox* chooser_ = nullptr;
    std::array<std::array<QLabel*, 6>, kLevels + 1> cells_{}; // by level, by column
    std::array<TimesChart*, kLevels + 1> charts_{};
    Statistics statistics_;
    PlayerList players_;
    int player_ = 0;
    bool filling_ = false;
};

} // namespace dravik::ui
