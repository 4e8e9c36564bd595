// How each player does over time: per level the puzzles finished, the best
// and the average time, the last 20 times, the hints asked, the solutions
// shown and the puzzles given up. Free Play (player 0) has its own figures.
//
// The counting rules live here; the game calls them on its events and the
// statistics window only draws the result. The file form (statistics.ini
// beside the settings) is read as untrusted text: anything that is not
// exactly what WriteStatisticsText writes makes the whole text damaged.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "game/model/levels.h"

namespace dravik {

// How many of the latest times each level keeps for its chart.
inline constexpr int kRecentTimes = 20;
// The largest count or time the file holds; larger sums stop there.
inline constexpr std::int64_t kMaxStatisticValue = 2'000'000'000;

struct LevelFigures {
    std::int64_t finished = 0;       // completed by the player
    std::int64_t totalSeconds = 0;   // of the finished ones
    std::int64_t bestSeconds = 0;    // 0 = none yet
    std::int64_t hints = 0;          // hints asked
    std::int64_t solutions = 0;      // solutions shown
    std::int64_t abandoned = 0;      // given up unfinished
    std::deque<std::int64_t> recent; // the last kRecentTimes times, oldest first

    // Whole seconds, rounded down; 0 when nothing was finished.
    std::int64_t AverageSeconds() const { return finished > 0 ? totalSeconds / finished : 0; }
    bool Empty() const { return *this == LevelFigures{}; }
    friend bool operator==(const LevelFigures&, const LevelFigures&) = default;
};

struct PlayerStatistics {
    std::string name; // the name when last counted, for the reader of the file
    std::array<LevelFigures, kLevels + 1> levels{}; // by level 1..5, index 0 unused
    friend bool operator==(const PlayerStatistics&, const PlayerStatistics&) = default;
};

class Statistics;
std::optional<Statistics> ReadStatisticsText(std::string_view text, std::string* problem = nullptr);

class Statistics {
  public:
    // Player 0 is Free Play. `level` outside 1..5 counts nothing.
    void Finished(int player, std::string_view name, int level, std::int64_t seconds);
    void HintAsked(int player, std::string_view name, int level);
    void SolutionShown(int player, std::string_view name, int level);
    void Abandoned(int player, std::string_view name, int level);

    // The player's figures; all zero for a player never counted.
    const PlayerStatistics& Of(int player) const;
    const std::map<int, PlayerStatistics>& Players() const { return players_; }

    friend bool operator==(const Statistics&, const Statistics&) = default;

  private:
    friend std::optional<Statistics> ReadStatisticsText(std::string_view, std::string*);
    LevelFigures* At(int player, std::string_view name, int level);
    std::map<int, PlayerStatistics> players_;
};

// The section of a player in the file: "Free Play" or "Player 7".
std::string StatisticsSection(int player);

// The file's text: one section per counted player, one line per figure.
std::string WriteStatisticsText(const Statistics& statistics);
// The statistics the text holds, or nullopt (with `problem` set) when it is
// damaged in any way: an unknown line, a number out of range, a section twice.
// (Declared above the class, which lets it fill the figures.)

// Where the game keeps the statistics; the game saves after every change.
class StatisticsStore {
  public:
    virtual ~StatisticsStore() = default;
    // Stores the whole statistics: "" when done, else what failed.
    virtual std::string Save(const Statistics& statistics) = 0;
};

} // namespace dravik
