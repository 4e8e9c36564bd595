// The one reader of numbers typed by a player (the "Sudoku number" box, the
// print dialog's "From" box): the number a text begins with, the way a
// person would read it.
#pragma once

#include <optional>
#include <string_view>

namespace dravik {

// The leading number of `text`: blanks skipped, an optional sign, digits with
// an optional fraction and an exponent where digits follow its "e" ("1e2" is
// 100, "7e" is 7), rounded half to even. Nothing when there is no leading
// number or it is not finite.
std::optional<double> LeadingNumber(std::string_view text);

} // namespace dravik
