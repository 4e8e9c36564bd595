// A game object wired to recording fakes and a small stock of real graded
// puzzles, driven the way the window drives it.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/play/game.h"
#include "game/play/times.h"
#include "support/shown_board.h"
#include "support/stand_ins.h"

namespace dravik::test {

class FakeClock final : public ClockSource {
  public:
    std::int64_t NowMilliseconds() override { return now; }
    void AdvanceSeconds(int seconds) { now += 1000LL * seconds; }
    std::int64_t now = 5'000'000;
};

class RecordingWriter final : public StockWriter {
  public:
    bool WriteStock(const Stock& stock) override {
        ++writes;
        written = std::make_unique<Stock>(stock);
        return !fail;
    }
    int writes = 0;
    bool fail = false;
    std::unique_ptr<Stock> written;
};

class FakePuzzleSource final : public PuzzleSource {
  public:
    void Start() override {
        running = true;
        ++starts;
    }
    void Stop() override {
        running = false;
        ++stops;
    }
    std::optional<GeneratedPuzzle> TryTake() override {
        if (!running || waiting.empty()) return std::nullopt;
        GeneratedPuzzle p = waiting.front();
        waiting.pop_front();
        return p;
    }
    bool running = false;
    int starts = 0;
    int stops = 0;
    std::deque<GeneratedPuzzle> waiting;
};

// Graded puzzles with their solutions.
struct TestPuzzle {
    Grid givens{};
    Grid solution{};
    Grading grading;
};

// Two puzzles per level 1..5, graded by the solver (each level's pair really
// grades at that level).
const std::vector<TestPuzzle>& TestPuzzles(int level);

// A complete stock: every level's 100 records alternate its two puzzles,
// scores ascending with the number, no best times.
const Stock& TestStock();

// A generated-puzzle result of `level` with `score` (a real puzzle of that level).
GeneratedPuzzle GeneratedOfLevel(int level, std::int32_t score);

class PlayHarness {
  public:
    PlayHarness();

    // The window's start-up; true when the game can go on.
    bool Start(bool soundAvailable = true);
    // Start-up plus the first background pass.
    void StartAndIdle();
    // Runs passes while one has work, as the window schedules them.
    void Settle();
    // Next, and the pass that loads the puzzle.
    void OpenNext();
    // Selects `level` and opens its puzzle `number` through Open.
    void OpenPuzzle(int level, int number);

    void Place(int cell, int digit) { game->PlaceDigit(cell, digit); }
    void Strike(int cell, int digit) { game->StrikeMark(cell, digit); }
    // The cell's row and column chosen with their labels.
    void SelectCell(int cell);
    // Places the solution digit in every empty cell, in cell order, until the
    // game ends.
    void PlaceSolution();

    // The board as the window shows it.
    ShownBoard board() const { return ReadBoard(game->View()); }
    GameView view() const { return game->View(); }
    bool playing() const { return Playing(game->View()); }

    MemorySettingsStore settings;
    ScriptedPrompt prompt;
    RecordingSound sound;
    FakeClock clock;
    RecordingWriter writer;
    FakePuzzleSource source;
    std::unique_ptr<Game> game;
};

} // namespace dravik::test
