// The program's own pictures, drawn rather than loaded so they are sharp at
// every size: the logo of the window's Picture1 and the square program icon.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QRectF>

namespace dravik::ui {

// The wide logo (a small board beside the name), filling `area`.
void PaintLogo(QPainter& painter, const QRectF& area);
// The square icon: a 3 x 3 board with a few digits.
void PaintIcon(QPainter& painter, const QRectF& area);

// The program icon in the usual sizes.
QIcon ProgramIcon();

} // namespace dravik::ui
