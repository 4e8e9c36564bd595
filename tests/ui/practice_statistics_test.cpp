// Practice a technique and the statistics through the real window: a help
// page's practice link starts the search, its row over the status bar shows
// it running and Cancel ends it; the found puzzle is played as a brought one.
// F4 and the players dialog's "Statistics..." show what was counted, which
// survives a restart; a damaged statistics file is set aside with a message.
// With DRAVIK_SHOTS=DIR the window and the statistics are saved as pictures.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <cstdlib>
#include <fstream>

#include "game/players/statistics_file.h"
#include "game/ui/form_namen.h"
#include "game/ui/help_features.h"
#include "game/ui/help_window.h"
#include "game/ui/statistics_window.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

void Shot(QWidget& w, const char* name) {
    if (const char* dir = std::getenv("DRAVIK_SHOTS"))
        w.grab().save(QString("%1/%2").arg(dir, name));
}

QAction* Key(UiHarness& h, const char* name) {
    return h.window().findChild<QAction*>(name);
}

ui::StatisticsWindow* StatisticsShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<ui::StatisticsWindow*>(w); s && s->isVisible()) return s;
    return nullptr;
}

QString Cell(ui::StatisticsWindow& w, int level, int column) {
    return w.findChild<QLabel*>(QStringLiteral("Stat(%1,%2)").arg(level).arg(column))->text();
}

TEST(PracticeThroughTheWindow, TheHelpPageLinkFindsAPuzzleThatIsPlayedAsABroughtOne) {
    UiHarness::Setup setup;
    setup.workerThreads = 2;
    UiHarness h(setup);
    h.StartAndIdle();
    h.Next();
    ASSERT_TRUE(h.view().BoardEnabled);
    const int writes = h.writer->writes;

    // The X-Wing page ends with its link, and the link starts the search.
    h.app->Help().OpenPage("x_wing.html");
    ui::HelpWindow* help = h.app->Help().Help();
    ASSERT_NE(help, nullptr);
    h.ProcessEvents();
    EXPECT_TRUE(help->Browser()->toPlainText().contains("Play a puzzle that needs this technique"));
    EXPECT_TRUE(help->Browser()->toHtml().contains("dravik-practice:XW"));
    help->Browser()->verticalScrollBar()->setValue(help->Browser()->verticalScrollBar()->maximum());
    Shot(*help, "help_x_wing.png");
    QDesktopServices::openUrl(QUrl("dravik-practice:XW")); // as a click on the link does
    // A game in progress is given up only when the player agrees (Yes).
    ASSERT_FALSE(h.prompt.messages.empty());
    EXPECT_EQ(h.prompt.messages.back().title, "Practise a technique");
    ASSERT_TRUE(h.view().Practice.has_value());
    EXPECT_EQ(h.view().Practice->Technique, kXWing);

    // The row over the status bar while it looks.
    auto* bar = h.window().findChild<QWidget*>("PracticeBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->findChild<QLabel*>("PracticeText")
                    ->text()
                    .startsWith("Looking for a puzzle that needs X-Wing"));
    Shot(h.window(), "practice_search.png");
    while (h.view().Practice) QTest::qWait(5);
    EXPECT_FALSE(bar->isVisible());

    // Played as a pasted puzzle: no number, no best time, the stock untouched.
    const GameView v = h.view();
    EXPECT_TRUE(Playing(v));
    EXPECT_EQ(v.StatusPanels[1], "Number: --");
    EXPECT_GE(std::stoi(v.TechniqueCounts[kXWing]), 1);
    h.PlaceSolutionByMouse();
    EXPECT_FALSE(Playing(h.view()));
    EXPECT_EQ(h.writer->writes, writes);

    // Cancel ends a search and leaves the game as it was.
    h.Next();
    const ShownBoard before = h.shown();
    h.app->Controller().Do([](Game& g) { g.Practise(kAvoidableRectangle); });
    ASSERT_TRUE(bar->isVisible());
    QTest::mouseClick(bar->findChild<QPushButton*>("PracticeCancel"), Qt::LeftButton);
    h.ProcessEvents();
    EXPECT_FALSE(h.view().Practice.has_value());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(h.shown().Givens, before.Givens);

    // A rarer technique: found all the same (bench/ui_bench measures the
    // event loop while the searches run).
    h.app->Controller().Do([](Game& g) { g.Practise(kAvoidableRectangle); });
    for (int i = 0; i < 12000 && h.view().Practice; ++i) QTest::qWait(5);
    ASSERT_FALSE(h.view().Practice.has_value());
    EXPECT_GE(std::stoi(h.view().TechniqueCounts[kAvoidableRectangle]), 1);
}

TEST(StatisticsThroughTheWindow, CountedGamesShowPerLevelAndSurviveARestart) {
    UiHarness::Setup setup;
    setup.manualClock = true;
    UiHarness first(setup);
    first.StartAndIdle();
    first.Click("OptionType(1)");
    first.Next();
    first.clock.AdvanceSeconds(95);
    first.game().Tick();
    first.Click("CommandHint");
    first.PlaceSolutionByMouse();
    first.Next();
    first.Click("CommandSolution");

    // F4: the window with the figures of Free Play.
    Key(first, "KeyStatistics")->trigger();
    first.ProcessEvents();
    ui::StatisticsWindow* w = StatisticsShown();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Dravik Sudoku - Statistics");
    EXPECT_EQ(w->findChild<QComboBox*>("StatisticsPlayer")->currentText(), "Free Play");
    const QStringList row = {Cell(*w, 1, 0), Cell(*w, 1, 1), Cell(*w, 1, 2),
                             Cell(*w, 1, 3), Cell(*w, 1, 4), Cell(*w, 1, 5)};
    EXPECT_EQ(row, (QStringList{"1", "1:35", "1:35", "1", "1", "0"}));
    EXPECT_EQ(Cell(*w, 2, 0), "0");
    EXPECT_EQ(Cell(*w, 2, 1), "--");
    Shot(*w, "statistics.png");
    w->close();
    // Another player chosen: F4 shows that player's (empty) figures.
    first.app->Controller().Do([](Game& g) {
        PlayerList anna;
        anna.Names = {PadName("Anna")};
        anna.CurrentPlayer = 1;
        g.PlayersChanged(anna);
    });
    Key(first, "KeyStatistics")->trigger();
    ASSERT_EQ(StatisticsShown(), w);
    EXPECT_EQ(w->findChild<QComboBox*>("StatisticsPlayer")->currentText(), "Anna");
    EXPECT_EQ(Cell(*w, 1, 0), "0");
    w->close();

    // The next start reads the same figures from the file.
    UiHarness::Setup again;
    again.manualClock = true;
    again.sameFoldersAs = &first;
    const Statistics counted = first.game().Stats();
    first.app.reset();
    UiHarness second(again);
    second.StartAndIdle();
    EXPECT_EQ(second.game().Stats(), counted);
    EXPECT_EQ(second.game().Stats().Of(0).levels[1].finished, 1);

    // The players dialog's "Statistics..." sits below its buttons, within
    // the list's height, so nothing specified moves; it opens the window.
    second.Click("cmdPlayers");
    second.ProcessEvents();
    auto& dialog = second.app->Players();
    ASSERT_TRUE(dialog.isVisible());
    auto* button = dialog.findChild<QPushButton*>("CommandStatistics");
    auto* free = dialog.findChild<QPushButton*>("CommandFree");
    auto* list = dialog.findChild<QWidget*>("Naamlijst");
    ASSERT_NE(button, nullptr);
    EXPECT_GT(button->geometry().top(), free->geometry().bottom());
    EXPECT_LE(button->geometry().bottom(), list->geometry().bottom());
    Shot(dialog, "players_dialog.png");
    QTest::mouseClick(button, Qt::LeftButton);
    second.ProcessEvents();
    ui::StatisticsWindow* over = StatisticsShown();
    ASSERT_NE(over, nullptr);
    EXPECT_EQ(over->windowModality(), Qt::ApplicationModal);
    over->close();
    dialog.findChild<QPushButton*>("KnopAnnuleren")->click();
}

TEST(StatisticsThroughTheWindow, ADamagedFileIsSetAsideWithAMessageAndCountingGoesOn) {
    UiHarness h;
    const std::filesystem::path file = h.dataHome / "DravikSudoku" / kStatisticsFileName;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "[Free Play]\nLevel1=1 2 3\n\x01\xff garbage\n";
    h.StartAndIdle();
    bool told = false;
    for (const ShownMessage& m : h.prompt.messages)
        told = told || m.text.find("statistics was damaged") != std::string::npos;
    EXPECT_TRUE(told);
    EXPECT_TRUE(std::filesystem::exists(file.string() + ".bad"));
    h.Next();
    h.Click("CommandHint");
    const StatisticsLoad reread = LoadStatisticsFile(file);
    EXPECT_TRUE(reread.setAside.empty()) << reread.problem;
    EXPECT_EQ(reread.statistics.Of(0).levels[h.shown().PuzzleLevel].hints, 1);
}

} // namespace
} // namespace dravik::test
