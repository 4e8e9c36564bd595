// The print dialog's rules without widgets: the range of numbers, the keys the
// "From" box takes, and the dialog's view through the choices.
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

// A whole opening: the kept options, the choices and the range they move,
// nothing kept before Keep; the next opening shows the kept options again.
TEST(PrintChoices, ViewFollowsTheChoicesAndEachOpeningShowsTheKeptOnes) {
    print::PrintOptions kept;
    kept.Level = 4;
    kept.Solutions = false;
    print::PrintChoices choices(kept);
    choices.Activate(true);
    print::PrintDialogView v{kept, "1", "to 1", true, true, ""};
    EXPECT_EQ(choices.View(), v);

    // Typed, the number is not yet the first; four per page confirm it, and
    // ten pages (15 is held at 10) bring it down to 61.
    choices.TypeFrom("80");
    choices.ChoosePerPage(2);
    v.values.PerPage = 4;
    v.values.First = 80;
    v.fromText = "80";
    v.toLabel = "to 83";
    EXPECT_EQ(choices.View(), v);
    choices.ChoosePages(15);
    v.values.Pages = 10;
    v.values.First = 61;
    v.fromText = "61";
    v.toLabel = "to 100";
    EXPECT_EQ(choices.View(), v);
    choices.TypeFrom("");
    for (int level : {5, 0, 6}) choices.ChooseLevel(level);
    choices.ChooseSolutions(true);
    choices.ChoosePencilMarks(false);
    v.values.Level = 5;
    v.values.Solutions = true;
    v.values.PencilMarks = false;
    v.fromText = "";
    EXPECT_EQ(choices.View(), v);

    EXPECT_EQ(kept.PerPage, 1);
    choices.Keep();
    EXPECT_EQ(kept, v.values);
    // Without a printer, Print is disabled and says why.
    choices.ChoosePerPage(0);
    choices.Activate(false);
    v.fromText = "61";
    v.printEnabled = false;
    v.printTip = print::kNoPrinterTip;
    EXPECT_EQ(choices.View(), v);
    EXPECT_EQ(print::PerPageOfOption(1), 2);
    EXPECT_EQ(print::OptionOfPerPage(4), 2);
}

} // namespace
} // namespace dravik::test
