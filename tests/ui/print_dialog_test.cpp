// The print dialog driven as a player drives it: what it shows when opened,
// the choices it keeps, the "From" box, the printer's faults, Save as PDF...
// and the example picture, all through the game window's "Print..." button.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <fstream>
#include <regex>

#include "game/ui/print_dialog.h"
#include "game/ui/print_features.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

template <typename T> T* Child(ui::FormPrint* d, const char* name) {
    T* w = d->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// A click where the control takes it: check boxes and option buttons only on
// their box and caption, at the left of a row the layout may have widened.
void ClickOn(QWidget* w) {
    const bool box = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
    const QPoint at = box ? QPoint(6, w->height() / 2) : w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

// Opens the dialog from the game window.
ui::FormPrint* OpenPrint(UiHarness& h) {
    h.Click("CommandPrint");
    h.ProcessEvents();
    ui::FormPrint* d = h.app->Printing().Dialog();
    EXPECT_NE(d, nullptr);
    return d;
}

int PdfPages(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!bytes.starts_with("%PDF-")) return -1;
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page),
                                          std::sregex_iterator()));
}

TEST(PrintDialog, OpensAtTheGameLevelWithTheDefaultsAndPausesTheClock) {
    UiHarness::Setup setup;
    setup.manualClock = true;
    UiHarness h(setup);
    h.StartAndIdle();
    h.Click("OptionType(3)");
    h.Next();
    h.clock.AdvanceSeconds(20);
    QTest::qWait(300);

    ui::FormPrint* d = OpenPrint(h);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->isModal());
    EXPECT_EQ(d->windowTitle(), "Dravik Sudoku - Print");
    EXPECT_EQ(Child<QComboBox>(d, "SudokuTypeKeuze")->currentText(), "Medium");
    EXPECT_EQ(Child<QComboBox>(d, "SudokuTypeKeuze")->count(), 5);
    EXPECT_EQ(Child<QSlider>(d, "PageSlider")->value(), 1);
    EXPECT_TRUE(Child<QRadioButton>(d, "OptionAantal(0)")->isChecked());
    EXPECT_EQ(Child<QRadioButton>(d, "OptionAantal(2)")->text(), "4");
    EXPECT_TRUE(Child<QCheckBox>(d, "CheckSolution")->isChecked());
    EXPECT_EQ(Child<QCheckBox>(d, "CheckPencils")->text(), "Pencilmarks");
    EXPECT_EQ(Child<QLineEdit>(d, "TextFrom")->text(), "1");
    EXPECT_EQ(Child<QLabel>(d, "LabelTo")->text(), "to 1");
    EXPECT_EQ(Child<QLabel>(d, "Label3")->text(), "From");
    EXPECT_EQ(Child<QLabel>(d, "Label2")->text(), "Example");
    EXPECT_EQ(Child<QPushButton>(d, "Command1")->text(), "Close");
    EXPECT_EQ(Child<QPushButton>(d, "Command2")->text(), "Print");
    EXPECT_TRUE(Child<QPushButton>(d, "Command2")->isEnabled());
    EXPECT_FALSE(Child<QLabel>(d, "PrintVoorbeeld")->pixmap().isNull());
    EXPECT_EQ(h.printer.setUps, 1);

    // Five minutes with the dialog open are not played time.
    h.clock.AdvanceSeconds(300);
    QTest::qWait(300);
    ClickOn(Child<QPushButton>(d, "Command1"));
    h.ProcessEvents();
    EXPECT_FALSE(d->isVisible());
    h.clock.AdvanceSeconds(1);
    QTest::qWait(300);
    EXPECT_EQ(qobject_cast<QLabel*>(h.control("LabelTijd"))->text(), "00:21");
    EXPECT_TRUE(h.printer.printed.empty());
}

TEST(PrintDialog, ChoicesAreKeptAfterCloseAndTheLevelFollowsTheGame) {
    UiHarness h;
    h.StartAndIdle();
    ui::FormPrint* d = OpenPrint(h);
    ASSERT_NE(d, nullptr);
    ClickOn(Child<QRadioButton>(d, "OptionAantal(1)"));
    Child<QSlider>(d, "PageSlider")->setValue(2);
    auto* from = Child<QLineEdit>(d, "TextFrom");
    from->setFocus();
    from->selectAll();
    QTest::keyClicks(from, "99");
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_EQ(from->text(), "97");
    EXPECT_EQ(Child<QLabel>(d, "LabelTo")->text(), "to 100");
    ClickOn(Child<QCheckBox>(d, "CheckPencils"));
    ClickOn(Child<QPushButton>(d, "Command1"));
    h.ProcessEvents();

    h.Click("OptionType(5)");
    d = OpenPrint(h);
    EXPECT_EQ(Child<QComboBox>(d, "SudokuTypeKeuze")->currentIndex(), 4);
    EXPECT_TRUE(Child<QRadioButton>(d, "OptionAantal(1)")->isChecked());
    EXPECT_EQ(Child<QSlider>(d, "PageSlider")->value(), 2);
    EXPECT_EQ(from->text(), "97");
    EXPECT_EQ(Child<QLabel>(d, "LabelTo")->text(), "to 100");
    EXPECT_FALSE(Child<QCheckBox>(d, "CheckPencils")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(d, "CheckSolution")->isChecked());

    // 4 per page with 10 pages: 97 comes down to 61. The close box keeps
    // nothing of it.
    ClickOn(Child<QRadioButton>(d, "OptionAantal(2)"));
    Child<QSlider>(d, "PageSlider")->setValue(10);
    EXPECT_EQ(from->text(), "61");
    EXPECT_EQ(d->Values().First, 61);
    d->reject();
    h.ProcessEvents();
    d = OpenPrint(h);
    EXPECT_EQ(from->text(), "97");
    EXPECT_TRUE(Child<QRadioButton>(d, "OptionAantal(1)")->isChecked());

    // Print keeps the choices too, prints what the box shows and stays open.
    from->setFocus();
    from->selectAll();
    QTest::keyClicks(from, "5");
    QTest::keyClick(Child<QPushButton>(d, "Command2"), Qt::Key_Space);
    ASSERT_EQ(h.printer.printed.size(), 1u);
    const print::PrintOptions& p = h.printer.printed[0];
    EXPECT_EQ(p.First, 5);
    EXPECT_EQ(p.PerPage, 2);
    EXPECT_EQ(p.Pages, 2);
    EXPECT_EQ(p.Level, 5);
    EXPECT_FALSE(p.PencilMarks);
    EXPECT_EQ(h.app->Printing().Kept(), p);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(h.prompt.messages.empty());
    d->reject();
}

TEST(PrintDialog, FromBoxTakesOnlyDigitsAndRefusesPastedValuesBelowOne) {
    UiHarness h;
    h.StartAndIdle();
    ui::FormPrint* d = OpenPrint(h);
    ASSERT_NE(d, nullptr);
    auto* from = Child<QLineEdit>(d, "TextFrom");
    from->setFocus();
    from->clear();
    QTest::keyClicks(from, "4x-2 .");
    EXPECT_EQ(from->text(), "42");
    QTest::keyClick(from, Qt::Key_Backspace);
    EXPECT_EQ(from->text(), "4");
    // Delete is a control key too (it comes with the character 127, as the
    // desktop sends it): it removes the digit after the cursor.
    QTest::keyClicks(from, "27");
    QTest::keyClick(from, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, from, Qt::Key_Delete, QString(QChar(127)), Qt::NoModifier);
    EXPECT_EQ(from->text(), "27");
    // Pasted text passes the key filter; confirming it brings it into range.
    for (const char* pasted : {"-7", "0", "", "abc"}) {
        from->setText(pasted);
        QTest::keyClick(from, Qt::Key_Enter);
        EXPECT_EQ(from->text(), "1") << pasted;
        EXPECT_EQ(d->Values().First, 1);
    }
    // Leaving the box confirms it as Enter does.
    from->setText("250");
    Child<QCheckBox>(d, "CheckSolution")->setFocus();
    h.ProcessEvents();
    EXPECT_EQ(from->text(), "100");
    EXPECT_EQ(Child<QLabel>(d, "LabelTo")->text(), "to 100");
    d->reject();
}

TEST(PrintDialog, WithoutAPrinterSaveAsPdfIsTheWayAndAFailingPrinterIsReported) {
    TempFolder out("dravik-print-ui");
    {
        UiHarness h;
        h.printer.name = "";
        h.StartAndIdle();
        ui::FormPrint* d = OpenPrint(h);
        ASSERT_NE(d, nullptr);
        auto* print = Child<QPushButton>(d, "Command2");
        EXPECT_FALSE(print->isEnabled());
        EXPECT_EQ(print->toolTip().toStdString(), print::kNoPrinterTip);
        EXPECT_EQ(h.printer.setUps, 0);
        auto* pdf = Child<QPushButton>(d, "CommandPdf");
        EXPECT_TRUE(pdf->isEnabled());

        // Cancelled: nothing written.
        ClickOn(pdf);
        EXPECT_EQ(h.pdfAsked.size(), 1u);
        EXPECT_TRUE(h.pdfAsked[0].endsWith(".pdf"));
        ClickOn(Child<QRadioButton>(d, "OptionAantal(2)"));
        Child<QSlider>(d, "PageSlider")->setValue(3);
        const std::string file = (out / "puzzles.pdf").string();
        h.pdfAnswer = QString::fromStdString(file);
        ClickOn(pdf);
        EXPECT_EQ(PdfPages(file), 3);
        EXPECT_TRUE(h.prompt.messages.empty());
        // An unwritable place is said so.
        h.pdfAnswer = QString::fromStdString((out / "no" / "x.pdf").string());
        ClickOn(pdf);
        ASSERT_EQ(h.prompt.messages.size(), 1u);
        EXPECT_EQ(h.prompt.messages[0].title, "File Error");
        EXPECT_TRUE(d->isVisible());
        d->reject();
    }
    {
        UiHarness::Setup setup;
        setup.manualClock = true;
        UiHarness h(setup);
        h.printer.setUpWorks = false;
        h.StartAndIdle();
        h.Next();
        ui::FormPrint* d = OpenPrint(h);
        ASSERT_NE(d, nullptr);
        h.ProcessEvents();
        ASSERT_EQ(h.prompt.messages.size(), 1u);
        const ShownMessage& m = h.prompt.messages[0];
        EXPECT_EQ(m.title, "Printer error");
        EXPECT_EQ(m.text, "An error occured while attempting to communicate with the standard "
                          "printer, please check the availability and status of your printer.");
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
        EXPECT_FALSE(d->isVisible());
        // Back in the game, the clock runs again.
        h.clock.AdvanceSeconds(3);
        QTest::qWait(300);
        EXPECT_EQ(qobject_cast<QLabel*>(h.control("LabelTijd"))->text(), "00:03");
    }
}

// The picture is the first page for the current choices; a click redraws it
// (bench/print_bench times the redraw).
TEST(PrintDialog, ExamplePictureFollowsTheChoices) {
    UiHarness h;
    h.StartAndIdle();
    ui::FormPrint* d = OpenPrint(h);
    ASSERT_NE(d, nullptr);
    const QImage one = d->Example();
    d->grab().toImage().save(QString(DRAVIK_UI_TEST_OUTPUT "/print-dialog.png"));
    ClickOn(Child<QCheckBox>(d, "CheckSolution"));
    const QImage noSolution = d->Example();
    ClickOn(Child<QRadioButton>(d, "OptionAantal(2)"));
    const QImage four = d->Example();
    ClickOn(Child<QCheckBox>(d, "CheckPencils"));
    const QImage fourPlain = d->Example();
    Child<QComboBox>(d, "SudokuTypeKeuze")->setCurrentIndex(3);
    QTest::keyClick(Child<QComboBox>(d, "SudokuTypeKeuze"), Qt::Key_Down);
    const QImage otherLevel = d->Example();
    EXPECT_NE(one, noSolution);
    EXPECT_NE(noSolution, four);
    EXPECT_NE(four, fourPlain);
    EXPECT_NE(fourPlain, otherLevel);
    // The same choices draw the same picture.
    ClickOn(Child<QCheckBox>(d, "CheckPencils"));
    ClickOn(Child<QCheckBox>(d, "CheckPencils"));
    EXPECT_EQ(d->Example(), otherLevel);

    d->reject();
}

} // namespace
} // namespace dravik::test
