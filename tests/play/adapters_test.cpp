// The window-free outside pieces: the stock file writer and the puzzle source
// over the renewal worker threads.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <utility>

#include "game/play/adapters.h"
#include "game/stock/stock_file.h"
#include "play_fixture.h"
#include "support/temp_folder.h"

namespace dravik::test {
namespace {

TEST(FileStockWriter, WritesTheWholeStockAndReportsAFolderThatIsNotThere) {
    const TempFolder folder("dravik-play");
    const auto& dir = folder.path();
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
}

// Two games (or a game and the command) that read the stock at once and each
// write it after a new best time: the better time stays, whoever writes last.
TEST(FileStockWriter, ABetterTimeStoredMeanwhileIsNeverOverwrittenByAnOlderOne) {
    const TempFolder folder("dravik-merge");
    FileStockWriter writer(folder / "sudstock.kds");
    Stock first = TestStock(), second = TestStock(), back;
    first(3, 9).BestSeconds = 2, first(3, 9).BestPlayer = 1;
    first(2, 5).BestSeconds = 40;
    ASSERT_TRUE(writer.WriteStock(first));
    // The second game's 0:07 is no record over 0:02, its 0:05 elsewhere is;
    // a puzzle it renewed keeps its own (empty) time.
    second(3, 9).BestSeconds = 7, second(3, 9).BestPlayer = 2;
    second(1, 1).BestSeconds = 5;
    std::swap(second(2, 5), second(2, 6));
    ASSERT_TRUE(writer.WriteStock(second));
    ASSERT_TRUE(ReadStock(folder / "sudstock.kds", back).ok());
    Stock expected = second;
    expected(3, 9) = first(3, 9);
    EXPECT_EQ(back, expected);
}

TEST(StartupStock, ADamagedWorkingCopyIsSetAsideReportedAndThePlayGoesOnFromTheMaster) {
    const TempFolder folder("dravik-start");
    const auto& dir = folder.path();
    std::filesystem::create_directories(dir / "program");
    std::filesystem::create_directories(dir / "data");
    const auto master = dir / "program" / "sudstock.kds";
    const auto working = dir / "data" / "sudstock.kds";
    ASSERT_TRUE(FileStockWriter(master).WriteStock(TestStock()));
    {
        std::ofstream junk(working, std::ios::binary);
        junk << "not a stock file";
    }

    PlayHarness h;
    h.game->LoadSettings(true);
    Stock stock;
    StockOpenResult opened = OpenStock(master, working, stock);
    ASSERT_TRUE(h.game->TakeStock(opened, stock));
    h.game->FinishStartup();
    h.Settle();
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].title, "File Error");
    EXPECT_NE(h.prompt.messages[0].text.find(opened.setAside.string()), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(opened.setAside));
    h.OpenNext();
    EXPECT_EQ(h.board().PuzzleNumber, 1);
    EXPECT_EQ(h.game->Puzzles(), TestStock());

    // With the master gone too there is nothing to play: the program must end.
    std::filesystem::remove(master);
    {
        std::ofstream junk(working, std::ios::binary | std::ios::trunc);
        junk << "damaged again";
    }
    PlayHarness h2;
    h2.game->LoadSettings(true);
    Stock none;
    EXPECT_FALSE(h2.game->TakeStock(OpenStock(master, working, none), none));
    ASSERT_EQ(h2.prompt.messages.size(), 2u);
    EXPECT_EQ(h2.prompt.messages[1].title, "Critical Error!");
}

TEST(StartupStock, AnImpossibleStoredBestTimeGivesWayToTheNextGameOfANamedPlayer) {
    const TempFolder dir("dravik-best");
    const auto master = dir / "master.kds", working = dir / "sudstock.kds";
    Stock stored = TestStock();
    stored(3, 4).BestMinutes = -1; // from a damaged or foreign writer
    stored(3, 4).BestSeconds = 30;
    stored(3, 4).BestPlayer = 1;
    ASSERT_TRUE(FileStockWriter(working).WriteStock(stored));

    PlayHarness h;
    h.settings.Put("Players", "Count", "2");
    h.settings.Put("Players", "Player02", "Bob");
    h.settings.Put("Players", "Last_Player", "2");
    h.settings.Put("Options", "Level", "3");
    h.settings.Put("Last_Puzzle", "Level03", "3");
    h.game->LoadSettings(true);
    Stock stock;
    const StockOpenResult opened = OpenStock(master, working, stock);
    ASSERT_EQ(opened.status, StockOpenStatus::kOk) << opened.firstRead.detail;
    ASSERT_TRUE(h.game->TakeStock(opened, stock));
    h.game->FinishStartup();
    h.Settle();
    h.OpenNext();
    ASSERT_EQ(h.board().PuzzleNumber, 4);
    EXPECT_EQ(h.view().StatusPanels[2], "Best Time: 00:00 (No Best Time Yet)");
    h.clock.AdvanceSeconds(200);
    h.game->Tick();
    h.PlaceSolution();

    ASSERT_EQ(h.writer.writes, 1);
    const StockRecord& r = (*h.writer.written)(3, 4);
    EXPECT_EQ(r.BestMinutes, 3);
    EXPECT_EQ(r.BestSeconds, 20);
    EXPECT_EQ(r.BestPlayer, 2);
    EXPECT_EQ(h.view().StatusPanels[2], "Best Time: 03:20 by Bob");
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
