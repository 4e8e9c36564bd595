#include "game/play/status_texts.h"

namespace dravik {

std::string LevelPanelText(int level) {
    return "Level: " + std::string(LevelName(level));
}

std::string NumberPanelText(int number) {
    return "Number: " + std::to_string(number);
}

std::string BestTimePanelText(int seconds, const std::optional<std::string>& holder) {
    if (seconds <= 0) return kDesignStatusPanels[2];
    std::string text = "Best Time: " + FormatTime(seconds);
    if (holder) text += " by " + *holder;
    return text;
}

std::string LevelBestPanelText(const LevelTimes& times) {
    return "Level Best Time: " + FormatTime(times.Best);
}

std::string LevelAveragePanelText(const LevelTimes& times) {
    return "Level Average Time: " + FormatTime(times.Average);
}

std::array<std::string, 5> StatusPanels(const PuzzleFacts& puzzle, const Stock& stock,
                                        const PlayerList& players) {
    using Origin = PuzzleFacts::Origin;
    if (puzzle.origin == Origin::None) return kDesignStatusPanels;
    const LevelTimes times = LevelStatistics(stock, puzzle.level);
    std::array<std::string, 5> panels;
    if (puzzle.origin == Origin::Stock) {
        panels[0] = LevelPanelText(puzzle.level);
        panels[1] = NumberPanelText(puzzle.number);
        panels[2] = BestTimePanelText(puzzle.bestSeconds, players.DisplayName(puzzle.bestPlayer));
    } else {
        // Played by its level's rules, outside the stock: no number, no best time.
        panels[0] = puzzle.beyondLadder ? "Level: Beyond Very Hard" : LevelPanelText(puzzle.level);
        panels[1] = "Number: --";
        panels[2] = "Best Time: -- (not a puzzle of the stock)";
    }
    panels[3] = LevelBestPanelText(times);
    panels[4] = LevelAveragePanelText(times);
    return panels;
}

std::string PracticeSearchText(int technique, std::uint64_t tried) {
    std::string count = std::to_string(tried);
    for (int at = static_cast<int>(count.size()) - 3; at > 0; at -= 3)
        count.insert(static_cast<std::size_t>(at), ",");
    const std::string_view caption =
        technique >= 0 && technique < kTechniqueCount
            ? kTechniqueTable[static_cast<std::size_t>(technique)].caption
            : std::string_view("a technique");
    return "Looking for a puzzle that needs " + std::string(caption) + " (" + count +
           (tried == 1 ? " puzzle" : " puzzles") + " tried)";
}

std::string WindowTitle(const std::optional<std::string>& player) {
    if (player) return "Dravik Sudoku - " + *player + " is playing";
    return "Dravik Sudoku - Free Play (no player selected)";
}

} // namespace dravik
