// One puzzle of the stock and the stock itself (5 levels x 100 puzzles).
// The file layout (222 bytes per record, little-endian) is written and read
// field by field by the stock file code; this is the in-memory form.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "game/model/levels.h"
#include "game/model/techniques.h"

namespace dravik {

constexpr int kPuzzlesPerLevel = 100;
constexpr std::size_t kStockRecordSize = 222;
constexpr std::size_t kStockFileSize = kStockRecordSize * kLevels * kPuzzlesPerLevel; // 111,000

struct StockRecord {
    std::int16_t Level = 0;                  // the level of the set the record belongs to, 1..5
    std::int16_t Reserved1 = 0;              // never interpreted; kept as the slot held it
    std::int16_t Reserved2 = 0;              // never interpreted; 0 for a new puzzle
    std::array<std::uint8_t, 81> Givens{};   // 0 empty, 1..9 given
    std::array<std::uint8_t, 81> Solution{}; // 1..9
    std::int16_t BestMinutes = 0;
    std::int16_t BestSeconds = 0;
    std::int16_t BestPlayer = 0; // position in the player list
    std::array<std::int16_t, kTechniqueCount> TechniqueCounts{};
    std::int32_t Score = 0;

    bool HasBestTime() const { return BestMinutes != 0 || BestSeconds != 0; }
    int BestTimeSeconds() const { return BestMinutes * 60 + BestSeconds; }

    friend bool operator==(const StockRecord&, const StockRecord&) = default;
};

// The whole stock: Stock(level 1..5, number 1..100).
class Stock {
  public:
    StockRecord& operator()(int level, int number) { return records_.at(Index(level, number)); }
    const StockRecord& operator()(int level, int number) const {
        return records_.at(Index(level, number));
    }
    // Record number in the file, 1..500.
    static constexpr int RecordNumber(int level, int number) {
        return kPuzzlesPerLevel * (level - 1) + number;
    }
    std::array<StockRecord, kLevels * kPuzzlesPerLevel>& Records() { return records_; }
    const std::array<StockRecord, kLevels * kPuzzlesPerLevel>& Records() const { return records_; }

    friend bool operator==(const Stock&, const Stock&) = default;

  private:
    static std::size_t Index(int level, int number) {
        return static_cast<std::size_t>(RecordNumber(level, number) - 1);
    }
    std::array<StockRecord, kLevels * kPuzzlesPerLevel> records_{};
};

} // namespace dravik
