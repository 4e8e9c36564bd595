#include "game/ui/board_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

#include "game/qt/text.h"
#include "game/ui/board_accessible.h"
#include "game/ui/look.h"

namespace dravik::ui {

namespace {

// The digit under the mouse: its cells and marks.
const QColor kSameDigitFill(226, 226, 255);
// The keyboard cursor's frame.
const QColor kCursorEdge(255, 120, 0);

// The cell whose digit label holds the board point, or -1.
int CellAt(const QPoint& twips) {
    for (int cell = 0; cell < kCells; ++cell)
        if (DigitRect(cell).contains(twips.x(), twips.y())) return cell;
    return -1;
}

QColor LabelTextColour(LabelColour c) {
    return c == LabelColour::Red ? ToQColor(kSelectedLabel) : ToQColor(kWindowText);
}

// The pixel a point lies in, in twips from the board's corner.
QPoint TwipsOf(const QPointF& p, int zoom) {
    return QPoint(ToTwips(static_cast<int>(std::floor(p.x())), zoom),
                  ToTwips(static_cast<int>(std::floor(p.y())), zoom));
}

} // namespace

BoardWidget::BoardWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("Board");
    setGeometry(ToPixels(kBoardArea, zoom_));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setMouseTracking(true);
}

void BoardWidget::SetZoom(int zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    setGeometry(ToPixels(kBoardArea, zoom_));
    update();
}

int BoardWidget::TintedDigit() const {
    if (!sameDigit_) return 0;
    if (hoverCell_ >= 0 && cells_[hoverCell_].Digit != 0) return cells_[hoverCell_].Digit;
    if (cursorCell_ >= 0) return cells_[cursorCell_].Digit;
    return 0;
}

void BoardWidget::SetHover(int cell) {
    if (cell == hoverCell_) return;
    const int before = TintedDigit();
    hoverCell_ = cell;
    if (const int after = TintedDigit(); after != before) {
        UpdateTint(before);
        UpdateTint(after);
    }
}

void BoardWidget::UpdateTint(int digit) {
    if (digit == 0) return;
    for (int cell = 0; cell < kCells; ++cell) {
        const CellView& c = cells_[cell];
        if (c.Digit == digit)
            UpdateTwips(DigitRect(cell));
        else if (c.Digit == 0 && (c.MarksShown & DigitBit(digit)))
            UpdateTwips(MarkRect(cell, digit));
    }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    SetHover(CellAt(TwipsOf(event->position(), zoom_)));
    QWidget::mouseMoveEvent(event);
}

void BoardWidget::leaveEvent(QEvent* event) {
    SetHover(-1);
    QWidget::leaveEvent(event);
}

void BoardWidget::UpdateTwips(const TwipRect& r) {
    update(ToPixels(r, zoom_));
}

void BoardWidget::SetView(const GameView& view) {
    const int tintedBefore = TintedDigit();
    const bool cursorMoved = view.CursorCell != cursorCell_;
    if (cursorMoved) {
        if (cursorCell_ >= 0) UpdateTwips(DigitRect(cursorCell_));
        cursorCell_ = view.CursorCell;
        if (cursorCell_ >= 0) UpdateTwips(DigitRect(cursorCell_));
    }
    sameDigit_ = view.SameDigitTint;
    if (view.BoardEnabled != enabled_) {
        enabled_ = view.BoardEnabled;
        update();
    }
    if (!(highlight_ == view.Highlight)) {
        for (int i = 0; i < kCells; ++i)
            if (highlight_.Pattern[i] != view.Highlight.Pattern[i] ||
                highlight_.Struck[i] != view.Highlight.Struck[i] || i == highlight_.PlacedCell ||
                i == view.Highlight.PlacedCell)
                UpdateTwips(DigitRect(i));
        highlight_ = view.Highlight;
    }
    for (int i = 0; i < kCells; ++i) {
        if (cells_[i] == view.Cells[i]) continue;
        cells_[i] = view.Cells[i];
        UpdateTwips(DigitRect(i));
        AccessibleCellChanged(*this, i);
    }
    if (cursorMoved) AccessibleCursorMoved(*this);
    for (int i = 0; i < 9; ++i) {
        if (rowLabels_[i] != view.RowLabels[i]) {
            rowLabels_[i] = view.RowLabels[i];
            UpdateTwips(RowLabelRect(i));
        }
        if (columnLabels_[i] != view.ColumnLabels[i]) {
            columnLabels_[i] = view.ColumnLabels[i];
            UpdateTwips(ColumnLabelRect(i));
        }
    }
    if (const int tinted = TintedDigit(); tinted != tintedBefore) {
        UpdateTint(tintedBefore);
        UpdateTint(tinted);
    }
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The focus is on the cursor's cell rather than on the board as a whole.
    AccessibleCursorMoved(*this);
}

void BoardWidget::Announce(const QString& text) {
    if (text == announcement_) return;
    announcement_ = text;
    AccessibleAnnouncement(*this);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect dirty = event->rect();

    // Row and column labels: single border, bold captions.
    p.setFont(MakeFont(kLineLabelFont, zoom_));
    for (int i = 0; i < 9; ++i) {
        for (bool row : {true, false}) {
            QRect r = ToPixels(row ? RowLabelRect(i) : ColumnLabelRect(i), zoom_);
            if (!r.intersects(dirty)) continue;
            p.setPen(ToQColor(kFrameColour));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            const LabelColour colour = row ? rowLabels_[i] : columnLabels_[i];
            p.setPen(LabelTextColour(colour));
            QString caption = row ? ToQString(kRowCaptions[i]) : QString::number(i + 1);
            p.drawText(r, Qt::AlignCenter, caption);
            if (colour == LabelColour::Red) {
                // Chosen: underlined as well as red, for eyes that do not see red.
                const QRect text = p.fontMetrics().boundingRect(r, Qt::AlignCenter, caption);
                const int thick = ScaledPixels(2, zoom_);
                p.fillRect(
                    QRect(text.left(), r.bottom() - ScaledPixels(6, zoom_), text.width(), thick),
                    LabelTextColour(colour));
            }
        }
    }

    // Digits, or the cell's pencil-mark keypad.
    const QFont digitFont = MakeFont(kDigitFont, zoom_);
    const QFont markFont = MakeFont(kMarkFont, zoom_);
    const QColor markColour = ToQColor(enabled_ ? kWindowText : kGreyText);
    const int tinted = TintedDigit();
    for (int cell = 0; cell < kCells; ++cell) {
        QRect r = ToPixels(DigitRect(cell), zoom_);
        if (!r.intersects(dirty)) continue;
        const CellView& c = cells_[cell];
        if (tinted != 0) {
            if (c.Digit == tinted)
                p.fillRect(r, kSameDigitFill);
            else if (c.Digit == 0 && (c.MarksShown & DigitBit(tinted)))
                p.fillRect(ToPixels(MarkRect(cell, tinted), zoom_).adjusted(1, 1, -1, -1),
                           kSameDigitFill);
        }
        if (highlight_.Pattern[cell]) {
            // "Show where": the pattern's cells, tinted and outlined.
            p.fillRect(r, ToQColor(kPatternFill));
            p.setPen(QPen(ToQColor(kPatternEdge), ScaledPixels(2, zoom_)));
            p.drawRect(r.adjusted(1, 1, -1, -1));
        }
        if (c.Digit != 0) {
            p.setFont(digitFont);
            p.setPen(ToQColor(c.Colour == DigitColour::Given ? kGivenColour : kWindowText));
            p.drawText(r, Qt::AlignCenter, QString::number(c.Digit));
            continue;
        }
        if (c.MarksShown == 0) continue;
        p.setFont(markFont);
        for (int d = 1; d <= 9; ++d) {
            if (!(c.MarksShown & DigitBit(d))) continue;
            const QRect mark = ToPixels(MarkRect(cell, d), zoom_);
            if (highlight_.Struck[cell] & DigitBit(d)) {
                // A mark the step removes: red on pink, struck through.
                p.fillRect(mark.adjusted(1, 1, -1, -1), ToQColor(kStruckFill));
                p.setPen(QPen(ToQColor(kStruckMark), ScaledPixels(1, zoom_)));
                p.drawText(mark, Qt::AlignCenter, QString::number(d));
                const QPoint mid = mark.center();
                const int dx = ScaledPixels(5, zoom_), dy = ScaledPixels(4, zoom_);
                p.drawLine(mid.x() - dx, mid.y() + dy, mid.x() + dx, mid.y() - dy);
                continue;
            }
            if (cell == highlight_.PlacedCell && d == highlight_.PlacedDigit) {
                // The digit the step places: green on green.
                p.fillRect(mark.adjusted(1, 1, -1, -1), ToQColor(kPlacedFill));
                p.setPen(ToQColor(kPlacedMark));
                QFont bold = markFont;
                bold.setBold(true);
                p.setFont(bold);
                p.drawText(mark, Qt::AlignCenter, QString::number(d));
                p.setFont(markFont);
                continue;
            }
            p.setPen(markColour);
            p.drawText(mark, Qt::AlignCenter, QString::number(d));
        }
    }

    // The keyboard cursor: a frame inside its cell, the cell's look unchanged.
    if (cursorCell_ >= 0 && enabled_) {
        QRect r = ToPixels(DigitRect(cursorCell_), zoom_);
        if (r.intersects(dirty)) {
            p.setPen(QPen(kCursorEdge, ScaledPixels(2, zoom_)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(1, 1, -1, -1));
        }
    }

    // The frame on top, in black.
    for (const FrameLine& line : FrameLines()) {
        const int w = ScaledPixels(line.pixels, zoom_);
        QRect r = line.x1 == line.x2
                      ? QRect(ToPixels(line.x1, zoom_) - w / 2, ToPixels(line.y1, zoom_) - w / 2, w,
                              ToPixels(line.y2 - line.y1, zoom_) + w)
                      : QRect(ToPixels(line.x1, zoom_) - w / 2, ToPixels(line.y1, zoom_) - w / 2,
                              ToPixels(line.x2 - line.x1, zoom_) + w, w);
        if (r.intersects(dirty)) p.fillRect(r, ToQColor(kFrameColour));
    }
}

std::array<std::uint16_t, kCells> BoardWidget::ClickableMarks() const {
    std::array<std::uint16_t, kCells> marks{};
    // A disabled mark ignores the mouse; a hidden one is not there.
    if (enabled_)
        for (int i = 0; i < kCells; ++i) marks[i] = cells_[i].Digit ? 0 : cells_[i].MarksShown;
    return marks;
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    // The label under the first button pressed catches the mouse until every
    // button is released.
    if ((event->buttons() & ~event->button()) == Qt::NoButton) {
        QPoint t = TwipsOf(event->position(), zoom_);
        pressed_ = HitBoard(t.x(), t.y(), ClickableMarks());
        if (int cell = CellAt(t); cell >= 0) emit CellPressed(cell);
    }
    event->accept();
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    QPoint t = TwipsOf(event->position(), zoom_);
    BoardHit hit = Relative(pressed_, t.x(), t.y());
    if (event->buttons() == Qt::NoButton) pressed_ = BoardHit{};
    event->accept();
    if (event->button() == Qt::RightButton && hit.kind == BoardHit::Kind::None)
        emit MenuRequested(event->globalPosition().toPoint());
    switch (hit.kind) {
    case BoardHit::Kind::Mark:
        if (!MarkReleaseCounts(hit.x, hit.y)) break;
        if (event->button() == Qt::LeftButton)
            emit PlaceRequested(hit.cell, hit.digit);
        else if (event->button() == Qt::RightButton)
            emit StrikeRequested(hit.cell, hit.digit);
        break;
    case BoardHit::Kind::RowLabel:
        if (LineLabelReleaseCounts(hit.x, hit.y)) emit RowToggled(hit.line);
        break;
    case BoardHit::Kind::ColumnLabel:
        if (LineLabelReleaseCounts(hit.x, hit.y)) emit ColumnToggled(hit.line);
        break;
    case BoardHit::Kind::None:
        break;
    }
}

} // namespace dravik::ui
