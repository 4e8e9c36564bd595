// The statistics file, "statistics.ini" in the player's data folder: read at
// start-up as untrusted input (a plain file of bounded size only) and written
// whole and atomically after every change, so that a kill at any moment
// leaves the last complete file.
#pragma once

#include <filesystem>
#include <string>

#include "game/players/statistics.h"

namespace dravik {

inline constexpr std::string_view kStatisticsFileName = "statistics.ini";
// Far more than 32767 players with every level counted take.
inline constexpr std::size_t kMaxStatisticsFileBytes = std::size_t{4} << 20;

struct StatisticsLoad {
    Statistics statistics; // empty when the file was missing or damaged
    // A damaged file (unreadable, not a plain file, too large, not in the
    // form WriteStatisticsText gives) has been moved here ("" when it was
    // fine or missing); `problem` says what was wrong.
    std::string setAside;
    std::string problem;
};

// Also removes the temporary files a killed write left behind.
StatisticsLoad LoadStatisticsFile(const std::filesystem::path& file);

class FileStatisticsStore final : public StatisticsStore {
  public:
    explicit FileStatisticsStore(std::filesystem::path file) : file_(std::move(file)) {}
    std::string Save(const Statistics& statistics) override;

  private:
    std::filesystem::path file_;
};

} // namespace dravik
