// The print dialog's rules without widgets: the range of numbers, the keys the
// "From" box takes, and the activation that must not raise changes.
#include <gtest/gtest.h>

#include "game/print/print_choices.h"

namespace dravik::test {
namespace {

using print::RangeUpdate;

TEST(PrintRange, LowersARunPastPuzzle100AndLiftsNothingToOne) {
    // 99 with 2 pages of 2: the last first number is 97, printing 97..100.
    EXPECT_EQ(print::UpdateRange("99", 2, 2), (RangeUpdate{"97", 97, "to 100"}));
    // 4 per page and 10 pages allow first numbers up to 61.
    EXPECT_EQ(print::UpdateRange("61", 4, 10), (RangeUpdate{"61", 61, "to 100"}));
    EXPECT_EQ(print::UpdateRange("62", 4, 10), (RangeUpdate{"61", 61, "to 100"}));
    EXPECT_EQ(print::LastFirstNumber(4, 10), 61);
    // 0, an empty box and blanks become 1.
    EXPECT_EQ(print::UpdateRange("0", 1, 1), (RangeUpdate{"1", 1, "to 1"}));
    EXPECT_EQ(print::UpdateRange("", 2, 3), (RangeUpdate{"1", 1, "to 6"}));
    EXPECT_EQ(print::UpdateRange("   ", 1, 1), (RangeUpdate{"1", 1, "to 1"}));
    // In range: kept, trailing blanks and leading zeros dropped.
    EXPECT_EQ(print::UpdateRange("42  ", 1, 1), (RangeUpdate{"42", 42, "to 42"}));
    EXPECT_EQ(print::UpdateRange("007", 4, 2), (RangeUpdate{"7", 7, "to 14"}));
    EXPECT_EQ(print::UpdateRange("100", 1, 1), (RangeUpdate{"100", 100, "to 100"}));
    // Pasted text: below 1 is refused (becomes 1), huge numbers are lowered,
    // a number with a fraction is rounded, text without a number is 0.
    EXPECT_EQ(print::UpdateRange("-5", 1, 1), (RangeUpdate{"1", 1, "to 1"}));
    EXPECT_EQ(print::UpdateRange("-99999", 1, 1), (RangeUpdate{"1", 1, "to 1"}));
    EXPECT_EQ(print::UpdateRange("99999999999", 2, 1), (RangeUpdate{"99", 99, "to 100"}));
    EXPECT_EQ(print::UpdateRange("12.5", 1, 1), (RangeUpdate{"12", 12, "to 12"}));
    EXPECT_EQ(print::UpdateRange("13.5", 1, 1), (RangeUpdate{"14", 14, "to 14"}));
    EXPECT_EQ(print::UpdateRange("abc", 1, 1), (RangeUpdate{"1", 1, "to 1"}));
    EXPECT_EQ(print::UpdateRange("12abc", 1, 1), (RangeUpdate{"12", 12, "to 12"}));
    EXPECT_EQ(print::NumberInText(" 40000"), 32767);
}

TEST(PrintRange, FromBoxTakesDigitsAndControlKeysAndEnterConfirms) {
    using print::FromKey;
    for (char32_t c = '0'; c <= '9'; ++c) EXPECT_EQ(print::FromBoxKey(c), FromKey::Pass);
    EXPECT_EQ(print::FromBoxKey(13), FromKey::SwallowAndUpdate);
    EXPECT_EQ(print::FromBoxKey(8), FromKey::Pass); // Backspace
    EXPECT_EQ(print::FromBoxKey(27), FromKey::Pass);
    EXPECT_EQ(print::FromBoxKey(127), FromKey::Pass); // Delete
    EXPECT_EQ(print::FromBoxKey(0x85), FromKey::Pass);
    for (char32_t c : {U' ', U'-', U'+', U'.', U'a', U'Z', U'~', U'\u00e9', U'\u0663'})
        EXPECT_EQ(print::FromBoxKey(c), FromKey::Swallow) << static_cast<int>(c);
}

TEST(PrintChoices, ActivationCopiesTheKeptOptionsAndRaisesNoChanges) {
    print::PrintOptions kept;
    kept.Level = 2;
    print::PrintChoices choices(kept);
    choices.BeginActivation();
    // What the widgets report while being set from the values changes nothing.
    EXPECT_FALSE(choices.ChoosePerPage(2));
    EXPECT_FALSE(choices.ChoosePages(7));
    choices.ChooseSolutions(false);
    choices.ChoosePencilMarks(false);
    choices.ChooseLevel(4);
    EXPECT_FALSE(choices.UpdateRange("50").has_value());
    EXPECT_EQ(choices.Values(), kept);
    choices.EndActivation();

    EXPECT_TRUE(choices.ChoosePerPage(2));
    EXPECT_TRUE(choices.ChoosePages(10));
    choices.ChooseSolutions(false);
    choices.ChooseLevel(4);
    const auto r = choices.UpdateRange("80");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->fromText, "61");
    EXPECT_EQ(choices.Values().First, 61);
    EXPECT_EQ(choices.Values().PerPage, 4);
    // Nothing reaches the kept options before Keep (Close or Print).
    EXPECT_EQ(kept.PerPage, 1);
    choices.Keep();
    EXPECT_EQ(kept.PerPage, 4);
    EXPECT_EQ(kept.Pages, 10);
    EXPECT_FALSE(kept.Solutions);
    EXPECT_TRUE(kept.PencilMarks);
    EXPECT_EQ(kept.First, 61);
    EXPECT_EQ(kept.Level, 4);
    EXPECT_EQ(print::PerPageOfOption(1), 2);
    EXPECT_EQ(print::OptionOfPerPage(4), 2);
}

} // namespace
} // namespace dravik::test
