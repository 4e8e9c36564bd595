// The game window driven as a player drives it: controls, clicks on the board
// and the buttons, a whole game, its picture, quitting, start-up faults and a
// renewal in the background.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include <fstream>

#include "game/base/messages.h"
#include "game/platform/folders.h"
#include "game/platform/instance_lock.h"
#include "game/play/status_texts.h"
#include "game/players/settings.h"
#include "game/stock/stock_file.h"
#include "game/ui/help_features.h"
#include "game/ui/help_window.h"
#include "game/ui/look.h"
#include "support/brought_puzzles.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

using ui::ControlKind;
using ui::ControlSpec;

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QColor Rgb(ui::Rgb c) {
    return ui::ToQColor(c);
}

// The first empty cell, and a shown mark of it that is not its solution.
std::pair<int, int> WrongMarkOfAnEmptyCell(Game& g) {
    const ShownBoard b = ReadBoard(g.View());
    for (int cell = 0; cell < kCells; ++cell) {
        if (b.Played[cell] != 0) continue;
        for (int d = 1; d <= 9; ++d)
            if (d != b.Solution[cell] && (b.PencilMarks[cell] & DigitBit(d))) return {cell, d};
    }
    return {-1, 0};
}

TEST(MainWindow, TitleAndFixedClientSize) {
    UiHarness h;
    ASSERT_TRUE(h.Start());
    ui::MainWindow& window = h.window();
    EXPECT_EQ(window.objectName(), "Main");
    EXPECT_EQ(window.windowTitle(), "Dravik Sudoku - Free Play (no player selected)");
    // 10725 x 9855 twips at 15 twips per pixel.
    EXPECT_EQ(window.width(), 715);
    EXPECT_EQ(window.height(), 657);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST(MainWindow, EveryControlOfTheLayoutIsThereWithItsCaptionPlaceAndColour) {
    UiHarness h;
    ASSERT_TRUE(h.Start());
    for (const ControlSpec& spec : ui::MainControls()) {
        const QString name = QString::fromStdString(spec.ObjectName());
        QWidget* w = h.control(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        EXPECT_EQ(h.window().findChild<QWidget*>(name), w);
        EXPECT_EQ(w->geometry(), ui::ToPixels(spec.rect)) << name.toStdString();
        if (!spec.tooltip.empty()) {
            EXPECT_EQ(w->toolTip(), Text(spec.tooltip));
        }
        QString caption;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) caption = b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) caption = l->text();
        // The count labels' captions come with a puzzle.
        if (spec.kind != ControlKind::Picture &&
            !(spec.name == "LabelCount" && spec.index >= kTechniqueCount)) {
            EXPECT_EQ(caption, Text(spec.caption)) << name.toStdString();
        }
        if (spec.back) {
            const QPalette::ColorRole role =
                spec.kind == ControlKind::Button ? QPalette::Button : QPalette::Window;
            EXPECT_EQ(w->palette().color(role), Rgb(*spec.back)) << name.toStdString();
        }
    }
    // The status bar's five panels with their design texts.
    for (int i = 0; i < 5; ++i) {
        auto* panel =
            h.window().StatusBar()->findChild<QLabel*>(QStringLiteral("Panel(%1)").arg(i + 1));
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->text(), Text(kDesignStatusPanels[static_cast<std::size_t>(i)]));
    }
    EXPECT_EQ(h.window().palette().color(QPalette::Window), QColor(0, 192, 192));
    EXPECT_FALSE(h.control("LabelHint")->isVisible());
}

// Every text of the status bar and of the technique counts fits whole in its
// box, for the longest texts the game shows (a puzzle brought from outside
// the stock, and two-digit counts), and the last panel keeps its right edge.
// Run again at other scales by ctest.
TEST(MainWindow, StatusPanelsAndTechniqueCountsShowTheirWholeText) {
    UiHarness::Setup setup;
    setup.broughtPuzzle = kBeyond;
    UiHarness h(setup);
    h.StartAndIdle();
    ASSERT_EQ(h.view().StatusPanels[0], "Level: Beyond Very Hard");
    auto fits = [](QLabel* label) {
        const QFontMetrics m(label->font());
        return m.horizontalAdvance(label->text()) <=
               label->contentsRect().width() - 2 * std::max(0, label->indent());
    };
    QStatusBar* bar = h.window().StatusBar();
    int right = 0;
    for (int i = 1; i <= 5; ++i) {
        auto* panel = bar->findChild<QLabel*>(QStringLiteral("Panel(%1)").arg(i));
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(fits(panel)) << panel->text().toStdString();
        right = panel->mapTo(bar, panel->rect().topRight()).x();
    }
    EXPECT_LT(right, bar->width()) << "the last panel's right border is drawn";
    // Counts up to 99.
    h.app->Controller().Do([](Game& g) { g.ShowSolution(); });
    h.Next();
    for (int k = 0; k < kTechniqueCount; ++k) {
        auto* count = qobject_cast<QLabel*>(
            h.control(QStringLiteral("LabelCount(%1)").arg(kTechniqueCount + k)));
        count->setText("99");
        count->setFont(ui::MakeFont(ui::FindControl("LabelCount", kTechniqueCount + k)->font));
    }
    h.app->Controller().Do([](Game& g) { g.ShowSolution(); });
    h.Next();
    for (int k = 0; k < kTechniqueCount; ++k) {
        auto* count = qobject_cast<QLabel*>(
            h.control(QStringLiteral("LabelCount(%1)").arg(kTechniqueCount + k)));
        EXPECT_TRUE(fits(count)) << count->text().toStdString();
        auto* caption = qobject_cast<QLabel*>(h.control(QStringLiteral("LabelCount(%1)").arg(k)));
        EXPECT_TRUE(fits(caption)) << caption->text().toStdString();
    }
}

TEST(MainWindow, MouseReleasesOnMarksPlaceAndStrikeAsTheAreaTestAllows) {
    UiHarness h;
    h.StartAndIdle();
    h.Click("OptionType(3)");
    ASSERT_EQ(h.view().SelectedLevel, 3);
    h.Next();
    ASSERT_EQ(h.shown().PuzzleLevel, 3);
    auto [cell, digit] = WrongMarkOfAnEmptyCell(h.game());
    ASSERT_GE(cell, 0);

    // On the mark's edge or just inside the next one: nothing is recorded.
    for (int dx : {0, 240}) {
        h.ReleaseOnMark(cell, 3, Qt::LeftButton, dx, 120);
        h.ReleaseOnMark(cell, 9, Qt::LeftButton, 120, dx);
    }
    h.ReleaseOnMark(cell, 1, Qt::LeftButton, 120, -30); // released above the label
    EXPECT_EQ(h.shown().StepCount, 0);
    EXPECT_TRUE(h.sound.played.empty());

    // Right at level 3 strikes the mark; left places the digit.
    h.ReleaseOnMark(cell, digit, Qt::RightButton);
    EXPECT_EQ(h.shown().StepCount, 1);
    EXPECT_FALSE(h.shown().PencilMarks[cell] & DigitBit(digit));
    EXPECT_EQ(h.sound.played.back(), kSoundDiscard);
    int solution = h.shown().Solution[cell];
    h.ReleaseOnMark(cell, solution, Qt::LeftButton);
    EXPECT_EQ(h.shown().Played[cell], solution);
    EXPECT_EQ(h.sound.played.back(), kSoundAssign);
    EXPECT_EQ(qobject_cast<QLabel*>(h.control("LabelStap"))->text(), "2");
    // The cell now holds a digit: its marks take no clicks.
    h.ReleaseOnMark(cell, 1, Qt::LeftButton);
    EXPECT_EQ(h.shown().StepCount, 2);
}

TEST(MainWindow, RightClicksDoNothingAtTheLowerLevelsAndLabelsSelect) {
    UiHarness h;
    h.StartAndIdle();
    h.Next(); // level 2 on a fresh store
    ASSERT_EQ(h.shown().PuzzleLevel, 2);
    auto [cell, digit] = WrongMarkOfAnEmptyCell(h.game());
    h.ReleaseOnMark(cell, digit, Qt::RightButton);
    EXPECT_EQ(h.shown().StepCount, 0);

    h.ReleaseOnColumnLabel(4);
    h.ReleaseOnColumnLabel(6);
    EXPECT_EQ(h.shown().SelectedColumn, 6);
    EXPECT_EQ(h.view().ColumnLabels[4], LabelColour::Black);
    EXPECT_EQ(h.view().ColumnLabels[6], LabelColour::Red);
    h.ReleaseOnColumnLabel(6);
    EXPECT_EQ(h.shown().SelectedColumn, -1);
    h.ReleaseOnRowLabel(8);
    EXPECT_EQ(h.shown().SelectedRow, 8);
    EXPECT_EQ(h.sound.played, (std::vector<int>{kSoundLabel, kSoundLabel, kSoundLabel}));
}

TEST(MainWindow, ButtonsFollowTheGameThroughAWholeRound) {
    UiHarness h;
    h.StartAndIdle();
    auto enabled = [&](const char* name) { return h.control(name)->isEnabled(); };
    auto expect = [&](std::initializer_list<const char*> on, std::initializer_list<const char*> off,
                      const char* when) {
        for (const char* n : on) EXPECT_TRUE(enabled(n)) << n << " " << when;
        for (const char* n : off) EXPECT_FALSE(enabled(n)) << n << " " << when;
    };
    expect({"CommandNew", "CommandOpen", "CommandPrint", "CommandHelp", "cmdPlayers"},
           {"CommandRestart", "CommandUndo", "CommandRedo", "CommandResetCell", "CommandSolution",
            "CommandHint"},
           "after start-up");
    h.Next();
    expect({"CommandResetCell", "CommandSolution", "CommandHint"},
           {"CommandNew", "CommandOpen", "CommandRestart", "CommandUndo", "CommandRedo",
            "OptionType(1)", "OptionType(5)"},
           "after Next");
    auto [cell, digit] = WrongMarkOfAnEmptyCell(h.game());
    h.ReleaseOnMark(cell, digit, Qt::LeftButton);
    expect({"CommandRestart", "CommandUndo"}, {"CommandRedo"}, "after a move");
    h.Click("CommandUndo");
    expect({"CommandRedo"}, {"CommandRestart", "CommandUndo"}, "after Undo");
    h.Click("CommandRedo");
    expect({"CommandRestart", "CommandUndo"}, {"CommandRedo"}, "after Redo");
    h.ReleaseOnRowLabel(cell / 9);
    h.ReleaseOnColumnLabel(cell % 9);
    h.Click("CommandResetCell");
    EXPECT_EQ(h.shown().Played[cell], 0);
    expect({"CommandRestart", "CommandUndo"}, {"CommandRedo"}, "after Reset Cell");
    h.Click("CommandRestart");
    expect({"CommandResetCell", "CommandSolution", "CommandHint"},
           {"CommandRestart", "CommandUndo", "CommandRedo"}, "after Restart");
    EXPECT_EQ(qobject_cast<QLabel*>(h.control("LabelStap"))->text(), "0");
    h.Click("CommandSolution");
    expect({"CommandNew", "CommandOpen", "OptionType(1)", "OptionType(5)"},
           {"CommandRestart", "CommandUndo", "CommandRedo", "CommandResetCell", "CommandSolution",
            "CommandHint"},
           "after Solution");
    h.Next();
    EXPECT_EQ(h.shown().PuzzleNumber, 2);
    expect({"CommandResetCell", "CommandSolution"}, {"CommandNew", "CommandUndo"}, "after Next");
}

TEST(MainWindow, AWholeGamePlayedWithTheMouseEndsInApplause) {
    UiHarness h;
    h.StartAndIdle();
    h.Next();
    ASSERT_FALSE(!Playing(h.view()));
    EXPECT_TRUE(h.view().ClockRunning);
    h.PlaceSolutionByMouse();
    EXPECT_TRUE(!Playing(h.view()));
    EXPECT_FALSE(h.view().ClockRunning);
    EXPECT_EQ(h.sound.played.back(), kSoundApplause);
    EXPECT_TRUE(h.control("CommandNew")->isEnabled());
    EXPECT_FALSE(h.control("CommandSolution")->isEnabled());
    // Free play: no best time, no write, no message.
    EXPECT_EQ(h.writer->writes, 0);
    EXPECT_TRUE(h.prompt.messages.empty());
    for (const CellView& c : h.view().Cells) EXPECT_NE(c.Digit, 0);
}

// Counts the pixels of `image` inside `r` that have exactly `colour`.
int CountColour(const QImage& image, const QRect& r, const QColor& colour) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

TEST(MainWindow, ThePictureShowsTheDesignedColoursAndLines) {
    UiHarness h;
    h.StartAndIdle();
    QImage before = h.window().grab().toImage();
    h.Next();
    QImage after = h.window().grab().toImage();
    after.save(QString::fromLatin1(DRAVIK_UI_TEST_OUTPUT) + "/window-after-next.png");
    before.save(QString::fromLatin1(DRAVIK_UI_TEST_OUTPUT) + "/window-after-start.png");
    ASSERT_EQ(after.size(), QSize(715, 657));

    EXPECT_EQ(after.pixelColor(4, 300), QColor(0, 192, 192)) << "window background";
    // The thick box line at x = 3480 twips and the outer frame at 840.
    for (int x : {231, 232}) EXPECT_EQ(after.pixelColor(x, 300), QColor(0, 0, 0));
    EXPECT_EQ(after.pixelColor(56, 300), QColor(0, 0, 0));
    EXPECT_EQ(after.pixelColor(116, 300), QColor(0, 0, 0)) << "a thin cell line";
    // Greyed marks before Next, dark blue givens after it.
    QRect cell0 = ui::ToPixels(ui::DigitRect(0));
    EXPECT_GT(CountColour(before, cell0, QColor(128, 128, 128)), 0);
    EXPECT_EQ(CountColour(before, cell0, QColor(0, 0, 0)), 0);
    int givens = 0, givenPixels = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        if (h.shown().Givens[cell] == 0) continue;
        ++givens;
        givenPixels += CountColour(after, ui::ToPixels(ui::DigitRect(cell)), QColor(0, 0, 160)) > 0;
    }
    EXPECT_GT(givens, 0);
    EXPECT_EQ(givenPixels, givens);
    // The technique panel's tier colours, in both columns.
    for (int k = 0; k < kTechniqueCount; ++k) {
        QColor tier = Rgb(ui::TierColour(kTechniqueTable[k].tier));
        QRect name = ui::ToPixels(ui::FindControl("LabelCount", k)->rect);
        QRect count = ui::ToPixels(ui::FindControl("LabelCount", kTechniqueCount + k)->rect);
        EXPECT_EQ(after.pixelColor(name.left() + 2, name.top() + 2), tier) << k;
        EXPECT_EQ(after.pixelColor(count.left() + 2, count.top() + 2), tier) << k;
    }
    // Command buttons and level buttons show their own colours.
    QRect solution = ui::ToPixels(ui::FindControl("CommandSolution")->rect);
    EXPECT_GT(CountColour(after, solution, QColor(255, 128, 128)), solution.width() * 10);
    QRect panel = ui::ToPixels(ui::FindControl("Picture2")->rect);
    QRect hard = ui::ToPixels(ui::FindControl("OptionType", 4)->rect).translated(panel.topLeft());
    EXPECT_EQ(after.pixelColor(hard.right() - 2, hard.top() + 2), QColor(192, 255, 255));
}

TEST(MainWindow, QuitAsksAndNoKeepsTheGameRunning) {
    UiHarness h;
    h.StartAndIdle();
    h.Next();
    h.prompt.answers = {MessageAnswer::No};
    EXPECT_FALSE(h.window().close());
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].text, "Do you really want to quit ?");
    EXPECT_EQ(h.prompt.messages[0].title, "Quit Dravik Sudoku");
    EXPECT_EQ(h.prompt.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(h.prompt.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(h.window().isVisible());
    EXPECT_TRUE(h.view().ClockRunning);
    EXPECT_FALSE(!Playing(h.view()));
    EXPECT_EQ(h.quits, 0);
    // With the help window open, Yes ends the program and every window goes.
    h.Click("CommandHelp");
    QWidget* help = h.app->Help().Help();
    ASSERT_TRUE(help && help->isVisible());
    h.prompt.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(h.window().close());
    EXPECT_FALSE(h.window().isVisible());
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(h.quits, 1);
}

TEST(MainWindow, TheClockPausesWhileTheWindowIsMinimized) {
    UiHarness::Setup setup;
    setup.manualClock = true;
    UiHarness h(setup);
    h.StartAndIdle();
    h.Next();
    h.clock.AdvanceSeconds(75);
    QTest::qWait(300); // a tick of the 250 ms timer
    EXPECT_EQ(qobject_cast<QLabel*>(h.control("LabelTijd"))->text(), "01:15");
    h.window().setWindowState(Qt::WindowMinimized);
    h.ProcessEvents();
    h.clock.AdvanceSeconds(300);
    h.window().setWindowState(Qt::WindowNoState);
    h.ProcessEvents();
    h.clock.AdvanceSeconds(2);
    QTest::qWait(300);
    EXPECT_EQ(qobject_cast<QLabel*>(h.control("LabelTijd"))->text(), "01:17")
        << "the five minutes minimized are not counted";
}

TEST(MainWindow, StartUpRecoversADamagedWorkingCopyAndEndsWithoutAnyStock) {
    {
        UiHarness::Setup setup;
        setup.workingStockBytes = "not a stock file";
        UiHarness h(setup);
        ASSERT_TRUE(h.Start());
        ASSERT_EQ(h.prompt.messages.size(), 1u);
        EXPECT_EQ(h.prompt.messages[0].title, messages::kStockUnreadable.title);
        EXPECT_TRUE(h.window().isVisible());
        for (int i = 0; i < 50 && h.view().Starting; ++i) h.ProcessEvents();
        EXPECT_TRUE(h.control("CommandNew")->isEnabled());
    }
    {
        UiHarness::Setup setup;
        setup.masterStock = false;
        setup.workingStockBytes = "not a stock file";
        UiHarness h(setup);
        EXPECT_FALSE(h.Start());
        ASSERT_EQ(h.prompt.messages.size(), 2u);
        EXPECT_EQ(h.prompt.messages[0].text, messages::kStockUnreadable.text);
        EXPECT_EQ(h.prompt.messages[1].text, messages::kStockMissing.text);
        EXPECT_EQ(h.prompt.messages[1].icon, MessageIcon::Critical);
        EXPECT_FALSE(h.window().isVisible());
    }
}

TEST(MainWindow, TheSoundsBoxFollowsTheDeviceAndTheEffects) {
    {
        UiHarness::Setup setup;
        setup.sound = true;
        UiHarness h(setup);
        ASSERT_TRUE(h.Start());
        auto* box = qobject_cast<QCheckBox*>(h.control("chkSound"));
        EXPECT_TRUE(box->isEnabled());
        EXPECT_TRUE(box->isChecked());
        // A click switches the effects off and is saved at once.
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
        EXPECT_FALSE(h.view().SoundChecked);
        h.Next();
        h.ReleaseOnRowLabel(0);
        EXPECT_TRUE(h.sound.played.empty()) << "no effect while the box is cleared";
    }
    {
        // Without the effect files there is nothing to play: the box is
        // cleared and disabled, and the stored choice stays as it was.
        UiHarness::Setup setup;
        setup.sound = true;
        setup.effectFiles = false;
        UiHarness h(setup);
        ASSERT_TRUE(h.Start());
        auto* box = qobject_cast<QCheckBox*>(h.control("chkSound"));
        EXPECT_FALSE(box->isEnabled());
        EXPECT_FALSE(box->isChecked());
    }
}

TEST(MainWindow, ASecondGameTellsThePlayerAndEndsWhileTheFirstPlaysOn) {
    UiHarness first;
    first.StartAndIdle();
    first.Next();
    UiHarness::Setup setup;
    setup.sameFoldersAs = &first;
    {
        UiHarness second(setup);
        EXPECT_FALSE(second.Start());
        EXPECT_TRUE(second.app->AlreadyRunning());
        ASSERT_EQ(second.prompt.messages.size(), 1u);
        EXPECT_EQ(second.prompt.messages[0].text, messages::kAlreadyRunning.text);
        EXPECT_FALSE(second.window().isVisible());
    }
    EXPECT_FALSE(!Playing(first.view()));
    // Once the first game has gone, a new one starts.
    first.app.reset();
    UiHarness third(setup);
    EXPECT_TRUE(third.Start());
    EXPECT_FALSE(third.app->AlreadyRunning());
}

TEST(MainWindow, AHostileSettingsFileIsSetAsideOnceAndTheDefaultsServe) {
    UiHarness::Setup setup;
    // An encoded value that Qt's own reader would decode without bounds.
    setup.settingsBytes = "[Options]\nLevel=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n"
                          "Sounds=False\n";
    UiHarness h(setup);
    ASSERT_TRUE(h.Start());
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].title, messages::kSettingsSetAside.title);
    EXPECT_EQ(h.view().SelectedLevel, kDefaultLevel);
    bool keptAside = false;
    for (const auto& entry : std::filesystem::directory_iterator(h.folder.path()))
        keptAside = keptAside || entry.path().filename().string().ends_with(".bad");
    EXPECT_TRUE(keptAside);
}

TEST(MainWindow, ARenewalRunsWhileThePlayerPlaysAndIsFiledOnce) {
    UiHarness::Setup setup;
    setup.workerThreads = 2;
    UiHarness h(setup);
    h.StartAndIdle();
    h.Next(); // level 2
    const Stock before = h.game().Puzzles();
    // Very Hard: slow enough that the bar shows its progress on any machine;
    // the easy levels can be whole before the window takes its first report.
    QTest::mouseClick(h.control("RenewLevel(5)"), Qt::LeftButton);
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].title, "Renew Selected Set of Sudokus");
    ASSERT_TRUE(h.view().RenewalProgress && !h.view().Buttons.Level[5]);
    auto* bar = qobject_cast<QProgressBar*>(h.control("ProgressBar2"));
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(h.control("RenewLevel(2)")->isEnabled());

    int highest = 0, moves = 0;
    for (int i = 0; i < 20000 && h.view().RenewalProgress; ++i) {
        QTest::qWait(1);
        highest = std::max(highest, bar->value());
        // The player goes on placing digits meanwhile.
        if (!!Playing(h.view()) && i % 3 == 0) {
            for (int cell = 0; cell < kCells; ++cell) {
                if (h.shown().Played[cell] != 0) continue;
                h.ReleaseOnMark(cell, h.shown().Solution[cell], Qt::LeftButton);
                ++moves;
                break;
            }
        }
    }
    ASSERT_FALSE(h.view().RenewalProgress) << "the renewal did not finish";
    EXPECT_GT(highest, 0);
    EXPECT_GT(moves, 0);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(h.control("RenewLevel(2)")->isEnabled());
    EXPECT_EQ(h.writer->writes, 1);
    // Level 5 is all new, sorted, without best times; the file holds it.
    const Stock& after = h.game().Puzzles();
    for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
        EXPECT_NE(after(5, n).Givens, before(5, n).Givens);
        EXPECT_FALSE(after(5, n).HasBestTime());
        if (n > 1) {
            EXPECT_LE(after(5, n - 1).Score, after(5, n).Score);
        }
        EXPECT_EQ(after(2, n), before(2, n));
    }
    Stock onDisk;
    ASSERT_TRUE(ReadStock(h.dataHome / kDataFolderName / kStockFileName, onDisk).ok());
    EXPECT_EQ(onDisk, after);
}

} // namespace
} // namespace dravik::test
