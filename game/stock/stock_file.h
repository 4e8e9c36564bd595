// The stock file "sudstock.kds": 500 records of 222 bytes, level 1's puzzles
// 1..100 first, then level 2's, and so on; little-endian, no header.
//
// Reading is strict: the file is used only when it is exactly 111,000 bytes and
// every record can be a puzzle of its set; only an impossible best time is
// forgiven (it reads as "no best time"). Writing is atomic: the whole file goes
// to a temporary file of its own in the same folder, which then replaces the old
// one (safe_files.h), so a failed write leaves the previous file as it was and
// two programs writing at once never damage it.
//
// Nothing here shows a message; every outcome comes back as a value, and the
// texts the window shows for them are below.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/base/file_names.h"
#include "game/platform/folders.h"
#include "game/stock/stock_record.h"

namespace dravik {

// --- Records ---------------------------------------------------------------

using RecordBytes = std::array<std::uint8_t, kStockRecordSize>;

// Field-by-field little-endian encoding of the 222-byte record.
RecordBytes EncodeRecord(const StockRecord& record);
StockRecord DecodeRecord(std::span<const std::uint8_t, kStockRecordSize> bytes);

// The whole file image (111,000 bytes) and back. DecodeStock does no checking.
std::vector<std::uint8_t> EncodeStock(const Stock& stock);
Stock DecodeStock(std::span<const std::uint8_t, kStockFileSize> bytes);

// Why a record cannot be a puzzle of set `level`, or empty when it can: the level
// field is the set's, givens are 0..9, the solution is a complete valid grid,
// every given agrees with it, and there are at least 17 givens and at least one
// empty cell (fewer givens never have one solution; a full grid is nothing to
// play).
std::string RecordProblem(const StockRecord& record, int level);

// True when the best-time fields can be a time the game recorded: minutes and
// seconds not negative, seconds at most 59, player not negative. (0:00 is "no
// best time".)
bool BestTimePossible(const StockRecord& record);

// --- Reading and writing ---------------------------------------------------

enum class StockReadError {
    kNone,
    kMissing,    // no such file
    kReadFailed, // it could not be opened or read
    kWrongSize,  // not exactly 111,000 bytes
    kBadRecord,  // a record that cannot be a puzzle of its set
};

// A best time the reader could not take, as the file held it.
struct ImpossibleBestTime {
    int record = 0; // 1..500
    int minutes = 0, seconds = 0, player = 0;
};

struct StockReadResult {
    StockReadError error = StockReadError::kNone;
    int record = 0;     // for kBadRecord: the record number, 1..500
    std::string detail; // what was wrong, for logs and the command line
    // Records whose best time was impossible (BestTimePossible): they were read
    // with no best time (minutes, seconds and player 0), the rest as stored.
    std::vector<ImpossibleBestTime> clearedBestTimes;
    bool ok() const { return error == StockReadError::kNone; }
};

// Reads the whole file into `stock`. On any failure `stock` is left unchanged.
StockReadResult ReadStock(const std::filesystem::path& file, Stock& stock);

struct StockWriteResult {
    bool ok = true;
    std::string detail;
};

// Writes all 500 records: a temporary file of this write beside `file`, synced,
// then renamed over it. On failure the temporary file is removed and `file` is
// untouched.
StockWriteResult WriteStock(const std::filesystem::path& file, const Stock& stock);

// Takes into `stock` each best time of `stored` that beats (or equals) the one
// `stock` holds for the same puzzle (same level, givens and solution): a
// record set meanwhile by another program stays the record. Records of other
// puzzles (a renewed set) are `stock`'s. Returns how many times were taken.
int KeepStoredBestTimes(Stock& stock, const Stock& stored);

// The game's write: reads `file` once more, keeps its better best times
// (KeepStoredBestTimes), then writes as WriteStock does. A file that cannot be
// read now is simply replaced.
StockWriteResult WriteStockKeepingBestTimes(const std::filesystem::path& file, const Stock& stock);

// --- Start-up --------------------------------------------------------------

// Copies `master` to `working` when nothing exists under the name `working`.
// False when the copy was needed and failed (no master, or one that is not
// 111,000 bytes). A working copy that another program makes meanwhile is kept.
bool EnsureStockFile(const std::filesystem::path& master, const std::filesystem::path& working);

enum class StockOpenStatus {
    kOk,        // the working copy was read
    kRecovered, // the working copy was unreadable: set aside, master copied again and read
    kFailed,    // no readable stock: the program cannot go on
};

struct StockOpenResult {
    StockOpenStatus status = StockOpenStatus::kFailed;
    StockReadResult firstRead;      // the read of the working copy as found
    std::filesystem::path setAside; // kRecovered: where the unreadable copy now is
    bool ok() const { return status != StockOpenStatus::kFailed; }
};

// The stock part of start-up: remove temporary files that killed writers left
// beside the working copy, make sure the working copy exists (copying the master
// when it is missing), read it, and when it is unreadable move it aside to
// "<file>.bad" (or "<file>.N.bad", the first free N; never deleting anything),
// copy the master again and read that. Only the master decides whether this can
// fail: kFailed means no readable stock could be had; show messages::kStockUnreadable,
// then messages::kStockMissing, and end.
// The master copy in the program folder and the working copy in the data folder.
std::filesystem::path MasterStockFile(const Folders& folders);
std::filesystem::path WorkingStockFile(const Folders& folders);

StockOpenResult OpenStock(const std::filesystem::path& master, const std::filesystem::path& working,
                          Stock& stock);

} // namespace dravik
