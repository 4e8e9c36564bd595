// The board's keys on a real X server with real keyboard layouts: the keys of
// the main row and of the keypad place and strike the digit of their place on
// the keyboard, whatever character the layout gives them. Run by
// keyboard_test.sh, which starts the server; the keys go in through XTest as
// the hardware key codes they are.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QStyleFactory>
#include <QTest>

#include "ui_harness.h"
#include "x_keys.h"

namespace dravik::test {
namespace {

// evdev key codes + 8, as the X server numbers the keys.
constexpr int kShift = 50;
constexpr int kControl = 37;
constexpr int kNumLock = 77;
int MainRowKey(int digit) {
    return 9 + digit;
}
int KeypadKey(int digit) {
    static constexpr int kKeypad[] = {87, 88, 89, 83, 84, 85, 79, 80, 81};
    return kKeypad[digit - 1];
}

class Keyboard {
  public:
    bool Open() const { return keys_.Open(); }
    // Presses `code` (with `modifier` held, 0 for none) and lets the game see it.
    void Press(int code, int modifier = 0) {
        keys_.Press(code, modifier);
        for (int i = 0; i < 10; ++i) QTest::qWait(5);
    }

  private:
    XKeys keys_;
};

bool SetLayout(const char* layout) {
    return QProcess::execute("setxkbmap", {"-layout", layout}) == 0;
}

// The first empty cell showing mark `digit`.
int CellShowing(UiHarness& h, int digit) {
    const ShownBoard b = h.shown();
    for (int c = 0; c < kCells; ++c)
        if (b.Played[c] == 0 && (b.PencilMarks[c] & DigitBit(digit))) return c;
    return -1;
}

TEST(Keyboard, EveryDigitKeyPlacesAndStrikesItsDigitOnUsGermanAndFrenchLayouts) {
    Keyboard keys;
    if (!keys.Open() || QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs an X server";
    UiHarness h;
    h.StartAndIdle();
    h.Click("OptionType(3)");
    h.Next();
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    keys.Press(kNumLock); // the keypad gives digits

    for (const char* layout : {"us", "de", "fr"}) {
        ASSERT_TRUE(SetLayout(layout)) << "setxkbmap " << layout;
        QTest::qWait(50);
        for (int digit = 1; digit <= 9; ++digit) {
            for (bool keypad : {false, true}) {
                const int code = keypad ? KeypadKey(digit) : MainRowKey(digit);
                const std::string what = std::string(layout) +
                                         (keypad ? " keypad " : " main row ") +
                                         std::to_string(digit);
                const int cell = CellShowing(h, digit);
                ASSERT_GE(cell, 0) << what;
                h.game().SetCursor(cell);
                keys.Press(code);
                EXPECT_EQ(h.shown().Played[cell], digit) << what;
                h.app->Controller().Do([](Game& g) { g.Undo(); });
                ASSERT_EQ(h.shown().Played[cell], 0) << what;
                for (int modifier : {kShift, kControl}) {
                    keys.Press(code, modifier);
                    EXPECT_FALSE(h.shown().PencilMarks[cell] & DigitBit(digit))
                        << what << (modifier == kShift ? " with Shift" : " with Ctrl");
                    EXPECT_EQ(h.view().CursorCell, cell) << what << ": the cursor stays";
                    h.app->Controller().Do([](Game& g) { g.Undo(); });
                }
            }
        }
    }
    // The zoom keys still zoom: Ctrl with the keys right of 0 ("-" and "="
    // on a US keyboard), where no digit lies.
    SetLayout("us");
    QTest::qWait(50);
    constexpr int kMinusKey = 20, kEqualKey = 21;
    keys.Press(kEqualKey, kControl);
    EXPECT_EQ(h.view().Zoom, 125);
    keys.Press(kMinusKey, kControl);
    EXPECT_EQ(h.view().Zoom, 100);
}

} // namespace
} // namespace dravik::test

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("SDL_AUDIODRIVER", "dummy");
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::puts("no DISPLAY: skipped");
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
