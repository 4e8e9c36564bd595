#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "game/platform/folders.h"
#include "game/platform/safe_files.h"
#include "game/stock/stock_file.h"
#include "stock/stock_fixtures.h"
#include "support/child_process.h"

namespace dravik {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

std::vector<std::uint8_t> ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The names of the temporary files of `file` in its folder, sorted.
std::vector<std::string> TemporaryFilesOf(const fs::path& file) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && IsTemporaryFileOf(file, name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Compares two records field by field, so a failure names the field.
void ExpectSameRecord(const StockRecord& a, const StockRecord& b, int recordNumber) {
    SCOPED_TRACE("record " + std::to_string(recordNumber));
    EXPECT_EQ(a.Level, b.Level);
    EXPECT_EQ(a.Reserved1, b.Reserved1);
    EXPECT_EQ(a.Reserved2, b.Reserved2);
    EXPECT_EQ(a.Givens, b.Givens);
    EXPECT_EQ(a.Solution, b.Solution);
    EXPECT_EQ(a.BestMinutes, b.BestMinutes);
    EXPECT_EQ(a.BestSeconds, b.BestSeconds);
    EXPECT_EQ(a.BestPlayer, b.BestPlayer);
    EXPECT_EQ(a.TechniqueCounts, b.TechniqueCounts);
    EXPECT_EQ(a.Score, b.Score);
}

class StockFileTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { valid_ = new Stock(test::MakeValidStock()); }
    static void TearDownTestSuite() { delete valid_; }
    static const Stock& Valid() { return *valid_; }
    TempFolder folder_;

  private:
    static inline Stock* valid_ = nullptr;
};

TEST(StockRecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
    StockRecord r;
    r.Level = 0x0102;
    r.Reserved1 = -2;
    r.Reserved2 = 0x7F01;
    for (int c = 0; c < kCells; ++c) {
        r.Givens[c] = static_cast<std::uint8_t>(c % 10);
        r.Solution[c] = static_cast<std::uint8_t>(c % 9 + 1);
    }
    r.BestMinutes = 0x0A0B;
    r.BestSeconds = 59;
    r.BestPlayer = -1;
    for (int t = 0; t < kTechniqueCount; ++t)
        r.TechniqueCounts[t] = static_cast<std::int16_t>(0x0100 * t + t + 1);
    r.Score = 0x01020304;

    const RecordBytes b = EncodeRecord(r);
    EXPECT_EQ(b[0], 0x02);
    EXPECT_EQ(b[1], 0x01);
    EXPECT_EQ(b[2], 0xFE);
    EXPECT_EQ(b[3], 0xFF);
    EXPECT_EQ(b[4], 0x01);
    EXPECT_EQ(b[5], 0x7F);
    EXPECT_EQ(b[6], r.Givens[0]);
    EXPECT_EQ(b[6 + 80], r.Givens[80]);
    EXPECT_EQ(b[87], r.Solution[0]);
    EXPECT_EQ(b[87 + 80], r.Solution[80]);
    EXPECT_EQ(b[168], 0x0B);
    EXPECT_EQ(b[169], 0x0A);
    EXPECT_EQ(b[170], 59);
    EXPECT_EQ(b[172], 0xFF);
    EXPECT_EQ(b[173], 0xFF);
    EXPECT_EQ(b[174], 1); // count 0
    EXPECT_EQ(b[175], 0);
    EXPECT_EQ(b[216], 22); // count 21 = 0x1516
    EXPECT_EQ(b[217], 21);
    EXPECT_EQ(b[218], 0x04);
    EXPECT_EQ(b[219], 0x03);
    EXPECT_EQ(b[220], 0x02);
    EXPECT_EQ(b[221], 0x01);
    EXPECT_EQ(DecodeRecord(b), r);

    r.Score = -2;
    const RecordBytes negative = EncodeRecord(r);
    EXPECT_EQ(negative[218], 0xFE);
    EXPECT_EQ(negative[221], 0xFF);
    EXPECT_EQ(DecodeRecord(negative).Score, -2);
}

TEST_F(StockFileTest, WriteThenReadGivesTheSame500RecordsInFileOrder) {
    const fs::path file = folder_ / "sudstock.kds";
    const StockWriteResult w = WriteStock(file, Valid());
    ASSERT_TRUE(w.ok) << w.detail;
    EXPECT_EQ(fs::file_size(file), kStockFileSize);
    EXPECT_TRUE(TemporaryFilesOf(file).empty());

    Stock read;
    const StockReadResult r = ReadStock(file, read);
    ASSERT_TRUE(r.ok()) << r.detail;
    for (int level = 1; level <= kLevels; ++level)
        for (int number = 1; number <= kPuzzlesPerLevel; ++number)
            ExpectSameRecord(read(level, number), Valid()(level, number),
                             Stock::RecordNumber(level, number));

    // Record R of the file is level (R - 1) / 100 + 1, number (R - 1) % 100 + 1.
    const std::vector<std::uint8_t> bytes = ReadBytes(file);
    auto recordAt = [&](int r) {
        return DecodeRecord(std::span<const std::uint8_t, kStockRecordSize>(
            bytes.data() + (r - 1) * kStockRecordSize, kStockRecordSize));
    };
    EXPECT_EQ(recordAt(1), Valid()(1, 1));
    EXPECT_EQ(recordAt(100), Valid()(1, 100));
    EXPECT_EQ(recordAt(101), Valid()(2, 1));
    EXPECT_EQ(recordAt(500), Valid()(5, 100));
    EXPECT_EQ(Stock::RecordNumber(2, 1), 101);
    EXPECT_EQ(Stock::RecordNumber(5, 100), 500);
}

TEST_F(StockFileTest, ReadRejectsEveryFileThatCannotBeAStock) {
    const fs::path good = folder_ / "good.kds";
    ASSERT_TRUE(WriteStock(good, Valid()).ok);
    const std::vector<std::uint8_t> bytes = ReadBytes(good);
    ASSERT_EQ(bytes.size(), kStockFileSize);

    // Offset of a field of record R.
    auto at = [](int record, std::size_t offset) {
        return (record - 1) * kStockRecordSize + offset;
    };
    // A cell of record 7 that is empty and one that is given.
    const StockRecord& r7 = Valid()(1, 7);
    int emptyCell = 0, givenCell = 0;
    while (r7.Givens[emptyCell] != 0) ++emptyCell;
    while (r7.Givens[givenCell] == 0) ++givenCell;

    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        StockReadError error;
        int record;
    };
    const std::vector<Case> cases = {
        {"empty file", [](auto& b) { b.clear(); }, StockReadError::kWrongSize, 0},
        {"one record", [](auto& b) { b.resize(kStockRecordSize); }, StockReadError::kWrongSize, 0},
        {"one byte short", [](auto& b) { b.pop_back(); }, StockReadError::kWrongSize, 0},
        {"one byte long", [](auto& b) { b.push_back(0); }, StockReadError::kWrongSize, 0},
        {"record of level 1 in level 2's set", [&](auto& b) { b[at(101, 0)] = 1; },
         StockReadError::kBadRecord, 101},
        {"level field 0", [&](auto& b) { b[at(1, 0)] = 0; }, StockReadError::kBadRecord, 1},
        {"level high byte set", [&](auto& b) { b[at(500, 1)] = 1; }, StockReadError::kBadRecord,
         500},
        {"given 10", [&](auto& b) { b[at(7, 6 + givenCell)] = 10; }, StockReadError::kBadRecord, 7},
        {"given 255", [&](auto& b) { b[at(7, 6 + emptyCell)] = 255; }, StockReadError::kBadRecord,
         7},
        {"solution digit 0", [&](auto& b) { b[at(7, 87 + emptyCell)] = 0; },
         StockReadError::kBadRecord, 7},
        {"solution digit 10", [&](auto& b) { b[at(7, 87 + emptyCell)] = 10; },
         StockReadError::kBadRecord, 7},
        {"given differs from solution",
         [&](auto& b) {
             b[at(7, 6 + givenCell)] = static_cast<std::uint8_t>(b[at(7, 6 + givenCell)] % 9 + 1);
         },
         StockReadError::kBadRecord, 7},
        {"given where the solution has another digit",
         [&](auto& b) {
             b[at(7, 6 + emptyCell)] = static_cast<std::uint8_t>(b[at(7, 87 + emptyCell)] % 9 + 1);
         },
         StockReadError::kBadRecord, 7},
        {"all-zero record",
         [&](auto& b) { std::fill_n(b.begin() + at(300, 0), kStockRecordSize, 0); },
         StockReadError::kBadRecord, 300},
        {"16 givens",
         [&](auto& b) {
             int givens = 0;
             for (int c = 0; c < kCells; ++c) givens += b[at(9, 6 + c)] != 0;
             for (int c = 0; c < kCells && givens > 16; ++c)
                 if (b[at(9, 6 + c)] != 0) {
                     b[at(9, 6 + c)] = 0;
                     --givens;
                 }
         },
         StockReadError::kBadRecord, 9},
        {"every cell given",
         [&](auto& b) {
             for (int c = 0; c < kCells; ++c) b[at(450, 6 + c)] = b[at(450, 87 + c)];
         },
         StockReadError::kBadRecord, 450},
        {"solution with a repeated digit in a column",
         [&](auto& b) {
             // Swap two solution cells of one row: the row stays a permutation,
             // two columns get a digit twice. Givens are emptied to isolate it.
             std::swap(b[at(250, 87 + 0)], b[at(250, 87 + 1)]);
             std::fill_n(b.begin() + at(250, 6), 81, 0);
         },
         StockReadError::kBadRecord, 250},
    };
    const Stock sentinel = test::MakeValidStock();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> damaged = bytes;
        c.damage(damaged);
        const fs::path file = folder_ / "damaged.kds";
        WriteBytes(file, damaged);
        Stock stock = sentinel;
        stock(3, 3).BestMinutes = 77; // unmistakable content that must survive
        const StockReadResult r = ReadStock(file, stock);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.error, c.error) << r.detail;
        EXPECT_EQ(r.record, c.record) << r.detail;
        EXPECT_FALSE(r.detail.empty());
        EXPECT_EQ(stock(3, 3).BestMinutes, 77) << "a failed read changed the stock";
        EXPECT_EQ(stock(1, 7), sentinel(1, 7));
    }

    // Seventeen givens and one empty cell are the bounds a puzzle may have.
    StockRecord bounds = Valid()(1, 9);
    int givens = 0;
    for (auto& g : bounds.Givens)
        if (g != 0 && ++givens > 17) g = 0;
    EXPECT_EQ(RecordProblem(bounds, 1), "");
    bounds.Givens = bounds.Solution;
    bounds.Givens[40] = 0;
    EXPECT_EQ(RecordProblem(bounds, 1), "");

    Stock stock;
    EXPECT_EQ(ReadStock(folder_ / "missing.kds", stock).error, StockReadError::kMissing);
    EXPECT_EQ(ReadStock(folder_.path(), stock).error, StockReadError::kReadFailed);
    EXPECT_TRUE(ReadStock(good, stock).ok());
}

TEST_F(StockFileTest, InterruptedOrFailedWriteLeavesTheOldStockReadable) {
    const fs::path file = folder_ / "sudstock.kds";
    Stock older = Valid();
    older(2, 5).BestMinutes = 3;
    older(2, 5).BestSeconds = 14;
    ASSERT_TRUE(WriteStock(file, older).ok);

    // A crash mid-write leaves a half-written temporary file behind.
    Stock newer = Valid();
    newer(2, 5).BestMinutes = 1;
    std::vector<std::uint8_t> half = EncodeStock(newer);
    half.resize(half.size() / 2);
    const std::string leftover = "sudstock.kds.00c0ffee00c0ffee.tmp";
    WriteBytes(folder_ / leftover, half);
    Stock read;
    ASSERT_TRUE(ReadStock(file, read).ok());
    EXPECT_EQ(read, older);

    // The next write goes through in spite of the leftover, in a file of its own.
    ASSERT_TRUE(WriteStock(file, newer).ok);
    ASSERT_TRUE(ReadStock(file, read).ok());
    EXPECT_EQ(read, newer);
    EXPECT_EQ(TemporaryFilesOf(file), std::vector<std::string>{leftover});

    // Nor does a folder under the temporary name earlier versions used.
    fs::create_directories(folder_ / "sudstock.kds.tmp" / "blocker");
    ASSERT_TRUE(WriteStock(file, older).ok);
    ASSERT_TRUE(ReadStock(file, read).ok());
    EXPECT_EQ(read, older);

    // A write that fails half-way (here: the file size limit) says so, removes
    // its temporary file and leaves the file as it was.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kStockFileSize / 2, kStockFileSize / 2};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const StockWriteResult failed = WriteStock(file, newer);
        Stock after;
        const bool unchanged = ReadStock(file, after).ok() && after == older;
        ::_exit(!failed.ok && !failed.detail.empty() && unchanged ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    EXPECT_EQ(TemporaryFilesOf(file), std::vector<std::string>{leftover});

    // Writing into a folder that does not exist fails, and so does writing
    // "into" a plain file.
    EXPECT_FALSE(WriteStock(folder_ / "no-such-folder" / "sudstock.kds", older).ok);
    WriteBytes(folder_ / "plain", {1});
    EXPECT_FALSE(WriteStock(folder_ / "plain" / "sudstock.kds", older).ok);
}

TEST_F(StockFileTest, StartUpCopiesTheMasterOnlyWhenTheWorkingCopyIsMissing) {
    const fs::path master = folder_ / "master.kds", working = folder_ / "data" / "sudstock.kds";
    fs::create_directories(working.parent_path());
    ASSERT_TRUE(WriteStock(master, Valid()).ok);

    Stock stock;
    StockOpenResult open = OpenStock(master, working, stock);
    ASSERT_EQ(open.status, StockOpenStatus::kOk) << open.firstRead.detail;
    EXPECT_EQ(stock, Valid());
    EXPECT_EQ(ReadBytes(working), ReadBytes(master));

    // Later starts play from the working copy and never touch the master.
    Stock played = Valid();
    played(4, 9).BestMinutes = 12;
    ASSERT_TRUE(WriteStock(working, played).ok);
    WriteBytes(master, {1, 2, 3});
    open = OpenStock(master, working, stock);
    EXPECT_EQ(open.status, StockOpenStatus::kOk);
    EXPECT_EQ(stock, played);
    EXPECT_EQ(ReadBytes(master), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(EnsureStockFile(master, working));
    EXPECT_EQ(ReadBytes(working), EncodeStock(played));
}

TEST_F(StockFileTest, UnreadableWorkingCopyIsSetAsideAndReplacedFromTheMaster) {
    const fs::path master = folder_ / "master.kds", working = folder_ / "sudstock.kds";
    ASSERT_TRUE(WriteStock(master, Valid()).ok);
    const std::vector<std::uint8_t> damaged(5000, 7);
    WriteBytes(working, damaged);

    Stock stock;
    StockOpenResult open = OpenStock(master, working, stock);
    ASSERT_EQ(open.status, StockOpenStatus::kRecovered);
    EXPECT_EQ(open.firstRead.error, StockReadError::kWrongSize);
    EXPECT_EQ(open.setAside, folder_ / "sudstock.kds.bad");
    EXPECT_EQ(ReadBytes(open.setAside), damaged);
    EXPECT_EQ(stock, Valid());

    // A second damaged copy does not overwrite the first one set aside.
    std::vector<std::uint8_t> other = EncodeStock(Valid());
    other[0] = 9;
    WriteBytes(working, other);
    open = OpenStock(master, working, stock);
    ASSERT_EQ(open.status, StockOpenStatus::kRecovered);
    EXPECT_EQ(open.firstRead.error, StockReadError::kBadRecord);
    EXPECT_EQ(open.setAside, folder_ / "sudstock.kds.2.bad");
    EXPECT_EQ(ReadBytes(folder_ / "sudstock.kds.bad"), damaged);
    EXPECT_EQ(ReadBytes(open.setAside), other);
}

TEST_F(StockFileTest, StartUpFailsOnlyWhenNoReadableStockCanBeHad) {
    const fs::path master = folder_ / "master.kds", working = folder_ / "sudstock.kds";
    Stock stock;
    stock(1, 1).BestPlayer = 4;

    // Neither copy exists.
    StockOpenResult open = OpenStock(master, working, stock);
    EXPECT_EQ(open.status, StockOpenStatus::kFailed);
    EXPECT_EQ(open.firstRead.error, StockReadError::kMissing);
    EXPECT_FALSE(fs::exists(working));

    // Damaged working copy and no master: the damaged copy is kept, not deleted.
    WriteBytes(working, {1, 2, 3});
    open = OpenStock(master, working, stock);
    EXPECT_EQ(open.status, StockOpenStatus::kFailed);
    EXPECT_EQ(ReadBytes(folder_ / "sudstock.kds.bad"), (std::vector<std::uint8_t>{1, 2, 3}));

    // Damaged master as well.
    WriteBytes(master, {4, 5});
    WriteBytes(working, {1, 2});
    open = OpenStock(master, working, stock);
    EXPECT_EQ(open.status, StockOpenStatus::kFailed);
    EXPECT_EQ(stock(1, 1).BestPlayer, 4) << "a failed start-up changed the stock";
}

TEST_F(StockFileTest, ImpossibleBestTimesReadAsNoBestTimeAndTheRestAsStored) {
    struct Case {
        int level, number;
        int minutes, seconds, player;
        bool possible;
    };
    const Case cases[] = {
        {1, 1, -1, 5, 2, false}, {1, 2, 3, 75, 2, false},      {2, 1, 3, -1, 2, false},
        {2, 2, 3, 60, 1, false}, {3, 1, 3, 12, -1, false},     {3, 2, -32768, 0, 0, false},
        {4, 1, 0, 59, 1, true},  {4, 2, 32767, 0, 5000, true}, // a long list may number 5000
        {5, 1, 0, 0, 7, true}, // no best time; the player field means nothing then
    };
    Stock written = Valid();
    for (const Case& c : cases) {
        StockRecord& r = written(c.level, c.number);
        r.BestMinutes = static_cast<std::int16_t>(c.minutes);
        r.BestSeconds = static_cast<std::int16_t>(c.seconds);
        r.BestPlayer = static_cast<std::int16_t>(c.player);
    }
    const fs::path file = folder_ / "sudstock.kds";
    ASSERT_TRUE(WriteStock(file, written).ok);

    Stock read;
    const StockReadResult result = ReadStock(file, read);
    ASSERT_TRUE(result.ok()) << result.detail;
    std::vector<int> cleared;
    for (const auto& c : result.clearedBestTimes) cleared.push_back(c.record);
    EXPECT_EQ(cleared, (std::vector<int>{1, 2, 101, 102, 201, 202}));
    ASSERT_FALSE(result.clearedBestTimes.empty());
    EXPECT_EQ(result.clearedBestTimes[0].minutes, -1);
    EXPECT_EQ(result.clearedBestTimes[0].seconds, 5);
    EXPECT_EQ(result.clearedBestTimes[0].player, 2);

    Stock expected = written;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.level) + "/" + std::to_string(c.number));
        EXPECT_EQ(BestTimePossible(written(c.level, c.number)), c.possible);
        if (c.possible) continue;
        StockRecord& r = expected(c.level, c.number);
        r.BestMinutes = r.BestSeconds = r.BestPlayer = 0;
        EXPECT_FALSE(read(c.level, c.number).HasBestTime());
    }
    EXPECT_EQ(read, expected);
    // The file keeps what it held until the game next writes it.
    EXPECT_EQ(ReadBytes(file), EncodeStock(written));
}

TEST_F(StockFileTest, StartUpRemovesLeftoverTemporaryFilesOfOursOnly) {
    const fs::path master = folder_ / "master.kds", working = folder_ / "sudstock.kds";
    ASSERT_TRUE(WriteStock(master, Valid()).ok);
    ASSERT_TRUE(WriteStock(working, Valid()).ok);
    const std::vector<std::string> ours = {"sudstock.kds.0123456789abcdef.tmp", "sudstock.kds.tmp"};
    const std::vector<std::string> others = {"other.kds.0123456789abcdef.tmp",
                                             "sudstock.kds.notes.tmp", "sudstock.kds.0123.txt",
                                             "sudstock.kds.bad"};
    for (const auto& name : ours) WriteBytes(folder_ / name, {1, 2});
    for (const auto& name : others) WriteBytes(folder_ / name, {3});
    fs::create_directories(folder_ / "sudstock.kds.abcdef.tmp" / "inside"); // a folder: kept

    // While a writer is at work in the folder, nothing is touched: the files
    // may be its own.
    {
        const int busy = ::open(folder_.path().c_str(), O_RDONLY | O_DIRECTORY);
        ASSERT_GE(busy, 0);
        ASSERT_EQ(::flock(busy, LOCK_SH), 0);
        EXPECT_EQ(RemoveLeftoverTemporaryFiles(working), 0);
        Stock stock;
        EXPECT_EQ(OpenStock(master, working, stock).status, StockOpenStatus::kOk);
        ::close(busy);
        for (const auto& name : ours) EXPECT_TRUE(fs::exists(folder_ / name)) << name;
    }

    Stock stock;
    EXPECT_EQ(OpenStock(master, working, stock).status, StockOpenStatus::kOk);
    for (const auto& name : ours) EXPECT_FALSE(fs::exists(folder_ / name)) << name;
    for (const auto& name : others) EXPECT_TRUE(fs::exists(folder_ / name)) << name;
    EXPECT_TRUE(fs::is_directory(folder_ / "sudstock.kds.abcdef.tmp" / "inside"));
    EXPECT_EQ(stock, Valid());
}

TEST_F(StockFileTest, NothingInTheDataFolderButTheMasterDecidesWhetherTheGameStarts) {
    const fs::path master = folder_ / "master.kds", working = folder_ / "sudstock.kds";
    ASSERT_TRUE(WriteStock(master, Valid()).ok);

    // A folder under the temporary name earlier versions used.
    fs::create_directories(folder_ / "sudstock.kds.tmp" / "inside");
    Stock stock;
    StockOpenResult open = OpenStock(master, working, stock);
    ASSERT_EQ(open.status, StockOpenStatus::kOk) << open.firstRead.detail;
    EXPECT_EQ(ReadBytes(working), ReadBytes(master));

    // A thousand and one damaged copies set aside before.
    WriteBytes(folder_ / "sudstock.kds.bad", {0});
    for (int n = 2; n <= 1001; ++n)
        WriteBytes(folder_ / ("sudstock.kds." + std::to_string(n) + ".bad"), {0});
    WriteBytes(working, {9, 9, 9});
    open = OpenStock(master, working, stock);
    ASSERT_EQ(open.status, StockOpenStatus::kRecovered);
    EXPECT_EQ(open.setAside, folder_ / "sudstock.kds.1002.bad");
    EXPECT_EQ(ReadBytes(open.setAside), (std::vector<std::uint8_t>{9, 9, 9}));
    EXPECT_EQ(ReadBytes(folder_ / "sudstock.kds.500.bad"), std::vector<std::uint8_t>{0});

    // A folder, and a link to nowhere, where the working copy should be.
    for (int kind = 0; kind < 2; ++kind) {
        SCOPED_TRACE(kind == 0 ? "folder" : "broken link");
        fs::remove(working);
        if (kind == 0)
            fs::create_directories(working / "inside");
        else
            fs::create_symlink(folder_ / "nowhere", working);
        open = OpenStock(master, working, stock);
        ASSERT_EQ(open.status, StockOpenStatus::kRecovered) << open.firstRead.detail;
        EXPECT_FALSE(open.setAside.empty());
        EXPECT_EQ(ReadBytes(working), ReadBytes(master));
        EXPECT_EQ(stock, Valid());
    }
    EXPECT_TRUE(fs::is_directory(folder_ / "sudstock.kds.1003.bad" / "inside"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "sudstock.kds.1004.bad"));

    // Only a master that cannot be a stock stops the start: it is not copied.
    fs::remove(working);
    WriteBytes(master, std::vector<std::uint8_t>(kStockFileSize + 1, 1));
    open = OpenStock(master, working, stock);
    EXPECT_EQ(open.status, StockOpenStatus::kFailed);
    EXPECT_FALSE(fs::exists(working));

    // Nor a pipe for good: it is never opened (that would wait for a writer).
    fs::remove(master);
    ASSERT_EQ(::mkfifo(master.c_str(), 0600), 0);
    EXPECT_EQ(test::RunInChild([&] { return OpenStock(master, working, stock).ok(); }), 0);
}

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Folders, HelpersAndTheDataFolderUnderLocalAppData) {
    EXPECT_EQ(WithTrailingSeparator(""), "");
    EXPECT_EQ(WithTrailingSeparator("/a/b"), "/a/b/");
    EXPECT_EQ(WithTrailingSeparator("/a/b/"), "/a/b/");

    TempFolder folder;
    const fs::path file = folder / "f.txt";
    WriteBytes(file, {1});
    EXPECT_TRUE(PathExists(file));
    EXPECT_TRUE(PathExists(folder.path()));
    EXPECT_FALSE(PathExists(folder / "missing"));
    EXPECT_FALSE(PathExists(folder / "missing" / "deeper" / "f"));
    EXPECT_FALSE(PathExists(""));

    {
        ScopedEnv xdg("XDG_DATA_HOME", "/srv/data/");
        EXPECT_EQ(LocalAppDataFolder(), "/srv/data");
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", "relative/path");
        ScopedEnv home("HOME", "/home/someone");
        EXPECT_EQ(LocalAppDataFolder(), "/home/someone/.local/share");
    }
    {
        ScopedEnv xdg("XDG_DATA_HOME", nullptr);
        ScopedEnv home("HOME", nullptr);
        EXPECT_EQ(LocalAppDataFolder(), "");
    }

    const std::string appData = (folder / "local" / "share").string();
    const Folders f = SetupFolders((folder / "bin").string(), appData);
    EXPECT_EQ(f.ProgramFolder, (folder / "bin").string() + "/");
    EXPECT_EQ(f.LocalAppDataFolder, appData + "/");
    EXPECT_EQ(f.DataFolder, appData + "/DravikSudoku/");
    EXPECT_TRUE(fs::is_directory(f.DataFolder));
    EXPECT_EQ(WorkingStockFile(f), fs::path(appData + "/DravikSudoku/sudstock.kds"));
    EXPECT_EQ(MasterStockFile(f), fs::path((folder / "bin").string() + "/sudstock.kds"));
    // Setting up again over an existing folder is fine.
    EXPECT_EQ(SetupFolders((folder / "bin").string(), appData).DataFolder, f.DataFolder);

    {
        ScopedEnv xdg("XDG_DATA_HOME", (folder / "xdg").string().c_str());
        EXPECT_EQ(SetupFolders("/opt/dravik").DataFolder,
                  (folder / "xdg").string() + "/DravikSudoku/");
    }
    EXPECT_FALSE(ExecutableFolder().empty());
}

} // namespace
} // namespace dravik
