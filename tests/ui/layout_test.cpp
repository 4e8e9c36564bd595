// The window's layout table and the board's hit test, without Qt.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "game/ui/layout.h"

namespace dravik::ui {
namespace {

std::array<std::uint16_t, kCells> AllMarksShown() {
    std::array<std::uint16_t, kCells> m{};
    m.fill(kAllCandidates);
    return m;
}

// The table is built at compile time.
static_assert(kMainControls[0].name == "CommandHelp");
static_assert(kMainControls[kMainControlCount - 1].name == "ProgressBar1");
static_assert(kFrameLines[0].pixels == 4);

TEST(Layout, EveryControlHasAUniqueNameAndLiesInsideItsParent) {
    std::set<std::string> names;
    for (const ControlSpec& c : MainControls()) {
        ASSERT_FALSE(c.name.empty());
        EXPECT_TRUE(names.insert(c.ObjectName()).second) << c.ObjectName();
        TwipRect parent = {0, 0, kClientWidthTwips, kClientHeightTwips - kStatusBarHeightTwips};
        if (!c.parent.empty()) {
            const ControlSpec* p = FindControl(c.parent);
            ASSERT_NE(p, nullptr) << c.ObjectName();
            parent = {0, 0, p->rect.width, p->rect.height};
        }
        EXPECT_GE(c.rect.left, parent.left) << c.ObjectName();
        EXPECT_GE(c.rect.top, parent.top) << c.ObjectName();
        EXPECT_LE(c.rect.right(), parent.right()) << c.ObjectName();
        EXPECT_LE(c.rect.bottom(), parent.bottom()) << c.ObjectName();
    }
    EXPECT_EQ(names.size(), kMainControlCount);
    int panelWidth = 0;
    for (int w : kStatusPanelWidthsTwips) panelWidth += w;
    EXPECT_EQ(panelWidth, kClientWidthTwips);
}

TEST(Layout, TheTablesPlacesColoursAndCaptions) {
    // A few entries as the window's design gives them, in twips.
    EXPECT_EQ(FindControl("CommandNew")->rect, (TwipRect{840, 9000, 855, 375}));
    EXPECT_EQ(FindControl("CommandSolution")->back, FromBgr(0x8080FF));
    EXPECT_EQ(*FindControl("CommandSolution")->back, (Rgb{255, 128, 128}));
    EXPECT_EQ(FindControl("LabelTijd")->tooltip, "Elapsed time");
    EXPECT_EQ(FindControl("LabelStap")->tooltip, "Step counter");
    EXPECT_EQ(FindControl("RenewLevel", 3)->tooltip, "Renew Level");
    EXPECT_EQ(FindControl("Picture1")->tooltip, "Click for KVX-Software website");
    // The option buttons sit at (9120, 1320 + 240 (L - 1)) in the window.
    const ControlSpec* panel = FindControl("Picture2");
    for (int level = 1; level <= 5; ++level) {
        const ControlSpec* o = FindControl("OptionType", level);
        EXPECT_EQ(panel->rect.left + o->rect.left, 9120);
        EXPECT_EQ(panel->rect.top + o->rect.top, 1320 + 240 * (level - 1));
        EXPECT_EQ(*o->back, TierColour(level));
    }
    // The technique panel: the caption and the count of technique k share the tier colour.
    for (int k = 0; k < kTechniqueCount; ++k) {
        const ControlSpec* name = FindControl("LabelCount", k);
        const ControlSpec* count = FindControl("LabelCount", kTechniqueCount + k);
        EXPECT_EQ(name->caption, kTechniqueTable[k].caption);
        EXPECT_EQ(name->rect, (TwipRect{9000, 2760 + 240 * k, 1335, 255}));
        EXPECT_EQ(count->rect, (TwipRect{10320, 2760 + 240 * k, 255, 255}));
        EXPECT_EQ(count->align, Align::Right);
        EXPECT_EQ(*name->back, *count->back);
        EXPECT_EQ(*name->back, TierColour(kTechniqueTable[k].tier));
    }
    EXPECT_EQ(TierColour(1), (Rgb{255, 255, 255}));
    EXPECT_EQ(TierColour(5), (Rgb{192, 192, 255}));
}

TEST(Layout, BoardCoordinates) {
    EXPECT_EQ(MarkRect(0, 1).left, 960);
    EXPECT_EQ(MarkRect(0, 1).top, 960);
    EXPECT_EQ(MarkRect(80, 9).left, 8400);
    EXPECT_EQ(MarkRect(80, 9).top, 8400);
    EXPECT_EQ(CellLeft(3), 3600) << "boxes are 120 twips further apart than cells";
    EXPECT_EQ(RowLabelRect(8), (TwipRect{120, CellTop(8) + 120, 510, 510}));
    EXPECT_EQ(ColumnLabelRect(0), (TwipRect{1080, 120, 510, 510}));
    // Every coordinate falls on a whole pixel.
    for (int cell = 0; cell < kCells; ++cell)
        for (int d = 1; d <= 9; ++d) EXPECT_EQ(MarkRect(cell, d).left % kTwipsPerPixel, 0);
    int thick = 0;
    for (const FrameLine& l : FrameLines()) thick += l.pixels == 4;
    EXPECT_EQ(thick, 8);
}

TEST(HitTest, PointsFindTheirLabelAndTheirPlaceInIt) {
    const auto all = AllMarksShown();
    // The centre of mark 5 of cell 40 (E5).
    TwipRect m = MarkRect(40, 5);
    EXPECT_EQ(HitBoard(m.left + 120, m.top + 120, all),
              (BoardHit{BoardHit::Kind::Mark, 40, 5, -1, 120, 120}));
    // Marks overlap by 15 twips: the later one lies on top.
    TwipRect m1 = MarkRect(0, 1);
    EXPECT_EQ(HitBoard(m1.left + 240, m1.top + 30, all).digit, 2);
    EXPECT_EQ(HitBoard(m1.left + 240, m1.top + 30, all).x, 0);
    // A hidden mark is not there: the one below it takes the point.
    auto marks = all;
    marks[0] &= static_cast<std::uint16_t>(~DigitBit(2));
    EXPECT_EQ(HitBoard(m1.left + 240, m1.top + 30, marks).digit, 1);
    EXPECT_EQ(HitBoard(m1.left + 240, m1.top + 30, marks).x, 240);
    marks[0] = 0;
    EXPECT_EQ(HitBoard(m1.left + 30, m1.top + 30, marks).kind, BoardHit::Kind::None);
    // Row and column labels, the frame and the gaps between cells.
    EXPECT_EQ(HitBoard(130, CellTop(4) + 130, all),
              (BoardHit{BoardHit::Kind::RowLabel, -1, 0, 4, 10, 10}));
    EXPECT_EQ(HitBoard(CellLeft(8) + 125, 125, all).line, 8);
    EXPECT_EQ(HitBoard(CellLeft(8) + 125, 125, all).kind, BoardHit::Kind::ColumnLabel);
    EXPECT_EQ(HitBoard(900, 900, all).kind, BoardHit::Kind::None);
    EXPECT_EQ(HitBoard(CellLeft(3) - 60, CellTop(0) + 100, all).kind, BoardHit::Kind::None);
}

TEST(HitTest, AReleaseIsReportedToTheLabelThatCaughtThePress) {
    const BoardHit pressed =
        HitBoard(MarkRect(10, 4).left + 100, MarkRect(10, 4).top + 100, AllMarksShown());
    BoardHit released = Relative(pressed, MarkRect(10, 4).left - 45, MarkRect(10, 4).top + 300);
    EXPECT_EQ(released.cell, 10);
    EXPECT_EQ(released.digit, 4);
    EXPECT_EQ(released.x, -45);
    EXPECT_EQ(released.y, 300);
    EXPECT_EQ(Relative(BoardHit{}, 5, 5).kind, BoardHit::Kind::None);
}

} // namespace
} // namespace dravik::ui
