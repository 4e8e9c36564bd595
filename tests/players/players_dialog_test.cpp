// The players dialog's rules: its two modes, the checks on a typed name, what
// is stored when, and what the game gets back when the dialog hides.
#include <gtest/gtest.h>

#include <string>

#include "game/players/players_dialog.h"

namespace dravik {
namespace {

// A store holding `names` as the dialog itself would have written them.
MemorySettingsStore StoreWith(std::initializer_list<const char*> names, int lastPlayer = 0) {
    MemorySettingsStore store;
    PlayerList list;
    for (const char* n : names) list.Names.push_back(PadName(n));
    SavePlayers(store, list);
    SaveLastPlayer(store, lastPlayer);
    return store;
}

// Adds `name` as a new player; the message of a refusal, if any.
std::optional<PlayersMessage> Add(PlayersDialog& d, std::string_view name) {
    EXPECT_FALSE(d.NewPlayer());
    d.TypeText(name);
    return d.EnterKey();
}

void ExpectBrowsing(const PlayersDialog& d) {
    EXPECT_FALSE(d.Editing());
    EXPECT_TRUE(d.Controls().List);
    EXPECT_TRUE(d.Controls().NewPlayer);
    EXPECT_TRUE(d.Controls().Cancel);
    EXPECT_EQ(d.Controls().Ok, d.Selection() >= 0);
    EXPECT_EQ(d.Controls().EditPlayer, d.Selection() >= 0);
    EXPECT_EQ(d.Focus(), PlayersFocus::List);
}

TEST(PlayersDialog, EmptyAndBlankNamesAreRefusedWhileEditingGoesOn) {
    MemorySettingsStore store = StoreWith({"Ann"});
    const int writes = store.Writes();
    PlayersDialog d(store);
    d.Activate(Setup_Players(store));
    ASSERT_FALSE(d.NewPlayer());
    EXPECT_TRUE(d.Editing());
    EXPECT_EQ(d.Focus(), PlayersFocus::Entry);
    EXPECT_FALSE(d.Controls().List || d.Controls().NewPlayer || d.Controls().EditPlayer ||
                 d.Controls().Cancel || d.Controls().Ok);
    EXPECT_TRUE(d.Controls().FreePlay);

    auto empty = d.EnterKey();
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Title, "Loss of memory ?");
    EXPECT_EQ(empty->Text, "Did you suffer from memory loss ?\nCome on, think very deeply, try to "
                           "remember your own name.");
    EXPECT_TRUE(d.Editing());

    d.TypeText("    ");
    auto blank = d.EnterKey();
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->Title, "My name is Nobody");
    EXPECT_EQ(blank->Text, "If you want to stay unknown,\nuse a nick name.");
    EXPECT_TRUE(d.Editing());
    EXPECT_EQ(d.EntryText(), "    ") << "the entry keeps what was typed";

    // Blanks that only follow the 16 characters kept are blanks all the same.
    d.TypeText(std::string(16, ' ') + "Bob");
    auto cut = d.EnterKey();
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->Title, "My name is Nobody");

    EXPECT_EQ(d.Players().PlayerCount(), 1);
    EXPECT_EQ(store.Writes(), writes) << "nothing is stored for a refused name";
}

TEST(PlayersDialog, ANameInUseIsRefusedButOtherLetterCaseAndLeadingBlanksMakeANewName) {
    MemorySettingsStore store = StoreWith({"Ann", "Bob"});
    PlayersDialog d(store);
    d.Activate(Setup_Players(store));

    for (const char* taken : {"Ann", "Ann   ", "Bob"}) {
        d.EscapeKey();
        auto refused = Add(d, taken);
        ASSERT_TRUE(refused) << taken;
        const std::string name = StripTrailingSpaces(taken);
        EXPECT_EQ(refused->Title, "Oh no, not another " + name + " !!!");
        EXPECT_EQ(refused->Text, "Yeah yeah, I know there are more people having that name,\nbut " +
                                     name +
                                     " is allready in use.\nA unique name is required,\nso, use "
                                     "your imagination.");
        EXPECT_TRUE(d.Editing());
    }
    d.EscapeKey();
    ExpectBrowsing(d);
    EXPECT_EQ(d.EntryText(), "");

    ASSERT_FALSE(Add(d, "ann"));
    ExpectBrowsing(d);
    EXPECT_EQ(d.Selection(), 2) << "the new line is selected";
    EXPECT_EQ(d.EntryText(), "");
    ASSERT_FALSE(Add(d, " Ann"));
    EXPECT_EQ(store.Get("Players", "Count"), "4");
    EXPECT_EQ(store.Get("Players", "Player03"), "ann             ");
    EXPECT_EQ(store.Get("Players", "Player04"), " Ann            ");
    EXPECT_EQ(Setup_Players(store).Names, d.Players().Names);
}

TEST(PlayersDialog, EditingANameKeepsThePlayersNumberAndMayKeepItsOwnName) {
    MemorySettingsStore store = StoreWith({"Ann", "Bob", "Cor"}, 2);
    PlayersDialog d(store);
    d.Activate(Setup_Players(store));
    d.EditPlayer();
    EXPECT_FALSE(d.Editing()) << "Edit Player needs a selected line";

    d.ListClick(1);
    d.EditPlayer();
    ASSERT_TRUE(d.Editing());
    EXPECT_EQ(d.EntryText(), "Bob") << "without its trailing blanks";
    EXPECT_EQ(d.Selection(), 1);
    EXPECT_FALSE(d.EnterKey()) << "its own name is not a clash";
    ExpectBrowsing(d);

    d.EditPlayer();
    d.TypeText("Cor");
    ASSERT_TRUE(d.EnterKey()) << "another player's name is";
    d.TypeText("Bert");
    ASSERT_FALSE(d.EnterKey());
    EXPECT_EQ(d.Players().PlayerCount(), 3);
    EXPECT_EQ(d.Players().DisplayName(2), "Bert");
    EXPECT_EQ(store.Get("Players", "Player02"), "Bert            ");
    EXPECT_EQ(d.Selection(), 1);

    // Esc drops an edit without storing anything.
    const int writes = store.Writes();
    d.EditPlayer();
    d.TypeText("Dirk");
    d.EscapeKey();
    ExpectBrowsing(d);
    EXPECT_EQ(d.EntryText(), "");
    EXPECT_EQ(d.Selection(), 1);
    EXPECT_EQ(d.Players().DisplayName(2), "Bert");
    EXPECT_EQ(store.Writes(), writes);
}

TEST(PlayersDialog, ALongNameIsKeptAsItsFirstSixteenCharactersAndCheckedAsKept) {
    MemorySettingsStore store;
    PlayersDialog d(store);
    d.Activate(Setup_Players(store));
    ASSERT_FALSE(Add(d, "ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(store.Get("Players", "Count"), "1");
    EXPECT_EQ(store.Get("Players", "Player01"), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(d.Players().DisplayName(1), "ABCDEFGHIJKLMNOP");

    // Another long name with the same first sixteen would be stored as a copy.
    auto copy = Add(d, "ABCDEFGHIJKLMNOPXYZ");
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Title, "Oh no, not another ABCDEFGHIJKLMNOP !!!");
    d.EscapeKey();
    // Sixteen characters count as characters, not bytes.
    ASSERT_FALSE(Add(d, "Jürgen Müller-Lüdenscheid"));
    EXPECT_EQ(d.Players().DisplayName(2), "Jürgen Müller-Lü");
    EXPECT_EQ(Setup_Players(store).Names, d.Players().Names);
}

TEST(PlayersDialog, OkNeedsASelectedLineAndADoubleClickChoosesAndCloses) {
    MemorySettingsStore store = StoreWith({"Ann", "Bob"});
    const int writes = store.Writes();
    PlayersDialog d(store);
    d.Activate(Setup_Players(store));
    ExpectBrowsing(d);
    EXPECT_EQ(d.Selection(), -1);
    d.Ok();
    EXPECT_TRUE(d.Visible()) << "OK is unavailable without a selection";

    d.ListClick(0);
    EXPECT_TRUE(d.Controls().Ok && d.Controls().EditPlayer);
    d.ListClick(-1);
    EXPECT_FALSE(d.Controls().Ok || d.Controls().EditPlayer);
    d.ListClick(7); // beyond the list: no selection
    EXPECT_FALSE(d.Controls().Ok);
    EXPECT_EQ(store.Writes(), writes);

    d.ListDoubleClick(1);
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.Players().CurrentPlayer, 2);
    EXPECT_EQ(store.Get("Players", "Last_Player"), "2");
    EXPECT_EQ(store.Writes(), writes + 1) << "only the last player is written";
}

TEST(PlayersDialog, FreePlayAndCancelStoreNoChoiceButKeepAddedPlayers) {
    MemorySettingsStore store = StoreWith({"Ann", "Bob"});
    PlayersDialog d(store);
    d.Activate(Setup_Players(store));
    d.ListClick(1);
    d.Ok();

    // Free Play for this run; the next start selects the player chosen by OK.
    d.Activate(d.Players());
    const int writes = store.Writes();
    d.FreePlay();
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.Players().CurrentPlayer, 0);
    EXPECT_EQ(store.Writes(), writes);
    EXPECT_EQ(Setup_Players(store).CurrentPlayer, 2);

    // Players added before Cancel stay: they were stored on Enter.
    d.Activate(Setup_Players(store));
    ASSERT_FALSE(Add(d, "Cor"));
    ASSERT_FALSE(Add(d, "Dirk"));
    d.Cancel();
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.Players().PlayerCount(), 4);
    EXPECT_EQ(d.Players().CurrentPlayer, 2) << "Cancel keeps the current player";
    PlayerList restarted = Setup_Players(store);
    EXPECT_EQ(restarted.Names, d.Players().Names);
    EXPECT_EQ(restarted.CurrentPlayer, 2);
}

TEST(PlayersDialog, TheCloseBoxCancelsInEitherModeAndShowingAgainStartsBrowsing) {
    MemorySettingsStore store = StoreWith({"Ann", "Bob"}, 1);
    PlayersDialog d(store);
    d.Activate(Setup_Players(store));
    d.ListClick(1);
    d.EditPlayer();
    d.TypeText("Half typed");
    d.Cancel();
    EXPECT_TRUE(d.Visible()) << "Cancel is disabled while editing";
    d.CloseBox();
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.Players().CurrentPlayer, 1);

    // The unfinished rename must not turn into a new player next time.
    d.Activate(d.Players());
    ExpectBrowsing(d);
    EXPECT_EQ(d.Selection(), -1);
    EXPECT_EQ(d.EntryText(), "");
    EXPECT_FALSE(d.EnterKey());
    EXPECT_EQ(d.Players().PlayerCount(), 2);

    // Free Play while typing a new player stores nothing either.
    const int writes = store.Writes();
    d.NewPlayer();
    d.TypeText("Cor");
    d.FreePlay();
    EXPECT_EQ(d.Players().CurrentPlayer, 0);
    EXPECT_EQ(d.Players().PlayerCount(), 2);
    EXPECT_EQ(store.Writes(), writes);
}

TEST(PlayersDialog, TheListStopsAtAHundredPlayersSoNoKeyIsReused) {
    MemorySettingsStore store;
    PlayerList list;
    for (int n = 1; n <= 99; ++n) list.Names.push_back(PadName("P" + std::to_string(n)));
    SavePlayers(store, list);
    PlayersDialog d(store);
    d.Activate(Setup_Players(store));

    ASSERT_FALSE(Add(d, "Hundred"));
    EXPECT_EQ(store.Get("Players", "Count"), "100");
    EXPECT_EQ(store.Get("Players", "Player00"), PadName("Hundred"));
    EXPECT_EQ(store.Get("Players", "Player01"), PadName("P1"));

    const int writes = store.Writes();
    auto full = d.NewPlayer();
    ASSERT_TRUE(full);
    EXPECT_EQ(full->Title, "Dravik Sudoku Players");
    EXPECT_NE(full->Text.find("at most 100 players"), std::string::npos) << full->Text;
    ExpectBrowsing(d);
    EXPECT_EQ(d.Players().PlayerCount(), 100);
    EXPECT_EQ(store.Get("Players", "Player01"), PadName("P1")) << "player 1 keeps its name";
    EXPECT_EQ(store.Writes(), writes);

    // A full list can still be renamed and chosen from.
    d.ListClick(0);
    d.EditPlayer();
    d.TypeText("First");
    ASSERT_FALSE(d.EnterKey());
    d.Ok();
    PlayerList restarted = Setup_Players(store);
    EXPECT_EQ(restarted.PlayerCount(), 100);
    EXPECT_EQ(restarted.DisplayName(1), "First");
    EXPECT_EQ(restarted.DisplayName(100), "Hundred");
    EXPECT_EQ(restarted.CurrentPlayer, 1);
}

} // namespace
} // namespace dravik
