// Grading throughput of the logical solver.
//
// Puzzles come from the file named by DRAVIK_BENCH_PUZZLES (one puzzle per
// line, as `dravik grade` reads them; scripts/bench.sh makes one with the
// generator), else from the shared golden gradings beside the checkout.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "game/model/puzzle_text.h"
#include "game/stock/score.h"

namespace {

std::vector<dravik::Grid> LoadPuzzles() {
    std::vector<dravik::Grid> puzzles;
    const char* env = std::getenv("DRAVIK_BENCH_PUZZLES");
    const std::string path = env ? env : DRAVIK_TESTDATA "/golden_grades.tsv";
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        const auto parsed = dravik::ParsePuzzleLine(line.substr(0, line.find_first_of(" \t")));
        if (parsed.kind == dravik::ParsedLine::kPuzzle) puzzles.push_back(parsed.puzzle);
    }
    return puzzles;
}

const std::vector<dravik::Grid>& Puzzles() {
    static const std::vector<dravik::Grid> puzzles = LoadPuzzles();
    return puzzles;
}

void BM_GradeAll(benchmark::State& state) {
    const auto& puzzles = Puzzles();
    if (puzzles.empty()) {
        state.SkipWithError("no puzzles: set DRAVIK_BENCH_PUZZLES");
        return;
    }
    dravik::Solver solver;
    for (auto _ : state)
        for (const auto& p : puzzles) benchmark::DoNotOptimize(dravik::GradePuzzle(solver, p));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}
BENCHMARK(BM_GradeAll)->Unit(benchmark::kMillisecond);

// One puzzle per level (first of each result in the file), to see where the time goes.
void BM_GradeByResult(benchmark::State& state) {
    const int wanted = static_cast<int>(state.range(0));
    dravik::Solver solver;
    std::vector<dravik::Grid> chosen;
    for (const auto& p : Puzzles())
        if (dravik::GradePuzzle(solver, p).result == wanted) chosen.push_back(p);
    if (chosen.empty()) {
        state.SkipWithError("no puzzle with that result");
        return;
    }
    for (auto _ : state)
        for (const auto& p : chosen) benchmark::DoNotOptimize(dravik::GradePuzzle(solver, p));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chosen.size()));
}
BENCHMARK(BM_GradeByResult)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
