// The window at every zoom, and its parts through Qt's accessibility layer
// (in process; accessibility_test.sh walks the same over the real bus).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <QAccessible>
#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "game/ui/dialog_zoom.h"
#include "game/ui/form_namen.h"
#include "game/ui/look.h"
#include "game/ui/print_dialog.h"
#include "game/ui/print_features.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

QString StoredZoom(const UiHarness& h) {
    QFile file(QString::fromStdString(h.settingsFile.string()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith("Zoom=")) return QString::fromLatin1(line.mid(5));
    return {};
}

// The largest difference of a colour channel between two pictures of one size.
int LargestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 256;
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            most = std::max({most, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                             std::abs(p.blue() - q.blue())});
        }
    return most;
}

void Key(UiHarness& h, Qt::Key key) {
    QTest::keyClick(&h.window(), key, Qt::ControlModifier);
    h.ProcessEvents();
}

// Every control where the layout puts it, scaled.
void ExpectLaidOutAt(UiHarness& h, int zoom) {
    EXPECT_EQ(h.window().size(), QSize(ui::ToPixels(ui::kClientWidthTwips, zoom),
                                       ui::ToPixels(ui::kClientHeightTwips, zoom)))
        << zoom;
    EXPECT_EQ(h.board().geometry(), ui::ToPixels(ui::kBoardArea, zoom)) << zoom;
    EXPECT_EQ(h.window().findChild<QWidget*>("PauseCover")->geometry(), h.board().geometry())
        << "the pause panel covers the board at " << zoom;
    for (const ui::ControlSpec& spec : ui::MainControls()) {
        const QString name = QString::fromStdString(spec.ObjectName());
        EXPECT_EQ(h.control(name)->geometry(), ui::ToPixels(spec.rect, zoom))
            << name.toStdString() << " at " << zoom;
    }
}

TEST(Zoom, TheKeysStepTheWholeWindowStoreTheZoomAndComeBackToTheSamePixels) {
    UiHarness::Setup setup;
    setup.manualClock = true;
    UiHarness h(setup);
    h.StartAndIdle();
    h.Click("OptionType(3)");
    h.Next();
    h.ReleaseOnRowLabel(2);
    // The mouse away from the window: a window that grows under it moves it
    // over the board (when the event loop gets to it), and the digit under it
    // is tinted.
    QCursor::setPos(-1000, -1000);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&h.board(), &leave);
    h.ProcessEvents();
    const QImage atHundred = h.window().grab().toImage();
    EXPECT_EQ(h.window().size(), QSize(715, 657));

    for (int zoom : {125, 150, 175, 200, 200}) {
        Key(h, Qt::Key_Plus);
        ExpectLaidOutAt(h, zoom);
        EXPECT_EQ(StoredZoom(h), QString::number(zoom)) << "stored at once";
        EXPECT_EQ(h.window().grab().toImage().size(),
                  h.window().size() * h.window().devicePixelRatio());
    }
    for (int zoom : {175, 150, 125, 100, 100}) {
        Key(h, Qt::Key_Minus);
        ExpectLaidOutAt(h, zoom);
    }
    // Exactly the same pixels; at a device pixel ratio above 1 the text's
    // smoothing may differ by a few shades where the fonts were drawn at other
    // sizes (a moved line or box differs by far more).
    const int shades = h.window().devicePixelRatio() == 1 ? 0 : 40;
    auto same = [&](const char* what) {
        const QImage back = h.window().grab().toImage();
        if (LargestDifference(back, atHundred) <= shades) return;
        atHundred.save(DRAVIK_UI_TEST_OUTPUT "/zoom-before.png");
        back.save(DRAVIK_UI_TEST_OUTPUT "/zoom-after.png");
        ADD_FAILURE() << what << ": not the window as it was at 100 % (see zoom-*.png), by "
                      << LargestDifference(back, atHundred) << " shades";
    };
    same("Ctrl+Minus");
    Key(h, Qt::Key_Equal); // Ctrl+= is Ctrl+Plus without Shift
    Key(h, Qt::Key_Plus);
    EXPECT_EQ(h.window().size(), QSize(1072, 985));
    Key(h, Qt::Key_0);
    ExpectLaidOutAt(h, 100);
    EXPECT_EQ(StoredZoom(h), "100");
    same("Ctrl+0");
}

TEST(Zoom, AtAStored150TheMarksTakeClicksAtTheirScaledPlaceAndTheDialogsFollow) {
    UiHarness::Setup setup;
    setup.settingsBytes = "[Options]\nZoom=150\nLevel=3\n";
    UiHarness h(setup);
    h.StartAndIdle();
    ExpectLaidOutAt(h, 150);
    EXPECT_EQ(h.window().size(), QSize(1072, 985));
    h.Next();
    ASSERT_TRUE(Playing(h.view()));

    // A left release on mark d places d at the mark's scaled place, not off
    // its counting part; a right release strikes.
    const ShownBoard b = h.shown();
    int cell = 0;
    while (b.Played[cell] != 0) ++cell;
    int other = 9;
    while (other == b.Solution[cell] || !(b.PencilMarks[cell] & DigitBit(other))) --other;
    h.ReleaseOnMark(cell, other, Qt::RightButton, 20, 230);
    EXPECT_FALSE(h.shown().PencilMarks[cell] & DigitBit(other));
    h.ReleaseOnMark(cell, b.Solution[cell], Qt::LeftButton, 255, 120);
    EXPECT_EQ(h.shown().Played[cell], 0) << "beyond the mark's counting part";
    h.ReleaseOnMark(cell, b.Solution[cell], Qt::LeftButton);
    EXPECT_EQ(h.shown().Played[cell], b.Solution[cell]);

    // The players dialog: fonts and own sizes 1.5 times those at 100 %.
    h.Click("cmdPlayers");
    h.ProcessEvents();
    ui::FormNamen& players = h.app->Players();
    ASSERT_TRUE(players.isVisible());
    auto* ok = players.findChild<QPushButton*>("KnopOK");
    const QFont big = ok->font();
    const QSize bigDialog = players.size();
    ui::ZoomDialog(players, 100);
    const QFont small = ok->font();
    EXPECT_NEAR(big.pointSizeF() / small.pointSizeF(), 1.5, 0.01);
    EXPECT_NEAR(double(bigDialog.width()) / players.width(), 1.5, 0.15);
    EXPECT_NEAR(double(bigDialog.height()) / players.height(), 1.5, 0.15);
    ui::ZoomDialog(players, 150);
    EXPECT_EQ(players.size(), bigDialog) << "zooming again starts from the made size";
    // Every control of both dialogs has a name a screen reader can say.
    auto named = [](QWidget& dialog) {
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus && w->objectName() != "PrintVoorbeeld") continue;
            if (w->objectName().startsWith("qt_") || w->window() != &dialog) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
    };
    named(players);
    players.reject();
    h.ProcessEvents();

    // The print dialog: its example picture drawn at 1.5 times its size.
    h.Click("CommandPrint");
    h.ProcessEvents();
    ui::FormPrint* print = h.app->Printing().Dialog();
    ASSERT_NE(print, nullptr);
    auto* picture = print->findChild<QLabel*>("PrintVoorbeeld");
    EXPECT_EQ(picture->size(), QSize(255, 360));
    EXPECT_EQ(print->Example().size(), picture->contentsRect().size() * print->devicePixelRatio());
    named(*print);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(print->findChild<QWidget*>("TextFrom"))
                  ->text(QAccessible::Name),
              "From");
    print->reject();
}

QAccessibleInterface* Accessible(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}

// What the walk over the bus (accessibility_test.sh) does not see: a wrong
// digit, a chosen row, the hint marker and "Show where".
TEST(Accessibility, NamesTellNoMistakeAndTheHintAndItsExplanationAreSaid) {
    UiHarness h;
    h.StartAndIdle();
    h.Click("OptionType(3)");
    h.Next();
    for (const ui::ControlSpec& spec : ui::MainControls()) {
        const QString name = QString::fromStdString(spec.ObjectName());
        if (spec.kind == ui::ControlKind::Panel || spec.kind == ui::ControlKind::ProgressBar ||
            spec.name == "LabelHint")
            continue;
        EXPECT_FALSE(Accessible(h.control(name))->text(QAccessible::Name).isEmpty())
            << name.toStdString();
    }
    QAccessibleInterface* renew = Accessible(h.control("RenewLevel(4)"));
    EXPECT_EQ(renew->role(), QAccessible::Button);
    EXPECT_TRUE(renew->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));

    QAccessibleInterface* board = Accessible(&h.board());
    const ShownBoard b = h.shown();
    int empty = 0;
    while (b.Played[empty] != 0) ++empty;
    int wrong = 9;
    while (wrong == b.Solution[empty] || !(b.PencilMarks[empty] & DigitBit(wrong))) --wrong;
    h.ReleaseOnMark(empty, wrong, Qt::LeftButton);
    h.ReleaseOnRowLabel(empty / 9);
    EXPECT_EQ(board->child(empty)->text(QAccessible::Name),
              QString::fromStdString(std::string(CellName(empty).data(), 2) + ", " +
                                     std::to_string(wrong)));
    EXPECT_TRUE(board->tableInterface()->isRowSelected(empty / 9));
    EXPECT_TRUE(board->child(empty)->tableCellInterface()->isSelected());
    h.Click("CommandUndo");

    // The marker by name; the explanation as the status bar's and the board's description.
    h.app->Controller().Do([](Game& g) { g.Hint(); });
    ASSERT_TRUE(h.view().HintMarker.has_value());
    const QString hint =
        "Hint: " + QString::fromStdString(std::string(TechniqueCaption(*h.view().HintMarker)));
    EXPECT_EQ(Accessible(h.control("LabelHint"))->text(QAccessible::Name), hint);
    EXPECT_EQ(board->text(QAccessible::Description), hint);
    h.app->Controller().Do([](Game& g) { g.ShowHintWhere(); });
    const QString where = QString::fromStdString(h.view().Highlight.Explanation);
    ASSERT_FALSE(where.isEmpty());
    EXPECT_EQ(Accessible(h.window().StatusBar())->text(QAccessible::Description), where);
    EXPECT_EQ(board->text(QAccessible::Description), where);
}

} // namespace
} // namespace dravik::test
