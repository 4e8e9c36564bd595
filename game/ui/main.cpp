#include <QApplication>

#include "game/model/grid.h"
#include "game/ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("KVXDSud");
    dravik::InitConversionArrays();
    dravik::ui::MainWindow window;
    window.show();
    return app.exec();
}
