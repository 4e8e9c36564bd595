// Time texts and the best-time statistics of a level.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/model/levels.h"

namespace dravik {

class Stock;

// mm:ss with two-digit minutes and seconds; minutes from 100 on show modulo 100.
std::string FormatTime(int seconds);

struct LevelTimes {
    int Count = 0;   // records with a best time
    int Best = 0;    // the shortest, in seconds
    int Average = 0; // rounded down
};

// Over the 100 records of `level` (1..5).
LevelTimes LevelStatistics(const Stock& stock, int level);

// The leading number of an answer to "Sudoku number": blanks skipped, a
// decimal value rounded half to even; 0 when there is no leading number or it
// does not fit in 16 bits.
int LeadingNumber(std::string_view text);

} // namespace dravik
