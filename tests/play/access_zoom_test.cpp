// The screen reader's names of the board and the counts, and the zoom setting
// through the game: the names follow the board as the player plays it and
// never tell a mistake; the zoom steps, is stored at once, and a stored value
// is read as untrusted.
#include <gtest/gtest.h>

#include "game/play/accessible_names.h"
#include "play_fixture.h"

namespace dravik::test {
namespace {

TEST(AccessibleNames, CellsReadTheirPlaceAndWhatTheyShowAndNeverAMistake) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(3, 1);
    const ShownBoard b = h.board();
    // The first given and the first empty cell.
    int given = -1, empty = -1;
    for (int c = kCells - 1; c >= 0; --c) (b.Givens[c] ? given : empty) = c;
    ASSERT_GE(given, 0);
    ASSERT_GE(empty, 0);
    auto name = [&h](int cell) { return CellAccessibleName(cell, h.view().Cells[cell]); };
    const std::string where(CellName(empty).data(), 2);
    EXPECT_EQ(name(given), std::string(CellName(given).data(), 2) + ", given " +
                               std::to_string(b.Givens[given]));

    // The marks in ascending order, as the cell shows them.
    std::string marks;
    for (int d = 1; d <= 9; ++d)
        if (b.PencilMarks[empty] & DigitBit(d)) marks += " " + std::to_string(d);
    EXPECT_EQ(name(empty), where + ", empty, marks" + marks);

    // A wrong digit reads like any placed digit.
    int wrong = 0;
    for (int d = 1; d <= 9 && !wrong; ++d)
        if (d != b.Solution[empty] && (b.PencilMarks[empty] & DigitBit(d))) wrong = d;
    ASSERT_NE(wrong, 0);
    h.Place(empty, wrong);
    EXPECT_EQ(name(empty), where + ", " + std::to_string(wrong));
    h.game->Undo();
    EXPECT_EQ(name(empty), where + ", empty, marks" + marks);

    // Rows run A to J without I; a cell without marks says only that it is empty.
    CellView bare;
    bare.MarksShown = 0;
    EXPECT_EQ(CellAccessibleName(80, bare), "J9, empty");
    EXPECT_EQ(CellAccessibleName(8 * 9, CellView{}), "J1, empty, marks 1 2 3 4 5 6 7 8 9");
    EXPECT_EQ(CellAccessibleName(9 * 7 + 8, CellView{6, DigitColour::Normal, 0}), "H9, 6");

    EXPECT_EQ(ClockAccessibleName("00:03"), "Time 00:03");
    EXPECT_EQ(TechniqueCountAccessibleName(TechniqueByCaption("Skyscraper"), "1"), "Skyscraper: 1");
    EXPECT_EQ(TechniqueCountAccessibleName(0, ""), "Hidden Single");
    EXPECT_EQ(RenewAccessibleName(4), "Renew Hard");
}

TEST(Zoom, StepsAreStoredAtOnceAndAStoredValueIsReadAsTheNearestStep) {
    const std::pair<const char*, int> read[] = {
        {"100", 100},    {"125", 125},        {" 150 ", 150}, {"175", 175}, {"200", 200},
        {"160", 150},    {"163", 175},        {"112", 100},   {"113", 125}, {"0", 100},
        {"999999", 200}, {"-150", 100},       {"150%", 100},  {"1e3", 100}, {"", 100},
        {"abc", 100},    {"12345678901", 100}};
    for (const auto& [text, zoom] : read) EXPECT_EQ(ZoomFromText(text), zoom) << text;

    PlayHarness h;
    h.settings.Put(kSectionOptions, kKeyZoom, "163");
    h.StartAndIdle();
    EXPECT_EQ(h.view().Zoom, 175);
    const int before = h.settings.Writes();
    h.game->ZoomIn();
    EXPECT_EQ(h.view().Zoom, 200);
    EXPECT_EQ(h.settings.Get(kSectionOptions, kKeyZoom), "200");
    EXPECT_FALSE(h.game->CanZoomIn());
    h.game->ZoomIn(); // at the largest: nothing changes, nothing is written
    EXPECT_EQ(h.settings.Writes(), before + 1);
    for (int expected : {175, 150, 125, 100, 100}) {
        h.game->ZoomOut();
        EXPECT_EQ(h.view().Zoom, expected);
    }
    EXPECT_FALSE(h.game->CanZoomOut());
    h.game->ZoomIn();
    h.game->ZoomReset();
    EXPECT_EQ(h.view().Zoom, 100);
    EXPECT_EQ(h.settings.Get(kSectionOptions, kKeyZoom), "100");
}

} // namespace
} // namespace dravik::test
