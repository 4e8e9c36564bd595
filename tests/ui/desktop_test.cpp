// The desktop conveniences through the window: a game played from the
// keyboard, the accelerators, copy and paste of puzzles, a puzzle from the
// command line and the same-digit tint.
#include <gtest/gtest.h>

#include <tuple>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>

#include <filesystem>

#include "game/base/messages.h"
#include "game/platform/folders.h"
#include "game/platform/instance_lock.h"
#include "game/play/brought_puzzle.h"
#include "game/ui/look.h"
#include "support/brought_puzzles.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

// The parts of a widget that are repainted, as its paint events name them.
class PaintedRegion final : public QObject {
  public:
    explicit PaintedRegion(QWidget& w) { w.installEventFilter(this); }
    QRegion region;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

void Activate(UiHarness& h) {
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
}

void Key(UiHarness& h, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(&h.window(), key, mods);
}

// Walks the cursor to `cell` with the arrow keys.
void CursorTo(UiHarness& h, int cell) {
    while (h.view().CursorCell / 9 != cell / 9) Key(h, Qt::Key_Down);
    while (h.view().CursorCell % 9 != cell % 9) Key(h, Qt::Key_Right);
}

TEST(Desktop, AGameByKeysRecordsWhatTheSameGameByMouseRecords) {
    // The same puzzle twice: once placed by releases on the marks, once by keys.
    // The board after every move is the same.
    auto boardAfter = [](UiHarness& h) {
        GameView v = h.view();
        return std::tuple(v.Cells, v.Steps, v.Buttons, v.CursorCell);
    };
    UiHarness mouse;
    mouse.StartAndIdle();
    mouse.Next();
    std::vector<decltype(boardAfter(mouse))> byMouse;
    const ShownBoard start = mouse.shown();
    for (int cell = 0; cell < kCells && Playing(mouse.view()); ++cell) {
        if (start.Played[cell] != 0) continue;
        mouse.ReleaseOnMark(cell, start.Solution[cell], Qt::LeftButton);
        byMouse.push_back(boardAfter(mouse));
    }
    ASSERT_FALSE(Playing(mouse.view()));

    UiHarness keys;
    keys.StartAndIdle();
    Activate(keys);
    keys.Next();
    ASSERT_EQ(keys.shown().Givens, start.Givens);
    EXPECT_EQ(keys.view().CursorCell, 0) << "the cursor starts on A1";
    std::size_t move = 0;
    for (int cell = 0; cell < kCells && Playing(keys.view()); ++cell) {
        if (start.Played[cell] != 0) continue;
        CursorTo(keys, cell);
        Key(keys, static_cast<Qt::Key>(Qt::Key_0 + start.Solution[cell]));
        ASSERT_LT(move, byMouse.size());
        EXPECT_TRUE(boardAfter(keys) == byMouse[move]) << "move " << move;
        ++move;
    }
    ASSERT_FALSE(Playing(keys.view()));
    EXPECT_EQ(move, byMouse.size());
    EXPECT_EQ(keys.sound.played, mouse.sound.played);
    EXPECT_EQ(qobject_cast<QLabel*>(keys.control("LabelStap"))->text(),
              qobject_cast<QLabel*>(mouse.control("LabelStap"))->text());
}

TEST(Desktop, ArrowsWrapShiftStrikesOnlyFromMediumAndDeleteResets) {
    UiHarness h;
    h.StartAndIdle();
    Activate(h);
    h.Next(); // level 2
    Key(h, Qt::Key_Left);
    EXPECT_EQ(h.view().CursorCell, 8) << "left from A1 wraps to A9";
    Key(h, Qt::Key_Up);
    EXPECT_EQ(h.view().CursorCell, 80);
    int cell = 0;
    while (h.shown().Played[cell] != 0) ++cell;
    // A right click does nothing at level 2, but it takes the cursor along.
    QTest::mouseClick(&h.board(), Qt::RightButton, Qt::NoModifier,
                      BoardPixel(ui::DigitRect(cell), 360, 360));
    EXPECT_EQ(h.view().CursorCell, cell) << "a click takes the cursor";
    EXPECT_EQ(h.shown().StepCount, 0);
    Key(h, Qt::Key_4, Qt::ShiftModifier);
    EXPECT_EQ(h.shown().StepCount, 0) << "no strikes at level 2";
    Key(h, Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(h.shown().Played[cell], 4);
    Key(h, Qt::Key_Delete);
    EXPECT_EQ(h.shown().Played[cell], 0);
    EXPECT_EQ(h.shown().StepCount, 2);

    UiHarness medium;
    medium.StartAndIdle();
    Activate(medium);
    medium.Click("OptionType(3)");
    medium.Next();
    int c = 0;
    while (medium.shown().Played[c] != 0) ++c;
    medium.game().SetCursor(c);
    int d = 1;
    while (!(medium.shown().PencilMarks[c] & DigitBit(d))) ++d;
    Key(medium, static_cast<Qt::Key>(Qt::Key_0 + d), Qt::ControlModifier);
    EXPECT_FALSE(medium.shown().PencilMarks[c] & DigitBit(d));
    EXPECT_EQ(medium.shown().StepCount, 1);
}

// The board keeps the keyboard while a game runs: a click on a button leaves
// the focus where it was, so a stray Space presses nothing; Tab still reaches
// the buttons.
TEST(Desktop, TheBoardHoldsTheFocusAndButtonsTakeItOnlyByTab) {
    UiHarness h;
    h.StartAndIdle();
    Activate(h);
    h.Next();
    EXPECT_EQ(QApplication::focusWidget(), &h.board());
    int cell = 0;
    while (h.shown().Played[cell] != 0) ++cell;
    h.ReleaseOnRowLabel(cell / 9);
    h.ReleaseOnColumnLabel(cell % 9);
    Key(h, Qt::Key_Space);
    EXPECT_EQ(h.shown().StepCount, 0) << "Space reset the cell";
    h.Click("CommandResetCell");
    EXPECT_EQ(QApplication::focusWidget(), &h.board());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &h.board());
}

TEST(Desktop, AcceleratorsActOnlyWhileTheirButtonIsEnabled) {
    UiHarness h;
    h.StartAndIdle();
    Activate(h);
    EXPECT_TRUE(h.control("CommandUndo")->toolTip().contains("Ctrl+Z"));
    EXPECT_TRUE(h.control("CommandHint")->toolTip().contains("H"));
    Key(h, Qt::Key_N, Qt::ControlModifier);
    for (int i = 0; i < 10 && h.game().NeedsPass(); ++i) h.ProcessEvents();
    EXPECT_EQ(h.shown().PuzzleNumber, 1);
    Key(h, Qt::Key_N, Qt::ControlModifier); // Next is disabled during a game
    h.ProcessEvents();
    EXPECT_EQ(h.shown().PuzzleNumber, 1);
    Key(h, Qt::Key_Z, Qt::ControlModifier); // nothing to undo
    EXPECT_TRUE(h.sound.played.empty());
    Key(h, static_cast<Qt::Key>(Qt::Key_0 + h.shown().Solution[h.view().CursorCell]));
    const int steps = h.shown().StepCount;
    if (steps == 1) { // A1 was empty
        Key(h, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(h.shown().StepCount, 0);
        Key(h, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(h.shown().StepCount, 1);
        Key(h, Qt::Key_Y, Qt::ControlModifier); // nothing left to redo
        EXPECT_EQ(h.shown().StepCount, 1);
    }
    // A wrong digit, then H: the hint finds it.
    int empty = 0;
    while (h.shown().Played[empty] != 0) ++empty;
    h.game().SetCursor(empty);
    Key(h, static_cast<Qt::Key>(Qt::Key_0 + h.shown().Solution[empty] % 9 + 1));
    h.prompt.messages.clear();
    Key(h, Qt::Key_H);
    EXPECT_EQ(h.sound.played.back(), kSoundError);
    EXPECT_EQ(h.prompt.messages.size(), 1u);
}

TEST(Desktop, PuzzlesAreCopiedAndPastedAndRefusedWithAReason) {
    UiHarness h;
    h.StartAndIdle();
    Activate(h);
    QClipboard* clipboard = QGuiApplication::clipboard();
    // A 9-line grid with dots, as a web page gives it.
    QString grid;
    for (int r = 0; r < 9; ++r) grid += QString::fromLatin1(kMedium + 9 * r, 9) + "\n";
    clipboard->setText(grid);
    Key(h, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(h.shown().PuzzleLevel, 3);
    EXPECT_EQ(h.view().StatusPanels[1], "Number: --");
    Key(h, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QString::fromLatin1(kMedium).replace('.', '0'));

    // Refusals leave the board as it was.
    const ShownBoard before = h.shown();
    const std::string empty(81, '.');
    for (const char* text : {"no puzzle here", "....", empty.c_str()}) {
        h.prompt.messages.clear();
        clipboard->setText(QString::fromLatin1(text));
        Key(h, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(h.prompt.messages.size(), 1u) << text;
        EXPECT_EQ(h.prompt.messages[0].title, "Puzzle not played");
        EXPECT_EQ(h.shown().Givens, before.Givens);
    }
    // Only the first 64 KB of a longer text are read, as of a file named on
    // the command line: a puzzle after them is not seen.
    h.prompt.messages.clear();
    clipboard->setText(QString(static_cast<qsizetype>(kMaxBroughtTextBytes), u' ') +
                       QString::fromLatin1(kBeyond));
    Key(h, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].title, "Puzzle not played");
    EXPECT_EQ(h.shown().Givens, before.Givens);
    // Beyond the ladder: played by level 5's rules.
    clipboard->setText(QString::fromLatin1(kBeyond));
    h.prompt.answers = {MessageAnswer::Yes}; // give up the game in progress
    Key(h, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(h.shown().PuzzleLevel, 5);
    EXPECT_EQ(h.view().StatusPanels[0], "Level: Beyond Very Hard");
    h.Click("CommandSolution");
    h.Next();
    EXPECT_EQ(h.shown().PuzzleNumber, 1) << "Next returns to the stock";
    EXPECT_EQ(h.writer->writes, 0);
}

TEST(Desktop, APuzzleFromTheCommandLineIsOnTheBoardOnceTheGameIsUp) {
    UiHarness::Setup setup;
    setup.broughtPuzzle = kMedium;
    UiHarness h(setup);
    h.StartAndIdle();
    for (int i = 0; i < 20 && h.shown().PuzzleLevel == 0; ++i) h.ProcessEvents();
    EXPECT_EQ(h.shown().PuzzleLevel, 3);
    EXPECT_FALSE(!Playing(h.view()));
}

TEST(Desktop, AGameThatCannotTakeItsLockSaysWhyAndEnds) {
    UiHarness first;
    first.app.reset(); // it made the folders and let go of the lock
    const auto lock = first.dataHome / kDataFolderName / std::string(kInstanceLockFileName);
    std::filesystem::remove(lock);
    std::filesystem::create_directories(lock / "inside");
    UiHarness::Setup setup;
    setup.sameFoldersAs = &first;
    UiHarness second(setup);
    EXPECT_FALSE(second.Start());
    EXPECT_FALSE(second.app->AlreadyRunning());
    ASSERT_EQ(second.prompt.messages.size(), 1u);
    EXPECT_EQ(second.prompt.messages[0].title, messages::kLockUnavailable.title);
    EXPECT_NE(second.prompt.messages[0].text.find("sudoku.lock' is not a plain file."),
              std::string::npos);
    EXPECT_FALSE(second.window().isVisible());
}

TEST(Desktop, TheDigitUnderTheMouseIsTintedAndNothingIsRecorded) {
    UiHarness h;
    h.StartAndIdle();
    h.Next();
    int given = 0;
    while (h.shown().Givens[given] == 0) ++given;
    const int digit = h.shown().Givens[given];
    // The mouse away from the board, then resting on the given.
    QTest::mouseMove(&h.window(), QPoint(700, 300));
    h.ProcessEvents();
    const QImage plain = h.board().grab().toImage();
    // What is on the screen is up to date before the recording starts.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&h.window()));
    h.board().repaint();
    h.ProcessEvents();
    PaintedRegion painted(h.board());
    QTest::mouseMove(&h.board(), BoardPixel(ui::DigitRect(given), 60, 60));
    h.ProcessEvents();
    // Exactly the tinted cells and marks are repainted, not the whole board.
    QRegion tintArea;
    for (int cell = 0; cell < kCells; ++cell) {
        if (h.shown().Played[cell] == digit)
            tintArea += ui::ToPixels(ui::DigitRect(cell));
        else if (h.shown().Played[cell] == 0 && (h.shown().PencilMarks[cell] & DigitBit(digit)))
            tintArea += ui::ToPixels(ui::MarkRect(cell, digit));
    }
    EXPECT_TRUE((tintArea - painted.region).isEmpty()) << "a tinted part was not repainted";
    EXPECT_FALSE((QRegion(h.board().rect()) - painted.region).isEmpty())
        << "the whole board was repainted";
    const QImage tinted = h.board().grab().toImage();
    tinted.save(QString::fromLatin1(DRAVIK_UI_TEST_OUTPUT) + "/same-digit-tint.png");
    const QColor tint(226, 226, 255);
    int cellsTinted = 0, marksTinted = 0, others = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        const QRect r = ui::ToPixels(ui::DigitRect(cell));
        const bool holds = h.shown().Played[cell] == digit;
        const bool cornerTinted = tinted.pixelColor(r.left() + 2, r.top() + 2) == tint;
        cellsTinted += holds && cornerTinted;
        others += !holds && cornerTinted;
        if (!holds && h.shown().Played[cell] == 0 &&
            (h.shown().PencilMarks[cell] & DigitBit(digit))) {
            const QRect m = ui::ToPixels(ui::MarkRect(cell, digit));
            marksTinted += tinted.pixelColor(m.left() + 2, m.top() + 2) == tint;
        }
    }
    int holding = 0, showing = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        holding += h.shown().Played[cell] == digit;
        showing += h.shown().Played[cell] == 0 && (h.shown().PencilMarks[cell] & DigitBit(digit));
    }
    EXPECT_EQ(cellsTinted, holding);
    EXPECT_EQ(marksTinted, showing);
    EXPECT_EQ(others, 0);
    EXPECT_EQ(h.shown().StepCount, 0);
    // Away again: the board looks as designed.
    QTest::mouseMove(&h.window(), QPoint(700, 300));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&h.board(), &leave);
    EXPECT_EQ(h.board().grab().toImage(), plain);
}

TEST(Desktop, HighlightFalseInTheSettingsSwitchesTheTintOff) {
    UiHarness::Setup setup;
    setup.settingsBytes = "[Options]\nHighlight=False\n";
    UiHarness h(setup);
    h.StartAndIdle();
    h.Next();
    EXPECT_FALSE(h.view().SameDigitTint);
    int given = 0;
    while (h.shown().Givens[given] == 0) ++given;
    QTest::mouseMove(&h.window(), QPoint(700, 300));
    const QImage plain = h.board().grab().toImage();
    QTest::mouseMove(&h.board(), BoardPixel(ui::DigitRect(given), 60, 60));
    h.ProcessEvents();
    EXPECT_EQ(h.board().grab().toImage(), plain);
    EXPECT_TRUE(h.prompt.messages.empty());
}

} // namespace
} // namespace dravik::test
