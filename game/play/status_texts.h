// The texts of the status bar's five panels and of the window title, built
// from plain values. Each text has one function; the game decides when a
// panel shows it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/base/translate.h"
#include "game/play/round.h"
#include "game/play/times.h"
#include "game/players/settings.h"

namespace dravik {

// The panels as the window is designed, before a puzzle is shown (in
// English; DesignStatusPanels() gives them in the player's language).
inline const std::array<std::string, 5> kDesignStatusPanels = {
    QT_TRANSLATE_NOOP("dravik", "Level: ----"), QT_TRANSLATE_NOOP("dravik", "Number: --"),
    QT_TRANSLATE_NOOP("dravik", "Best Time: 00:00 (No Best Time Yet)"),
    QT_TRANSLATE_NOOP("dravik", "Level Best Time: 00:00"),
    QT_TRANSLATE_NOOP("dravik", "Level Average Time: 00:00")};
std::array<std::string, 5> DesignStatusPanels();

// Panel 1: "Level: Very Easy" .. "Level: Very Hard".
std::string LevelPanelText(int level);
// Panel 2: "Number: 7".
std::string NumberPanelText(int number);
// Panel 3: "Best Time: mm:ss by Name" (without " by " when the holder names
// nobody), or the no-best-time text when `seconds` is 0.
std::string BestTimePanelText(int seconds, const std::optional<std::string>& holder);
// Panels 4 and 5 over a level's best times (00:00 when none has one).
std::string LevelBestPanelText(const LevelTimes& times);
std::string LevelAveragePanelText(const LevelTimes& times);

// The five panels for the puzzle on the board (the designed texts without one);
// the level's times are read off the stock.
std::array<std::string, 5> StatusPanels(const PuzzleFacts& puzzle, const Stock& stock,
                                        const PlayerList& players);

// "Dravik Sudoku - Name is playing", or the free-play title without a player.
// The status bar's line while a practice puzzle is searched for:
// "Looking for a puzzle that needs X-Wing (1,234 puzzles tried)".
std::string PracticeSearchText(int technique, std::uint64_t tried);

std::string WindowTitle(const std::optional<std::string>& player);

} // namespace dravik
