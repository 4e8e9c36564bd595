#include "game/stock/stock_file.h"

#include <system_error>

#include "game/model/grid.h"
#include "game/platform/safe_files.h"

namespace dravik {

namespace fs = std::filesystem;

namespace {

// Field offsets of the record.
constexpr std::size_t kLevelAt = 0;
constexpr std::size_t kReserved1At = 2;
constexpr std::size_t kReserved2At = 4;
constexpr std::size_t kGivensAt = 6;
constexpr std::size_t kSolutionAt = 87;
constexpr std::size_t kBestMinutesAt = 168;
constexpr std::size_t kBestSecondsAt = 170;
constexpr std::size_t kBestPlayerAt = 172;
constexpr std::size_t kCountsAt = 174;
constexpr std::size_t kScoreAt = 218;
static_assert(kScoreAt + 4 == kStockRecordSize);
static_assert(kCountsAt + 2 * kTechniqueCount == kScoreAt);

void Put16(RecordBytes& b, std::size_t at, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    b[at] = static_cast<std::uint8_t>(u & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(u >> 8);
}

void Put32(RecordBytes& b, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
}

std::int16_t Get16(std::span<const std::uint8_t, kStockRecordSize> b, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)));
}

std::int32_t Get32(std::span<const std::uint8_t, kStockRecordSize> b, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

bool IsValidCompleteGrid(const std::array<std::uint8_t, 81>& g) {
    // Every row, column and box holds the digits 1..9 once.
    for (const auto& unit : kUnitCells) {
        unsigned seen = 0;
        for (const int cell : unit) {
            const int d = g[cell];
            if (d < 1 || d > 9) return false;
            seen |= 1u << d;
        }
        if (seen != 0x3FE) return false;
    }
    return true;
}

// Reads `file` when it is a plain file of at most `limit` bytes (never
// waiting on a pipe put under its name); `tooLong` tells whether it is longer.
bool ReadAtMost(const fs::path& file, std::size_t limit, std::vector<std::uint8_t>& bytes,
                bool& tooLong) {
    const FileReadResult read = ReadRegularFile(file, limit, bytes);
    tooLong = read.problem == ReadProblem::kTooLarge;
    return read.ok() || tooLong;
}

} // namespace

RecordBytes EncodeRecord(const StockRecord& r) {
    RecordBytes b{};
    Put16(b, kLevelAt, r.Level);
    Put16(b, kReserved1At, r.Reserved1);
    Put16(b, kReserved2At, r.Reserved2);
    for (int c = 0; c < kCells; ++c) {
        b[kGivensAt + c] = r.Givens[c];
        b[kSolutionAt + c] = r.Solution[c];
    }
    Put16(b, kBestMinutesAt, r.BestMinutes);
    Put16(b, kBestSecondsAt, r.BestSeconds);
    Put16(b, kBestPlayerAt, r.BestPlayer);
    for (int i = 0; i < kTechniqueCount; ++i) Put16(b, kCountsAt + 2 * i, r.TechniqueCounts[i]);
    Put32(b, kScoreAt, r.Score);
    return b;
}

StockRecord DecodeRecord(std::span<const std::uint8_t, kStockRecordSize> b) {
    StockRecord r;
    r.Level = Get16(b, kLevelAt);
    r.Reserved1 = Get16(b, kReserved1At);
    r.Reserved2 = Get16(b, kReserved2At);
    for (int c = 0; c < kCells; ++c) {
        r.Givens[c] = b[kGivensAt + c];
        r.Solution[c] = b[kSolutionAt + c];
    }
    r.BestMinutes = Get16(b, kBestMinutesAt);
    r.BestSeconds = Get16(b, kBestSecondsAt);
    r.BestPlayer = Get16(b, kBestPlayerAt);
    for (int i = 0; i < kTechniqueCount; ++i) r.TechniqueCounts[i] = Get16(b, kCountsAt + 2 * i);
    r.Score = Get32(b, kScoreAt);
    return r;
}

std::vector<std::uint8_t> EncodeStock(const Stock& stock) {
    std::vector<std::uint8_t> out;
    out.reserve(kStockFileSize);
    for (const auto& record : stock.Records()) {
        const RecordBytes b = EncodeRecord(record);
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

Stock DecodeStock(std::span<const std::uint8_t, kStockFileSize> bytes) {
    Stock stock;
    auto& records = stock.Records();
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i] = DecodeRecord(bytes.subspan(i * kStockRecordSize).first<kStockRecordSize>());
    return stock;
}

// No puzzle with fewer givens has a single solution.
constexpr int kMinimumGivens = 17;

std::string RecordProblem(const StockRecord& r, int level) {
    if (r.Level != level)
        return "level field is " + std::to_string(r.Level) + ", not " + std::to_string(level);
    for (int c = 0; c < kCells; ++c)
        if (r.Givens[c] > 9) return "given out of range at cell " + std::to_string(c);
    for (int c = 0; c < kCells; ++c)
        if (r.Solution[c] < 1 || r.Solution[c] > 9)
            return "solution digit out of range at cell " + std::to_string(c);
    if (!IsValidCompleteGrid(r.Solution)) return "solution is not a valid grid";
    for (int c = 0; c < kCells; ++c)
        if (r.Givens[c] != 0 && r.Givens[c] != r.Solution[c])
            return "given does not match the solution at cell " + std::to_string(c);
    int givens = 0;
    for (const auto g : r.Givens) givens += g != 0;
    if (givens < kMinimumGivens)
        return "only " + std::to_string(givens) + " givens, fewer than " +
               std::to_string(kMinimumGivens);
    if (givens == kCells) return "no empty cell";
    return {};
}

bool BestTimePossible(const StockRecord& r) {
    return r.BestMinutes >= 0 && r.BestSeconds >= 0 && r.BestSeconds <= 59 && r.BestPlayer >= 0;
}

StockReadResult ReadStock(const fs::path& file, Stock& stock) {
    StockReadResult result;
    std::error_code ec;
    const auto status = fs::status(file, ec);
    if (ec || !fs::exists(status)) {
        result.error = StockReadError::kMissing;
        result.detail = "no file " + file.string();
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.error = StockReadError::kReadFailed;
        result.detail = file.string() + " is not a file";
        return result;
    }
    // Read one byte more than a stock holds, to see a file that is too long.
    std::vector<std::uint8_t> bytes;
    bool tooLong = false;
    if (!ReadAtMost(file, kStockFileSize, bytes, tooLong)) {
        result.error = StockReadError::kReadFailed;
        result.detail = "cannot read " + file.string();
        return result;
    }
    if (tooLong || bytes.size() != kStockFileSize) {
        result.error = StockReadError::kWrongSize;
        result.detail = tooLong ? "file is longer than 111000 bytes"
                                : "file is " + std::to_string(bytes.size()) + " bytes, not 111000";
        return result;
    }
    Stock read =
        DecodeStock(std::span<const std::uint8_t, kStockFileSize>(bytes.data(), kStockFileSize));
    for (int level = 1; level <= kLevels; ++level)
        for (int number = 1; number <= kPuzzlesPerLevel; ++number) {
            std::string why = RecordProblem(read(level, number), level);
            if (!why.empty()) {
                result.error = StockReadError::kBadRecord;
                result.record = Stock::RecordNumber(level, number);
                result.detail = "record " + std::to_string(result.record) + ": " + why;
                return result;
            }
        }
    // An impossible best time would block every new one for its puzzle; the
    // puzzle itself is fine, so only the time goes.
    for (int level = 1; level <= kLevels; ++level)
        for (int number = 1; number <= kPuzzlesPerLevel; ++number) {
            StockRecord& r = read(level, number);
            if (BestTimePossible(r)) continue;
            result.clearedBestTimes.push_back(
                {Stock::RecordNumber(level, number), r.BestMinutes, r.BestSeconds, r.BestPlayer});
            r.BestMinutes = r.BestSeconds = r.BestPlayer = 0;
        }
    stock = read;
    return result;
}

StockWriteResult WriteStock(const fs::path& file, const Stock& stock) {
    const std::vector<std::uint8_t> bytes = EncodeStock(stock);
    const FileWriteResult written = WriteWholeFile(file, bytes);
    return {written.ok, written.detail};
}

int KeepStoredBestTimes(Stock& stock, const Stock& stored) {
    int taken = 0;
    for (std::size_t i = 0; i < stock.Records().size(); ++i) {
        StockRecord& mine = stock.Records()[i];
        const StockRecord& theirs = stored.Records()[i];
        if (!theirs.HasBestTime() || !BestTimePossible(theirs)) continue;
        if (theirs.Level != mine.Level || theirs.Givens != mine.Givens ||
            theirs.Solution != mine.Solution)
            continue;
        if (mine.HasBestTime() && mine.BestTimeSeconds() < theirs.BestTimeSeconds()) continue;
        if (mine.BestMinutes == theirs.BestMinutes && mine.BestSeconds == theirs.BestSeconds &&
            mine.BestPlayer == theirs.BestPlayer)
            continue;
        mine.BestMinutes = theirs.BestMinutes;
        mine.BestSeconds = theirs.BestSeconds;
        mine.BestPlayer = theirs.BestPlayer;
        ++taken;
    }
    return taken;
}

StockWriteResult WriteStockKeepingBestTimes(const fs::path& file, const Stock& stock) {
    Stock stored;
    if (!ReadStock(file, stored).ok()) return WriteStock(file, stock);
    Stock merged = stock;
    KeepStoredBestTimes(merged, stored);
    return WriteStock(file, merged);
}

bool EnsureStockFile(const fs::path& master, const fs::path& working) {
    std::error_code ec;
    // Anything under the name (even a broken link) is the working copy; reading
    // it decides whether it is usable.
    if (fs::exists(fs::symlink_status(working, ec))) return true;
    std::vector<std::uint8_t> bytes;
    bool tooLong = false;
    if (!ReadAtMost(master, kStockFileSize, bytes, tooLong) || tooLong ||
        bytes.size() != kStockFileSize)
        return false;
    // Through a temporary file, so an interrupted copy never leaves a short
    // working copy; and never over a copy that another start made meanwhile.
    return WriteWholeFile(working, bytes, ExistingTarget::kKeepExisting).ok;
}

StockOpenResult OpenStock(const fs::path& master, const fs::path& working, Stock& stock) {
    StockOpenResult result;
    RemoveLeftoverTemporaryFiles(working);
    EnsureStockFile(master, working);
    result.firstRead = ReadStock(working, stock);
    if (result.firstRead.ok()) {
        result.status = StockOpenStatus::kOk;
        return result;
    }
    std::error_code ec;
    if (fs::exists(fs::symlink_status(working, ec))) {
        // Keep the unreadable copy for the player, under a name nobody else uses.
        fs::path aside = SetAside(working);
        if (aside.empty()) return result;
        result.setAside = std::move(aside);
    }
    if (!EnsureStockFile(master, working)) return result;
    if (ReadStock(working, stock).ok()) result.status = StockOpenStatus::kRecovered;
    return result;
}

std::filesystem::path MasterStockFile(const Folders& folders) {
    return std::filesystem::path(folders.ProgramFolder + std::string(kStockFileName));
}

std::filesystem::path WorkingStockFile(const Folders& folders) {
    return std::filesystem::path(folders.DataFolder + std::string(kStockFileName));
}

} // namespace dravik
