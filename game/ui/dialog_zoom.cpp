#include "game/ui/dialog_zoom.h"

#include <QFont>
#include <QLayout>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace dravik::ui {

namespace {

// The sizes a widget (a layout) had at 100 %, kept on the widget (layout) itself.
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

// The room a layout keeps around and between its widgets grows too.
void ZoomLayout(QLayout& layout, int zoom) {
    if (!layout.property(kBaseMinimum).isValid()) {
        const QMargins m = layout.contentsMargins();
        layout.setProperty(kBaseMinimum, QRect(m.left(), m.top(), m.right(), m.bottom()));
        layout.setProperty(kBaseMaximum, layout.spacing());
    }
    const QRect m = layout.property(kBaseMinimum).toRect();
    layout.setContentsMargins(Scaled(m.x(), zoom), Scaled(m.y(), zoom), Scaled(m.width(), zoom),
                              Scaled(m.height(), zoom));
    if (const int spacing = layout.property(kBaseMaximum).toInt(); spacing >= 0)
        layout.setSpacing(Scaled(spacing, zoom));
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
    for (QLayout* layout : dialog.findChildren<QLayout*>()) ZoomLayout(*layout, zoom);
    if (QLayout* layout = dialog.layout()) layout->activate();
    dialog.adjustSize();
}

} // namespace dravik::ui
