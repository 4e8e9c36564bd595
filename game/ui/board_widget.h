// The board as one painted widget: the 81 digit labels, the 729 pencil marks,
// the frame and the row and column labels, drawn from the game's view at the
// layout's coordinates. It takes no decisions: a mouse release becomes the
// release event of the label that caught the press, with the point in twips
// inside that label, and the game decides what it means.
#pragma once

#include <QWidget>

#include <array>

#include "game/play/view.h"
#include "game/ui/layout.h"

namespace dravik::ui {

// Mouse buttons as the label events number them.
int ButtonNumber(Qt::MouseButton button);

class BoardWidget : public QWidget {
    Q_OBJECT
  public:
    explicit BoardWidget(QWidget* parent = nullptr);

    // Shows `view`, repainting only the cells and labels that changed.
    void SetView(const GameView& view);

  signals:
    void MarkReleased(int digit, int cell, int button, int x, int y);
    void RowLabelReleased(int row, int x, int y);
    void ColumnLabelReleased(int column, int x, int y);
    // A press on a cell (the keyboard cursor follows the mouse).
    void CellPressed(int cell);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    std::array<std::uint16_t, kCells> ClickableMarks() const;
    // The digit whose cells and marks are tinted: the one under the mouse, else
    // the one under the cursor; 0 for none.
    int TintedDigit() const;
    void SetHover(int cell);
    void UpdateTwips(const TwipRect& r);

    std::array<CellView, kCells> cells_{};
    std::array<LabelColour, 9> rowLabels_{};
    std::array<LabelColour, 9> columnLabels_{};
    BoardHighlight highlight_;
    bool enabled_ = false;
    int cursorCell_ = -1;
    bool sameDigit_ = true;
    int hoverCell_ = -1;
    BoardHit pressed_;
};

} // namespace dravik::ui
