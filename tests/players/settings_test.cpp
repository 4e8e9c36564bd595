// The settings keys, their defaults and formats, and what happens to values
// that another program or a damaged file left behind.
#include <gtest/gtest.h>

#include "game/players/settings.h"

namespace dravik {
namespace {

TEST(Settings, ACleanStoreGivesTheDefaults) {
    MemorySettingsStore store;
    Options options = LoadOptions(store);
    EXPECT_TRUE(options.SoundOn);
    EXPECT_EQ(options.CurrentLevel, 2);
    LastPuzzles last = LoadLastPuzzles(store);
    for (int l = 1; l <= 5; ++l) EXPECT_EQ(last[l], 0);
    PlayerList players = Setup_Players(store);
    EXPECT_EQ(players.PlayerCount(), 0);
    EXPECT_EQ(players.CurrentPlayer, 0);
    EXPECT_EQ(store.Writes(), 0) << "reading writes nothing";
}

TEST(Settings, WrittenValuesUseTheStoredFormatsAndReadBack) {
    MemorySettingsStore store;
    SaveOptions(store, Options{false, 5});
    EXPECT_EQ(store.Get("Options", "Sounds"), "False");
    EXPECT_EQ(store.Get("Options", "Level"), "5");
    Options back = LoadOptions(store);
    EXPECT_FALSE(back.SoundOn);
    EXPECT_EQ(back.CurrentLevel, 5);
    SaveOptions(store, Options{true, 1});
    EXPECT_EQ(store.Get("Options", "Sounds"), "True");

    LastPuzzles last{0, 1, 100, 0, 42, 7};
    SaveLastPuzzles(store, last);
    EXPECT_EQ(store.Get("Last_Puzzle", "Level01"), "1");
    EXPECT_EQ(store.Get("Last_Puzzle", "Level02"), "100");
    EXPECT_EQ(store.Get("Last_Puzzle", "Level05"), "7");
    EXPECT_EQ(LoadLastPuzzles(store), last);

    PlayerList players;
    players.Names = {PadName("Ann"), PadName("A name much longer than sixteen")};
    SavePlayers(store, players);
    SaveLastPlayer(store, 2);
    EXPECT_EQ(store.Get("Players", "Count"), "2");
    EXPECT_EQ(store.Get("Players", "Player01"), "Ann             ");
    EXPECT_EQ(store.Get("Players", "Player02"), "A name much long");
    EXPECT_EQ(store.Get("Players", "Last_Player"), "2");
    PlayerList back2 = Setup_Players(store);
    EXPECT_EQ(back2.Names, players.Names);
    EXPECT_EQ(back2.CurrentPlayer, 2);
    EXPECT_EQ(back2.DisplayName(1), "Ann");
    EXPECT_EQ(back2.DisplayName(3), std::nullopt);
    EXPECT_EQ(back2.DisplayName(0), std::nullopt);
}

TEST(Settings, OnlyTheExactTextFalseTurnsSoundOff) {
    for (const char* text : {"false", "0", "", "FALSE", "no"}) {
        MemorySettingsStore store;
        store.Put("Options", "Sounds", text);
        EXPECT_TRUE(LoadOptions(store).SoundOn) << text;
    }
}

TEST(Settings, NamesAreCutAndPaddedToSixteenCharactersAndMissingOnesNamedByKey) {
    MemorySettingsStore store;
    store.Put("Players", "Count", "3");
    store.Put("Players", "Player01", "Twenty characters!!!");
    store.Put("Players", "Player03", "Eve");
    PlayerList players = Setup_Players(store);
    ASSERT_EQ(players.PlayerCount(), 3);
    EXPECT_EQ(players.Names[0], "Twenty character");
    EXPECT_EQ(players.Names[1], "Player02        ");
    EXPECT_EQ(players.Names[2], "Eve             ");
    // Sixteen characters, not bytes: accented names keep whole letters.
    std::string padded = PadName("Zoë Ångström-Østergård");
    EXPECT_EQ(padded, "Zoë Ångström-Øst");
    EXPECT_EQ(PadName("Zoë"), "Zoë             ");
    EXPECT_EQ(StripTrailingSpaces("  Ann  "), "  Ann");
    EXPECT_EQ(StripTrailingSpaces("    "), "");
}

TEST(Settings, NumberedKeysUseTheLastTwoDigits) {
    EXPECT_EQ(NumberedKey("Level", 1), "Level01");
    EXPECT_EQ(NumberedKey("Player", 7), "Player07");
    EXPECT_EQ(NumberedKey("Player", 42), "Player42");
    EXPECT_EQ(NumberedKey("Player", 100), "Player00");
    EXPECT_EQ(NumberedKey("Player", 101), "Player01");
}

TEST(Settings, DamagedValuesFallBackToTheDefaults) {
    MemorySettingsStore store;
    store.Put("Options", "Level", "7");
    store.Put("Last_Puzzle", "Level01", "101");
    store.Put("Last_Puzzle", "Level02", "-3");
    store.Put("Last_Puzzle", "Level03", "12abc");
    store.Put("Last_Puzzle", "Level04", " 55 ");
    store.Put("Last_Puzzle", "Level05", "99999999999999999999");
    store.Put("Players", "Count", "two");
    store.Put("Players", "Last_Player", "1");
    EXPECT_EQ(LoadOptions(store).CurrentLevel, 2);
    LastPuzzles last = LoadLastPuzzles(store);
    EXPECT_EQ(last, (LastPuzzles{0, 0, 0, 0, 55, 0}));
    PlayerList players = Setup_Players(store);
    EXPECT_EQ(players.PlayerCount(), 0);
    EXPECT_EQ(players.CurrentPlayer, 0) << "a last player beyond the list means Free Play";

    for (const char* level : {"0", "abc", "", "2.5", "-1", "+3"}) {
        store.Put("Options", "Level", level);
        EXPECT_EQ(LoadOptions(store).CurrentLevel, 2) << level;
    }
    store.Put("Options", "Level", "4");
    EXPECT_EQ(LoadOptions(store).CurrentLevel, 4);

    store.Put("Players", "Count", "2");
    store.Put("Players", "Last_Player", "3");
    EXPECT_EQ(Setup_Players(store).CurrentPlayer, 0);
    store.Put("Players", "Last_Player", "-1");
    EXPECT_EQ(Setup_Players(store).CurrentPlayer, 0);
    store.Put("Players", "Last_Player", "2");
    EXPECT_EQ(Setup_Players(store).CurrentPlayer, 2);
    store.Put("Players", "Count", "40000");
    EXPECT_EQ(Setup_Players(store).PlayerCount(), 0);
}

} // namespace
} // namespace dravik
