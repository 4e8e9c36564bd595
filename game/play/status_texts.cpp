#include "game/play/status_texts.h"
#include "game/base/translate.h"

namespace dravik {

std::array<std::string, 5> DesignStatusPanels() {
    std::array<std::string, 5> panels;
    for (std::size_t i = 0; i < panels.size(); ++i) panels[i] = Tr(kDesignStatusPanels[i]);
    return panels;
}

std::string LevelPanelText(int level) {
    return TrWith(QT_TRANSLATE_NOOP("dravik", "Level: %1"), Tr(LevelName(level)));
}

std::string NumberPanelText(int number) {
    return TrWith(QT_TRANSLATE_NOOP("dravik", "Number: %1"), std::to_string(number));
}

std::string BestTimePanelText(int seconds, const std::optional<std::string>& holder) {
    if (seconds <= 0) return Tr(kDesignStatusPanels[2]);
    if (holder)
        return TrFormat(QT_TRANSLATE_NOOP("dravik", "Best Time: %1 by %2"),
                        {FormatTime(seconds), *holder});
    return TrWith(QT_TRANSLATE_NOOP("dravik", "Best Time: %1"), FormatTime(seconds));
}

std::string LevelBestPanelText(const LevelTimes& times) {
    return TrWith(QT_TRANSLATE_NOOP("dravik", "Level Best Time: %1"), FormatTime(times.Best));
}

std::string LevelAveragePanelText(const LevelTimes& times) {
    return TrWith(QT_TRANSLATE_NOOP("dravik", "Level Average Time: %1"), FormatTime(times.Average));
}

std::array<std::string, 5> StatusPanels(const PuzzleFacts& puzzle, const Stock& stock,
                                        const PlayerList& players) {
    using Origin = PuzzleFacts::Origin;
    if (puzzle.origin == Origin::None) return DesignStatusPanels();
    const LevelTimes times = LevelStatistics(stock, puzzle.level);
    std::array<std::string, 5> panels;
    if (puzzle.origin == Origin::Stock) {
        panels[0] = LevelPanelText(puzzle.level);
        panels[1] = NumberPanelText(puzzle.number);
        panels[2] = BestTimePanelText(puzzle.bestSeconds, players.DisplayName(puzzle.bestPlayer));
    } else {
        // Played by its level's rules, outside the stock: no number, no best time.
        panels[0] = puzzle.beyondLadder ? Tr(QT_TRANSLATE_NOOP("dravik", "Level: Beyond Very Hard"))
                                        : LevelPanelText(puzzle.level);
        panels[1] = Tr(kDesignStatusPanels[1]);
        panels[2] = Tr(QT_TRANSLATE_NOOP("dravik", "Best Time: -- (not a puzzle of the stock)"));
    }
    panels[3] = LevelBestPanelText(times);
    panels[4] = LevelAveragePanelText(times);
    return panels;
}

std::string PracticeSearchText(int technique, std::uint64_t tried) {
    // Thousands grouped with commas: 1,234.
    const std::string digits = std::to_string(tried);
    std::string count;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) count += ',';
        count += digits[i];
    }
    const std::string_view caption =
        technique >= 0 && technique < kTechniqueCount
            ? kTechniqueTable[static_cast<std::size_t>(technique)].caption
            : std::string_view(QT_TRANSLATE_NOOP("dravik", "a technique"));
    return TrFormat(
        tried == 1
            ? QT_TRANSLATE_NOOP("dravik", "Looking for a puzzle that needs %1 (%2 puzzle tried)")
            : QT_TRANSLATE_NOOP("dravik", "Looking for a puzzle that needs %1 (%2 puzzles tried)"),
        {Tr(caption), count});
}

std::string WindowTitle(const std::optional<std::string>& player) {
    if (player)
        return TrWith(QT_TRANSLATE_NOOP("dravik", "Dravik Sudoku - %1 is playing"), *player);
    return Tr(QT_TRANSLATE_NOOP("dravik", "Dravik Sudoku - Free Play (no player selected)"));
}

} // namespace dravik
