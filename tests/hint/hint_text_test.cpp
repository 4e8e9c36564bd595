// What the window and the command show for a hint result.
#include <gtest/gtest.h>

#include "game/hint/hint_text.h"

namespace dravik {
namespace {

TEST(HintText, MessagesNameTheCellWithTheBoardsLabels) {
    auto wrong = HintMessageFor({HintKind::WrongDigit, -1, 12});
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->text, "The solution of cell B4 is incorrect!");
    EXPECT_EQ(wrong->title, "Bad solved cell");
    auto struck = HintMessageFor({HintKind::StruckMark, -1, 80});
    ASSERT_TRUE(struck);
    EXPECT_EQ(struck->text, "The pencilmark of cell J9 to solve this cell is incorrectly erased!");
    EXPECT_EQ(struck->title, "Bad solved cell");
    EXPECT_EQ(HintMessageFor({HintKind::WrongDigit, -1, 0})->text,
              "The solution of cell A1 is incorrect!");
    EXPECT_EQ(HintMessageFor({HintKind::StruckMark, -1, 72})->text.substr(0, 26),
              "The pencilmark of cell J1 ");
    for (HintKind kind : {HintKind::Nothing, HintKind::Technique, HintKind::LowLevel})
        EXPECT_FALSE(HintMessageFor({kind, 3, -1}));
    // The codes scripts read.
    EXPECT_EQ(HintCode({}), 0);
    EXPECT_EQ(HintCode({HintKind::Technique, 0, -1}), 1);
    EXPECT_EQ(HintCode({HintKind::Technique, 21, -1}), 22);
    EXPECT_EQ(HintCode({HintKind::WrongDigit, -1, 80}), 103);
    EXPECT_EQ(HintCode({HintKind::StruckMark, -1, 0}), 104);
    EXPECT_EQ(HintCode({HintKind::LowLevel}), 185);
}

TEST(HintText, EveryTechniqueHasItsHelpPage) {
    const std::array<std::string_view, 23> pages = {"",
                                                    "hidden_single.html",
                                                    "naked_single.html",
                                                    "pointing_pair___triple.html",
                                                    "box_line_reduction.html",
                                                    "naked_subset.html",
                                                    "naked_subset.html",
                                                    "hidden_subset.html",
                                                    "naked_subset.html",
                                                    "hidden_subset.html",
                                                    "naked_subset.html",
                                                    "x_wing.html",
                                                    "xy_wing.html",
                                                    "two_string_kite.html",
                                                    "skyscraper.html",
                                                    "swordfish.html",
                                                    "multi_value_x_wing.html",
                                                    "finned_x_wing.html",
                                                    "unique_rectangle.html",
                                                    "avoidable_rectangle.html",
                                                    "xyz_wing.html",
                                                    "empty_rectangle.html",
                                                    "jellyfish.html"};
    for (int t = -1; t < kTechniqueCount; ++t)
        EXPECT_EQ(TechniqueHelpPage(t), pages[static_cast<std::size_t>(t + 1)]);
    EXPECT_EQ(TechniqueHelpPage(kTechniqueCount), "");
}

TEST(HintText, TheStepReadsForPlayersAndForScripts) {
    // An X-Wing on 4 in rows B and F, columns 2 and 7, removing 4 from C2 and H7.
    HintStep step;
    step.technique = kXWing;
    for (int c : {10, 15, 46, 51}) step.pattern.AddCell(c);
    for (int u : {RowUnit(1), RowUnit(5), ColumnUnit(1), ColumnUnit(6)}) step.pattern.AddUnit(u);
    step.pattern.digits = DigitBit(4);
    step.changes = {{false, 4, 19}, {false, 4, 69}};
    EXPECT_EQ(ExplainStep(step),
              "X-Wing on 4: rows B and F, columns 2 and 7 \u2014 4 goes from C2 and H7");
    EXPECT_EQ(WhereText(step), "remove 4@C2 4@H7 pattern B2 B7 F2 F7");

    HintStep single;
    single.technique = kNakedSingle;
    single.pattern.AddCell(40);
    single.pattern.digits = DigitBit(7);
    single.changes = {{true, 7, 40}};
    EXPECT_EQ(ExplainStep(single),
              "Naked Single: 7 is the only mark left in E5 \u2014 place 7 in E5");
    EXPECT_EQ(WhereText(single), "place 7@E5 pattern E5");

    // A step that removes more than one digit names each digit with its cells.
    HintStep pair;
    pair.technique = kNakedPair;
    for (int c : {0, 1}) pair.pattern.AddCell(c);
    pair.pattern.AddUnit(RowUnit(0));
    pair.pattern.digits = DigitBit(3) | DigitBit(7);
    pair.changes = {{false, 3, 5}, {false, 7, 5}, {false, 7, 8}};
    EXPECT_EQ(ExplainStep(pair), "Naked Pair: in row A, A1 and A2 hold only 3 and 7 \u2014 3 goes "
                                 "from A6, 7 from A6 and A9");
    EXPECT_EQ(WhereText(pair), "remove 3@A6 7@A6 7@A9 pattern A1 A2");

    EXPECT_EQ(ExplainStep(HintStep{}), "");
    EXPECT_EQ(WhereText(HintStep{}), "");
}

} // namespace
} // namespace dravik
