// Stocks and records for the stock tests, made quickly from a few generated puzzles.
#pragma once

#include "game/stock/generator.h"
#include "game/stock/stock_record.h"
#include "support/temp_folder.h"

namespace dravik::test {

// A record of `level` holding `puzzle` with its digits relabelled by `shift`
// (1 -> 1 + shift, ...), so records differ while staying valid.
StockRecord MakeRecord(int level, const GeneratedPuzzle& puzzle, int shift);

// 500 valid records whose every field differs from record to record, including
// values that need all 16 or 32 bits (negative numbers, high bytes).
Stock MakeValidStock();

} // namespace dravik::test
