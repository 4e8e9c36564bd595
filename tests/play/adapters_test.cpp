// The window-free outside pieces: the stock file writer and the puzzle source
// over the renewal worker threads.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>

#include "game/play/adapters.h"
#include "game/stock/stock_file.h"
#include "play_fixture.h"

namespace dravik::test {
namespace {

TEST(FileStockWriter, WritesTheWholeStockAndReportsAFolderThatIsNotThere) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("dravik-play-" +
                      std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(dir);
    FileStockWriter writer(dir / "sudstock.kds");
    Stock stock = TestStock();
    stock(3, 9).BestMinutes = 4;
    stock(3, 9).BestPlayer = 2;
    ASSERT_TRUE(writer.WriteStock(stock));
    Stock back;
    ASSERT_TRUE(ReadStock(dir / "sudstock.kds", back).ok());
    EXPECT_EQ(back, stock);

    FileStockWriter nowhere(dir / "missing" / "sudstock.kds");
    EXPECT_FALSE(nowhere.WriteStock(stock));
    std::filesystem::remove_all(dir);
}

TEST(WorkerPuzzleSource, ReportsEachFinishedPuzzleAndStopsPromptly) {
    std::mutex mutex;
    std::condition_variable cv;
    int ready = 0;
    WorkerPuzzleSource source(1, [&] {
        std::lock_guard lock(mutex);
        ++ready;
        cv.notify_all();
    });
    EXPECT_FALSE(source.TryTake().has_value()) << "nothing before Start";
    source.Start();
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(120), [&] { return ready > 0; }));
    }
    std::optional<GeneratedPuzzle> puzzle = source.TryTake();
    ASSERT_TRUE(puzzle.has_value());
    EXPECT_GE(puzzle->grading.result, 1);
    EXPECT_LE(puzzle->grading.result, kResultStuck);
    for (int i = 0; i < kCells; ++i) {
        EXPECT_GE(puzzle->solution[i], 1);
        if (puzzle->givens[i] != 0) {
            EXPECT_EQ(puzzle->givens[i], puzzle->solution[i]);
        }
    }
    source.Stop();
    EXPECT_FALSE(source.TryTake().has_value()) << "results of a stopped run are dropped";
    source.Stop(); // twice is harmless
}

} // namespace
} // namespace dravik::test
