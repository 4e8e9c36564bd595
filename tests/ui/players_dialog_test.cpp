// The players dialog driven through its widgets from the game window's
// "Players..." button: typing a name, the keys of the entry and of the
// dialog, choosing, the close box, and what a restart of the game finds.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "game/ui/form_namen.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

struct Dialog {
    explicit Dialog(UiHarness& h) : form(h.app->Players()) {}
    template <typename T> T* Get(const char* name) {
        T* w = form.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QListWidget* List() { return Get<QListWidget>("Naamlijst"); }
    QLineEdit* Entry() { return Get<QLineEdit>("NaamInvoerveld"); }
    QPushButton* Button(const char* name) { return Get<QPushButton>(name); }
    void Click(const char* name) {
        QPushButton* b = Button(name);
        ASSERT_TRUE(b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QPoint LinePoint(int line) { return List()->visualItemRect(List()->item(line)).center(); }
    // As the desktop reports one: a press and release, then the second press
    // as a double click, and its release.
    void DoubleClick(int line) {
        QWidget* at = List()->viewport();
        QTest::mouseClick(at, Qt::LeftButton, {}, LinePoint(line));
        QTest::mouseDClick(at, Qt::LeftButton, {}, LinePoint(line));
        QTest::mouseRelease(at, Qt::LeftButton, {}, LinePoint(line));
    }
    void Type(const QString& text) {
        QTest::keyClicks(Entry(), text);
        QTest::keyClick(Entry(), Qt::Key_Return);
    }

    ui::FormNamen& form;
};

void OpenPlayers(UiHarness& h) {
    h.Click("cmdPlayers");
    h.ProcessEvents();
    ASSERT_TRUE(h.app->Players().isVisible());
}

TEST(FormNamen, ANameTypedAndChosenWithEnterNamesThePlayerInTheTitle) {
    UiHarness h;
    h.StartAndIdle();
    OpenPlayers(h);
    Dialog d(h);
    EXPECT_EQ(d.form.windowTitle(), "Dravik Sudoku Players");
    EXPECT_EQ(d.form.windowModality(), Qt::ApplicationModal);
    const QRect outer = h.window().frameGeometry();
    const QRect own = d.form.frameGeometry();
    EXPECT_EQ(own.left(), outer.left() + (outer.width() - own.width()) / 2);
    EXPECT_EQ(own.top(), outer.top() + (outer.height() - own.height()) / 2);

    EXPECT_EQ(d.Get<QLabel>("Label1")->text().toStdString(), kPlayersLabel1);
    EXPECT_EQ(d.Button("KnopNieuweSpeler")->text(), "&New Player");
    EXPECT_EQ(d.Button("KnopWijzigen")->text(), "&Edit Player");
    EXPECT_EQ(d.Button("KnopAnnuleren")->text(), "&Cancel");
    EXPECT_EQ(d.Button("KnopOK")->text(), "&OK");
    EXPECT_EQ(d.Button("CommandFree")->text(), "Free Play");
    EXPECT_EQ(d.List()->font(), QFontDatabase::systemFont(QFontDatabase::FixedFont));
    EXPECT_EQ(d.Entry()->font(), d.List()->font());
    EXPECT_FALSE(d.Entry()->isEnabled());
    EXPECT_FALSE(d.Button("KnopOK")->isEnabled());
    EXPECT_FALSE(d.Button("KnopWijzigen")->isEnabled());
    EXPECT_EQ(d.form.focusWidget(), d.List());

    // Enter on an empty entry: a message, and the entry keeps the focus. The
    // key must not reach OK.
    d.Click("KnopNieuweSpeler");
    EXPECT_TRUE(d.Entry()->isEnabled());
    EXPECT_FALSE(d.List()->isEnabled());
    EXPECT_FALSE(d.Button("KnopAnnuleren")->isEnabled());
    EXPECT_EQ(d.form.focusWidget(), d.Entry());
    QTest::keyClick(d.Entry(), Qt::Key_Return);
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].title, "Loss of memory ?");
    EXPECT_EQ(h.prompt.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(d.form.isVisible());
    EXPECT_TRUE(d.Entry()->isEnabled());

    // Esc in the entry leaves editing but not the dialog.
    QTest::keyClicks(d.Entry(), "Zed");
    QTest::keyClick(d.Entry(), Qt::Key_Escape);
    EXPECT_TRUE(d.form.isVisible());
    EXPECT_FALSE(d.Entry()->isEnabled());
    EXPECT_EQ(d.Entry()->text(), "");
    EXPECT_EQ(d.List()->count(), 0);

    d.Click("KnopNieuweSpeler");
    d.Type("Ann Example Longer");
    EXPECT_TRUE(d.form.isVisible());
    ASSERT_EQ(d.List()->count(), 1);
    EXPECT_EQ(d.List()->item(0)->text(), "Ann Example Long");
    EXPECT_TRUE(d.List()->item(0)->isSelected());
    EXPECT_TRUE(d.Button("KnopOK")->isEnabled());
    EXPECT_EQ(d.form.focusWidget(), d.List());
    EXPECT_EQ(h.game().Players().PlayerCount(), 0) << "the game takes the list when it closes";

    d.Click("KnopNieuweSpeler");
    d.Type("Bob");
    ASSERT_EQ(d.List()->count(), 2);

    // Shown again, nothing is selected; a click on a line makes OK available
    // and Enter on the list is OK.
    d.Click("KnopAnnuleren");
    EXPECT_FALSE(d.form.isVisible());
    EXPECT_EQ(h.window().windowTitle(), "Dravik Sudoku - Free Play (no player selected)");
    EXPECT_EQ(h.game().Players().PlayerCount(), 2);
    OpenPlayers(h);
    EXPECT_TRUE(d.List()->selectedItems().isEmpty());
    EXPECT_FALSE(d.Button("KnopOK")->isEnabled());
    QTest::mouseClick(d.List()->viewport(), Qt::LeftButton, {}, d.LinePoint(0));
    EXPECT_TRUE(d.Button("KnopOK")->isEnabled());
    QTest::keyClick(d.List(), Qt::Key_Return);
    EXPECT_FALSE(d.form.isVisible());
    EXPECT_EQ(h.window().windowTitle(), "Dravik Sudoku - Ann Example Long is playing");
    EXPECT_EQ(h.game().Players().CurrentPlayer, 1);
}

TEST(FormNamen, TheCloseBoxCancelsADoubleClickChoosesAndARestartFindsTheLastOk) {
    UiHarness::Setup setup;
    setup.settingsBytes = "[Players]\nCount=2\nPlayer01=Ann\nPlayer02=Bob\nLast_Player=1\n";
    auto h = std::make_unique<UiHarness>(setup);
    h->StartAndIdle();
    EXPECT_EQ(h->window().windowTitle(), "Dravik Sudoku - Ann is playing");

    OpenPlayers(*h);
    Dialog d(*h);
    ASSERT_EQ(d.List()->count(), 2);
    d.Click("KnopNieuweSpeler");
    d.Type("Cor");
    // The close box while a name is half typed: Cancel, and the added player stays.
    d.Click("KnopNieuweSpeler");
    QTest::keyClicks(d.Entry(), "Dirk");
    d.form.close();
    EXPECT_FALSE(d.form.isVisible());
    EXPECT_EQ(h->window().windowTitle(), "Dravik Sudoku - Ann is playing");
    EXPECT_EQ(h->game().Players().PlayerCount(), 3);

    // The same dialog again, browsing from scratch.
    OpenPlayers(*h);
    EXPECT_EQ(&h->app->Players(), &d.form);
    EXPECT_EQ(d.List()->count(), 3);
    EXPECT_FALSE(d.Entry()->isEnabled());
    EXPECT_EQ(d.Entry()->text(), "");
    d.DoubleClick(1);
    EXPECT_FALSE(d.form.isVisible());
    EXPECT_EQ(h->window().windowTitle(), "Dravik Sudoku - Bob is playing");

    OpenPlayers(*h);
    d.Click("CommandFree");
    EXPECT_FALSE(d.form.isVisible());
    EXPECT_EQ(h->window().windowTitle(), "Dravik Sudoku - Free Play (no player selected)");

    // The next start selects the player last chosen by OK, with Cor still listed.
    UiHarness::Setup again;
    again.sameFoldersAs = h.get();
    h->app.reset();
    UiHarness restarted(again);
    restarted.StartAndIdle();
    EXPECT_EQ(restarted.window().windowTitle(), "Dravik Sudoku - Bob is playing");
    EXPECT_EQ(restarted.game().Players().DisplayName(3), "Cor");
    EXPECT_EQ(restarted.game().Players().PlayerCount(), 3);
}

} // namespace
} // namespace dravik::test
