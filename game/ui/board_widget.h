// The board as one painted widget: the 81 digit labels, the 729 pencil marks,
// the frame and the row and column labels, drawn from the game's view at the
// layout's coordinates. A release on the label that caught the press, inside
// the part of it that counts (layout.h), becomes the player's intent: a left
// release on a mark places its digit, a right release strikes it, any release
// on a row or column label toggles that line. The game decides whether the
// intent acts.
#pragma once

#include <QWidget>

#include <array>

#include "game/play/view.h"
#include "game/ui/layout.h"

namespace dravik::ui {

class BoardWidget : public QWidget {
    Q_OBJECT
  public:
    explicit BoardWidget(QWidget* parent = nullptr);

    // Shows `view`, repainting only the cells and labels that changed.
    void SetView(const GameView& view);
    // Places and draws the board at `zoom` percent of the layout's size.
    void SetZoom(int zoom);
    int Zoom() const { return zoom_; }

    // What the board shows now, for its accessible cells.
    const CellView& Cell(int cell) const { return cells_[cell]; }
    int CursorCell() const { return cursorCell_; }
    bool LineChosen(bool row, int line) const {
        return (row ? rowLabels_ : columnLabels_)[line] == LabelColour::Red;
    }
    // A line that says what just happened ("Solved in 03:12", the "Show where"
    // explanation): the focused cell's description, so a screen reader reads it
    // where the player is.
    void Announce(const QString& text);
    const QString& Announcement() const { return announcement_; }

  signals:
    void PlaceRequested(int cell, int digit);
    void StrikeRequested(int cell, int digit);
    void RowToggled(int row);
    void ColumnToggled(int column);
    // A press on a cell (the keyboard cursor follows the mouse).
    void CellPressed(int cell);
    // A right click outside the marks and labels: the window's commands menu.
    void MenuRequested(QPoint globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
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
    // Repaints what the tint of `digit` covers: its cells and its marks.
    void UpdateTint(int digit);

    std::array<CellView, kCells> cells_{};
    std::array<LabelColour, 9> rowLabels_{};
    std::array<LabelColour, 9> columnLabels_{};
    BoardHighlight highlight_;
    bool enabled_ = false;
    int cursorCell_ = -1;
    bool sameDigit_ = true;
    int hoverCell_ = -1;
    BoardHit pressed_;
    int zoom_ = 100;
    QString announcement_;
};

} // namespace dravik::ui
