#include "game/ui/look.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>

namespace dravik::ui {

int ScaledPixels(int pixels, int zoom) {
    return std::max(1, static_cast<int>(std::lround(pixels * zoom / 100.0)));
}

QPoint KeptInside(const QRect& area, QPoint at, const QSize& frame) {
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - frame.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - frame.height())));
    return at;
}

QFont MakeFont(const FontSpec& spec, int zoom) {
    QFont font;
    switch (spec.face) {
    case FontFace::Arial:
        font = QFont(QStringLiteral("Liberation Sans"));
        break;
    case FontFace::SansSerif:
    case FontFace::Default:
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        break;
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 96.0 / 72.0 * zoom / 100.0)));
    font.setBold(spec.bold);
    return font;
}

} // namespace dravik::ui
