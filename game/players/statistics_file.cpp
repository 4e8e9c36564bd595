#include "game/players/statistics_file.h"

#include <cstdint>
#include <vector>

#include "game/platform/safe_files.h"

namespace dravik {

StatisticsLoad LoadStatisticsFile(const std::filesystem::path& file) {
    StatisticsLoad load;
    // A game killed while writing leaves its temporary file; the last whole
    // file is what counts.
    RemoveLeftoverTemporaryFiles(file);
    std::vector<std::uint8_t> bytes;
    const FileReadResult read = ReadRegularFile(file, kMaxStatisticsFileBytes, bytes);
    if (read.problem == ReadProblem::kMissing) return load; // a first start
    if (read.ok()) {
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        std::string why;
        if (std::optional<Statistics> s = ReadStatisticsText(text, &why)) {
            load.statistics = std::move(*s);
            return load;
        }
        load.problem = why;
    } else {
        load.problem = read.detail;
    }
    // Kept for the player to look at; the game starts counting afresh.
    std::string detail;
    load.setAside = SetAside(file, &detail).string();
    if (load.setAside.empty()) load.setAside = file.string() + " (" + detail + ")";
    return load;
}

std::string FileStatisticsStore::Save(const Statistics& statistics) {
    const std::string text = WriteStatisticsText(statistics);
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    const FileWriteResult written =
        WriteWholeFile(file_, std::span<const std::uint8_t>(data, text.size()));
    if (written.ok) return {};
    return written.detail.empty() ? "the file cannot be written" : written.detail;
}

} // namespace dravik
