#include <gtest/gtest.h>

#include <QApplication>

#include "game/ui/main_window.h"

namespace {

TEST(MainWindow, TitleAndFixedClientSize) {
    int argc = 1;
    char name[] = "ui_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    dravik::ui::MainWindow window;
    window.show();
    EXPECT_EQ(window.objectName(), "Main");
    EXPECT_EQ(window.windowTitle(), "Dravik Sudoku - Free Play (no player selected)");
    // 10725 x 9855 twips at 15 twips per pixel.
    EXPECT_EQ(window.width(), 715);
    EXPECT_EQ(window.height(), 657);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

} // namespace
