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

std::string WindowTitle(const std::optional<std::string>& player) {
    if (player) return "Dravik Sudoku - " + *player + " is playing";
    return "Dravik Sudoku - Free Play (no player selected)";
}

} // namespace dravik
