// Hints and help through the real window: the Hint button's messages and
// marker, the marker's page in the one help window, its menu ("Show where",
// "Apply this step", "Explain the technique"), the Help button, a missing
// page, and the logo's web link.
#include <gtest/gtest.h>

#include <fstream>

#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <filesystem>
#include <fstream>

#include "game/help/help_files.h"
#include "game/hint/hint_text.h"
#include "game/ui/help_features.h"
#include "game/ui/help_window.h"
#include "game/ui/look.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

ui::HelpFeatures& Help(UiHarness& h) {
    return h.app->Help();
}

// A level's first puzzle on the board.
void OpenLevel(UiHarness& h, int level) {
    h.StartAndIdle();
    h.Click(QStringLiteral("OptionType(%1)").arg(level));
    h.Next();
    ASSERT_EQ(h.shown().PuzzleLevel, level);
}

void ClickMarker(UiHarness& h, Qt::MouseButton button) {
    QWidget* marker = h.control("LabelHint");
    ASSERT_TRUE(marker->isVisible());
    QTest::mouseClick(marker, button, Qt::NoModifier, marker->rect().center());
    h.ProcessEvents();
}

void Trigger(UiHarness& h, const char* action) {
    QMenu* menu = Help(h).HintMenu();
    ASSERT_NE(menu, nullptr);
    auto* a = menu->findChild<QAction*>(action);
    ASSERT_NE(a, nullptr) << action;
    a->trigger();
    menu->hide();
    h.ProcessEvents();
}

QString Shown(ui::HelpWindow* help) {
    return help->Browser()->source().toLocalFile();
}

void Save(QWidget* w, const char* name) {
    w->grab().toImage().save(QString(DRAVIK_UI_TEST_OUTPUT "/") + name);
}

TEST(HintThroughTheWindow, AWrongDigitIsNamedAndTheMarkerLandsOnItsCountBox) {
    UiHarness h;
    OpenLevel(h, 4);
    int cell = 0;
    while (h.shown().Played[cell]) ++cell;
    int wrong = h.shown().Solution[cell] % 9 + 1;
    while (!(h.shown().PencilMarks[cell] & DigitBit(wrong))) wrong = wrong % 9 + 1;
    h.ReleaseOnMark(cell, wrong, Qt::LeftButton);
    h.sound.played.clear();
    h.Click("CommandHint");
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].text,
              "The solution of cell " + std::string(CellName(cell).data()) + " is incorrect!");
    EXPECT_EQ(h.prompt.messages[0].title, "Bad solved cell");
    EXPECT_EQ(h.prompt.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundError});
    EXPECT_FALSE(h.control("LabelHint")->isVisible());

    h.Click("CommandUndo");
    h.sound.played.clear();
    h.Click("CommandHint");
    const GameView v = h.view();
    ASSERT_TRUE(v.HintMarker);
    const int r = *v.HintMarker;
    QWidget* marker = h.control("LabelHint");
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->geometry(),
              h.control(QStringLiteral("LabelCount(%1)").arg(kTechniqueCount + r))->geometry());
    EXPECT_NE(marker->toolTip().indexOf(QString::fromUtf8(TechniqueCaption(r).data())), -1);
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundHint});
    EXPECT_EQ(h.prompt.messages.size(), 1u);
    // The marker is above the count box, not hidden under it.
    EXPECT_EQ(h.window().childAt(marker->geometry().center()), marker);
}

TEST(HintThroughTheWindow, TheMarkerAndHelpOpenPagesInTheOneHelpWindow) {
    UiHarness h;
    OpenLevel(h, 3);
    EXPECT_EQ(Help(h).Help(), nullptr) << "made when first needed";
    h.Click("CommandHint");
    const int r = h.view().HintMarker.value_or(-1);
    ASSERT_GE(r, 0);
    ClickMarker(h, Qt::LeftButton);
    ui::HelpWindow* help = Help(h).Help();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->objectName(), "Browser");
    EXPECT_EQ(help->windowTitle(), "Dravik Sudoku - Help");
    EXPECT_TRUE(help->isVisible());
    // Beside the game, not over the whole screen.
    EXPECT_FALSE(help->isMaximized());
    EXPECT_TRUE(
        help->screen()->availableGeometry().adjusted(-8, -8, 8, 8).contains(help->geometry()));
    EXPECT_LE(help->height(), h.window().frameGeometry().height() + 8);
    EXPECT_FALSE(help->isModal());
    const QString folder = QString::fromStdString((h.programFolder / "help").string());
    EXPECT_EQ(Shown(help), folder + "/" + QString::fromUtf8(TechniqueHelpPage(r).data()));
    EXPECT_NE(help->Browser()->toPlainText().indexOf("Why it works"), -1);
    EXPECT_EQ(QApplication::focusWidget(), help->Browser());

    h.Click("CommandHelp");
    EXPECT_EQ(Help(h).Help(), help) << "one help window, reused";
    EXPECT_EQ(Shown(help), folder + "/index.html");
    h.Click("CommandHelp"); // again: the same window, the index again
    EXPECT_EQ(Help(h).Help(), help);
    EXPECT_EQ(Shown(help), folder + "/index.html");
    EXPECT_NE(help->Browser()->toPlainText().indexOf("How to play"), -1);
    Save(help, "help_index.png");

    // A click on a link of the index leads to that page in the same window.
    ui::HelpBrowser* browser = help->Browser();
    QTextCursor link = browser->document()->find("X-Wing");
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 2);
    browser->setTextCursor(link);
    browser->ensureCursorVisible();
    const QPoint at = browser->cursorRect(link).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    h.ProcessEvents();
    EXPECT_EQ(Shown(help), folder + "/x_wing.html");
    Save(help, "help_x_wing.png");
    // Back and Forward walk the pages shown.
    auto* back = help->findChild<QPushButton*>("HelpBack");
    auto* forward = help->findChild<QPushButton*>("HelpForward");
    ASSERT_TRUE(back && forward);
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());
    back->click();
    EXPECT_EQ(Shown(help), folder + "/index.html");
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(Shown(help), folder + "/x_wing.html");

    // The menu's third entry is the same as a click.
    Trigger(h, "HintExplain");
    EXPECT_EQ(Shown(help), folder + "/" + QString::fromUtf8(TechniqueHelpPage(r).data()));
    // The game goes on beside the help window.
    EXPECT_TRUE(h.control("CommandHint")->isEnabled());
    EXPECT_TRUE(h.prompt.messages.empty());
}

TEST(HintThroughTheWindow, AMissingPageShowsPageNotFoundInTheWindow) {
    UiHarness::Setup setup;
    setup.helpPages = false;
    UiHarness h(setup);
    OpenLevel(h, 3);
    h.Click("CommandHint");
    ClickMarker(h, Qt::LeftButton);
    ui::HelpWindow* help = Help(h).Help();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_NE(help->Browser()->toPlainText().indexOf("Page not found"), -1);
    EXPECT_NE(help->Browser()->toPlainText().indexOf(
                  QString::fromUtf8(TechniqueHelpPage(h.view().HintMarker.value_or(-1)).data())),
              -1);
    EXPECT_TRUE(h.prompt.messages.empty()) << "no message box";
    EXPECT_NE(help->Browser()->toPlainText().indexOf("Back to the contents"), -1);
    h.Click("CommandHelp");
    EXPECT_NE(help->Browser()->toPlainText().indexOf("index.html"), -1);
}

// Nothing here is ever opened: a pipe would block the window for good.
TEST(HintThroughTheWindow, HelpPagesThatArePipesHugeOrNestedTooDeepAreRefused) {
    UiHarness h;
    h.StartAndIdle();
    const std::filesystem::path help = h.programFolder / "help";
    auto shown = [&](const char* page) {
        Help(h).OpenPage(page);
        h.ProcessEvents();
        return Help(h).Help()->Browser()->toPlainText().toStdString();
    };
    auto write = [&](const char* page, std::string_view unit, int times, std::string end = "") {
        std::ofstream out(help / page);
        while (times-- > 0) out << unit;
        out << end;
    };
    std::filesystem::remove(help / "index.html");
    ASSERT_EQ(::mkfifo((help / "index.html").c_str(), 0644), 0);
    h.Click("CommandHelp");
    EXPECT_NE(shown("index.html").find("index.html cannot be shown: it is not a plain file."),
              std::string::npos);
    write("big.html", "<p>Thirty bytes of text.</p>\n", 40'000);
    EXPECT_NE(shown("big.html").find("it is larger than 1 MB"), std::string::npos);
    write("deep.html", "<b>", 100'000, "deep"); // laid out for hours
    EXPECT_NE(shown("deep.html").find("nested more than 256 deep"), std::string::npos);
    write("picture.html", "<p>A picture page</p><img src=\"pipe.png\">", 1);
    ASSERT_EQ(::mkfifo((help / "pipe.png").c_str(), 0644), 0);
    EXPECT_EQ(shown("picture.html").find("A picture page"), 0u);
    EXPECT_NE(shown("x_wing.html").find("X-Wing"), std::string::npos);
}

TEST(HintThroughTheWindow, ShowWhereHighlightsUntilTheBoardChangesAndApplyIsUndone) {
    UiHarness h;
    OpenLevel(h, 5);
    // Follow the hints until one removes marks, applying the singles on the way.
    int r = 0;
    for (int i = 0; i < 81; ++i) {
        h.Click("CommandHint");
        r = h.view().HintMarker.value_or(-1);
        ASSERT_GE(r, 0);
        if (r > kNakedSingle) break;
        ClickMarker(h, Qt::RightButton);
        EXPECT_TRUE(Help(h).HintMenu()->isVisible());
        Trigger(h, "HintApply");
    }
    ASSERT_GT(r, kNakedSingle);
    const ShownBoard before = h.shown();
    const QImage plain = h.board().grab().toImage();

    ClickMarker(h, Qt::RightButton);
    Trigger(h, "HintShowWhere");
    const BoardHighlight where = h.view().Highlight;
    ASSERT_FALSE(where.Empty());
    EXPECT_EQ(h.window().StatusBar()->currentMessage().toStdString(), where.Explanation);
    // The board draws it: a pattern cell is tinted, a removed mark red.
    const QImage shown = h.board().grab().toImage();
    Save(&h.window(), "show_where.png");
    int pattern = 0, struck = -1, digit = 0;
    for (int c = 0; c < kCells; ++c) {
        if (where.Pattern[c] && !pattern) pattern = c;
        if (where.Struck[c] && struck < 0) {
            struck = c;
            digit = __builtin_ctz(where.Struck[c]) + 1;
        }
    }
    const QRect cellRect = ui::ToPixels(ui::DigitRect(pattern));
    const QPoint corner = cellRect.topLeft() + QPoint(6, 6);
    EXPECT_NE(shown.pixelColor(corner), plain.pixelColor(corner));
    EXPECT_EQ(shown.pixelColor(corner), QColor(255, 244, 176));
    ASSERT_GE(struck, 0);
    const QRect mark = ui::ToPixels(ui::MarkRect(struck, digit));
    bool red = false;
    for (int x = mark.left(); x <= mark.right(); ++x)
        for (int y = mark.top(); y <= mark.bottom(); ++y) {
            const QColor c = shown.pixelColor(x, y);
            red = red || (c.red() > 150 && c.green() < 80 && c.blue() < 80);
        }
    EXPECT_TRUE(red) << "the removed mark is drawn in red";

    // Selecting a row is no board change; a new hint is, and so is a move.
    h.ReleaseOnRowLabel(0);
    EXPECT_FALSE(h.view().Highlight.Empty());
    h.ReleaseOnRowLabel(0);
    h.Click("CommandHint");
    EXPECT_TRUE(h.view().Highlight.Empty());
    EXPECT_TRUE(h.window().StatusBar()->currentMessage().isEmpty());
    EXPECT_EQ(h.board().grab().toImage(), plain);
    ClickMarker(h, Qt::RightButton);
    Trigger(h, "HintShowWhere");
    EXPECT_FALSE(h.view().Highlight.Empty());

    // Apply: the marks go as recorded moves, and Undo takes each back.
    int removals = 0;
    for (auto m : where.Struck) removals += BitCount(m);
    ClickMarker(h, Qt::RightButton);
    Trigger(h, "HintApply");
    EXPECT_EQ(h.shown().StepCount, before.StepCount + removals);
    EXPECT_FALSE(h.control("LabelHint")->isVisible());
    EXPECT_TRUE(h.view().Highlight.Empty());
    EXPECT_TRUE(h.window().StatusBar()->currentMessage().isEmpty());
    for (int c = 0; c < kCells; ++c)
        EXPECT_EQ(h.shown().PencilMarks[c], before.PencilMarks[c] & ~where.Struck[c]);
    for (int i = 0; i < removals; ++i) h.Click("CommandUndo");
    EXPECT_EQ(h.shown().PencilMarks, before.PencilMarks);
    EXPECT_EQ(h.shown().StepCount, before.StepCount);
}

TEST(HintThroughTheWindow, TheLogoOpensTheWebSiteAndReportsFailures) {
    UiHarness h;
    h.StartAndIdle();
    QWidget* logo = h.control("Picture1");
    auto click = [&] {
        QTest::mouseClick(logo, Qt::LeftButton, Qt::NoModifier, logo->rect().center());
        h.ProcessEvents();
    };
    click();
    EXPECT_EQ(h.urlOpener.asked, std::vector<std::string>{std::string(kWebSiteAddress)});
    EXPECT_TRUE(h.prompt.messages.empty());
    h.urlOpener.outcome = LinkOutcome::NoBrowser;
    click();
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].title, "Browser Not Found");
    EXPECT_EQ(h.prompt.messages[0].text, "Could not find associated Browser");
    EXPECT_EQ(h.prompt.messages[0].icon, MessageIcon::Exclamation);
    h.urlOpener.outcome = LinkOutcome::Failed;
    click();
    ASSERT_EQ(h.prompt.messages.size(), 2u);
    EXPECT_EQ(h.prompt.messages[1].title, "URL Failed");
    EXPECT_EQ(h.prompt.messages[1].text, "Web Page not Opened");
    // A right click is no click on the link; and no probe file is ever left.
    QTest::mouseClick(logo, Qt::RightButton, Qt::NoModifier, logo->rect().center());
    EXPECT_EQ(h.urlOpener.asked.size(), 3u);
    for (const auto& entry : std::filesystem::directory_iterator(h.programFolder))
        EXPECT_NE(entry.path().filename().string(), "temphtm.HTM");
}

// The desktop's opener tells its outcome by xdg-open's exit status: a handler
// that finds no browser (status 3) or fails (4) did not open the page.
TEST(HintThroughTheWindow, TheDesktopOpenerTakesXdgOpensExitStatus) {
    TempFolder bin("dravik-xdg");
    const QByteArray path = qgetenv("PATH");
    auto opener = [&](const std::string& script) {
        const std::filesystem::path file = bin.path() / "xdg-open";
        std::ofstream(file) << "#!/bin/sh\n" << script << "\n";
        std::filesystem::permissions(file, std::filesystem::perms::owner_all);
        qputenv("PATH", QByteArray::fromStdString(bin.path().string()));
        const LinkOutcome outcome = ui::DesktopUrlOpener(300).OpenUrl(kWebSiteAddress);
        qputenv("PATH", path);
        return outcome;
    };
    EXPECT_EQ(opener("exit 0"), LinkOutcome::Opened);
    EXPECT_EQ(opener("exit 3"), LinkOutcome::Failed) << "no browser behind xdg-open";
    EXPECT_EQ(opener("exit 4"), LinkOutcome::Failed);
    EXPECT_EQ(opener("exec /bin/sleep 3"), LinkOutcome::Opened) << "a browser that stays open";
    std::filesystem::remove(bin.path() / "xdg-open");
    qputenv("PATH", QByteArray::fromStdString(bin.path().string()));
    EXPECT_EQ(ui::DesktopUrlOpener(300).OpenUrl(kWebSiteAddress), LinkOutcome::NoBrowser);
    qputenv("PATH", path);
}

} // namespace
} // namespace dravik::test
