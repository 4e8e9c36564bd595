// Start-up, whole games, the clock, best times, levels, Next and Open, renewal
// and the quit question.
#include <gtest/gtest.h>

#include <algorithm>

#include "play_fixture.h"

namespace dravik::test {
namespace {

void AddPlayers(MemorySettingsStore& s, int current) {
    s.Put("Players", "Count", "2");
    s.Put("Players", "Player01", "Ann             ");
    s.Put("Players", "Player02", "Bob             ");
    s.Put("Players", "Last_Player", std::to_string(current));
}

TEST(Startup, ClearedDisabledBoardUntilTheFirstPassThenNextAndOpen) {
    PlayHarness h;
    ASSERT_TRUE(h.Start());
    GameView v = h.view();
    EXPECT_EQ(v.Title, "Dravik Sudoku - Free Play (no player selected)");
    EXPECT_FALSE(v.BoardEnabled);
    for (const CellView& c : v.Cells) {
        EXPECT_EQ(c.Digit, 0);
        EXPECT_EQ(c.MarksShown, kAllCandidates);
    }
    EXPECT_EQ(v.Time, "00:00");
    EXPECT_EQ(v.Steps, "0");
    EXPECT_EQ(v.StatusPanels[0], "Level: ----");
    EXPECT_FALSE(v.Buttons.Next || v.Buttons.Open || v.Buttons.Print);
    EXPECT_TRUE(v.Starting);
    EXPECT_TRUE(!h.playing());
    EXPECT_EQ(h.board().SelectedRow, -1);
    EXPECT_TRUE(h.game->NeedsPass());

    h.game->RunPass();
    v = h.view();
    EXPECT_FALSE(v.Starting);
    EXPECT_TRUE(v.Buttons.Next && v.Buttons.Open && v.Buttons.Print);
    EXPECT_FALSE(h.game->NeedsPass()) << "an idle game has no work: no pass is scheduled";
    EXPECT_EQ(h.source.starts, 0);
    // A clean store: sound on, level 2, every level's next puzzle is number 1.
    EXPECT_TRUE(v.SoundChecked);
    EXPECT_EQ(v.SelectedLevel, 2);
    h.OpenNext();
    EXPECT_EQ(h.board().PuzzleNumber, 1);
    EXPECT_EQ(h.board().PuzzleLevel, 2);
}

TEST(Startup, AnUnreadableStockEndsTheProgramAndARecoveredOneIsReported) {
    {
        PlayHarness h;
        h.game->LoadSettings(true);
        StockOpenResult failed;
        failed.status = StockOpenStatus::kFailed;
        EXPECT_FALSE(h.game->TakeStock(failed, TestStock()));
        ASSERT_EQ(h.prompt.messages.size(), 2u);
        EXPECT_EQ(h.prompt.messages[0].text, "Error reading sudokus from file!");
        EXPECT_EQ(h.prompt.messages[0].title, "File Error");
        EXPECT_EQ(h.prompt.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(h.prompt.messages[1].title, "Critical Error!");
        EXPECT_EQ(h.prompt.messages[1].icon, MessageIcon::Critical);
        EXPECT_NE(h.prompt.messages[1].text.find("'SudStock.kds'"), std::string::npos);
        EXPECT_FALSE(h.game->NeedsPass());
    }
    {
        PlayHarness h;
        h.game->LoadSettings(true);
        StockOpenResult recovered;
        recovered.status = StockOpenStatus::kRecovered;
        recovered.setAside = "/data/sudstock.kds.bad";
        EXPECT_TRUE(h.game->TakeStock(recovered, TestStock()));
        ASSERT_EQ(h.prompt.messages.size(), 1u);
        EXPECT_NE(h.prompt.messages[0].text.find("sudstock.kds.bad"), std::string::npos);
        EXPECT_TRUE(h.game->NeedsPass());
    }
}

TEST(Startup, TitleNamesTheLastPlayerWithoutBlanks) {
    PlayHarness h;
    AddPlayers(h.settings, 1);
    h.StartAndIdle();
    EXPECT_EQ(h.view().Title, "Dravik Sudoku - Ann is playing");
    PlayerList list = h.game->Players();
    list.CurrentPlayer = 0;
    const int writes = h.settings.Writes();
    h.game->PlayersChanged(list);
    EXPECT_EQ(h.view().Title, "Dravik Sudoku - Free Play (no player selected)");
    EXPECT_EQ(h.settings.Writes(), writes) << "the players dialog is the one that stores";
}

TEST(Sound, EffectsReachTheSinkOnlyWhileSoundIsOn) {
    PlayHarness h;
    h.settings.Put("Options", "Sounds", "False");
    h.StartAndIdle();
    h.OpenPuzzle(1, 1);
    h.game->ToggleColumn(1);
    h.game->ShowSolution();
    EXPECT_TRUE(h.sound.played.empty());
    h.game->SetSound(true);
    EXPECT_EQ(h.settings.Get("Options", "Sounds"), "True");
    h.game->ToggleColumn(2);
    EXPECT_EQ(h.sound.played, std::vector<int>{kSoundLabel});
}

TEST(Sound, WithoutADeviceTheBoxIsClearedButTheStoredChoiceStays) {
    PlayHarness h;
    h.settings.Put("Options", "Sounds", "True");
    ASSERT_TRUE(h.Start(/*soundAvailable=*/false));
    EXPECT_FALSE(h.view().SoundChecked);
    EXPECT_FALSE(h.view().SoundEnabled);
    EXPECT_EQ(h.settings.Get("Options", "Sounds"), "True");
}

TEST(Completion, AWholeGameByANamedPlayerSetsTheBestTimeAndWritesTheFileOnce) {
    PlayHarness h;
    AddPlayers(h.settings, 2);
    h.settings.Put("Options", "Level", "3");
    h.settings.Put("Last_Puzzle", "Level03", "3");
    h.StartAndIdle();
    h.OpenNext();
    ASSERT_EQ(h.board().PuzzleNumber, 4);
    h.clock.AdvanceSeconds(189);
    h.game->Tick();
    h.sound.played.clear();
    h.PlaceSolution();

    ASSERT_TRUE(!h.playing());
    EXPECT_EQ(h.board().Played, h.board().Solution);
    EXPECT_EQ(h.sound.played.back(), kSoundApplause);
    EXPECT_FALSE(h.view().ClockRunning);
    EXPECT_EQ(h.writer.writes, 1);
    const StockRecord& r = (*h.writer.written)(3, 4);
    EXPECT_EQ(r.BestMinutes, 3);
    EXPECT_EQ(r.BestSeconds, 9);
    EXPECT_EQ(r.BestPlayer, 2);
    EXPECT_EQ(h.game->Puzzles()(3, 4), r);
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].text, "New Best Time for this Sudoku. Congratulations!!!");
    EXPECT_EQ(h.prompt.messages[0].title, "New Best Time!");
    EXPECT_EQ(h.prompt.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(h.view().StatusPanels[2], "Best Time: 03:09 by Bob");
    EXPECT_EQ(h.view().StatusPanels[3], "Level Best Time: 03:09");
    EXPECT_EQ(h.view().StatusPanels[4], "Level Average Time: 03:09");
    const ButtonStates& s = h.view().Buttons;
    EXPECT_FALSE(s.Restart || s.Undo || s.Redo || s.ResetCell || s.Solution || s.Hint);
    EXPECT_TRUE(s.Next && s.Open);
    // Nothing is left to click.
    for (const CellView& c : h.view().Cells) EXPECT_EQ(c.MarksShown, 0);

    // The next visit of the puzzle shows its holder.
    h.OpenPuzzle(3, 4);
    EXPECT_EQ(h.view().StatusPanels[2], "Best Time: 03:09 by Bob");
}

TEST(Completion, OnlyAStrictlyShorterTimeByANamedPlayerCounts) {
    struct Case {
        int player;
        int seconds;
        bool newBest;
    };
    for (Case c : {Case{1, 189, true}, Case{1, 190, false}, Case{1, 250, false},
                   Case{0, 100, false}, Case{1, 0, false}}) {
        PlayHarness h;
        AddPlayers(h.settings, 1);
        h.StartAndIdle();
        // Ann's first game gives the puzzle a best time of 03:10.
        h.OpenPuzzle(1, 7);
        h.clock.AdvanceSeconds(190);
        h.game->Tick();
        h.PlaceSolution();
        ASSERT_EQ(h.writer.writes, 1);
        PlayerList players = h.game->Players();
        players.CurrentPlayer = c.player;
        h.game->PlayersChanged(players);
        h.prompt.messages.clear();

        h.OpenPuzzle(1, 7);
        EXPECT_EQ(h.view().StatusPanels[2], "Best Time: 03:10 by Ann");
        h.clock.AdvanceSeconds(c.seconds);
        h.game->Tick();
        h.PlaceSolution();
        EXPECT_TRUE(!h.playing());
        EXPECT_EQ(h.sound.played.back(), kSoundApplause);
        EXPECT_EQ(h.writer.writes, c.newBest ? 2 : 1) << c.player << " " << c.seconds;
        EXPECT_EQ(h.prompt.messages.size(), c.newBest ? 1u : 0u);
        EXPECT_EQ(h.game->Puzzles()(1, 7).BestTimeSeconds(), c.newBest ? c.seconds : 190);
        EXPECT_EQ(h.view().StatusPanels[2],
                  c.newBest ? "Best Time: 03:09 by Ann" : "Best Time: 03:10 by Ann");

        // The holder renamed in the players dialog: the panel follows at once.
        players = h.game->Players();
        players.Names[0] = "Anna            ";
        h.game->PlayersChanged(players);
        EXPECT_EQ(h.view().StatusPanels[2],
                  c.newBest ? "Best Time: 03:09 by Anna" : "Best Time: 03:10 by Anna");
    }
}

TEST(Completion, AFailedWriteIsReportedAndTheGameGoesOn) {
    PlayHarness h;
    AddPlayers(h.settings, 1);
    h.writer.fail = true;
    h.StartAndIdle();
    h.OpenPuzzle(2, 3);
    h.clock.AdvanceSeconds(42);
    h.game->Tick();
    h.PlaceSolution();
    ASSERT_EQ(h.prompt.messages.size(), 2u);
    EXPECT_EQ(h.prompt.messages[0].text, "Error writing sudokus to file!");
    EXPECT_EQ(h.prompt.messages[0].title, "File Error");
    EXPECT_EQ(h.prompt.messages[1].title, "New Best Time!");
    EXPECT_EQ(h.game->Puzzles()(2, 3).BestTimeSeconds(), 42);
    EXPECT_TRUE(h.view().Buttons.Next);
}

TEST(Completion, AFullBoardWithOneWrongDigitDoesNotComplete) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(1, 2);
    std::vector<int> empty;
    for (int i = 0; i < kCells; ++i)
        if (h.board().Played[i] == 0) empty.push_back(i);
    int wrongCell = empty.front();
    h.Place(wrongCell, h.board().Solution[wrongCell] % 9 + 1);
    for (std::size_t k = 1; k < empty.size(); ++k) h.Place(empty[k], h.board().Solution[empty[k]]);
    EXPECT_FALSE(!h.playing());
    EXPECT_TRUE(h.prompt.messages.empty());
    EXPECT_TRUE(h.view().ClockRunning);
    // Undo the wrong digit and place the right one: complete.
    h.SelectCell(wrongCell);
    h.game->ResetCell();
    h.Place(wrongCell, h.board().Solution[wrongCell]);
    EXPECT_TRUE(!h.playing());
}

TEST(LevelStatistics, BestAndRoundedDownAverageOverTheLevel) {
    Stock stock = TestStock();
    LevelTimes none = LevelStatistics(stock, 2);
    EXPECT_EQ(none.Count, 0);
    stock(2, 5).BestMinutes = 2;  // 120 s
    stock(2, 90).BestMinutes = 3; // 181 s
    stock(2, 90).BestSeconds = 1;
    stock(3, 1).BestSeconds = 5; // another level does not count
    LevelTimes t = LevelStatistics(stock, 2);
    EXPECT_EQ(t.Count, 2);
    EXPECT_EQ(FormatTime(t.Best), "02:00");
    EXPECT_EQ(FormatTime(t.Average), "02:30");

    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(2, 1);
    EXPECT_EQ(h.view().StatusPanels[3], "Level Best Time: 00:00");
    EXPECT_EQ(h.view().StatusPanels[4], "Level Average Time: 00:00");
}

TEST(Clock, ElapsedTimeComesFromTheMonotonicSourceInMmSs) {
    PlayHarness h;
    h.clock.now = 86'399'000; // the source's origin means nothing: no midnight rule
    h.StartAndIdle();
    h.OpenPuzzle(1, 1);
    h.clock.AdvanceSeconds(1);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "00:01");
    h.clock.now += 999;
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "00:01");
    h.clock.now += 1;
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "00:02");
    h.clock.AdvanceSeconds(105 * 60);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "05:02") << "minutes from 100 on show modulo 100";
    EXPECT_EQ(FormatTime(59), "00:59");
    EXPECT_EQ(FormatTime(3600), "60:00");
}

TEST(Clock, MinimizingAndThePrintDialogPauseTheCount) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(1, 1);
    h.clock.AdvanceSeconds(70);
    h.game->Tick();
    h.game->Resize(WindowState::Minimized);
    h.clock.AdvanceSeconds(300);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "01:10") << "a paused clock shows the time played";
    EXPECT_FALSE(h.view().ClockRunning) << "and needs no ticks";
    h.game->Resize(WindowState::Normal);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "01:10");
    h.clock.AdvanceSeconds(5);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "01:15");

    // Maximize, or restore without a minimize: nothing.
    h.game->Resize(WindowState::Maximized);
    h.clock.AdvanceSeconds(5);
    h.game->Resize(WindowState::Normal);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "01:20");

    h.game->PrintDialogOpening();
    h.clock.AdvanceSeconds(600);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "01:20") << "the dialog shows the paused time";
    // Minimized and restored while the dialog is open: still paused.
    h.game->Resize(WindowState::Minimized);
    h.game->Resize(WindowState::Normal);
    h.clock.AdvanceSeconds(60);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "01:20");
    h.game->PrintDialogClosed();
    h.clock.AdvanceSeconds(2);
    h.game->Tick();
    EXPECT_EQ(h.view().Time, "01:22");
}

TEST(NextAndOpen, NextCyclesThroughTheSetAndRemembersEachLevel) {
    PlayHarness h;
    h.settings.Put("Last_Puzzle", "Level02", "99");
    h.settings.Put("Last_Puzzle", "Level04", "100");
    h.StartAndIdle();
    h.OpenNext();
    EXPECT_EQ(h.board().PuzzleNumber, 100);
    h.game->ShowSolution();
    h.OpenNext();
    EXPECT_EQ(h.board().PuzzleNumber, 1);
    EXPECT_EQ(h.settings.Get("Last_Puzzle", "Level02"), "1");
    h.game->ShowSolution();
    h.game->SelectLevel(4);
    h.OpenNext();
    EXPECT_EQ(h.board().PuzzleLevel, 4);
    EXPECT_EQ(h.board().PuzzleNumber, 1);
    h.game->ShowSolution();
    h.game->SelectLevel(5); // never played: starts at 1
    h.OpenNext();
    EXPECT_EQ(h.board().PuzzleNumber, 1);
    EXPECT_EQ(h.settings.Get("Last_Puzzle", "Level05"), "1");
    EXPECT_EQ(h.settings.Get("Last_Puzzle", "Level02"), "1");
}

TEST(NextAndOpen, NextClearsAndDisablesUntilThePassLoads) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(3, 1);
    int first = 0;
    while (h.board().Played[first] != 0) ++first;
    h.Place(first, h.board().Solution[first]);
    h.game->ShowSolution();
    h.game->Next();
    EXPECT_TRUE(h.game->NeedsPass());
    EXPECT_FALSE(h.view().BoardEnabled);
    EXPECT_TRUE(!h.playing());
    EXPECT_EQ(h.board().StepCount, 0);
    EXPECT_EQ(h.board().Givens, decltype(h.board().Givens){});
    const ButtonStates& s = h.view().Buttons;
    EXPECT_FALSE(s.Restart || s.Undo || s.Redo || s.ResetCell || s.Solution || s.Hint || s.Next ||
                 s.Open);
    for (int l = 1; l <= 5; ++l) EXPECT_FALSE(s.Level[l]);
    h.game->RunPass();
    EXPECT_FALSE(h.game->NeedsPass());
    EXPECT_EQ(h.board().PuzzleNumber, 2);
    EXPECT_TRUE(h.view().BoardEnabled);
}

TEST(NextAndOpen, OpenAsksUntilItGetsANumberFromOneToAHundredOrNothing) {
    struct Case {
        std::vector<std::string> answers;
        int opened; // 0: nothing opened
        int questions;
    };
    const Case cases[] = {
        {{"7"}, 7, 1},          {{"7abc"}, 7, 1},
        {{"  12"}, 12, 1},      {{"abc", "0", "101", "-5", "8"}, 8, 5},
        {{"7.5"}, 8, 1},        {{"6.5"}, 6, 1},
        {{"100.4"}, 100, 1},    {{"0.5", "1e2"}, 100, 2},
        {{"99999", "3"}, 3, 2}, {{""}, 0, 1},
        {{"abc", ""}, 0, 2},
    };
    for (const Case& c : cases) {
        PlayHarness h;
        h.settings.Put("Last_Puzzle", "Level02", "40");
        h.StartAndIdle();
        for (const auto& a : c.answers) h.prompt.texts.push_back(a);
        h.game->Open();
        h.Settle();
        EXPECT_EQ(h.prompt.questions, c.questions) << c.answers.front();
        if (c.opened == 0) {
            EXPECT_FALSE(h.game->NeedsPass());
            EXPECT_EQ(h.settings.Get("Last_Puzzle", "Level02"), "40");
            EXPECT_TRUE(h.view().Buttons.Open);
            EXPECT_EQ(h.board().PuzzleNumber, 0);
        } else {
            EXPECT_EQ(h.board().PuzzleNumber, c.opened) << c.answers.front();
            EXPECT_EQ(h.settings.Get("Last_Puzzle", "Level02"), std::to_string(c.opened));
        }
    }
    EXPECT_EQ(LeadingNumber("\t 42 "), 42);
    EXPECT_EQ(LeadingNumber("-2.5"), -2);
    EXPECT_EQ(LeadingNumber("32767"), 32767);
    EXPECT_EQ(LeadingNumber("32768"), 0);
    EXPECT_EQ(LeadingNumber("1e999"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("5.x"), 5);
}

TEST(Levels, ChoosingALevelSavesBothOptionsAndLeavesTheBoard) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(1, 3);
    h.game->ShowSolution();
    auto played = h.board().Played;
    h.settings.Put("Options", "Sounds", "x");
    h.game->SelectLevel(4);
    EXPECT_EQ(h.settings.Get("Options", "Level"), "4");
    EXPECT_EQ(h.settings.Get("Options", "Sounds"), "True");
    EXPECT_EQ(h.board().Played, played);
    EXPECT_EQ(h.board().PuzzleLevel, 1);
    h.OpenNext();
    EXPECT_EQ(h.board().PuzzleLevel, 4);
    // During a game the level buttons are disabled.
    h.game->SelectLevel(2);
    EXPECT_EQ(h.view().SelectedLevel, 4);
}

TEST(Quit, YesEndsNoKeepsTheGameRunning) {
    PlayHarness h;
    h.StartAndIdle();
    h.OpenPuzzle(1, 1);
    h.prompt.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(h.game->QueryQuit());
    ASSERT_EQ(h.prompt.messages.size(), 1u);
    EXPECT_EQ(h.prompt.messages[0].text, "Do you really want to quit ?");
    EXPECT_EQ(h.prompt.messages[0].title, "Quit Dravik Sudoku");
    EXPECT_EQ(h.prompt.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(h.prompt.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(h.view().ClockRunning);
    EXPECT_FALSE(!h.playing());
    EXPECT_TRUE(h.game->QueryQuit());
    EXPECT_EQ(h.writer.writes, 0);
}

} // namespace
} // namespace dravik::test
