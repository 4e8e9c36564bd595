// The heaviest handlers of the game object: loading a puzzle, Restart,
// Solution, Undo/Redo of a level-3 placement, and filing a generated puzzle
// during a renewal; and a cell's accessible name. Targets: each handler under
// 1 ms, filing under 50 us, a cell's name under 5 us.
#include <benchmark/benchmark.h>

#include <deque>

#include "game/play/accessible_names.h"
#include "game/play/game.h"
#include "game/stock/score.h"

namespace dravik {
namespace {

// A level-3 puzzle (half-turn symmetric, unique solution).
constexpr const char* kPuzzle =
    "....362...4.8...6....4...89.3...74.5.7.....3.5.23...9.69...3....1...8.2...351....";

struct Quiet final : Prompt, SoundSink, ClockSource, StockWriter, PuzzleSource {
    MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon,
                              MessageButtons) override {
        return MessageAnswer::Ok;
    }
    std::string AskText(std::string_view, std::string_view, std::string_view) override {
        return "";
    }
    void Speel(int) override {}
    std::int64_t NowMilliseconds() override { return now += 7; }
    bool WriteStock(const Stock&) override { return true; }
    void Start() override {}
    void Stop() override {}
    std::optional<GeneratedPuzzle> TryTake() override {
        if (waiting.empty()) return std::nullopt;
        GeneratedPuzzle p = waiting.front();
        waiting.pop_front();
        return p;
    }
    std::int64_t now = 0;
    std::deque<GeneratedPuzzle> waiting;
};

struct Bench {
    Bench() : game(GameServices{settings, quiet, quiet, quiet, quiet, quiet}) {
        for (int i = 0; i < kCells; ++i)
            puzzle.givens[i] = kPuzzle[i] == '.' ? 0 : static_cast<std::int16_t>(kPuzzle[i] - '0');
        Solver solver;
        puzzle.grading = GradePuzzle(solver, puzzle.givens);
        puzzle.solution = solver.SolverGrid();
        Stock stock;
        for (int level = 1; level <= 5; ++level)
            for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
                StockRecord& r = stock(level, n);
                r.Level = static_cast<std::int16_t>(level);
                for (int i = 0; i < kCells; ++i) {
                    r.Givens[i] = static_cast<std::uint8_t>(puzzle.givens[i]);
                    r.Solution[i] = static_cast<std::uint8_t>(puzzle.solution[i]);
                }
                r.Score = n;
                r.BestSeconds = static_cast<std::int16_t>(n % 7);
            }
        settings.Put("Options", "Level", "3");
        game.LoadSettings(true);
        StockOpenResult opened;
        opened.status = StockOpenStatus::kOk;
        game.TakeStock(opened, stock);
        game.FinishStartup();
        game.RunPass();
    }
    void Load() {
        game.Next();
        game.RunPass();
    }
    // The solution digit of `cell` in the puzzle on the board.
    int SolutionAt(int cell) const {
        const GameView v = game.View();
        const int number = std::stoi(v.StatusPanels[1].substr(std::string("Number: ").size()));
        return game.Puzzles()(v.SelectedLevel, number).Solution[cell];
    }
    // An empty cell whose pencil mark for its solution digit strikes peers.
    int BusyCell() const {
        const GameView v = game.View();
        for (int i = 0; i < kCells; ++i)
            if (v.Cells[i].Digit == 0) return i;
        return 0;
    }

    MemorySettingsStore settings;
    Quiet quiet;
    Game game;
    GeneratedPuzzle puzzle;
};

void BM_NextAndLoad(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        b.Load();
        state.PauseTiming();
        b.game.ShowSolution();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NextAndLoad);

void BM_Solution(benchmark::State& state) {
    Bench b;
    for (auto _ : state) {
        state.PauseTiming();
        b.Load();
        state.ResumeTiming();
        b.game.ShowSolution();
    }
}
BENCHMARK(BM_Solution);

void BM_Restart(benchmark::State& state) {
    Bench b;
    b.Load();
    int cell = b.BusyCell();
    for (auto _ : state) {
        state.PauseTiming();
        b.game.PlaceDigit(cell, b.SolutionAt(cell));
        state.ResumeTiming();
        b.game.Restart();
    }
}
BENCHMARK(BM_Restart);

void BM_UndoRedoLevel3Placement(benchmark::State& state) {
    Bench b;
    b.Load();
    int cell = b.BusyCell();
    b.game.PlaceDigit(cell, b.SolutionAt(cell));
    for (auto _ : state) {
        b.game.Undo();
        b.game.Redo();
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_UndoRedoLevel3Placement);

void BM_PlacementLevel3(benchmark::State& state) {
    Bench b;
    b.Load();
    int cell = b.BusyCell();
    int digit = b.SolutionAt(cell);
    for (auto _ : state) {
        b.game.PlaceDigit(cell, digit);
        state.PauseTiming();
        b.game.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlacementLevel3);

// One pass that files a generated puzzle into the set being renewed.
void BM_FileGeneratedPuzzle(benchmark::State& state) {
    Bench b;
    int filed = 0;
    GeneratedPuzzle p = b.puzzle;
    p.grading.result = 4;
    for (auto _ : state) {
        state.PauseTiming();
        if (filed % kPuzzlesPerLevel == 0) {
            while (b.game.NeedsPass()) b.game.RunPass();
            b.game.Renew(4);
        }
        p.grading.score = 1 + (filed * 37) % 500;
        b.quiet.waiting.push_back(p);
        state.ResumeTiming();
        b.game.RunPass();
        ++filed;
    }
}
BENCHMARK(BM_FileGeneratedPuzzle);

// A cell's accessible name, as a screen reader asks for it (target: 5 us):
// the longest kind, an empty cell with all nine marks, and a given.
void BM_CellAccessibleName(benchmark::State& state) {
    const CellView marks{0, DigitColour::Normal, kAllCandidates};
    const CellView given{7, DigitColour::Given, 0};
    int cell = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CellAccessibleName(cell, (cell & 1) ? marks : given));
        cell = (cell + 1) % kCells;
    }
}
BENCHMARK(BM_CellAccessibleName);

} // namespace
} // namespace dravik

BENCHMARK_MAIN();
