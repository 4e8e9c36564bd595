// The search for practice puzzles: new puzzles are generated on worker
// threads until enough of them need one technique, that is, until their
// grading applies it at least once and the ladder finishes them.
//
// Most techniques turn up within a few hundred generated puzzles. A few are
// so rare among fresh puzzles (one in tens of thousands and fewer) that the
// search would keep a player waiting for minutes; for those the workers also
// start from known puzzles that need the technique (kPracticeSeeds) and make
// new puzzles from them: the same puzzle with its digits renamed, its bands,
// stacks, rows and columns shuffled the ways that keep the half-turn symmetry
// of the givens, turned or mirrored. Each such puzzle is graded afresh like a
// generated one and kept only when its grading needs the technique.
//
// With a seed the search finds the same puzzles in the same order for any
// number of threads. Everything here is the standard library only.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "game/stock/generator.h"

namespace dravik {

// The technique named by its print code ("XW") or its caption ("X-Wing"),
// spelt as the technique table has them; nullopt for any other name.
std::optional<int> TechniqueByName(std::string_view name);
// "HS (Hidden Single), NS (Naked Single), ..." for messages.
std::string TechniqueNameList();

// True when the grading of a puzzle needs `technique`: the ladder finishes the
// puzzle (result 1..5) and applied the technique at least once.
bool NeedsTechnique(const Grading& grading, int technique);

// Puzzles known to need a technique that fresh puzzles rarely need: the
// givens as 81 characters ('0' empty). Empty for the common techniques.
std::span<const std::string_view> PracticeSeeds(int technique);

// One attempt of the search: pass `pass` of a run seeded with `seed`. A
// technique with seeds alternates between generating a new puzzle and
// transforming a seed; the others always generate. Stops (nullopt) when
// `stop` becomes true.
std::optional<GeneratedPuzzle> PracticeAttempt(int technique, Generator& generator, Solver& solver,
                                               std::uint64_t seed, std::uint64_t pass,
                                               const std::atomic<bool>* stop = nullptr);

struct PracticeProgress {
    std::uint64_t tried = 0; // puzzles graded so far
    int found = 0;           // of which needed the technique (at most the count asked for)
    bool done = false;       // all that were asked for are found
};

class PracticeSearch {
  public:
    // Called on a search thread when a puzzle was found or the search is
    // done, and about every `reportMilliseconds` while it runs. It must not
    // block nor wait for the owner's thread (Stop joins the threads).
    using Report = std::function<void()>;

    // Starts `threads` (at least 1) worker threads at once, looking for
    // `count` (at least 1) puzzles that need `technique`. Without a seed the
    // attempts are seeded from the clock. With `yieldToOthers` the threads run
    // at a lower priority, so that a window's thread always gets the processor
    // first (on a machine with as many cores as search threads).
    PracticeSearch(int technique, int count, int threads,
                   std::optional<std::uint64_t> seed = std::nullopt, Report report = {},
                   int reportMilliseconds = 100, bool yieldToOthers = false);
    ~PracticeSearch();
    PracticeSearch(const PracticeSearch&) = delete;
    PracticeSearch& operator=(const PracticeSearch&) = delete;

    int Technique() const { return technique_; }
    PracticeProgress Progress() const;

    // The next found puzzle in attempt order, if one is ready (never blocks).
    std::optional<GeneratedPuzzle> TryTake();
    // The next found puzzle in attempt order, waiting for it; nullopt once
    // stopped or when all asked for have been taken.
    std::optional<GeneratedPuzzle> Take();
    // The same, waiting at most `wait`: nullopt also when none came by then
    // (Progress().done tells the end apart).
    std::optional<GeneratedPuzzle> TakeFor(std::chrono::milliseconds wait);

    // Stops and joins the threads: attempts in progress are abandoned.
    // Found puzzles not yet taken stay takeable. Safe to call more than once.
    void Stop();
    // Tells the threads to stop without waiting for them; nothing more is
    // found (the destructor or Stop joins them). For an owner that must not
    // wait, such as a window's thread.
    void RequestStop();
    // True once every thread has returned (joining them then does not wait).
    bool ThreadsEnded() const { return running_.load() == 0; }

  private:
    void Work();
    void Deliver(std::uint64_t pass, std::optional<GeneratedPuzzle> found);
    std::optional<GeneratedPuzzle> TakeLocked(); // with mutex_ held
    static constexpr std::size_t kMaxWaiting = 256;

    const int technique_;
    const int count_;
    const std::uint64_t seed_;
    const Report report_;
    const int reportMilliseconds_;
    const bool yieldToOthers_;
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> tried_{0};
    std::atomic<int> running_{0}; // threads that have not returned yet
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t nextPass_ = 0;  // next attempt to hand to a worker
    std::uint64_t nextOrder_ = 0; // attempts below this have all been settled in order
    // Finished attempts above nextOrder_: a found puzzle, or nothing.
    std::map<std::uint64_t, std::optional<GeneratedPuzzle>> pending_;
    std::deque<GeneratedPuzzle> waiting_; // found, not yet taken, in attempt order
    std::size_t found_ = 0;               // found in all
    bool done_ = false;
    std::vector<std::thread> threads_;
};

} // namespace dravik
