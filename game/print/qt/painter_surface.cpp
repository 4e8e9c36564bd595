#include "game/print/qt/painter_surface.h"
#include "game/qt/text.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace dravik::print {

QString FontFamilyFor(std::string_view name) {
    if (name == "Times New Roman") return QStringLiteral("Liberation Serif");
    if (name == "Arial") return QStringLiteral("Liberation Sans");
    return ToQString(name);
}

namespace {

// One point is 20 twips; the font's pixels are twips.
constexpr int kTwipsPerPoint = 20;

} // namespace

PainterSurface::PainterSurface(QPainter& painter, double devicePixelsPerTwip, int pageWidth,
                               int pageHeight, std::function<bool()> newPage,
                               std::function<bool()> paper)
    : painter_(painter), scale_(devicePixelsPerTwip), pageWidth_(pageWidth),
      pageHeight_(pageHeight), newPage_(std::move(newPage)), paper_(std::move(paper)) {
    font_.setStyleStrategy(QFont::PreferOutline);
    font_.setHintingPreference(QFont::PreferNoHinting);
    font_.setKerning(false);
    SetFontName("Arial");
    SetFontSize(10);
    painter_.scale(scale_, scale_);
}

bool PainterSurface::UseA4Portrait() {
    return paper_ ? paper_() : true;
}

void PainterSurface::SetFontName(std::string_view name) {
    const QString family = FontFamilyFor(name);
    if (font_.family() == family) return;
    font_.setFamily(family);
    metrics_.reset();
}

void PainterSurface::SetFontSize(int points) {
    const int pixels = std::max(1, points * kTwipsPerPoint);
    if (font_.pixelSize() == pixels) return;
    font_.setPixelSize(pixels);
    metrics_.reset();
}

void PainterSurface::SetFontBold(bool bold) {
    if (font_.bold() == bold) return;
    font_.setBold(bold);
    metrics_.reset();
}

void PainterSurface::SetForeColour(Colour colour) {
    colour_ = QColor(static_cast<int>((colour >> 16) & 0xff),
                     static_cast<int>((colour >> 8) & 0xff), static_cast<int>(colour & 0xff));
}

const QFontMetricsF& PainterSurface::Metrics() {
    if (!metrics_) metrics_.emplace(font_);
    return *metrics_;
}

int PainterSurface::TextWidth(std::string_view text) {
    return qRound(Metrics().horizontalAdvance(ToQString(text)));
}

int PainterSurface::TextHeight(std::string_view) {
    return qRound(Metrics().height());
}

bool PainterSurface::Ready() {
    if (ended_) return false;
    if (pageEnded_) {
        pageEnded_ = false;
        if (newPage_ && !newPage_()) failed_ = true;
    }
    if (!painter_.isActive()) {
        failed_ = true;
        return false;
    }
    return true;
}

void PainterSurface::ApplyPen() {
    const double twips = penUnits_ * kTwipsPerPenUnit;
    const double devicePixels = twips * scale_;
    QPen pen(colour_);
    if (devicePixels >= 1.0) {
        pen.setWidthF(twips);
    } else {
        // Too fine for the device (the example picture): hairlines that
        // still tell a thick line from a thin one.
        pen.setCosmetic(true);
        pen.setWidthF(penUnits_ >= 4 ? 1.0 : 0.5);
    }
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::Line(int x1, int y1, int x2, int y2) {
    if (!Ready()) return;
    ApplyPen();
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterSurface::Rectangle(int x1, int y1, int x2, int y2) {
    if (!Ready()) return;
    ApplyPen();
    painter_.drawRect(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                             QPointF(std::max(x1, x2), std::max(y1, y2))));
}

void PainterSurface::PrintText(std::string_view text) {
    const QString s = ToQString(text);
    if (Ready()) {
        painter_.setFont(font_);
        painter_.setPen(colour_);
        painter_.drawText(QPointF(x_, y_ + Metrics().ascent()), s);
    }
    x_ += qRound(Metrics().horizontalAdvance(s));
}

void PainterSurface::EndDoc() {
    if (ended_) return;
    ended_ = true;
    if (painter_.isActive() && !painter_.end()) failed_ = true;
}

} // namespace dravik::print
