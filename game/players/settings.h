// The settings the game keeps between runs: sound on/off, the selected level,
// the puzzle last opened per level and the player list.
//
// Every reader treats the stored text as untrusted: a value that is not a
// plain number in its range falls back to the value a clean store gives.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/ports/settings_store.h"

namespace dravik {

inline constexpr std::string_view kSectionOptions = "Options";
inline constexpr std::string_view kSectionLastPuzzle = "Last_Puzzle";
inline constexpr std::string_view kSectionPlayers = "Players";

// Characters of a stored player name (blank-padded on the right).
constexpr int kPlayerNameLength = 16;
// The player list is counted in 16 bits.
constexpr int kMaxPlayerCount = 32767;
constexpr int kDefaultLevel = 2;

// The texts of messages::kSettingsSetAside for a damaged file kept at
// `keptAs`, and of messages::kSettingsNotSaved for a settings file that is no
// plain file (the game never writes through it and keeps the session's
// settings in memory). Each is shown once.
std::string SettingsSetAsideMessage(std::string_view keptAs);
// kSettingsNotSavedMessage for `file`.
std::string SettingsNotSavedMessage(std::string_view file);

struct Options {
    bool SoundOn = true;
    int CurrentLevel = kDefaultLevel; // 1..5
};

// LastPuzzle(1..5); index 0 is unused. 0 = no puzzle opened yet.
using LastPuzzles = std::array<int, 6>;

struct PlayerList {
    // Players(1..PlayerCount) is Names[0..PlayerCount-1], each padded to 16 characters.
    std::vector<std::string> Names;
    int CurrentPlayer = 0; // 0 = Free Play

    int PlayerCount() const { return static_cast<int>(Names.size()); }
    // The name of player n without trailing blanks; nullopt when n names nobody.
    std::optional<std::string> DisplayName(int n) const;
};

// "Level" + last two digits of (100 + n): Level01, Player07, Player00 for 100.
std::string NumberedKey(std::string_view word, int n);

// A stored number: optional blanks around plain decimal digits, within
// [low, high]; anything else is nullopt.
std::optional<int> ParseSettingNumber(std::string_view text, int low, int high);

// Removes blanks from the right end.
std::string StripTrailingSpaces(std::string_view text);

// The name cut to 16 characters and padded with blanks to exactly 16. Counts
// characters, not bytes: a UTF-8 sequence is never split.
std::string PadName(std::string_view name);

Options LoadOptions(const SettingsStore& store);
// "Options", "Highlight": the same-digit tint on the board; only "False"
// switches it off. The game reads it and never writes it.
bool LoadHighlightOption(const SettingsStore& store);
void SaveOptions(SettingsStore& store, const Options& options);

LastPuzzles LoadLastPuzzles(const SettingsStore& store);
void SaveLastPuzzles(SettingsStore& store, const LastPuzzles& last);

PlayerList Setup_Players(const SettingsStore& store);
// "Count", then every name under its numbered key.
void SavePlayers(SettingsStore& store, const PlayerList& players);
void SaveLastPlayer(SettingsStore& store, int player);

} // namespace dravik
