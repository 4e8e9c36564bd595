// The solution path window ("Dravik Sudoku - Solution path"): the steps of
// the game's solution path (solution_path.h) in a list, and beside it the
// board before the selected step, drawn by the game's own board widget with
// the step's highlight. A double click on a step opens its technique's help
// page. The window only reads the game: it shows the path found when it was
// opened, and opening it again (F3, also in this window) finds the path from
// the board as it is then. Escape closes it.
#pragma once

#include <QWidget>

#include <functional>
#include <string_view>

#include "game/play/solution_path.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace dravik::ui {

class BoardWidget;

class SolutionPathWindow final : public QWidget {
    Q_OBJECT
  public:
    // `openPage` opens a help page by its file name.
    explicit SolutionPathWindow(std::function<void(std::string_view)> openPage,
                                QWidget* parent = nullptr);

    // Shows `path` with its first step selected.
    void Show(SolutionPath path);
    // Centres the window over `game`, inside the screen.
    void PlaceOver(const QWidget& game);

    QTreeWidget* Steps() const { return list_; }
    BoardWidget* Board() const { return board_; }
    QLabel* Summary() const { return summary_; }
    QPushButton* Practise() const { return practise_; }
    const SolutionPath& Path() const { return path_; }
    // The technique of the selected step, -1 without one (for commands about it).
    int SelectedTechnique() const;

  signals:
    // F3 in this window: the path from the game's board as it is now.
    void RefreshRequested();
    // "Play a puzzle that needs this technique" for the selected step's technique.
    void PracticeRequested(int technique);

  private:
    void SelectStep(int index);

    std::function<void(std::string_view)> openPage_;
    SolutionPath path_;
    QLabel* heading_ = nullptr;
    QTreeWidget* list_ = nullptr;
    BoardWidget* board_ = nullptr;
    QLabel* explanation_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* practise_ = nullptr;
};

} // namespace dravik::ui
