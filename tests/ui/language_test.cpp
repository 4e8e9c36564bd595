// The game in German, as a player whose locale is de_DE sees it: run with
// LANG=de_DE.UTF-8 (ctest does), the translations loaded as the program
// loads them, from the built .qm files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTextBrowser>

#include "game/ui/form_namen.h"
#include "game/ui/help_features.h"
#include "game/ui/help_window.h"
#include "game/ui/language.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

// The caption's width in the widget's font against the room the widget has
// for it, as the window shrinks captions to fit.
bool CaptionFits(QWidget* w, const ui::ControlSpec& spec) {
    QString text;
    int room = w->width() - 6;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        text = button->text();
        if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w))
            room = w->width() - w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
                   w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) - 2;
    }
    if (spec.caption.empty() || text.isEmpty()) return true;
    return QFontMetrics(w->font()).horizontalAdvance(text) <= room;
}

// Loads the locale's translation once per process, as the program does at start.
QString LoadedLanguage() {
    static const QString language = ui::LoadLanguage(QLocale::system(), DRAVIK_OUTPUT_DIR "/");
    return language;
}

TEST(German, TheWholeGameSpeaksTheLocalesLanguage) {
    ASSERT_EQ(LoadedLanguage(), "de")
        << "run with LANG=de_DE.UTF-8, after the translations are built";

    UiHarness h;
    h.StartAndIdle();
    EXPECT_EQ(h.window().windowTitle(), "Dravik Sudoku - Freies Spiel (kein Spieler gewählt)");
    // Captions, a tooltip and a level, each from its own table.
    auto text = [&h](const char* name) {
        QWidget* w = h.control(QString::fromLatin1(name));
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        return qobject_cast<QLabel*>(w)->text();
    };
    EXPECT_EQ(text("CommandNew"), "Weiter");
    EXPECT_EQ(text("CommandResetCell"), "Zelle leeren");
    EXPECT_EQ(text("OptionType(5)"), "Sehr schwer");
    EXPECT_EQ(text("LabelCount(13)"), "Wolkenkratzer");
    EXPECT_EQ(h.control("LabelTijd")->toolTip(), "Verstrichene Zeit");
    EXPECT_EQ(h.control("CommandUndo")->toolTip(), "Tastenkürzel: Strg+Z"); // Qt names the key
    // No caption of the window is cut off.
    for (const ui::ControlSpec& spec : ui::MainControls()) {
        QWidget* w = h.control(QString::fromStdString(spec.ObjectName()));
        ASSERT_NE(w, nullptr) << spec.ObjectName();
        EXPECT_TRUE(CaptionFits(w, spec)) << spec.ObjectName();
    }

    // A puzzle's status bar, then a wrong digit named by the hint.
    h.Click("OptionType(1)");
    h.Next();
    EXPECT_EQ(h.view().StatusPanels[0], "Stufe: Sehr leicht");
    EXPECT_EQ(h.view().StatusPanels[2], "Bestzeit: 00:00 (noch keine Bestzeit)");
    int cell = 0;
    while (h.shown().Played[cell]) ++cell;
    const int wrong = h.shown().Solution[cell] % 9 + 1;
    h.ReleaseOnMark(cell, wrong, Qt::LeftButton);
    h.Click("CommandHint");
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].title, "Falsch gelöste Zelle");
    EXPECT_EQ(h.prompt.messages[0].text,
              "Die Lösung in Zelle " + std::string(CellName(cell).data()) + " ist falsch!");
    // The puzzle solved: the notice across the status bar.
    h.app->Controller().Do([](Game& g) { g.Undo(); });
    h.PlaceSolutionByMouse();
    EXPECT_TRUE(h.view().Notice.starts_with("Gelöst in ")) << h.view().Notice;

    // Help: the German index and how-to-play pages; a technique's page in English.
    h.Click("CommandHelp");
    ui::HelpWindow* help = h.app->Help().Help();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "Dravik Sudoku - Hilfe");
    EXPECT_EQ(help->Browser()->documentTitle(), "Dravik Sudoku Hilfe");
    help->Browser()->setSource(QUrl("how_to_play.html#hints"));
    EXPECT_EQ(help->Browser()->documentTitle(), "So wird gespielt");
    help->Browser()->setSource(QUrl("x_wing.html"));
    EXPECT_NE(help->Browser()->toPlainText().indexOf("Why it works"), -1);
    help->close();

    // Qt's own buttons, where the system has its translations.
    if (QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes") {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
    }
}

TEST(German, ANamedPlayersTitleAndTheLanguagesOfOtherLocales) {
    ASSERT_EQ(LoadedLanguage(), "de");
    UiHarness::Setup setup;
    setup.settingsBytes = "[Players]\nCount=1\nPlayer01=Anna\nLast_Player=1\n";
    UiHarness h(setup);
    h.StartAndIdle();
    EXPECT_EQ(h.window().windowTitle(), "Dravik Sudoku - Anna spielt");
    // The players dialog's captions and the settings it writes (data, not texts).
    h.Click("cmdPlayers");
    EXPECT_EQ(h.app->Players().windowTitle(), "Dravik Sudoku – Spieler");
    EXPECT_EQ(h.app->Players().findChild<QAbstractButton*>("CommandFree")->text(), "Freies Spiel");

    // Any German-speaking locale reads German; other languages English.
    EXPECT_EQ(ui::GameLanguageFor(QLocale("de_AT")), "de");
    EXPECT_EQ(ui::GameLanguageFor(QLocale("nl_BE")), "nl");
    EXPECT_EQ(ui::GameLanguageFor(QLocale("fr_CA")), "fr");
    EXPECT_EQ(ui::GameLanguageFor(QLocale("sv_SE")), "");
    EXPECT_EQ(ui::GameLanguageFor(QLocale::c()), "");
}

} // namespace
} // namespace dravik::test
