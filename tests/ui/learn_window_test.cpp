// The commands menu, its keys, pause and the solution path window through the
// real window: what a right click opens and what it enables, a paused board
// that the next click or key only brings back, and a path whose steps show
// their boards and pages.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include "game/help/help_files.h"
#include "game/hint/hint_text.h"
#include "game/ui/help_features.h"
#include "game/ui/help_window.h"
#include "game/ui/solution_path_window.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

void Key(UiHarness& h, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(&h.window(), static_cast<Qt::Key>(key), mods);
    h.ProcessEvents();
}

// The menu's items by name, as enabled or not.
std::map<QString, bool> Items(UiHarness& h) {
    std::map<QString, bool> items;
    for (QAction* a : h.window().Commands().Menu()->actions())
        if (!a->isSeparator()) items[a->objectName()] = a->isEnabled();
    return items;
}

std::map<QString, bool> Expected(const GameView& v) {
    return {{"MenuCommandHint", v.Buttons.Hint},
            {"KeySolutionPath", v.Commands.SolutionPath},
            {"MenuCommandUndo", v.Buttons.Undo},
            {"MenuCommandRedo", v.Buttons.Redo},
            {"KeySetCheckpoint", v.Commands.SetCheckpoint},
            {"KeyBackToCheckpoint", v.Commands.BackToCheckpoint},
            {"KeyUndoToBeforeMistake", v.Commands.UndoToBeforeMistake},
            {"KeyPause", v.Commands.Pause},
            {"MenuCommandHelp", true},
            {"KeyKeysHelp", true}};
}

TEST(CommandsMenu, ARightClickOutsideTheMarksOpensItAndItsKeysActAsItsItems) {
    UiHarness h;
    h.StartAndIdle();
    QMenu* menu = h.window().Commands().Menu();
    EXPECT_EQ(Items(h), Expected(h.view())) << "no puzzle: only help";
    h.Click("OptionType(4)");
    h.Next();
    const ShownBoard b = h.shown();
    std::vector<int> empty;
    for (int c = 0; c < kCells; ++c)
        if (b.Played[c] == 0) empty.push_back(c);

    // The technique panel leaves its right click to the window.
    QWidget* label = h.control("LabelCount(5)");
    QContextMenuEvent onLabel(QContextMenuEvent::Mouse, label->rect().center(),
                              label->mapToGlobal(label->rect().center()));
    QApplication::sendEvent(label, &onLabel);
    h.ProcessEvents();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(Items(h), Expected(h.view()));
    menu->hide();
    // The hint marker keeps its own menu.
    h.Click("CommandHint");
    QWidget* marker = h.control("LabelHint");
    ASSERT_TRUE(marker->isVisible());
    QContextMenuEvent onMarker(QContextMenuEvent::Mouse, marker->rect().center(),
                               marker->mapToGlobal(marker->rect().center()));
    QApplication::sendEvent(marker, &onMarker);
    h.ProcessEvents();
    EXPECT_FALSE(menu->isVisible());
    // On the board: a right click on a mark strikes it, elsewhere it opens the menu.
    int struck = b.Solution[empty[0]] % 9 + 1;
    while (!(b.PencilMarks[empty[0]] & DigitBit(struck))) struck = struck % 9 + 1;
    h.ReleaseOnMark(empty[0], struck, Qt::RightButton);
    h.ProcessEvents();
    EXPECT_FALSE(menu->isVisible());
    QTest::mouseClick(&h.board(), Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    h.ProcessEvents();
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    // F5, two moves, F6: back at the checkpoint; Ctrl+Y brings them back.
    Key(h, Qt::Key_F5);
    h.ReleaseOnMark(empty[1], b.Solution[empty[1]], Qt::LeftButton);
    h.ReleaseOnMark(empty[2], b.Solution[empty[2]], Qt::LeftButton);
    const GameView played = h.view();
    EXPECT_EQ(Items(h), Expected(played));
    EXPECT_TRUE(played.Commands.BackToCheckpoint);
    Key(h, Qt::Key_F6);
    EXPECT_EQ(h.view().Steps, "1");
    Key(h, Qt::Key_Y, Qt::ControlModifier);
    Key(h, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(h.view().Cells, played.Cells);
    EXPECT_EQ(h.view().Steps, "3");

    // Pause: the panel covers the board; the click that ends it places nothing.
    QWidget* cover = h.window().findChild<QWidget*>("PauseCover");
    ASSERT_NE(cover, nullptr);
    Key(h, Qt::Key_P);
    EXPECT_TRUE(h.view().Paused);
    EXPECT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->geometry(), h.board().geometry());
    EXPECT_EQ(Items(h), Expected(h.view()));
    h.ReleaseOnMark(empty[3], b.Solution[empty[3]], Qt::LeftButton);
    h.ProcessEvents();
    EXPECT_FALSE(h.view().Paused);
    EXPECT_FALSE(cover->isVisible());
    EXPECT_EQ(h.view().Steps, "3") << "the click only resumed";
    h.ReleaseOnMark(empty[3], b.Solution[empty[3]], Qt::LeftButton);
    EXPECT_EQ(h.view().Steps, "4");
    // Pause and a key that is some command's (Ctrl+Z): it only resumes.
    Key(h, Qt::Key_Pause);
    EXPECT_TRUE(h.view().Paused);
    Key(h, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(h.view().Paused);
    EXPECT_EQ(h.view().Steps, "4");

    // The tooltips of Hint and Help name the menu's keys.
    EXPECT_NE(h.control("CommandHint")->toolTip().indexOf("Solution path: F3"), -1);
    EXPECT_NE(h.control("CommandHint")->toolTip().indexOf("Pause: P"), -1);
    EXPECT_NE(h.control("CommandHelp")->toolTip().indexOf("Keyboard and mouse: Shift+F1"), -1);
    Key(h, Qt::Key_F1, Qt::ShiftModifier);
    ui::HelpWindow* help = h.app->Help().Help();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->Browser()->source().toLocalFile().endsWith("/keyboard_and_mouse.html"));

    // A feature of its own adds its entry with one call: in its place, with
    // its key, enabled by its predicate from the view.
    int asked = 0;
    h.window().Commands().Add({"KeyElsewhere",
                               "Elsewhere...",
                               {QKeySequence(Qt::Key_F9)},
                               [](const GameView& v) { return v.Buttons.Hint; },
                               [&asked] { ++asked; }},
                              "MenuCommandHelp");
    const QList<QAction*> actions = menu->actions();
    const auto at = [&](const char* name) {
        for (int i = 0; i < actions.size(); ++i)
            if (actions[i]->objectName() == QLatin1String(name)) return i;
        return -1;
    };
    EXPECT_EQ(at("KeyElsewhere") + 1, at("MenuCommandHelp"));
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    Key(h, Qt::Key_F9);
    EXPECT_EQ(asked, 1);
    h.Click("CommandSolution");
    EXPECT_FALSE(h.window().Commands().Action("KeyElsewhere")->isEnabled());
    Key(h, Qt::Key_F9);
    EXPECT_EQ(asked, 1) << "a disabled entry's key does nothing";
}

TEST(SolutionPathWindow, ListsThePathShowsEachStepsBoardAndHidesAMistake) {
    UiHarness h;
    h.StartAndIdle();
    h.Click("OptionType(4)");
    h.Next();
    const ShownBoard b = h.shown();
    int cell = 0;
    while (b.Played[cell] != 0) ++cell;
    h.ReleaseOnMark(cell, b.Solution[cell], Qt::LeftButton);
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
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        const PathStep& s = expected.steps[static_cast<std::size_t>(i)];
        EXPECT_EQ(QStringLiteral("%1. %2: %3")
                      .arg(item->text(0), item->text(1), item->text(2))
                      .toStdString(),
                  PathLine(i + 1, s));
    }
    EXPECT_EQ(path->Summary()->text().toStdString(), expected.Summary());

    // A chosen step: its explanation, and its board drawn by the game's board
    // widget as the game draws that board with that highlight.
    const int chosen = std::min(5, list->topLevelItemCount() - 1);
    list->setCurrentItem(list->topLevelItem(chosen));
    h.ProcessEvents();
    const PathStep& s = expected.steps[static_cast<std::size_t>(chosen)];
    auto* explanation = path->findChild<QLabel*>("PathExplanation");
    EXPECT_EQ(explanation->text().toStdString(), s.highlight.Explanation);
    EXPECT_EQ(path->SelectedTechnique(), s.technique);
    ui::BoardWidget drawn;
    GameView v;
    v.BoardEnabled = true;
    v.Cells = s.cells;
    v.Highlight = s.highlight;
    v.SameDigitTint = false;
    drawn.SetView(v);
    drawn.resize(path->Board()->size());
    auto picture = [](QWidget& w) {
        QImage image(w.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        w.render(&image, {}, {}, QWidget::DrawChildren);
        return image;
    };
    EXPECT_EQ(picture(*path->Board()), picture(drawn));
    v.Highlight = {};
    drawn.SetView(v);
    EXPECT_NE(picture(*path->Board()), picture(drawn)) << "the highlight shows";

    // A double click on a step opens its technique's page.
    QTreeWidgetItem* item = list->topLevelItem(chosen);
    emit list->itemDoubleClicked(item, 1);
    h.ProcessEvents();
    ASSERT_NE(h.app->Help().Help(), nullptr);
    EXPECT_TRUE(h.app->Help().Help()->Browser()->source().toLocalFile().endsWith(
        QString::fromUtf8(TechniqueHelpPage(s.technique).data())));

    // A wrong digit: no list, no board, only the advice.
    int other = cell + 1;
    while (b.Played[other] != 0) ++other;
    int wrong = b.Solution[other] % 9 + 1;
    while (!(h.shown().PencilMarks[other] & DigitBit(wrong))) wrong = wrong % 9 + 1;
    h.ReleaseOnMark(other, wrong, Qt::LeftButton);
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    Key(h, Qt::Key_F3);
    EXPECT_EQ(h.app->Help().Path(), path) << "one window, reused";
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(path->Board()->isVisible());
    EXPECT_EQ(path->Summary()->text(),
              "This position cannot be solved from here. Ask for a Hint to find out why.");
}

} // namespace
} // namespace dravik::test
