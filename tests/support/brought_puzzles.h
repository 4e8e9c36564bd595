// Puzzles a player might bring from outside the stock: one the ladder grades
// as Medium and one it cannot finish.
#pragma once

namespace dravik::test {

inline constexpr const char* kMedium =
    "....362...4.8...6....4...89.3...74.5.7.....3.5.23...9.69...3....1...8.2...351....";
inline constexpr const char* kBeyond =
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..";

} // namespace dravik::test
