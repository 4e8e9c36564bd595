#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "game/model/puzzle_text.h"
#include "game/stock/renewal.h"
#include "game/stock/renewal_worker.h"
#include "game/stock/stock_file.h"
#include "stock/stock_fixtures.h"

namespace dravik {
namespace {

// A pass result of `level` and `score` whose puzzle is told apart by `tag`.
GeneratedPuzzle FakePuzzle(int level, std::int32_t score, int tag) {
    GeneratedPuzzle p;
    for (int c = 0; c < kCells; ++c) {
        p.solution[c] = static_cast<std::int16_t>((c + tag) % 9 + 1);
        p.givens[c] = c == tag % kCells ? p.solution[c] : 0;
    }
    p.grading.result = level;
    p.grading.score = score;
    for (int t = 0; t < kTechniqueCount; ++t)
        p.grading.counts[t] = static_cast<std::int16_t>(t + 1);
    return p;
}

// Old records of a level: scores 10, 20, ..., 1000, each with a best time and
// every technique count and reserved field set, so we can see what filing keeps.
void FillOldSet(Stock& stock, int level) {
    for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
        StockRecord& r = stock(level, n);
        r.Level = static_cast<std::int16_t>(level);
        r.Reserved1 = static_cast<std::int16_t>(1000 + n);
        r.Reserved2 = static_cast<std::int16_t>(2000 + n);
        r.BestMinutes = 4;
        r.BestSeconds = static_cast<std::int16_t>(n % 60);
        r.BestPlayer = 2;
        r.TechniqueCounts.fill(-7);
        r.Score = 10 * n;
        r.Givens.fill(9);
    }
}

bool IsNew(const StockRecord& r) {
    return r.Givens[0] != 9 || r.Givens[1] != 9;
}

TEST(Filing, KeepsTheSetSortedPlacesNewBelowEqualsAndDropsRecordOne) {
    Stock stock;
    FillOldSet(stock, 3);
    const StockRecord oldFirst = stock(3, 1), oldSecond = stock(3, 2), old50 = stock(3, 50);

    // Score 500 equals record 50's: the new puzzle goes just below it, at 49.
    EXPECT_EQ(FilePuzzle(stock, 3, FakePuzzle(3, 500, 1)), 49);
    EXPECT_EQ(stock(3, 50), old50);
    EXPECT_EQ(stock(3, 48).Score, 490);
    EXPECT_EQ(stock(3, 1), oldSecond) << "record 1 was not dropped";
    for (int n = 2; n <= kPuzzlesPerLevel; ++n) EXPECT_LE(stock(3, n - 1).Score, stock(3, n).Score);

    // Above everything: last place.
    EXPECT_EQ(FilePuzzle(stock, 3, FakePuzzle(3, 5000, 2)), 100);
    // Not above the lowest: dropped, nothing moves.
    const Stock before = stock;
    EXPECT_EQ(FilePuzzle(stock, 3, FakePuzzle(3, stock(3, 1).Score, 3)), 0);
    EXPECT_EQ(FilePuzzle(stock, 3, FakePuzzle(3, -1, 4)), 0);
    EXPECT_EQ(stock, before);
    // A bad level files nothing.
    EXPECT_EQ(FilePuzzle(stock, 6, FakePuzzle(6, 100, 5)), 0);
    EXPECT_EQ(FilePuzzle(stock, 0, FakePuzzle(0, 100, 5)), 0);
    EXPECT_EQ(stock, before);
    (void)oldFirst;
}

TEST(Filing, NewRecordFieldsAndWhatTheSlotKeeps) {
    Stock stock;
    FillOldSet(stock, 2);
    const GeneratedPuzzle p = FakePuzzle(2, 15, 7);
    // 15 beats record 1 (10) only: it lands at 1, nothing else moves.
    const StockRecord slot = stock(2, 1);
    ASSERT_EQ(FilePuzzle(stock, 2, p), 1);
    const StockRecord& r = stock(2, 1);
    EXPECT_EQ(r.Level, 2);
    EXPECT_EQ(r.Reserved1, slot.Reserved1) << "offset 2 keeps what the slot held";
    EXPECT_EQ(r.Reserved2, 0);
    EXPECT_EQ(r.BestMinutes, 0);
    EXPECT_EQ(r.BestSeconds, 0);
    EXPECT_EQ(r.BestPlayer, 0);
    EXPECT_FALSE(r.HasBestTime());
    EXPECT_EQ(r.Score, 15);
    for (int t = 0; t < kTechniqueCount; ++t)
        EXPECT_EQ(r.TechniqueCounts[t], t <= 3 ? p.grading.counts[t] : -7) << "count " << t;
    for (int c = 0; c < kCells; ++c) {
        EXPECT_EQ(r.Givens[c], p.givens[c]);
        EXPECT_EQ(r.Solution[c], p.solution[c]);
    }
    EXPECT_EQ(stock(2, 2).Score, 20);
}

class RenewalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int l = 1; l <= kLevels; ++l) FillOldSet(stock_, l);
        state_.StockRead();
        ASSERT_EQ(state_.Phase(), RenewalPhase::kSettling);
        ASSERT_EQ(state_.EnterIdle(), RenewalState::IdleEntry::kStartupFinished);
        ASSERT_EQ(state_.Phase(), RenewalPhase::kIdle);
    }
    Stock stock_;
    RenewalState state_;
    test::TempFolder folder_;
};

TEST_F(RenewalTest, OnlyOneRenewalOfAnotherLevelCanRun) {
    EXPECT_FALSE(state_.BeginRenewal(stock_, 2, 2)) << "the level being played";
    EXPECT_FALSE(state_.BeginRenewal(stock_, 0, 1));
    EXPECT_FALSE(state_.BeginRenewal(stock_, 6, 1));
    EXPECT_EQ(state_.Phase(), RenewalPhase::kIdle);
    EXPECT_EQ(state_.RenewingLevel, 0);
    EXPECT_EQ(stock_(2, 100).Score, 1000);

    ASSERT_TRUE(state_.BeginRenewal(stock_, 4, 1));
    EXPECT_EQ(state_.Phase(), RenewalPhase::kFilling);
    EXPECT_FALSE(state_.SetComplete(4));
    EXPECT_TRUE(state_.SetComplete(1) && state_.SetComplete(5));
    EXPECT_EQ(state_.RenewingLevel, 4);
    EXPECT_EQ(state_.GeneratedCount[4], 0);
    EXPECT_EQ(stock_(4, 100).Score, 0) << "the floor of the renewal";
    EXPECT_TRUE(state_.Generating());
    EXPECT_FALSE(state_.BeginRenewal(stock_, 5, 1)) << "a second renewal";
    EXPECT_EQ(state_.RenewingLevel, 4);
}

TEST_F(RenewalTest, AfterAHundredNewPuzzlesTheSetIsNewSortedAndWrittenOnce) {
    const auto file = folder_ / "sudstock.kds";
    ASSERT_TRUE(state_.BeginRenewal(stock_, 5, 1));
    const Stock before = stock_;

    // Other levels and stuck puzzles do not count and change nothing.
    for (int level : {1, 2, 3, 4, 6}) {
        const auto out = state_.Accept(stock_, FakePuzzle(level, 50, level));
        EXPECT_EQ(out.filedAt, 0);
        EXPECT_EQ(out.level, 0);
    }
    EXPECT_EQ(stock_, before);
    EXPECT_EQ(state_.GeneratedCount, (std::array<int, 6>{}));

    // Scores that repeat and come in no order, all at least 1. Accept only
    // reports; the stock's one writer (here the test, as the game and the
    // command line do) writes the file when the outcome says completed.
    int writes = 0;
    for (int i = 0; i < kPuzzlesPerLevel; ++i) {
        const std::int32_t score = 1 + (i * 37) % 23;
        const auto out = state_.Accept(stock_, FakePuzzle(5, score, i));
        EXPECT_FALSE(std::filesystem::exists(file)) << "Accept wrote the file itself";
        EXPECT_GE(out.filedAt, 1);
        EXPECT_EQ(out.level, 5);
        EXPECT_EQ(out.count, i + 1);
        EXPECT_EQ(state_.GeneratedCount[5], i + 1);
        EXPECT_EQ(out.completed, i == kPuzzlesPerLevel - 1);
        if (out.completed) {
            ++writes;
            const StockWriteResult written = WriteStock(file, stock_);
            EXPECT_TRUE(written.ok) << written.detail;
        }
        if (i < kPuzzlesPerLevel - 1) {
            EXPECT_EQ(state_.Phase(), RenewalPhase::kFilling);
            EXPECT_FALSE(state_.SetComplete(5));
            EXPECT_FALSE(std::filesystem::exists(file)) << "written before the set was complete";
        }
    }
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(state_.Phase(), RenewalPhase::kSettling);
    for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
        const StockRecord& r = stock_(5, n);
        EXPECT_TRUE(IsNew(r)) << "old puzzle left at " << n;
        EXPECT_FALSE(r.HasBestTime());
        EXPECT_EQ(r.Level, 5);
        if (n > 1) {
            EXPECT_LE(stock_(5, n - 1).Score, r.Score);
        }
    }
    for (int l = 1; l <= 4; ++l)
        for (int n = 1; n <= kPuzzlesPerLevel; ++n) EXPECT_EQ(stock_(l, n), before(l, n));

    // The file holds the renewed stock byte for byte.
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, EncodeStock(stock_));

    // Once complete, nothing more is filed, and the next idle step ends the renewal.
    const Stock done = stock_;
    EXPECT_EQ(state_.Accept(stock_, FakePuzzle(5, 999, 1)).filedAt, 0);
    EXPECT_EQ(stock_, done);
    EXPECT_EQ(state_.EnterIdle(), RenewalState::IdleEntry::kRenewalFinished);
    EXPECT_EQ(state_.Phase(), RenewalPhase::kIdle);
    EXPECT_EQ(state_.RenewingLevel, 0);
    EXPECT_EQ(state_.EnterIdle(), RenewalState::IdleEntry::kNone);
    EXPECT_TRUE(state_.BeginRenewal(stock_, 1, 2)) << "a new renewal can start";
}

TEST_F(RenewalTest, TheFloorWalksDownAndPushesOutOldPuzzlesOnePerNewOne) {
    ASSERT_TRUE(state_.BeginRenewal(stock_, 2, 1));
    // Old records score 10..990 and the floor (record 100) 0. However low a new
    // score is, it beats the floor; the old records above the floor move down.
    for (int k = 1; k <= 3; ++k) {
        const auto out = state_.Accept(stock_, FakePuzzle(2, 5, k));
        EXPECT_EQ(out.filedAt, 101 - k) << "a new score equal to the others goes below them";
        EXPECT_EQ(out.count, k);
        EXPECT_EQ(stock_(2, 100 - k).Score, 0) << "the floor";
        EXPECT_FALSE(IsNew(stock_(2, 100 - k)));
        for (int n = 101 - k; n <= 100; ++n) EXPECT_TRUE(IsNew(stock_(2, n)));
        EXPECT_EQ(stock_(2, 1).Score, 10 * (k + 1)) << "record 1 dropped";
    }
    // The newest of equal scores sits lowest.
    EXPECT_EQ(stock_(2, 98).Solution[0], FakePuzzle(2, 5, 3).solution[0]);
    EXPECT_EQ(stock_(2, 100).Solution[0], FakePuzzle(2, 5, 1).solution[0]);
}

TEST(Renewal, RequestBeforeTheFirstIdleStepStartsRightAfterIt) {
    Stock stock;
    FillOldSet(stock, 3);
    RenewalState state;
    EXPECT_FALSE(state.BeginRenewal(stock, 3, 1)) << "stock not read yet";
    state.StockRead();
    ASSERT_TRUE(state.BeginRenewal(stock, 3, 1));
    EXPECT_EQ(state.Phase(), RenewalPhase::kSettling);
    EXPECT_EQ(state.EnterIdle(), RenewalState::IdleEntry::kStartupFinished);
    EXPECT_EQ(state.Phase(), RenewalPhase::kFilling);
    EXPECT_FALSE(state.SetComplete(3));
    EXPECT_EQ(state.RenewingLevel, 3);
    EXPECT_TRUE(state.Generating());
}

TEST(Renewal, BuildFillsEveryEmptySetAsARenewalWould) {
    Stock stock;
    RenewalState state;
    state.BeginBuild();
    EXPECT_TRUE(state.Generating());
    EXPECT_FALSE(state.BeginRenewal(stock, 2, 1));
    int tag = 0;
    for (int round = 0; round < kPuzzlesPerLevel + 5; ++round)
        for (int level = 5; level >= 1; --level) {
            const auto out = state.Accept(stock, FakePuzzle(level, 1 + (round * 7) % 13, ++tag));
            if (round < kPuzzlesPerLevel) {
                EXPECT_EQ(out.count, round + 1);
                EXPECT_EQ(out.completed, round == kPuzzlesPerLevel - 1 && level == 1);
            } else {
                EXPECT_EQ(out.level, 0) << "a complete set took another puzzle";
            }
        }
    EXPECT_EQ(state.Phase(), RenewalPhase::kSettling);
    for (int l = 1; l <= kLevels; ++l)
        for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
            EXPECT_EQ(stock(l, n).Level, l);
            EXPECT_GE(stock(l, n).Score, 1);
            if (n > 1) {
                EXPECT_LE(stock(l, n - 1).Score, stock(l, n).Score);
            }
        }
    EXPECT_EQ(state.EnterIdle(), RenewalState::IdleEntry::kStartupFinished);
}

std::vector<PassResult> TakeN(RenewalWorker& worker, int n) {
    std::vector<PassResult> out;
    for (int i = 0; i < n; ++i) {
        auto r = worker.Take();
        if (!r) break;
        out.push_back(std::move(*r));
    }
    return out;
}

TEST(RenewalWorker, SeededResultsComeInTheSameOrderWhateverTheThreadCount) {
    RenewalWorker one(1, 77), three(3, 77);
    const auto a = TakeN(one, 24), b = TakeN(three, 24);
    ASSERT_EQ(a.size(), 24u);
    ASSERT_EQ(b.size(), 24u);
    std::set<std::string> distinct;
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].pass, i);
        EXPECT_EQ(b[i].pass, i);
        EXPECT_EQ(a[i].puzzle.givens, b[i].puzzle.givens) << "pass " << i;
        EXPECT_EQ(a[i].puzzle.solution, b[i].puzzle.solution);
        EXPECT_EQ(a[i].puzzle.grading.score, b[i].puzzle.grading.score);
        EXPECT_EQ(a[i].puzzle.grading.counts, b[i].puzzle.grading.counts);
        distinct.insert(GridText(a[i].puzzle.givens));
    }
    EXPECT_EQ(distinct.size(), a.size());

    // A pass is the same as a lone generator seeded for that pass makes.
    Generator g(PassSeed(77, 5));
    Solver solver;
    const auto lone = g.Pass(solver);
    EXPECT_EQ(lone->givens, a[5].puzzle.givens);

    RenewalWorker other(2, 78);
    EXPECT_NE(TakeN(other, 1)[0].puzzle.givens, a[0].puzzle.givens);
}

TEST(RenewalWorker, StopsPromptlyAndDeliversNothingAfterwards) {
    RenewalWorker worker(2);
    // Runs ahead only a bounded distance while nobody takes results.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_LE(worker.PassesDone(), 2 * RenewalWorker::kRunAheadPerThread);
    const auto r = worker.TryTake();
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->pass, 0u);
    EXPECT_GE(r->puzzle.grading.result, 1);
    worker.Stop();
    EXPECT_FALSE(worker.TryTake().has_value());
    EXPECT_FALSE(worker.Take().has_value());
    worker.Stop(); // twice is harmless
}

TEST(RenewalWorker, ReadyComesOncePerResultInPassOrderAndNeverAfterStop) {
    std::mutex mutex;
    std::condition_variable cv;
    int ready = 0;
    RenewalWorker worker(3, 99, [&] {
        std::lock_guard lock(mutex);
        ++ready;
        cv.notify_all();
    });
    RenewalWorker reference(1, 99);
    // One TryTake per call, as the window does, well past the run-ahead bound
    // (a missed call would stall the workers and time out here).
    for (int i = 0; i < 30; ++i) {
        {
            std::unique_lock lock(mutex);
            ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(120), [&] { return ready > i; }))
                << "no ready call for pass " << i;
        }
        const auto r = worker.TryTake();
        ASSERT_TRUE(r.has_value()) << "ready came before its result, pass " << i;
        EXPECT_EQ(r->pass, static_cast<std::uint64_t>(i));
        EXPECT_EQ(r->puzzle.givens, reference.Take()->puzzle.givens) << "pass " << i;
    }
    worker.Stop();
    int afterStop;
    {
        std::lock_guard lock(mutex);
        afterStop = ready;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::lock_guard lock(mutex);
    EXPECT_EQ(ready, afterStop) << "called after Stop";
    EXPECT_LE(static_cast<std::uint64_t>(ready), 30 + 3 * RenewalWorker::kRunAheadPerThread)
        << "more calls than results the bounded run-ahead allows";
}

TEST(RenewalWorker, UnseededWorkersDiffer) {
    RenewalWorker a(1), b(1);
    EXPECT_NE(TakeN(a, 1)[0].puzzle.givens, TakeN(b, 1)[0].puzzle.givens);
}

} // namespace
} // namespace dravik
