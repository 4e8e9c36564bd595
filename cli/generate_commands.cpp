// dravik generate: new puzzles with their solution, level, score and counts.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <ostream>
#include <string>

#include "cli/args.h"
#include "cli/commands.h"
#include "cli/progress.h"
#include "game/model/puzzle_text.h"
#include "game/stock/practice_search.h"
#include "game/stock/renewal_worker.h"

namespace dravik::cli {

std::uint64_t ParseSeed(std::string_view text) {
    return static_cast<std::uint64_t>(
        ParseNumber("--seed", text, 0, std::numeric_limits<long long>::max()));
}

std::string PassLine(const GeneratedPuzzle& p) {
    std::string line = GridText(p.givens);
    line += ' ';
    line += GridText(p.solution);
    AppendGrading(line, p.grading);
    line += '\n';
    return line;
}

namespace {

int ParseTechnique(std::string_view name) {
    if (const std::optional<int> t = TechniqueByName(name)) return *t;
    throw UsageError{"generate: unknown technique '" + std::string(name) +
                     "'; name one by its code or caption: " + TechniqueNameList()};
}

// The first `count` puzzles of the search that need `technique`.
int RunNeeds(int technique, long long count, int threads, std::optional<std::uint64_t> seed,
             std::ostream& out, std::ostream& err, bool live) {
    Progress progress(
        err, live,
        std::string("generate --needs ") +
            std::string(kTechniqueTable[static_cast<std::size_t>(technique)].printCode),
        static_cast<std::uint64_t>(count));
    PracticeSearch search(technique, static_cast<int>(count), threads, seed);
    long long printed = 0;
    while (printed < count && out) {
        // A terminal sees the puzzles tried go up while none is found.
        std::optional<GeneratedPuzzle> p = search.TakeFor(std::chrono::milliseconds(100));
        if (p) {
            out << PassLine(*p);
            ++printed;
        } else if (search.Progress().done) {
            break;
        }
        progress.Update(static_cast<std::uint64_t>(printed),
                        std::to_string(search.Progress().tried) + " tried");
    }
    const std::uint64_t tried = search.Progress().tried;
    search.Stop();
    out.flush();
    progress.Finish(std::to_string(tried) + " puzzles tried");
    return out ? 0 : 1;
}

} // namespace

int RunGenerate(const Args& args, std::ostream& out, std::ostream& err, bool live) {
    long long count = -1;
    int level = 0;
    int threads = 1;
    std::optional<std::uint64_t> seed;
    std::optional<int> needs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--count")
            count = ParseNumber("--count", OptionValue(args, i), 1, 100'000'000);
        else if (args[i] == "--level")
            level = static_cast<int>(ParseNumber("--level", OptionValue(args, i), 1, 6));
        else if (args[i] == "--threads")
            threads = static_cast<int>(ParseNumber("--threads", OptionValue(args, i), 1, 256));
        else if (args[i] == "--seed")
            seed = ParseSeed(OptionValue(args, i));
        else if (args[i] == "--needs")
            needs = ParseTechnique(OptionValue(args, i));
        else
            throw UsageError{"generate: unknown argument '" + std::string(args[i]) + "'"};
    }
    if (needs) {
        if (level != 0) throw UsageError{"generate: --needs and --level do not go together"};
        return RunNeeds(*needs, count < 0 ? 1 : count, threads, seed, out, err, live);
    }
    if (count < 0) throw UsageError{"generate: --count is required"};

    Progress progress(err, live, "generate", static_cast<std::uint64_t>(count));
    RenewalWorker worker(threads, seed);
    long long printed = 0;
    std::uint64_t passes = 0;
    while (printed < count && out) {
        std::optional<PassResult> r = worker.Take();
        if (!r) break;
        ++passes;
        if (level != 0 && r->puzzle.grading.result != level) continue;
        out << PassLine(r->puzzle);
        ++printed;
        progress.Update(static_cast<std::uint64_t>(printed));
    }
    worker.Stop();
    out.flush();
    progress.Finish(std::to_string(passes) + " passes");
    return out ? 0 : 1;
}

} // namespace dravik::cli
