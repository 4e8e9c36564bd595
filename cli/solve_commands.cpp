// dravik grade and dravik solve.
#include <atomic>
#include <istream>
#include <ostream>
#include <string>
#include <thread>

#include "cli/args.h"
#include "cli/commands.h"
#include "game/stock/score.h"

namespace dravik::cli {

int RunGrade(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    int threads = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--threads")
            threads = static_cast<int>(ParseNumber("--threads", OptionValue(args, i), 1, 256));
        else
            throw UsageError{"grade: unknown argument '" + std::string(args[i]) + "'"};
    }

    const PuzzleInput input = ReadPuzzles(in, err);
    const std::size_t n = input.puzzles.size();
    std::vector<Grading> results(n);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        Solver solver;
        constexpr std::size_t kChunk = 64;
        for (;;) {
            const std::size_t begin = next.fetch_add(kChunk);
            if (begin >= n) break;
            const std::size_t end = std::min(n, begin + kChunk);
            for (std::size_t k = begin; k < end; ++k)
                results[k] = GradePuzzle(solver, input.puzzles[k]);
        }
    };
    if (threads <= 1 || n < 2) {
        work();
    } else {
        std::vector<std::thread> pool;
        for (int t = 0; t < threads; ++t) pool.emplace_back(work);
        for (auto& t : pool) t.join();
    }

    std::string line;
    for (std::size_t k = 0; k < n; ++k) {
        line.assign(input.texts[k]);
        AppendGrading(line, results[k]);
        line += '\n';
        out << line;
    }
    out.flush();
    return input.hadErrors ? 1 : 0;
}

namespace {

// "place 5 at C4" or "remove 3 from A1 A2, 7 from B5".
std::string DescribeChanges(std::span<const GridChange> changes) {
    std::string s;
    for (const auto& ch : changes)
        if (ch.placed) {
            s += "place ";
            s += static_cast<char>('0' + ch.digit);
            s += " at ";
            s += CellName(ch.cell).data();
            return s;
        }
    s = "remove";
    for (int d = 1; d <= 9; ++d) {
        bool first = true;
        for (const auto& ch : changes) {
            if (ch.digit != d) continue;
            if (first) {
                s += s.size() > 6 ? ", " : " ";
                s += static_cast<char>('0' + d);
                s += " from";
                first = false;
            }
            s += ' ';
            s += CellName(ch.cell).data();
        }
    }
    if (s.size() == 6) s = "no candidate removed";
    return s;
}

} // namespace

int RunSolve(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    bool steps = false;
    for (const auto& a : args) {
        if (a == "--steps")
            steps = true;
        else
            throw UsageError{"solve: unknown argument '" + std::string(a) + "'"};
    }
    const PuzzleInput input = ReadPuzzles(in, err);
    Solver solver;
    for (std::size_t k = 0; k < input.puzzles.size(); ++k) {
        solver.Puzzle = input.puzzles[k];
        int result;
        if (steps) {
            out << "# " << input.texts[k] << '\n';
            int number = 0;
            result = solver.Solve([&](const SolveStep& step) {
                out << ++number << ". " << TechniqueCaption(step.technique) << ": "
                    << DescribeChanges(step.changes) << '\n';
                return true;
            });
        } else {
            result = solver.Solve();
        }
        if (result == kResultStuck) out << "stuck ";
        out << GridText(solver.SolverGrid()) << '\n';
    }
    out.flush();
    return input.hadErrors ? 1 : 0;
}

} // namespace dravik::cli
