// Runs generation passes on worker threads, each with its own Generator and
// Solver, and hands the results to the owning thread in pass order.
//
// Pass i's random seed depends only on the worker's seed and i, so for a given
// seed the sequence of results is the same whatever the number of threads.
// Without a seed the passes are seeded from the clock.
//
// The owner takes results with TryTake (never blocks) or Take (blocks), and may
// give a ready callback to learn when to call TryTake. Workers run at most a
// bounded number of passes ahead of what the owner has taken. Stop() (also run
// by the destructor) returns promptly: passes in progress are abandoned and
// nothing more is delivered, so a result is either handed over whole or not at
// all. Filing is the owner's business (RenewalState::Accept).
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "game/stock/generator.h"

namespace dravik {

struct PassResult {
    std::uint64_t pass = 0; // 0, 1, 2, ... in delivery order
    GeneratedPuzzle puzzle;
};

class RenewalWorker {
  public:
    // Called on a worker thread once for every result as it becomes the next in
    // pass order to be taken (so one TryTake per call never falls behind). It must
    // not block and must not wait for the owner's thread: Stop() joins the
    // workers, and after Stop() returns it is not called again.
    using ReadyCallback = std::function<void()>;

    // Starts `threads` (at least 1) worker threads at once.
    explicit RenewalWorker(int threads, std::optional<std::uint64_t> seed = std::nullopt,
                           ReadyCallback ready = {});
    ~RenewalWorker();
    RenewalWorker(const RenewalWorker&) = delete;
    RenewalWorker& operator=(const RenewalWorker&) = delete;

    // The next result in pass order if it is ready.
    std::optional<PassResult> TryTake();
    // The next result in pass order, waiting for it; nullopt once stopped.
    std::optional<PassResult> Take();

    // Stops and joins the threads. Safe to call more than once.
    void Stop();

    // Passes finished so far (delivered or waiting).
    std::uint64_t PassesDone() const { return done_.load(); }

    // How many passes each thread may run ahead of what the owner has taken.
    // Enough that an owner busy for a while (a repaint, a click, a turn of the
    // scheduler on a loaded machine) does not stall the workers: at a few
    // tenths of a millisecond per pass that is some tens of milliseconds, for
    // a few hundred bytes per result.
    static constexpr std::uint64_t kRunAheadPerThread = 64;

  private:
    void Work();

    const std::optional<std::uint64_t> seed_;
    const ReadyCallback onReady_;
    const std::uint64_t window_; // how far passes may run ahead of delivery
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> done_{0};
    std::mutex mutex_;
    std::condition_variable ready_; // a result arrived or stop
    std::condition_variable room_;  // the owner took a result or stop
    std::uint64_t nextPass_ = 0;    // next pass number to hand to a worker
    std::uint64_t nextDeliver_ = 0; // next pass number the owner gets
    std::uint64_t nextReady_ = 0;   // passes below this are finished (taken or waiting)
    std::map<std::uint64_t, GeneratedPuzzle> finished_;
    std::vector<std::thread> threads_;
};

// Seed of pass `pass` of a run seeded with `seed`.
std::uint64_t PassSeed(std::uint64_t seed, std::uint64_t pass);

} // namespace dravik
