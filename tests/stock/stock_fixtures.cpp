#include "stock/stock_fixtures.h"

namespace dravik::test {

StockRecord MakeRecord(int level, const GeneratedPuzzle& puzzle, int shift) {
    StockRecord r;
    r.Level = static_cast<std::int16_t>(level);
    for (int c = 0; c < kCells; ++c) {
        const auto relabel = [shift](int d) {
            return static_cast<std::uint8_t>((d - 1 + shift) % 9 + 1);
        };
        r.Givens[c] = puzzle.givens[c] ? relabel(puzzle.givens[c]) : 0;
        r.Solution[c] = relabel(puzzle.solution[c]);
    }
    r.TechniqueCounts = puzzle.grading.counts;
    r.Score = puzzle.grading.score;
    return r;
}

Stock MakeValidStock() {
    Generator generator(2024);
    Solver solver;
    GeneratedPuzzle puzzles[5];
    for (auto& p : puzzles) p = *generator.Pass(solver);
    Stock stock;
    for (int level = 1; level <= kLevels; ++level)
        for (int number = 1; number <= kPuzzlesPerLevel; ++number) {
            const int i = Stock::RecordNumber(level, number);
            StockRecord r = MakeRecord(level, puzzles[i % 5], i % 9);
            r.Reserved1 = static_cast<std::int16_t>(-i);
            r.Reserved2 = static_cast<std::int16_t>(i * 61);
            r.BestMinutes = static_cast<std::int16_t>(i % 7 == 0 ? 0 : i);
            r.BestSeconds = static_cast<std::int16_t>(i % 60);
            r.BestPlayer = static_cast<std::int16_t>(i % 11);
            for (int t = 0; t < kTechniqueCount; ++t)
                r.TechniqueCounts[t] = static_cast<std::int16_t>(i * 37 + t * 1000 - 20000);
            r.Score = i * 1'000'003 - 200'000'000;
            stock(level, number) = r;
        }
    return stock;
}

} // namespace dravik::test
