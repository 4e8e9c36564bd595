#include "game/ui/look.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>

namespace dravik::ui {

int ScaledPixels(int pixels, int zoom) {
    return std::max(1, static_cast<int>(std::lround(pixels * zoom / 100.0)));
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
