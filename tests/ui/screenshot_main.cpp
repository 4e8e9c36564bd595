// Writes a picture of a game in progress for the README: a Hard puzzle with
// some digits placed, a few candidates struck and a row and column selected.
// Usage: ui_screenshot OUTPUT.png [brought]   (run offscreen; see scripts/screenshot.sh)
// With "brought", the window after a pasted puzzle the ladder cannot finish,
// for looking at the status bar and the technique counts.
#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cstdio>

#include "support/brought_puzzles.h"
#include "ui_harness.h"

using namespace dravik;

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [brought]\n", argv[0]);
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
    if (argc == 3) setup.broughtPuzzle = test::kBeyond;
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
    if (!h.window().grab().toImage().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
