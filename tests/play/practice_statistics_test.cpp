// Practice a technique and the statistics, driven through the game object as
// the window drives it: the search's view, the found puzzle played as a
// brought one, and every counting rule on a whole sequence of games.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

#include "game/model/puzzle_text.h"
#include "game/players/statistics_file.h"
#include "game/stock/practice_search.h"
#include "play_fixture.h"
#include "support/temp_folder.h"

namespace dravik::test {
namespace {

class FakePracticeSource final : public PracticeSource {
  public:
    void Start(int t) override {
        started.push_back(t);
        running = true;
    }
    void Stop() override {
        running = false;
        ++stops;
    }
    std::uint64_t Tried() const override { return tried; }
    std::optional<GeneratedPuzzle> TryTake() override {
        if (!running || !found) return std::nullopt;
        std::optional<GeneratedPuzzle> p = found;
        found.reset();
        return p;
    }
    std::vector<int> started;
    bool running = false;
    int stops = 0;
    std::uint64_t tried = 0;
    std::optional<GeneratedPuzzle> found;
};

class MemoryStatisticsStore final : public StatisticsStore {
  public:
    std::string Save(const Statistics& s) override {
        ++saves;
        saved = s;
        return fail ? "disk full" : "";
    }
    int saves = 0;
    bool fail = false;
    Statistics saved;
};

TEST(PracticeInTheGame, TheFoundPuzzleIsPlayedOutsideTheStockAndCancelStopsTheSearch) {
    PlayHarness h;
    FakePracticeSource source;
    h.game->SetPracticeSource(&source);
    h.StartAndIdle();
    h.OpenNext();
    ASSERT_TRUE(h.playing());

    // The player is asked before the game in progress is put at stake.
    h.prompt.answers = {MessageAnswer::No};
    h.game->Practise(kXWing);
    EXPECT_FALSE(h.game->Practising());
    EXPECT_TRUE(source.started.empty());
    h.game->Practise(kXWing);
    ASSERT_EQ(source.started, std::vector<int>{kXWing});
    EXPECT_NE(h.prompt.messages.back().text.find("needs X-Wing?"), std::string::npos);

    // While it looks the game goes on, and the view tells the progress.
    source.tried = 1234;
    h.game->RunPass();
    ASSERT_TRUE(h.view().Practice);
    EXPECT_EQ(h.view().Practice->Text,
              "Looking for a puzzle that needs X-Wing (1,234 puzzles tried)");
    EXPECT_TRUE(h.playing());

    // Found: played as a brought puzzle, and the search is over.
    const GeneratedPuzzle found = GeneratedOfLevel(4, 100);
    source.found = found;
    h.game->RunPass();
    EXPECT_FALSE(h.view().Practice);
    EXPECT_FALSE(source.running);
    const GameView v = h.view();
    EXPECT_EQ(v.StatusPanels[0], "Level: Hard");
    EXPECT_EQ(v.StatusPanels[1], "Number: --");
    std::array<std::uint8_t, kCells> givens{};
    for (int c = 0; c < kCells; ++c) givens[c] = static_cast<std::uint8_t>(found.givens[c]);
    EXPECT_EQ(h.board().Givens, givens);
    const int writes = h.writer.writes;
    h.clock.AdvanceSeconds(30);
    h.PlaceSolution();
    EXPECT_FALSE(h.playing());
    EXPECT_EQ(h.writer.writes, writes) << "no best time, no stock write";

    // Cancel: no puzzle comes, whatever the source still had.
    h.game->Practise(kJellyfish);
    EXPECT_TRUE(h.game->Practising());
    h.game->CancelPractice();
    source.found = found;
    source.running = true; // a late report
    h.game->RunPass();
    EXPECT_FALSE(h.view().Practice);
    EXPECT_FALSE(h.playing());

    // Without a source practice is not offered; an unknown technique neither.
    PlayHarness bare;
    bare.StartAndIdle();
    EXPECT_FALSE(bare.game->CanPractise(kXWing));
    EXPECT_FALSE(h.game->CanPractise(kTechniqueCount));
}

TEST(StatisticsInTheGame, EveryRuleCountsForThePlayerAndLevelOnTheBoard) {
    PlayHarness h;
    MemoryStatisticsStore store;
    h.StartAndIdle();
    h.game->TakeStatistics({}, &store);
    PlayerList players;
    players.Names = {PadName("Anna"), PadName("Bert")};

    // Free Play, level 1: a hint, then finished in 1:40.
    h.game->SelectLevel(1);
    h.OpenNext();
    h.game->Hint();
    h.clock.AdvanceSeconds(100);
    h.game->Tick();
    h.PlaceSolution();
    // Anna, level 1: finished in 0:50, then a solution shown.
    players.CurrentPlayer = 1;
    h.game->PlayersChanged(players);
    h.OpenNext();
    h.clock.AdvanceSeconds(50);
    h.game->Tick();
    h.PlaceSolution();
    h.OpenNext();
    h.game->ShowSolution();
    // Anna gives up a level-1 game for a pasted puzzle, then quits while it runs.
    h.OpenNext();
    ASSERT_TRUE(h.game->PlayText(GridText(TestPuzzles(3)[0].givens)));
    h.prompt.answers = {MessageAnswer::No};
    EXPECT_FALSE(h.game->QueryQuit()); // staying counts nothing
    EXPECT_TRUE(h.game->QueryQuit());

    const Statistics& s = h.game->Stats();
    EXPECT_EQ(store.saved, s) << "saved after every change";
    EXPECT_EQ(store.saves, 6);
    LevelFigures freeLevel1;
    freeLevel1.finished = 1;
    freeLevel1.totalSeconds = freeLevel1.bestSeconds = 100;
    freeLevel1.hints = 1;
    freeLevel1.recent = {100};
    EXPECT_EQ(s.Of(0).levels[1], freeLevel1);
    LevelFigures anna1;
    anna1.finished = 1;
    anna1.totalSeconds = anna1.bestSeconds = 50;
    anna1.solutions = 1;
    anna1.abandoned = 1;
    anna1.recent = {50};
    EXPECT_EQ(s.Of(1).levels[1], anna1);
    EXPECT_EQ(s.Of(1).levels[3].abandoned, 1) << "the pasted puzzle, at its level";
    EXPECT_EQ(s.Of(1).name, "Anna");
    EXPECT_TRUE(s.Of(2).levels[1].Empty());

    // A failed save is told once, and counting goes on (the pasted puzzle
    // still runs: the quit question does not end the game by itself).
    store.fail = true;
    h.game->Hint();
    h.game->Hint();
    int told = 0;
    for (const ShownMessage& m : h.prompt.messages)
        told += m.text.find("could not be saved: disk full") != std::string::npos;
    EXPECT_EQ(told, 1);
    EXPECT_EQ(h.game->Stats().Of(1).levels[3].hints, 2);
}

TEST(StatisticsRules, TimesBestAverageAndTheLastTwentyAndTheTextRoundTrip) {
    Statistics s;
    for (int i = 1; i <= 25; ++i) s.Finished(3, "Cleo", 5, 100 + i);
    s.Finished(3, "Cleo", 5, 90);
    s.Abandoned(0, "", 2);
    s.HintAsked(7, "Name with = and [brackets]", 4);
    s.Finished(3, "Cleo", 9, 10); // no such level: nothing
    const LevelFigures& v = s.Of(3).levels[5];
    EXPECT_EQ(v.finished, 26);
    EXPECT_EQ(v.bestSeconds, 90);
    EXPECT_EQ(v.AverageSeconds(), (25 * 100 + 325 + 90) / 26);
    ASSERT_EQ(v.recent.size(), 20u);
    EXPECT_EQ(v.recent.front(), 107);
    EXPECT_EQ(v.recent.back(), 90);

    std::string problem;
    const std::optional<Statistics> back = ReadStatisticsText(WriteStatisticsText(s), &problem);
    ASSERT_TRUE(back) << problem;
    EXPECT_EQ(*back, s);
    EXPECT_EQ(ReadStatisticsText(""), Statistics{});
}

TEST(StatisticsRules, AHostileTextIsDamagedAsAWhole) {
    const std::string good = "[Player 2]\nName=Ann\nLevel3=2 100 40 1 0 0\nTimes3=40,60\n";
    ASSERT_TRUE(ReadStatisticsText(good));
    const std::vector<std::string> hostile = {
        "Level3=2 100 40 1 0 0\n",                               // before any section
        "[Player 0]\n",                                          // no such player
        "[Player 99999]\n",                                      // beyond the list's range
        "[Free Play]\n[Free Play]\n",                            // twice
        "[Free Play]\nLevel3=1 2 3\n",                           // too few numbers
        "[Free Play]\nLevel3=1 2 3 4 5 -6\n",                    // a sign
        "[Free Play]\nLevel3=1 99999999999 3 4 5 6\n",           // too large
        "[Free Play]\nLevel3=01 2 1 4 5 6\n",                    // not plain
        "[Free Play]\nLevel6=1 2 1 0 0 0\n",                     // no such level
        "[Free Play]\nLevel3=0 5 0 0 0 0\n",                     // time without a game
        "[Free Play]\nLevel3=1 5 9 0 0 0\n",                     // best above the total
        "[Free Play]\nTimes3=5\n",                               // times before figures
        "[Free Play]\nLevel3=1 5 5 0 0 0\nTimes3=5,6\n",         // more times than games
        "[Free Play]\nLevel3=1 5 5 0 0 0\nTimes3=4\n",           // below the best
        "[Free Play]\nLevel3=1 5 5 0 0 0\nLevel3=1 5 5 0 0 0\n", // a key twice
        "[Player 1]\nName=a\x01b\n",                             // a control character
        "[Player 1]\nName=" + std::string(300, 'x') + "\n",      // too long
        "[Free Play]\nColour=red\n",                             // unknown key
        "[Free Play\n",                                          // broken header
        std::string("[Free Play]\n\0\n", 14),                    // a NUL byte
        "garbage",
    };
    for (const std::string& text : hostile) {
        std::string problem;
        EXPECT_FALSE(ReadStatisticsText(text, &problem)) << text;
        EXPECT_FALSE(problem.empty());
    }
}

TEST(StatisticsFile, DamagedFilesAreSetAsideAndAKillMidWriteNeverLosesTheFile) {
    TempFolder folder("dravik-stats");
    const std::filesystem::path file = folder.path() / std::string(kStatisticsFileName);
    EXPECT_TRUE(LoadStatisticsFile(file).setAside.empty()) << "missing: a first start";

    // Damaged, too large, a folder: set aside, the game counts afresh.
    std::ofstream(file) << "[Nobody]\n";
    StatisticsLoad bad = LoadStatisticsFile(file);
    EXPECT_EQ(bad.setAside, file.string() + ".bad");
    EXPECT_EQ(bad.statistics, Statistics{});
    std::ofstream(file) << std::string(kMaxStatisticsFileBytes + 1, '#');
    EXPECT_EQ(LoadStatisticsFile(file).setAside, file.string() + ".2.bad");
    std::filesystem::create_directory(file);
    EXPECT_FALSE(LoadStatisticsFile(file).setAside.empty());
    EXPECT_FALSE(std::filesystem::exists(file));

    // A child saves over and over and is killed at a random moment: the file
    // is always one whole save, and no temporary file outlives the next load.
    FileStatisticsStore store(file);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            Statistics s;
            for (int i = 0;; ++i) {
                s.Finished(i % 50, "P", 1 + i % 5, i);
                if (!FileStatisticsStore(file).Save(s).empty()) ::_exit(3);
            }
        }
        ::usleep(static_cast<useconds_t>(2000 + 1500 * round));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const StatisticsLoad load = LoadStatisticsFile(file);
        EXPECT_TRUE(load.setAside.empty()) << round << ": " << load.problem;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
    }
}

TEST(PracticeSearch, FindsPuzzlesThatNeedTheTechniqueTheSameForAnyThreadCount) {
    for (int t : {kBoxLine, kXWing, kNakedQuint, kJellyfish}) {
        std::vector<GeneratedPuzzle> one, two;
        PracticeSearch a(t, 3, 1, 42), b(t, 3, 2, 42);
        for (int i = 0; i < 3; ++i) {
            one.push_back(*a.Take());
            two.push_back(*b.Take());
            Solver solver;
            const GeneratedPuzzle& p = one.back();
            EXPECT_TRUE(NeedsTechnique(GradePuzzle(solver, p.givens), t));
            EXPECT_EQ(CountSolutionsUpTo2(p.givens), 1);
            for (int c = 0; c < kCells; ++c) {
                EXPECT_EQ(p.givens[c] == 0, p.givens[80 - c] == 0) << "half-turn symmetry";
                if (p.givens[c]) {
                    EXPECT_EQ(p.givens[c], p.solution[c]);
                }
            }
        }
        EXPECT_FALSE(a.Take()) << "all three were taken";
        for (int i = 0; i < 3; ++i) EXPECT_EQ(one[i].givens, two[i].givens) << t;
        EXPECT_TRUE(a.Progress().done);
    }
    // Stopped in the middle of a search, it delivers nothing more.
    PracticeSearch c(kJellyfish, 1000, 2);
    c.Stop();
    const std::uint64_t tried = c.Progress().tried;
    EXPECT_FALSE(c.Progress().done);
    EXPECT_EQ(c.Progress().tried, tried);

    EXPECT_EQ(TechniqueByName("XW"), kXWing);
    EXPECT_EQ(TechniqueByName("Avoidable Rect."), kAvoidableRectangle);
    EXPECT_EQ(TechniqueByName("xw"), std::nullopt) << "spelt as the table has it";
    EXPECT_EQ(TechniqueByName(""), std::nullopt);
}

} // namespace
} // namespace dravik::test
