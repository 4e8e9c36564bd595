#include "game/players/settings.h"

#include "game/base/messages.h"
#include "game/base/utf8.h"

#include <charconv>

namespace dravik {

namespace {

constexpr std::string_view kTrue = "True";
constexpr std::string_view kFalse = "False";

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

int ReadNumber(const SettingsStore& store, std::string_view section, std::string_view key, int low,
               int high, int fallback) {
    auto text = store.Get(section, key);
    if (!text) return fallback;
    return ParseSettingNumber(*text, low, high).value_or(fallback);
}

} // namespace

std::string SettingsSetAsideMessage(std::string_view keptAs) {
    return TrWith(messages::kSettingsSetAside.text, keptAs);
}

std::string SettingsNotSavedMessage(std::string_view file) {
    return TrWith(messages::kSettingsNotSaved.text, file);
}

std::optional<std::string> PlayerList::DisplayName(int n) const {
    if (n < 1 || n > PlayerCount()) return std::nullopt;
    return StripTrailingSpaces(Names[static_cast<std::size_t>(n - 1)]);
}

std::string NumberedKey(std::string_view word, int n) {
    int two = (100 + n) % 100;
    if (two < 0) two += 100;
    std::string key(word);
    key += static_cast<char>('0' + two / 10);
    key += static_cast<char>('0' + two % 10);
    return key;
}

std::optional<int> ParseSettingNumber(std::string_view text, int low, int high) {
    text = TrimBlanks(text);
    if (text.empty() || text.size() > 9) return std::nullopt;
    for (char ch : text)
        if (ch < '0' || ch > '9') return std::nullopt;
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::string StripTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

std::string PadName(std::string_view name) {
    std::string out;
    int characters = 0;
    std::size_t i = 0;
    while (i < name.size() && characters < kPlayerNameLength) {
        // A stray byte counts as one character.
        const std::size_t len = DecodeUtf8(name, i).length;
        out.append(name.substr(i, len));
        i += len;
        ++characters;
    }
    out.append(static_cast<std::size_t>(kPlayerNameLength - characters), ' ');
    return out;
}

Options LoadOptions(const SettingsStore& store) {
    Options options;
    auto sounds = store.Get(kSectionOptions, "Sounds");
    options.SoundOn = !(sounds && *sounds == kFalse);
    options.CurrentLevel = ReadNumber(store, kSectionOptions, "Level", 1, 5, kDefaultLevel);
    return options;
}

bool LoadHighlightOption(const SettingsStore& store) {
    return store.Get(kSectionOptions, "Highlight").value_or("True") != "False";
}

void SaveOptions(SettingsStore& store, const Options& options) {
    store.Put(kSectionOptions, "Sounds", options.SoundOn ? kTrue : kFalse);
    store.Put(kSectionOptions, "Level", std::to_string(options.CurrentLevel));
}

LastPuzzles LoadLastPuzzles(const SettingsStore& store) {
    LastPuzzles last{};
    for (int level = 1; level <= 5; ++level)
        last[level] = ReadNumber(store, kSectionLastPuzzle, NumberedKey("Level", level), 0, 100, 0);
    return last;
}

void SaveLastPuzzles(SettingsStore& store, const LastPuzzles& last) {
    for (int level = 1; level <= 5; ++level)
        store.Put(kSectionLastPuzzle, NumberedKey("Level", level), std::to_string(last[level]));
}

PlayerList Setup_Players(const SettingsStore& store) {
    PlayerList list;
    int count = ReadNumber(store, kSectionPlayers, "Count", 0, kMaxPlayerCount, 0);
    list.Names.reserve(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        std::string key = NumberedKey("Player", n);
        auto name = store.Get(kSectionPlayers, key);
        list.Names.push_back(PadName(name ? *name : key));
    }
    // A last player beyond the list (a list shortened by hand) means Free Play.
    list.CurrentPlayer = ReadNumber(store, kSectionPlayers, "Last_Player", 0, count, 0);
    return list;
}

void SavePlayers(SettingsStore& store, const PlayerList& players) {
    store.Put(kSectionPlayers, "Count", std::to_string(players.PlayerCount()));
    for (int n = 1; n <= players.PlayerCount(); ++n)
        store.Put(kSectionPlayers, NumberedKey("Player", n),
                  PadName(players.Names[static_cast<std::size_t>(n - 1)]));
}

void SaveLastPlayer(SettingsStore& store, int player) {
    store.Put(kSectionPlayers, "Last_Player", std::to_string(player < 0 ? 0 : player));
}

} // namespace dravik
