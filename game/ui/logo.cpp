#include "game/ui/logo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

namespace dravik::ui {

namespace {

const QColor kInk(16, 40, 96);
const QColor kBlue(0, 0, 160);
const QColor kTeal(0, 128, 128);

// A 3 x 3 board: rounded paper, grid lines and three digits.
void PaintBoard(QPainter& p, const QRectF& r) {
    const qreal s = std::min(r.width(), r.height());
    const QRectF sq(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 250));
    p.drawRoundedRect(sq, s * 0.12, s * 0.12);
    const qreal m = s * 0.12;
    const QRectF grid = sq.adjusted(m, m, -m, -m);
    p.setPen(QPen(kInk, std::max(1.0, s * 0.045)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(grid);
    p.setPen(QPen(kInk, std::max(1.0, s * 0.02)));
    for (int i = 1; i < 3; ++i) {
        qreal x = grid.left() + grid.width() * i / 3;
        qreal y = grid.top() + grid.height() * i / 3;
        p.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
        p.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    }
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setPixelSize(std::max(1, static_cast<int>(grid.height() / 3 * 0.8)));
    p.setFont(f);
    const qreal cell = grid.width() / 3;
    const struct {
        int row, col;
        const char* digit;
        QColor colour;
    } digits[] = {{0, 0, "5", kBlue}, {1, 1, "3", kInk}, {2, 2, "9", kBlue}, {0, 2, "1", kTeal}};
    for (const auto& d : digits) {
        p.setPen(d.colour);
        p.drawText(QRectF(grid.left() + d.col * cell, grid.top() + d.row * cell, cell, cell),
                   Qt::AlignCenter, QString::fromLatin1(d.digit));
    }
}

} // namespace

void PaintLogo(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(240, 250, 255));
    sky.setColorAt(1, QColor(170, 215, 235));
    p.setPen(QPen(kInk, 1));
    p.setBrush(sky);
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    const qreal h = area.height();
    PaintBoard(p, QRectF(area.left() + h * 0.1, area.top() + h * 0.1, h * 0.8, h * 0.8));
    QRectF text(area.left() + h * 0.95, area.top(), area.width() - h * 1.0, area.height());
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    int size = std::max(1, static_cast<int>(h * 0.34));
    f.setPixelSize(size);
    while (size > 4 &&
           QFontMetricsF(f).horizontalAdvance(QStringLiteral("Dravik")) > text.width()) {
        f.setPixelSize(--size);
    }
    p.setFont(f);
    p.setPen(kInk);
    p.drawText(text.adjusted(0, 0, 0, -h * 0.42), Qt::AlignHCenter | Qt::AlignBottom,
               QStringLiteral("Dravik"));
    f.setBold(false);
    f.setPixelSize(std::max(1, static_cast<int>(h * 0.26)));
    p.setFont(f);
    p.setPen(kTeal);
    p.drawText(text.adjusted(0, h * 0.55, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Sudoku"));
    p.restore();
}

void PaintIcon(QPainter& p, const QRectF& area) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 192, 192));
    const qreal s = std::min(area.width(), area.height());
    QRectF sq(area.center().x() - s / 2, area.center().y() - s / 2, s, s);
    p.drawRoundedRect(sq, s * 0.18, s * 0.18);
    PaintBoard(p, sq.adjusted(s * 0.08, s * 0.08, -s * 0.08, -s * 0.08));
    p.restore();
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        PaintIcon(p, QRectF(0, 0, size, size));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace dravik::ui
