// Dravik Sudoku: the game program.
#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "game/ui/app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("KVXDSud");
    // One look everywhere: a dark desktop theme or a style that ignores button
    // colours must not change the game's colours or make its text unreadable.
    if (QStyle* fusion = QStyleFactory::create("Fusion")) {
        QApplication::setStyle(fusion);
        QApplication::setPalette(fusion->standardPalette());
    }
    dravik::ui::App app;
    if (!app.Start()) return 1;
    return application.exec();
}
