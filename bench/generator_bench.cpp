// Speed of the generator's parts and of whole generation passes.
//
//   generator_bench --benchmark_filter=Pass   puzzles per second on one thread
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "game/stock/generator.h"
#include "game/stock/renewal.h"
#include "game/stock/renewal_worker.h"

namespace {

using namespace dravik;

void BM_MakeFullGrid(benchmark::State& state) {
    Generator g(1);
    for (auto _ : state) {
        g.MakeFullGrid();
        benchmark::DoNotOptimize(g.GeneratedGrid);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakeFullGrid);

void BM_MakePuzzle(benchmark::State& state) {
    Generator g(2);
    for (auto _ : state) {
        state.PauseTiming();
        g.MakeFullGrid();
        state.ResumeTiming();
        g.MakePuzzle();
        benchmark::DoNotOptimize(g.Puzzle);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakePuzzle);

void BM_HasUniqueSolution(benchmark::State& state) {
    Generator g(3);
    g.MakeFullGrid();
    g.MakePuzzle();
    for (auto _ : state) benchmark::DoNotOptimize(g.HasUniqueSolution());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HasUniqueSolution);

// One whole pass: grid, puzzle, grading, score.
void BM_Pass(benchmark::State& state) {
    Generator g(4);
    Solver solver;
    for (auto _ : state) benchmark::DoNotOptimize(g.Pass(solver));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Pass);

// Renewing the Very Hard set: passes on N threads until 100 level-5 puzzles are filed.
void BM_RenewVeryHard(benchmark::State& state) {
    const int threads = static_cast<int>(state.range(0));
    std::uint64_t seed = 100;
    std::uint64_t passes = 0;
    std::array<std::uint64_t, 7> byResult{}; // passes per solver result 1..6
    for (auto _ : state) {
        Stock stock;
        RenewalState renewal;
        renewal.StockRead();
        renewal.EnterIdle();
        renewal.BeginRenewal(stock, 5, 1);
        RenewalWorker worker(threads, seed++);
        while (renewal.Generating()) {
            auto r = worker.Take();
            ++passes;
            ++byResult[r->puzzle.grading.result];
            renewal.Accept(stock, r->puzzle);
        }
    }
    state.counters["passes"] =
        benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kAvgIterations);
    // Share of the passes that gave each level (6: stuck).
    for (int level = 1; level <= 6; ++level)
        state.counters["L" + std::to_string(level) + "%"] =
            passes ? 100.0 * static_cast<double>(byResult[level]) / static_cast<double>(passes)
                   : 0.0;
}
BENCHMARK(BM_RenewVeryHard)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
