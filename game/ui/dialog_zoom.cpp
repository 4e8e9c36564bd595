#include "game/ui/dialog_zoom.h"

#include <QAbstractScrollArea>
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
constexpr char kBaseMargins[] = "dravikBaseMargins";
constexpr char kBaseSpacing[] = "dravikBaseSpacing";

int Scaled(int value, int zoom) {
    return static_cast<int>(std::lround(value * zoom / 100.0));
}

// Kept before any font changes: a child's font is inherited from its parent's.
void Remember(QWidget& w) {
    if (w.property(kBaseFont).isValid()) return;
    w.setProperty(kBaseFont, w.font());
    // A list takes the size it would have, not the style's constant one,
    // which does not grow with the font.
    const bool list = qobject_cast<QAbstractScrollArea*>(&w) != nullptr;
    w.setProperty(kBaseMinimum, list ? w.minimumSize().expandedTo(w.sizeHint()) : w.minimumSize());
    w.setProperty(kBaseMaximum, w.maximumSize());
}

void Remember(QLayout& layout) {
    if (layout.property(kBaseMargins).isValid()) return;
    const QMargins m = layout.contentsMargins();
    layout.setProperty(kBaseMargins, QRect(m.left(), m.top(), m.right(), m.bottom()));
    layout.setProperty(kBaseSpacing, layout.spacing());
}

void ZoomWidget(QWidget& w, int zoom, bool sizes) {
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
    const QRect m = layout.property(kBaseMargins).toRect();
    layout.setContentsMargins(Scaled(m.x(), zoom), Scaled(m.y(), zoom), Scaled(m.width(), zoom),
                              Scaled(m.height(), zoom));
    if (const int spacing = layout.property(kBaseSpacing).toInt(); spacing >= 0)
        layout.setSpacing(Scaled(spacing, zoom));
}

} // namespace

void ZoomDialog(QWidget& dialog, int zoom) {
    // The dialog's widgets and layouts; windows of their own over it (a
    // message box) keep their size.
    QList<QWidget*> widgets;
    for (QWidget* child : dialog.findChildren<QWidget*>())
        if (child->window() == &dialog) widgets << child;
    QList<QLayout*> layouts;
    for (QLayout* layout : dialog.findChildren<QLayout*>())
        if (layout->parentWidget() && layout->parentWidget()->window() == &dialog)
            layouts << layout;
    Remember(dialog);
    for (QWidget* w : widgets) Remember(*w);
    for (QLayout* l : layouts) Remember(*l);

    // The dialog's own size is its layout's.
    ZoomWidget(dialog, zoom, false);
    for (QWidget* w : widgets) ZoomWidget(*w, zoom, true);
    for (QLayout* l : layouts) ZoomLayout(*l, zoom);
    if (QLayout* layout = dialog.layout()) layout->activate();
    dialog.adjustSize();
}

} // namespace dravik::ui
