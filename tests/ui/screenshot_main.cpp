// Writes a picture of a game in progress for the README: a Hard puzzle with
// some digits placed, a few candidates struck and a row and column selected.
// Usage: ui_screenshot OUTPUT.png [brought|menu|pause|path]   (run offscreen; see
// scripts/screenshot.sh)
// With "brought", the window after a pasted puzzle the ladder cannot finish,
// for looking at the status bar and the technique counts; with "menu" the
// commands menu of a right click, "pause" the paused window, "path" the
// solution path window with its fourth step chosen.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>

#include "game/ui/help_features.h"
#include "game/ui/solution_path_window.h"
#include "support/brought_puzzles.h"
#include "ui_harness.h"

using namespace dravik;

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [brought|menu|pause|path]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setQuitOnLastWindowClosed(false);

    qputenv("SDL_AUDIODRIVER", "dummy");
    test::UiHarness::Setup setup;
    setup.sound = true;
    const std::string mode = argc == 3 ? argv[2] : "";
    if (mode == "brought") setup.broughtPuzzle = test::kBeyond;
    test::UiHarness h(setup);
    if (!h.Start()) return 1;
    for (int i = 0; i < 50 && h.view().Starting; ++i) h.ProcessEvents();
    h.Click("OptionType(4)");
    h.Next();
    // Every third empty cell gets its digit, and a wrong candidate is struck
    // in a few of the others.
    int empty = 0, struck = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const test::ShownBoard b = h.shown();
        if (b.Played[cell] != 0) continue;
        if (empty++ % 3 == 0) {
            h.ReleaseOnMark(cell, b.Solution[cell], Qt::LeftButton);
        } else if (struck < 6) {
            for (int d = 9; d >= 1; --d) {
                if (d == b.Solution[cell] || !(b.PencilMarks[cell] & DigitBit(d))) continue;
                h.ReleaseOnMark(cell, d, Qt::RightButton);
                ++struck;
                break;
            }
        }
    }
    h.ReleaseOnRowLabel(4);
    h.ReleaseOnColumnLabel(6);
    QTest::qWait(3100); // the clock shows a little time played
    h.ProcessEvents();
    QWidget* shot = &h.window();
    if (mode == "menu") {
        h.window().Commands().Popup(h.window().mapToGlobal(QPoint(620, 200)));
        h.ProcessEvents();
        shot = h.window().Commands().Menu();
    } else if (mode == "pause") {
        h.window().Commands().Action("KeyPause")->trigger();
        h.ProcessEvents();
    } else if (mode == "path") {
        h.window().Commands().Action("KeySolutionPath")->trigger();
        h.ProcessEvents();
        ui::SolutionPathWindow* path = h.app->Help().Path();
        if (!path) return 1;
        if (path->Steps()->topLevelItemCount() > 3)
            path->Steps()->setCurrentItem(path->Steps()->topLevelItem(3));
        h.ProcessEvents();
        shot = path;
    }
    if (!shot->grab().toImage().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
