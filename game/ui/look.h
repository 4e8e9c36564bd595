// The layout's colours and fonts as Qt values, and the one geometry rule of
// the window: 15 twips to a logical pixel at a zoom of 100 %, and at any other
// zoom in proportion (Qt's high-DPI scaling does the rest). Every place, size
// and font of the window comes from the layout through these functions, so
// the whole window scales by one factor.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "game/ui/layout.h"

namespace dravik::ui {

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// `zoom` is in percent (100 = the layout's own size).
inline int ToPixels(int twips, int zoom = 100) {
    return twips * zoom / (kTwipsPerPixel * 100);
}
inline QRect ToPixels(const TwipRect& r, int zoom = 100) {
    return QRect(ToPixels(r.left, zoom), ToPixels(r.top, zoom), ToPixels(r.width, zoom),
                 ToPixels(r.height, zoom));
}
// The twips at the left (top) edge of pixel `pixels`.
inline int ToTwips(int pixels, int zoom = 100) {
    return pixels * kTwipsPerPixel * 100 / zoom;
}
// A pen width or a small offset drawn `pixels` wide at 100 %, at least one pixel.
int ScaledPixels(int pixels, int zoom);

// The font of a layout entry, sized in pixels (points at 96 dpi) so that the
// text has the same size on every platform whatever dpi it reports.
QFont MakeFont(const FontSpec& spec, int zoom = 100);

// Where a window whose frame is `frame` large goes when wanted at `at`: moved
// back into `area` (a screen's available room), its top-left corner first.
QPoint KeptInside(const QRect& area, QPoint at, const QSize& frame);

} // namespace dravik::ui
