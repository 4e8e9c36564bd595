#include "game/ui/main_window.h"

#include <QGuiApplication>
#include <QScreen>

namespace dravik::ui {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName("Main");
    setWindowTitle("Dravik Sudoku - Free Play (no player selected)");
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

} // namespace dravik::ui
