#include "game/players/statistics.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <vector>

#include "game/players/settings.h"

namespace dravik {

namespace {

std::int64_t Add(std::int64_t a, std::int64_t b) {
    return std::min(a + b, kMaxStatisticValue);
}

std::int64_t Clamp(std::int64_t v) {
    return std::clamp<std::int64_t>(v, 0, kMaxStatisticValue);
}

constexpr std::string_view kHeader =
    "# Dravik Sudoku statistics. Written whole by the game; a file it cannot read is set aside.";
constexpr std::size_t kMaxNameBytes = 256;

// A plain decimal number 0..kMaxStatisticValue, no sign, no blanks, no
// leading zeros but "0" itself.
std::optional<std::int64_t> Number(std::string_view text) {
    if (text.empty() || text.size() > 10 || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    std::int64_t v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || ptr != text.data() + text.size() || v < 0 || v > kMaxStatisticValue)
        return std::nullopt;
    return v;
}

std::vector<std::string_view> Split(std::string_view text, char by) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t next = text.find(by, at);
        parts.push_back(text.substr(at, next - at));
        if (next == std::string_view::npos) return parts;
        at = next + 1;
    }
}

std::optional<int> SectionPlayer(std::string_view section) {
    if (section == "Free Play") return 0;
    constexpr std::string_view kWord = "Player ";
    if (section.substr(0, kWord.size()) != kWord) return std::nullopt;
    const std::optional<std::int64_t> n = Number(section.substr(kWord.size()));
    if (!n || *n < 1 || *n > kMaxPlayerCount) return std::nullopt;
    return static_cast<int>(*n);
}

bool PlainName(std::string_view name) {
    if (name.size() > kMaxNameBytes) return false;
    return std::none_of(name.begin(), name.end(), [](char ch) {
        return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f;
    });
}

} // namespace

LevelFigures* Statistics::At(int player, std::string_view name, int level) {
    if (!IsLevel(level) || player < 0 || player > kMaxPlayerCount) return nullptr;
    PlayerStatistics& p = players_[player];
    if (player != 0 && PlainName(name)) p.name = std::string(name);
    return &p.levels[static_cast<std::size_t>(level)];
}

void Statistics::Finished(int player, std::string_view name, int level, std::int64_t seconds) {
    LevelFigures* s = At(player, name, level);
    if (!s) return;
    seconds = Clamp(seconds);
    s->bestSeconds = s->finished == 0 ? seconds : std::min(s->bestSeconds, seconds);
    s->finished = Add(s->finished, 1);
    s->totalSeconds = Add(s->totalSeconds, seconds);
    s->recent.push_back(seconds);
    while (s->recent.size() > static_cast<std::size_t>(kRecentTimes)) s->recent.pop_front();
}

void Statistics::HintAsked(int player, std::string_view name, int level) {
    if (LevelFigures* s = At(player, name, level)) s->hints = Add(s->hints, 1);
}

void Statistics::SolutionShown(int player, std::string_view name, int level) {
    if (LevelFigures* s = At(player, name, level)) s->solutions = Add(s->solutions, 1);
}

void Statistics::Abandoned(int player, std::string_view name, int level) {
    if (LevelFigures* s = At(player, name, level)) s->abandoned = Add(s->abandoned, 1);
}

const PlayerStatistics& Statistics::Of(int player) const {
    static const PlayerStatistics kNone{};
    const auto it = players_.find(player);
    return it == players_.end() ? kNone : it->second;
}

std::string StatisticsSection(int player) {
    return player == 0 ? std::string("Free Play") : "Player " + std::to_string(player);
}

std::string WriteStatisticsText(const Statistics& statistics) {
    std::string text(kHeader);
    text += '\n';
    for (const auto& [player, p] : statistics.Players()) {
        text += "\n[" + StatisticsSection(player) + "]\n";
        if (player != 0) text += "Name=" + p.name + "\n";
        for (int level = 1; level <= kLevels; ++level) {
            const LevelFigures& s = p.levels[static_cast<std::size_t>(level)];
            if (s.Empty()) continue;
            const std::string n = std::to_string(level);
            text += "Level" + n + "=" + std::to_string(s.finished) + " " +
                    std::to_string(s.totalSeconds) + " " + std::to_string(s.bestSeconds) + " " +
                    std::to_string(s.hints) + " " + std::to_string(s.solutions) + " " +
                    std::to_string(s.abandoned) + "\n";
            if (s.recent.empty()) continue;
            text += "Times" + n + "=";
            for (std::size_t i = 0; i < s.recent.size(); ++i)
                text += (i ? "," : "") + std::to_string(s.recent[i]);
            text += "\n";
        }
    }
    return text;
}

std::optional<Statistics> ReadStatisticsText(std::string_view text, std::string* problem) {
    Statistics out;
    int lineNumber = 0;
    auto fail = [&](const std::string& why) -> std::optional<Statistics> {
        if (problem) *problem = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    std::optional<int> player;
    std::set<std::string> seenKeys; // within the current section
    for (std::string_view line : Split(text, '\n')) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']') return fail("a section without its ']'");
            player = SectionPlayer(line.substr(1, line.size() - 2));
            if (!player) return fail("an unknown section");
            if (out.players_.count(*player)) return fail("a section given twice");
            out.players_[*player];
            seenKeys.clear();
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) return fail("neither a section nor a key=value line");
        if (!player) return fail("a value before the first section");
        const std::string key(line.substr(0, eq));
        const std::string_view value = line.substr(eq + 1);
        if (!seenKeys.insert(key).second) return fail("the key " + key + " given twice");
        PlayerStatistics& p = out.players_[*player];
        if (key == "Name" && *player != 0) {
            if (!PlainName(value)) return fail("a name with control characters or too long");
            p.name = std::string(value);
            continue;
        }
        const bool levelKey = key.size() == 6 && key.compare(0, 5, "Level") == 0;
        const bool timesKey = key.size() == 6 && key.compare(0, 5, "Times") == 0;
        const int level = (levelKey || timesKey) ? key[5] - '0' : 0;
        if (!IsLevel(level)) return fail("an unknown key " + key);
        LevelFigures& s = p.levels[static_cast<std::size_t>(level)];
        if (levelKey) {
            const std::vector<std::string_view> fields = Split(value, ' ');
            if (fields.size() != 6)
                return fail("Level" + std::to_string(level) + " needs six numbers");
            std::array<std::int64_t, 6> v{};
            for (std::size_t i = 0; i < 6; ++i) {
                const std::optional<std::int64_t> n = Number(fields[i]);
                if (!n)
                    return fail("a number that is not 0.." + std::to_string(kMaxStatisticValue));
                v[i] = *n;
            }
            s.finished = v[0];
            s.totalSeconds = v[1];
            s.bestSeconds = v[2];
            s.hints = v[3];
            s.solutions = v[4];
            s.abandoned = v[5];
            if (s.finished == 0 && (s.totalSeconds != 0 || s.bestSeconds != 0))
                return fail("times without a finished puzzle");
            if (s.bestSeconds > s.totalSeconds) return fail("a best time above the total");
        } else {
            if (!seenKeys.count("Level" + std::to_string(level)))
                return fail("times before their level's figures");
            const std::vector<std::string_view> fields = Split(value, ',');
            if (fields.size() > static_cast<std::size_t>(kRecentTimes) ||
                static_cast<std::int64_t>(fields.size()) > s.finished)
                return fail("more times than finished puzzles or than " +
                            std::to_string(kRecentTimes));
            for (std::string_view f : fields) {
                const std::optional<std::int64_t> n = Number(f);
                if (!n) return fail("a time that is not a number of seconds");
                if (*n < s.bestSeconds) return fail("a time below the best time");
                s.recent.push_back(*n);
            }
        }
    }
    return out;
}

} // namespace dravik
