// The layout's colours and fonts as Qt values, and the one geometry rule of
// the window: 15 twips to a logical pixel (Qt's high-DPI scaling does the rest).
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>

#include "game/ui/layout.h"

namespace dravik::ui {

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

inline int ToPixels(int twips) {
    return twips / kTwipsPerPixel;
}
inline QRect ToPixels(const TwipRect& r) {
    return QRect(ToPixels(r.left), ToPixels(r.top), ToPixels(r.width), ToPixels(r.height));
}

// The font of a layout entry, sized in pixels (points at 96 dpi) so that the
// text has the same size on every platform whatever dpi it reports.
QFont MakeFont(const FontSpec& spec);

} // namespace dravik::ui
