#include "game/stock/practice_search.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <numeric>
#include <random>

#include "game/platform/thread_priority.h"
#include "game/stock/renewal_worker.h"

namespace dravik {

std::optional<int> TechniqueByName(std::string_view name) {
    for (int t = 0; t < kTechniqueCount; ++t) {
        const TechniqueInfo& info = kTechniqueTable[static_cast<std::size_t>(t)];
        if (name == info.printCode || name == info.caption) return t;
    }
    return std::nullopt;
}

std::string TechniqueNameList() {
    std::string list;
    for (const TechniqueInfo& info : kTechniqueTable) {
        if (!list.empty()) list += ", ";
        list += std::string(info.printCode) + " (" + std::string(info.caption) + ")";
    }
    return list;
}

bool NeedsTechnique(const Grading& grading, int technique) {
    return technique >= 0 && technique < kTechniqueCount && grading.result >= 1 &&
           grading.result <= 5 && grading.counts[static_cast<std::size_t>(technique)] > 0;
}

namespace {

// A relabelling of the board that keeps the half-turn symmetry of the
// givens: row r goes to rows[r] and column c to columns[c], where each map
// sends the mirror line 8 - r to 8 - rows[r]; optionally transposed.
struct Shuffle {
    std::array<int, 9> rows{}, columns{};
    bool transpose = false;
    std::array<int, 10> digits{}; // digits[d]: the new name of digit d
};

std::array<int, 9> MirroredLines(std::mt19937_64& rng) {
    std::array<int, 3> inBand = {0, 1, 2};
    std::shuffle(inBand.begin(), inBand.end(), rng);
    const bool swapOuter = (rng() & 1) != 0;
    const bool flipMiddle = (rng() & 1) != 0;
    std::array<int, 9> map{};
    for (int r = 0; r < 3; ++r) {
        const int to = swapOuter ? 8 - inBand[static_cast<std::size_t>(r)]
                                 : inBand[static_cast<std::size_t>(r)];
        map[static_cast<std::size_t>(r)] = to;
        map[static_cast<std::size_t>(8 - r)] = 8 - to;
    }
    map[3] = flipMiddle ? 5 : 3;
    map[4] = 4;
    map[5] = flipMiddle ? 3 : 5;
    return map;
}

Shuffle RandomShuffle(std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    Shuffle s;
    s.rows = MirroredLines(rng);
    s.columns = MirroredLines(rng);
    s.transpose = (rng() & 1) != 0;
    std::array<int, 9> names{};
    std::iota(names.begin(), names.end(), 1);
    std::shuffle(names.begin(), names.end(), rng);
    for (int d = 1; d <= 9; ++d)
        s.digits[static_cast<std::size_t>(d)] = names[static_cast<std::size_t>(d - 1)];
    return s;
}

Grid Apply(const Shuffle& s, const Grid& g) {
    Grid out{};
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            int nr = s.rows[static_cast<std::size_t>(r)],
                nc = s.columns[static_cast<std::size_t>(c)];
            if (s.transpose) std::swap(nr, nc);
            const int d = g[static_cast<std::size_t>(9 * r + c)];
            out[static_cast<std::size_t>(9 * nr + nc)] = static_cast<std::int16_t>(
                d >= 1 && d <= 9 ? s.digits[static_cast<std::size_t>(d)] : 0);
        }
    return out;
}

Grid GivensOf(std::string_view text) {
    Grid g{};
    for (std::size_t c = 0; c < g.size() && c < text.size(); ++c)
        g[c] = static_cast<std::int16_t>(text[c] >= '1' && text[c] <= '9' ? text[c] - '0' : 0);
    return g;
}

std::uint64_t ClockSeed() {
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return SplitMix((static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(now));
}

} // namespace

std::optional<GeneratedPuzzle> PracticeAttempt(int technique, Generator& generator, Solver& solver,
                                               std::uint64_t seed, std::uint64_t pass,
                                               const std::atomic<bool>* stop) {
    const std::uint64_t passSeed = PassSeed(seed, pass);
    const std::span<const std::string_view> seeds = PracticeSeeds(technique);
    if (seeds.empty() || pass % 2 == 0) {
        generator.SetSeed(passSeed);
        return generator.Pass(solver, stop);
    }
    if (stop && stop->load()) return std::nullopt;
    // A known puzzle, shuffled: its solution is the seed's, shuffled alike.
    const Grid seedGivens = GivensOf(seeds[(pass / 2) % seeds.size()]);
    Grid seedSolution{};
    if (CountSolutionsUpTo2(seedGivens, &seedSolution) != 1) return GeneratedPuzzle{}; // not kept
    const Shuffle shuffle = RandomShuffle(passSeed);
    GeneratedPuzzle p;
    p.givens = Apply(shuffle, seedGivens);
    p.solution = Apply(shuffle, seedSolution);
    p.grading = GradePuzzle(solver, p.givens);
    return p;
}

PracticeSearch::PracticeSearch(int technique, int count, int threads,
                               std::optional<std::uint64_t> seed, Report report,
                               int reportMilliseconds, bool yieldToOthers)
    : technique_(technique), count_(std::max(count, 1)), seed_(seed ? *seed : ClockSeed()),
      report_(std::move(report)), reportMilliseconds_(std::max(reportMilliseconds, 1)),
      yieldToOthers_(yieldToOthers) {
    const int n = std::max(threads, 1);
    running_ = n;
    threads_.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        threads_.emplace_back([this] {
            Work();
            --running_;
        });
}

PracticeSearch::~PracticeSearch() {
    Stop();
}

void PracticeSearch::RequestStop() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
}

void PracticeSearch::Stop() {
    RequestStop();
    for (auto& t : threads_)
        if (t.joinable()) t.join();
    threads_.clear();
}

PracticeProgress PracticeSearch::Progress() const {
    std::lock_guard lock(mutex_);
    return {tried_.load(),
            static_cast<int>(std::min<std::size_t>(found_, static_cast<std::size_t>(count_))),
            done_};
}

void PracticeSearch::Work() {
    if (yieldToOthers_) LowerThisThreadPriority();
    Generator generator;
    Solver solver;
    using Clock = std::chrono::steady_clock;
    auto lastReport = Clock::now();
    for (;;) {
        std::uint64_t pass;
        {
            // Found puzzles wait for the owner in a bounded queue: a slow
            // reader (a full pipe) holds the workers back.
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return stop_ || done_ || waiting_.size() < kMaxWaiting; });
            if (stop_ || done_) return;
            pass = nextPass_++;
        }
        std::optional<GeneratedPuzzle> result =
            PracticeAttempt(technique_, generator, solver, seed_, pass, &stop_);
        if (!result) return; // stopped during the attempt
        ++tried_;
        const bool needs = NeedsTechnique(result->grading, technique_);
        Deliver(pass, needs ? std::move(result) : std::nullopt);
        const auto now = Clock::now();
        if (needs || now - lastReport >= std::chrono::milliseconds(reportMilliseconds_)) {
            lastReport = now;
            if (report_ && !stop_) report_();
        }
    }
}

void PracticeSearch::Deliver(std::uint64_t pass, std::optional<GeneratedPuzzle> found) {
    bool finished = false;
    {
        std::lock_guard lock(mutex_);
        if (done_ || stop_) return;
        pending_.emplace(pass, std::move(found));
        // Settle the attempts that are now next in order; the search is done
        // once the asked-for number of found puzzles is settled, so the found
        // puzzles are the first ones in attempt order whatever the threads.
        for (auto it = pending_.begin(); !done_ && it != pending_.end() && it->first == nextOrder_;
             it = pending_.erase(it), ++nextOrder_) {
            if (!it->second) continue;
            waiting_.push_back(std::move(*it->second));
            ++found_;
            if (found_ >= static_cast<std::size_t>(count_)) done_ = finished = true;
        }
        if (done_) pending_.clear();
    }
    changed_.notify_all();
    if (finished && report_) report_();
}

std::optional<GeneratedPuzzle> PracticeSearch::TakeLocked() {
    if (waiting_.empty()) return std::nullopt;
    std::optional<GeneratedPuzzle> p = std::move(waiting_.front());
    waiting_.pop_front();
    changed_.notify_all(); // room for the workers
    return p;
}

std::optional<GeneratedPuzzle> PracticeSearch::TryTake() {
    std::lock_guard lock(mutex_);
    return TakeLocked();
}

std::optional<GeneratedPuzzle> PracticeSearch::Take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return stop_ || done_ || !waiting_.empty(); });
    return TakeLocked();
}

std::optional<GeneratedPuzzle> PracticeSearch::TakeFor(std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, wait, [&] { return stop_ || done_ || !waiting_.empty(); });
    return TakeLocked();
}

} // namespace dravik
