// The commands menu, its keys, pause and the solution path window through the
// real window, as one game: what a right click opens and enables, a paused
// board that the next click or key only brings back, and a path whose steps
// show their boards and pages.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "game/hint/hint_text.h"
#include "game/ui/help_features.h"
#include "game/ui/help_window.h"
#include "game/ui/solution_path_window.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

void Key(UiHarness& h, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    QTest::keyClick(&h.window(), static_cast<Qt::Key>(key), mods);
    h.ProcessEvents();
}

void RightClick(UiHarness& h, QWidget* w) {
    QContextMenuEvent e(QContextMenuEvent::Mouse, w->rect().center(),
                        w->mapToGlobal(w->rect().center()));
    QApplication::sendEvent(w, &e);
    h.ProcessEvents();
}

// The menu's items as enabled, against the view's predicates.
void ExpectItemsFollow(UiHarness& h) {
    const GameView v = h.view();
    const std::map<QString, bool> expected = {
        {"MenuCommandHint", v.Buttons.Hint},
        {"KeySolutionPath", v.Commands.SolutionPath},
        {"MenuCommandUndo", v.Buttons.Undo},
        {"MenuCommandRedo", v.Buttons.Redo},
        {"KeySetCheckpoint", v.Commands.SetCheckpoint},
        {"KeyBackToCheckpoint", v.Commands.BackToCheckpoint},
        {"KeyUndoToBeforeMistake", v.Commands.UndoToBeforeMistake},
        {"KeyPause", v.Commands.Pause},
        {"KeyStatistics", true},
        {"MenuCommandHelp", true},
        {"KeyKeysHelp", true}};
    std::map<QString, bool> items;
    for (QAction* a : h.window().Commands().Menu()->actions())
        if (!a->isSeparator()) items[a->objectName()] = a->isEnabled();
    EXPECT_EQ(items, expected);
}

QImage Picture(QWidget& w) {
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    w.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

TEST(LearnThroughTheWindow, MenuKeysPauseAndTheSolutionPathInOneGame) {
    UiHarness h;
    h.StartAndIdle();
    QMenu* menu = h.window().Commands().Menu();
    ExpectItemsFollow(h);
    h.Click("OptionType(4)");
    h.Next();
    const ShownBoard b = h.shown();
    std::vector<int> empty;
    for (int c = 0; c < kCells; ++c)
        if (b.Played[c] == 0) empty.push_back(c);

    // The technique panel leaves its right click to the window, the hint
    // marker keeps its own menu, and the board opens it only off its marks.
    RightClick(h, h.control("LabelCount(5)"));
    EXPECT_TRUE(menu->isVisible());
    ExpectItemsFollow(h);
    menu->hide();
    h.Click("CommandHint");
    ASSERT_TRUE(h.control("LabelHint")->isVisible());
    RightClick(h, h.control("LabelHint"));
    EXPECT_FALSE(menu->isVisible());
    int struck = b.Solution[empty[0]] % 9 + 1;
    while (!(b.PencilMarks[empty[0]] & DigitBit(struck))) struck = struck % 9 + 1;
    h.ReleaseOnMark(empty[0], struck, Qt::RightButton);
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(&h.board(), Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    h.ProcessEvents();
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    // F5, two moves, F6: back at the checkpoint; Ctrl+Y twice brings them back.
    Key(h, Qt::Key_F5);
    h.ReleaseOnMark(empty[1], b.Solution[empty[1]], Qt::LeftButton);
    h.ReleaseOnMark(empty[2], b.Solution[empty[2]], Qt::LeftButton);
    const GameView played = h.view();
    ExpectItemsFollow(h);
    Key(h, Qt::Key_F6);
    EXPECT_EQ(h.view().Steps, "1") << "the strike stays";
    Key(h, Qt::Key_Y, Qt::ControlModifier);
    Key(h, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(h.view().Cells, played.Cells);

    // Pause: the panel covers the board; the click, or the key (even one of a
    // command), that ends it does nothing else.
    QWidget* cover = h.window().findChild<QWidget*>("PauseCover");
    ASSERT_NE(cover, nullptr);
    Key(h, Qt::Key_P);
    EXPECT_TRUE(h.view().Paused);
    EXPECT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->geometry(), h.board().geometry());
    ExpectItemsFollow(h);
    h.ReleaseOnMark(empty[3], b.Solution[empty[3]], Qt::LeftButton);
    h.ProcessEvents();
    EXPECT_FALSE(h.view().Paused);
    EXPECT_FALSE(cover->isVisible());
    Key(h, Qt::Key_Pause);
    Key(h, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(h.view().Paused);
    EXPECT_EQ(h.view().Steps, "3") << "neither the click nor Ctrl+Z acted";

    // The tooltips of Hint and Help name the menu's keys; Shift+F1 its page.
    EXPECT_NE(h.control("CommandHint")->toolTip().indexOf("Solution path: F3"), -1);
    EXPECT_NE(h.control("CommandHelp")->toolTip().indexOf("Keyboard and mouse: Shift+F1"), -1);
    Key(h, Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_NE(h.app->Help().Help(), nullptr);
    EXPECT_TRUE(h.app->Help().Help()->Browser()->source().toLocalFile().endsWith(
        "/keyboard_and_mouse.html"));

    // F3: the path from here, each step's board drawn by the game's board widget.
    const GameView before = h.view();
    const SolutionPath expected = h.game().SolutionPathFromHere();
    ASSERT_EQ(expected.outcome, SolutionPath::Outcome::Solved);
    Key(h, Qt::Key_F3);
    ui::SolutionPathWindow* path = h.app->Help().Path();
    ASSERT_NE(path, nullptr);
    EXPECT_TRUE(path->isVisible());
    EXPECT_EQ(path->windowTitle(), "Dravik Sudoku - Solution path");
    EXPECT_EQ(h.view(), before) << "opening it changes nothing in the game";
    QTreeWidget* list = path->Steps();
    ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(expected.steps.size()));
    const int chosen = std::min(5, list->topLevelItemCount() - 1);
    QTreeWidgetItem* item = list->topLevelItem(chosen);
    const PathStep& s = expected.steps[static_cast<std::size_t>(chosen)];
    EXPECT_EQ(QStringLiteral("%1. %2: %3").arg(item->text(0), item->text(1), item->text(2)),
              QString::fromStdString(PathLine(chosen + 1, s)));
    list->setCurrentItem(item);
    h.ProcessEvents();
    EXPECT_EQ(path->findChild<QLabel*>("PathExplanation")->text().toStdString(),
              s.highlight.Explanation);
    EXPECT_EQ(path->SelectedTechnique(), s.technique);
    ui::BoardWidget drawn;
    GameView v;
    v.BoardEnabled = true;
    v.Cells = s.cells;
    v.Highlight = s.highlight;
    v.SameDigitTint = false;
    drawn.SetView(v);
    drawn.resize(path->Board()->size());
    EXPECT_EQ(Picture(*path->Board()), Picture(drawn));
    // A double click on a step opens its technique's page.
    emit list->itemDoubleClicked(item, 1);
    h.ProcessEvents();
    EXPECT_TRUE(h.app->Help().Help()->Browser()->source().toLocalFile().endsWith(
        QString::fromUtf8(TechniqueHelpPage(s.technique).data())));
    // Its button practises the step's technique once the player agrees to
    // give up the game in progress; No keeps the game as it is.
    h.prompt.answers = {MessageAnswer::No};
    path->Practise()->click();
    h.ProcessEvents();
    ASSERT_FALSE(h.prompt.messages.empty());
    EXPECT_EQ(h.prompt.messages.back().title, "Practise a technique");
    EXPECT_NE(h.prompt.messages.back().text.find(TechniqueCaption(s.technique)), std::string::npos);
    EXPECT_EQ(h.view(), before) << "No keeps the game";

    // A wrong digit: no list, no board, only the advice.
    const ShownBoard now = h.shown();
    int wrong = 0, cell = 0;
    for (int c = 0; c < kCells && wrong == 0; ++c)
        for (int d = 1; d <= 9 && wrong == 0; ++d)
            if (now.Played[c] == 0 && d != now.Solution[c] && (now.PencilMarks[c] & DigitBit(d)))
                cell = c, wrong = d;
    h.ReleaseOnMark(cell, wrong, Qt::LeftButton);
    Key(h, Qt::Key_F3);
    EXPECT_EQ(h.app->Help().Path(), path) << "one window, reused";
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(path->Board()->isVisible());
    EXPECT_EQ(path->Summary()->text(),
              "This position cannot be solved from here. Ask for a Hint to find out why.");

    // An entry's key acts only while the view enables the entry.
    h.Click("CommandSolution");
    ASSERT_FALSE(h.view().Commands.SetCheckpoint);
    const GameView ended = h.view();
    Key(h, Qt::Key_F5);
    EXPECT_EQ(h.view(), ended) << "a disabled entry's key does nothing";
}

} // namespace
} // namespace dravik::test
