// The zoom setting through the game, and the edges of the cell-name rule that
// the screen reader's walk (tests/ui/accessibility_test.sh) does not reach.
#include <gtest/gtest.h>

#include "game/play/accessible_names.h"
#include "play_fixture.h"

namespace dravik::test {
namespace {

TEST(AccessibleNames, RowsRunAToJWithoutIAndABareCellIsOnlyEmpty) {
    EXPECT_EQ(CellAccessibleName(80, CellView{0, DigitColour::Normal, 0}), "J9, empty");
    EXPECT_EQ(CellAccessibleName(72, CellView{}), "J1, empty, marks 1 2 3 4 5 6 7 8 9");
    EXPECT_EQ(CellAccessibleName(71, CellView{6, DigitColour::Normal, 0}), "H9, 6");
    EXPECT_EQ(TechniqueCountAccessibleName(0, ""), "Hidden Single");
}

TEST(Zoom, StepsAreStoredAtOnceAndAStoredValueIsReadAsTheNearestStep) {
    const std::pair<const char*, int> read[] = {
        {"125", 125},  {" 150 ", 150}, {"200", 200}, {"160", 150},        {"163", 175},
        {"112", 100},  {"113", 125},   {"0", 100},   {"999999", 200},     {"-150", 100},
        {"150%", 100}, {"1e3", 100},   {"", 100},    {"12345678901", 100}};
    for (const auto& [text, zoom] : read) EXPECT_EQ(ZoomFromText(text), zoom) << text;

    PlayHarness h;
    h.settings.Put(kSectionOptions, kKeyZoom, "163");
    h.StartAndIdle();
    EXPECT_EQ(h.view().Zoom, 175);
    const int before = h.settings.Writes();
    h.game->ZoomIn();
    EXPECT_EQ(h.settings.Get(kSectionOptions, kKeyZoom), "200");
    EXPECT_FALSE(h.game->CanZoomIn());
    h.game->ZoomIn(); // at the largest: nothing changes, nothing is written
    EXPECT_EQ(h.settings.Writes(), before + 1);
    for (int expected : {175, 150, 125, 100, 100}) {
        h.game->ZoomOut();
        EXPECT_EQ(h.view().Zoom, expected);
    }
    h.game->ZoomIn();
    h.game->ZoomReset();
    EXPECT_EQ(h.settings.Get(kSectionOptions, kKeyZoom), "100");
}

} // namespace
} // namespace dravik::test
