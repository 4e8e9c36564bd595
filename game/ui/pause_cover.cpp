#include "game/ui/pause_cover.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include "game/qt/text.h"
#include "game/ui/layout.h"
#include "game/ui/look.h"

namespace dravik::ui {

PauseCover::PauseCover(QWidget& window, std::function<void()> resume)
    : QWidget(&window), window_(window), resume_(std::move(resume)) {
    setObjectName("PauseCover");
    setGeometry(ToPixels(kBoardArea));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void PauseCover::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(kWindowBackground));
    p.setPen(ToQColor(kFrameColour));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(MakeFont(FontSpec{FontFace::SansSerif, 13.5, true}, zoom_));
    p.drawText(rect(), Qt::AlignCenter,
               TrQString(QT_TRANSLATE_NOOP("dravik", "Paused \u2014 press P or click to go on")));
}

void PauseCover::SetZoom(int zoom) {
    zoom_ = zoom;
    setGeometry(ToPixels(kBoardArea, zoom_));
    update();
}

void PauseCover::SetPaused(bool paused) {
    if (paused != isVisible()) {
        setVisible(paused);
        if (paused) raise();
    }
    UpdateWatch();
}

// Watching lasts while the panel shows and until the release of the click
// that took it away.
void PauseCover::UpdateWatch() {
    const bool watch = isVisible() || swallowRelease_;
    if (watch && !watching_)
        qApp->installEventFilter(this);
    else if (!watch && watching_)
        qApp->removeEventFilter(this);
    watching_ = watch;
}

bool PauseCover::InGameWindow(QObject* watched) const {
    auto* w = qobject_cast<QWidget*>(watched);
    return w && w->window() == &window_;
}

bool PauseCover::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        // The release of the click that resumed.
        if (swallowRelease_ && InGameWindow(watched)) {
            swallowRelease_ = false;
            UpdateWatch();
            return true;
        }
        break;
    case QEvent::ShortcutOverride:
        // A key that is some action's shortcut comes as a plain key press,
        // which resumes below, instead of acting.
        if (isVisible() && InGameWindow(watched)) {
            event->accept();
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
        if (isVisible() && InGameWindow(watched)) {
            if (event->type() != QEvent::KeyPress) swallowRelease_ = true;
            // Modifier keys alone do not count as a key.
            if (event->type() == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
                    key == Qt::Key_Meta || key == Qt::Key_AltGr)
                    return true;
            }
            resume_();
            return true;
        }
        break;
    case QEvent::ContextMenu:
        if ((isVisible() || swallowRelease_) && InGameWindow(watched)) return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dravik::ui
