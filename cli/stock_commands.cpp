// dravik stock build|show|verify: make, print and check stock files.
#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>

#include "cli/args.h"
#include "cli/commands.h"
#include "cli/progress.h"
#include "game/base/messages.h"
#include "game/model/puzzle_text.h"
#include "game/stock/renewal.h"
#include "game/stock/renewal_worker.h"
#include "game/stock/stock_file.h"

namespace dravik::cli {

namespace {

std::string RecordText(const std::array<std::uint8_t, 81>& cells) {
    std::string s(81, '0');
    for (int c = 0; c < kCells; ++c) s[c] = static_cast<char>('0' + cells[c] % 10);
    return s;
}

Grid RecordGrid(const std::array<std::uint8_t, 81>& cells) {
    Grid g{};
    for (int c = 0; c < kCells; ++c) g[c] = cells[c];
    return g;
}

int Build(const Args& args, std::ostream& err, bool live) {
    std::string outFile;
    std::optional<std::uint64_t> seed;
    int threads = DefaultThreads();
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--out")
            outFile = std::string(OptionValue(args, i));
        else if (args[i] == "--seed")
            seed = ParseSeed(OptionValue(args, i));
        else if (args[i] == "--threads")
            threads = static_cast<int>(ParseNumber("--threads", OptionValue(args, i), 1, 256));
        else
            throw UsageError{"stock build: unknown argument '" + std::string(args[i]) + "'"};
    }
    if (outFile.empty()) throw UsageError{"stock build: --out FILE is required"};

    const auto start = std::chrono::steady_clock::now();
    Stock stock;
    RenewalState state;
    state.BeginBuild();
    Progress progress(err, live, "stock build", kLevels * kPuzzlesPerLevel);
    RenewalWorker worker(threads, seed);
    std::array<std::uint64_t, kResultStuck + 1> byResult{}; // passes per solver result 1..6
    std::uint64_t passes = 0;
    RenewalState::Outcome outcome;
    while (!outcome.completed) {
        std::optional<PassResult> r = worker.Take();
        if (!r) break;
        ++passes;
        ++byResult[r->puzzle.grading.result];
        outcome = state.Accept(stock, r->puzzle);
        int filled = 0;
        std::string note;
        for (int l = 1; l <= kLevels; ++l) {
            filled += state.GeneratedCount[l];
            note += " L" + std::to_string(l) + "=" + std::to_string(state.GeneratedCount[l]);
        }
        progress.Update(static_cast<std::uint64_t>(filled), note.substr(1));
    }
    worker.Stop();
    progress.Finish();

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char line[128];
    std::snprintf(line, sizeof line, "%llu passes in %.1f s; share by result:",
                  static_cast<unsigned long long>(passes), seconds);
    err << line;
    for (int l = 1; l <= kResultStuck; ++l) {
        std::snprintf(line, sizeof line, " %d:%.1f%%", l,
                      passes ? 100.0 * static_cast<double>(byResult[l]) / passes : 0.0);
        err << line;
    }
    err << '\n';
    if (!outcome.completed) {
        err << "dravik: " << messages::kStockUnwritable.text << " the stock was not completed\n";
        return 1;
    }
    const StockWriteResult written = WriteStock(outFile, stock);
    if (!written.ok) {
        err << "dravik: " << messages::kStockUnwritable.text << ' ' << written.detail << '\n';
        return 1;
    }
    return 0;
}

int Show(const Args& args, std::ostream& out, std::ostream& err) {
    std::string file;
    int level = 0, number = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--level")
            level = static_cast<int>(ParseNumber("--level", OptionValue(args, i), 1, kLevels));
        else if (args[i] == "--number")
            number = static_cast<int>(
                ParseNumber("--number", OptionValue(args, i), 1, kPuzzlesPerLevel));
        else if (file.empty() && !args[i].starts_with("--"))
            file = std::string(args[i]);
        else
            throw UsageError{"stock show: unknown argument '" + std::string(args[i]) + "'"};
    }
    if (file.empty()) throw UsageError{"stock show: FILE is required"};
    Stock stock;
    const StockReadResult read = ReadStock(file, stock);
    if (!read.ok()) {
        err << "dravik: " << messages::kStockUnreadable.text << ' ' << read.detail << '\n';
        return 1;
    }
    out << "# LEVEL NUMBER PUZZLE SOLUTION SCORE BEST_TIME BEST_PLAYER " << CountColumns() << '\n';
    for (int l = 1; l <= kLevels; ++l) {
        if (level && l != level) continue;
        for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
            if (number && n != number) continue;
            const StockRecord& r = stock(l, n);
            char time[32];
            std::snprintf(time, sizeof time, "%d:%02d", r.BestMinutes, r.BestSeconds);
            std::string line = std::to_string(l) + ' ' + std::to_string(n) + ' ' +
                               RecordText(r.Givens) + ' ' + RecordText(r.Solution) + ' ' +
                               std::to_string(r.Score) + ' ' + (r.HasBestTime() ? time : "-") +
                               ' ' + std::to_string(r.BestPlayer);
            AppendCounts(line, r.TechniqueCounts);
            line += '\n';
            out << line;
        }
    }
    out.flush();
    return 0;
}

// Everything that should hold for a stock the program made; "" when it does.
std::string PuzzleProblem(Solver& solver, const StockRecord& r, int level) {
    const Grid givens = RecordGrid(r.Givens), solution = RecordGrid(r.Solution);
    for (int c = 0; c <= 40; ++c)
        if ((givens[c] == 0) != (givens[80 - c] == 0)) return "givens not half-turn symmetric";
    if (CountSolutionsUpTo2(givens) != 1) return "solution is not unique";
    Grid probe = givens;
    for (int c = 0; c <= 40; ++c) {
        if (givens[c] == 0) continue;
        probe[c] = probe[80 - c] = 0;
        if (CountSolutionsUpTo2(probe) == 1)
            return "not minimal: cells " + std::to_string(c) + " and " + std::to_string(80 - c) +
                   " could be emptied";
        probe[c] = givens[c];
        probe[80 - c] = givens[80 - c];
    }
    const Grading g = GradePuzzle(solver, givens);
    if (g.result != level) return "grades as level " + std::to_string(g.result);
    if (solver.SolverGrid() != solution) return "solver's solution differs";
    if (g.score != r.Score)
        return "score " + std::to_string(r.Score) + " but grades " + std::to_string(g.score);
    for (int t = 0; t < kTechniqueCount; ++t)
        if (r.TechniqueCounts[t] != g.counts[t])
            return "technique count " + std::to_string(t) + " differs from the grading";
    return {};
}

int Verify(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) throw UsageError{"stock verify: expects one FILE"};
    const std::string file(args[1]);
    Stock stock;
    const StockReadResult read = ReadStock(file, stock);
    if (!read.ok()) {
        out << file << ": unreadable: " << read.detail << '\n';
        return 1;
    }
    Solver solver;
    int problems = 0;
    auto report = [&](int l, int n, const std::string& why) {
        ++problems;
        out << file << ": record " << Stock::RecordNumber(l, n) << " (level " << l << " number "
            << n << "): " << why << '\n';
    };
    // The reader forgave these (they read as no best time); a stock the program
    // made never holds them.
    for (const ImpossibleBestTime& t : read.clearedBestTimes) {
        const int l = (t.record - 1) / kPuzzlesPerLevel + 1,
                  n = (t.record - 1) % kPuzzlesPerLevel + 1;
        report(l, n,
               "impossible best time: minutes " + std::to_string(t.minutes) + ", seconds " +
                   std::to_string(t.seconds) + ", player " + std::to_string(t.player));
    }
    for (int l = 1; l <= kLevels; ++l) {
        std::map<std::array<std::uint8_t, 81>, int> seen; // givens -> first number
        for (int n = 1; n <= kPuzzlesPerLevel; ++n) {
            std::string why = PuzzleProblem(solver, stock(l, n), l);
            if (why.empty() && n > 1 && stock(l, n).Score < stock(l, n - 1).Score)
                why = "score below the previous record's";
            const auto [first, added] = seen.emplace(stock(l, n).Givens, n);
            if (!added) {
                if (!why.empty()) why += "; ";
                why += "same puzzle as number " + std::to_string(first->second);
            }
            if (!why.empty()) report(l, n, why);
        }
    }
    if (problems) {
        out << file << ": " << problems << " bad records\n";
        return 1;
    }
    out << file << ": ok, " << kLevels * kPuzzlesPerLevel << " puzzles\n";
    (void)err;
    return 0;
}

} // namespace

int RunStock(const Args& args, std::ostream& out, std::ostream& err, bool live) {
    if (args.empty()) throw UsageError{"stock: expects build, show or verify"};
    if (args[0] == "build") return Build(args, err, live);
    if (args[0] == "show") return Show(args, out, err);
    if (args[0] == "verify") return Verify(args, out, err);
    throw UsageError{"stock: unknown subcommand '" + std::string(args[0]) + "'"};
}

} // namespace dravik::cli
