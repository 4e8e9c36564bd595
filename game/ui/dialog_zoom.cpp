#include "game/ui/dialog_zoom.h"

#include <QFont>
#include <QLayout>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace dravik::ui {

namespace {

// The sizes a widget had at 100 %, kept on the widget itself.
constexpr char kBaseFont[] = "dravikBaseFont";
constexpr char kBaseMinimum[] = "dravikBaseMinimum";
constexpr char kBaseMaximum[] = "dravikBaseMaximum";

int Scaled(int value, int zoom) {
    return static_cast<int>(std::lround(value * zoom / 100.0));
}

void ZoomWidget(QWidget& w, int zoom, bool sizes) {
    if (!w.property(kBaseFont).isValid()) {
        w.setProperty(kBaseFont, w.font());
        w.setProperty(kBaseMinimum, w.minimumSize());
        w.setProperty(kBaseMaximum, w.maximumSize());
    }
    QFont font = w.property(kBaseFont).value<QFont>();
    if (font.pixelSize() > 0)
        font.setPixelSize(Scaled(font.pixelSize(), zoom));
    else
        font.setPointSizeF(font.pointSizeF() * zoom / 100.0);
    w.setFont(font);
    if (!sizes) return;
    auto scale = [zoom](QSize s) {
        // An unlimited maximum stays unlimited.
        if (s.width() < QWIDGETSIZE_MAX) s.setWidth(Scaled(s.width(), zoom));
        if (s.height() < QWIDGETSIZE_MAX) s.setHeight(Scaled(s.height(), zoom));
        return s;
    };
    w.setMinimumSize(scale(w.property(kBaseMinimum).toSize()));
    w.setMaximumSize(scale(w.property(kBaseMaximum).toSize()));
}

} // namespace

void ZoomDialog(QWidget& dialog, int zoom) {
    // The dialog's own size is its layout's.
    ZoomWidget(dialog, zoom, false);
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        // The dialogs' own windows (a message box over them) keep their size.
        if (child->isWindow()) continue;
        ZoomWidget(*child, zoom, true);
    }
    if (QLayout* layout = dialog.layout()) layout->activate();
    dialog.adjustSize();
}

} // namespace dravik::ui
