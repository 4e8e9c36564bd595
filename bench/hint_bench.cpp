// One hint: the search on the player's board plus what "Show where" needs
// (the step's pattern, its changes and the explanation). Target: at most
// 50 us per hint, whatever the position.
//
// Positions: every position met while solving the master stock's level 3-5
// puzzles, with the solver's candidates as the player's marks; the slowest
// of them on its own; boards on which no technique makes progress (the whole
// ladder runs and fails); and the game's Hint handler with Show where.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "game/hint/hint_text.h"
#include "game/play/game.h"
#include "game/stock/stock_file.h"

namespace dravik {
namespace {

struct Position {
    std::array<std::uint8_t, kCells> played{}, solution{}, givens{};
    std::array<std::uint16_t, kCells> marks{};
    HintBoard View() const { return {played, marks, solution, givens, 5}; }
};

const Stock& MasterStock() {
    static const Stock stock = [] {
        Stock s;
        ReadStock(DRAVIK_MASTER_STOCK, s);
        return s;
    }();
    return stock;
}

std::vector<Position> SolvePositions() {
    std::vector<Position> all;
    Solver solver;
    for (int level = 3; level <= 5; ++level)
        for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
            const StockRecord& r = MasterStock()(level, n);
            Position p;
            for (int c = 0; c < kCells; ++c) {
                solver.Puzzle[c] = r.Givens[c];
                p.givens[c] = r.Givens[c];
                p.solution[c] = r.Solution[c];
            }
            solver.Solve([&](const SolveStep&) {
                for (int c = 0; c < kCells; ++c)
                    p.played[c] = static_cast<std::uint8_t>(solver.SolverGrid()[c]);
                p.marks = solver.CandidateMask();
                all.push_back(p);
                return true;
            });
        }
    return all;
}

const std::vector<Position>& Positions() {
    static const std::vector<Position> positions = SolvePositions();
    return positions;
}

// Search plus the "Show where" data, as the game computes them.
std::size_t OneHint(HintSearch& search, const Position& p) {
    const HintResult r = search.Search(p.View());
    return r.IsTechnique() ? ExplainStep(search.Step()).size() : 0;
}

void BM_HintOnEveryPosition(benchmark::State& state) {
    HintSearch search;
    const auto& positions = Positions();
    for (auto _ : state)
        for (const Position& p : positions) benchmark::DoNotOptimize(OneHint(search, p));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(positions.size()));
}
BENCHMARK(BM_HintOnEveryPosition)->Unit(benchmark::kMillisecond);

// The position whose hint took longest when timed one by one.
const Position& Slowest() {
    static const Position slowest = [] {
        HintSearch search;
        const Position* worst = &Positions().front();
        double worstTime = 0;
        for (const Position& p : Positions()) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < 20; ++i) benchmark::DoNotOptimize(OneHint(search, p));
            const double t =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (t > worstTime) {
                worstTime = t;
                worst = &p;
            }
        }
        return *worst;
    }();
    return slowest;
}

void BM_HintSlowestPosition(benchmark::State& state) {
    HintSearch search;
    const Position& p = Slowest();
    for (auto _ : state) benchmark::DoNotOptimize(OneHint(search, p));
}
BENCHMARK(BM_HintSlowestPosition)->Unit(benchmark::kMicrosecond);

// Nothing (or almost nothing) to find: a Very Hard puzzle with givens taken
// away until the ladder gets stuck, at the point where it stuck. The solve
// leaves out the two uniqueness techniques, which do not hold once the
// puzzle has several solutions, so the position stays true to the stock's
// solution. The hint then runs the whole ladder.
void BM_HintFullLadder(benchmark::State& state) {
    HintSearch search;
    Solver solver;
    solver.EnableTechniques(((1u << kTechniqueCount) - 1) &
                            ~((1u << kUniqueRectangle) | (1u << kAvoidableRectangle)));
    const StockRecord& r = MasterStock()(5, 100);
    Position p;
    for (int c = 0; c < kCells; ++c) {
        solver.Puzzle[c] = r.Givens[c];
        p.solution[c] = r.Solution[c];
    }
    for (int c = 0; c < kCells; ++c) {
        if (!solver.Puzzle[c]) continue;
        solver.Puzzle[c] = 0;
        if (solver.Solve() == kResultStuck) break;
    }
    for (int c = 0; c < kCells; ++c) {
        p.givens[c] = static_cast<std::uint8_t>(solver.Puzzle[c]);
        p.played[c] = static_cast<std::uint8_t>(solver.SolverGrid()[c]);
    }
    p.marks = solver.CandidateMask();
    const HintResult result = search.Search(p.View());
    if (result.IsTechnique() && result.technique < kUniqueRectangle)
        state.SkipWithError("an early technique applies");
    state.SetLabel("hint " + std::to_string(HintCode(result)));
    for (auto _ : state) benchmark::DoNotOptimize(search.Search(p.View()));
}
BENCHMARK(BM_HintFullLadder)->Unit(benchmark::kMicrosecond);

struct Quiet final : Prompt, SoundSink, ClockSource, StockWriter, PuzzleSource {
    MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon,
                              MessageButtons) override {
        return MessageAnswer::Ok;
    }
    std::string AskText(std::string_view, std::string_view, std::string_view) override {
        return "1";
    }
    void Speel(int) override {}
    std::int64_t NowMilliseconds() override { return now += 7; }
    bool WriteStock(const Stock&) override { return true; }
    void Start() override {}
    void Stop() override {}
    std::optional<GeneratedPuzzle> TryTake() override { return std::nullopt; }
    std::int64_t now = 0;
};

// The Hint button and Show where on the game object, on a Very Hard puzzle
// played by the hints up to its first step of X-Wing or harder.
void BM_GameHintAndShowWhere(benchmark::State& state) {
    MemorySettingsStore settings;
    Quiet quiet;
    Game game(GameServices{settings, quiet, quiet, quiet, quiet, quiet});
    settings.Put("Options", "Level", "5");
    game.LoadSettings(true);
    StockOpenResult opened;
    opened.status = StockOpenStatus::kOk;
    game.TakeStock(opened, MasterStock());
    game.FinishStartup();
    game.RunPass();
    game.Next();
    game.RunPass();
    int applied = 0;
    HintResult r;
    while (applied < 200 && (r = game.Hint()).IsTechnique() && r.technique < kXWing) {
        game.ApplyHintStep();
        ++applied;
    }
    const HintResult result = game.Hint();
    if (!result.IsTechnique()) state.SkipWithError("no technique hint");
    state.SetLabel(game.View().StatusPanels[0] + ", " + std::to_string(applied) +
                   " steps applied, hint " + std::to_string(HintCode(result)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.Hint());
        game.ShowHintWhere();
    }
}
BENCHMARK(BM_GameHintAndShowWhere)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dravik

BENCHMARK_MAIN();
