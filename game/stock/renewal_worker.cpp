#include "game/stock/renewal_worker.h"

#include <algorithm>
#include <utility>

namespace dravik {

std::uint64_t PassSeed(std::uint64_t seed, std::uint64_t pass) {
    // Two rounds of the mixer so that neighbouring seeds and passes are unrelated.
    return SplitMix(SplitMix(seed ^ (pass * 0xD1B54A32D192ED03ull)));
}

RenewalWorker::RenewalWorker(int threads, std::optional<std::uint64_t> seed, ReadyCallback ready)
    : seed_(seed), onReady_(std::move(ready)),
      window_(kRunAheadPerThread * static_cast<std::uint64_t>(std::max(threads, 1))) {
    const int n = std::max(threads, 1);
    threads_.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) threads_.emplace_back([this] { Work(); });
}

RenewalWorker::~RenewalWorker() {
    Stop();
}

void RenewalWorker::Stop() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    ready_.notify_all();
    room_.notify_all();
    for (auto& t : threads_)
        if (t.joinable()) t.join();
    threads_.clear();
}

void RenewalWorker::Work() {
    Generator generator;
    Solver solver;
    for (;;) {
        std::uint64_t pass;
        {
            std::unique_lock lock(mutex_);
            // Stay within a bounded distance of what the owner has taken.
            room_.wait(lock, [&] { return stop_ || nextPass_ < nextDeliver_ + window_; });
            if (stop_) return;
            pass = nextPass_++;
        }
        if (seed_)
            generator.SetSeed(PassSeed(*seed_, pass));
        else
            generator.ClearSeed();
        std::optional<GeneratedPuzzle> result = generator.Pass(solver, &stop_);
        if (!result) return;        // stopped during the pass
        std::uint64_t nowReady = 0; // results that this one put next in order
        {
            std::lock_guard lock(mutex_);
            if (stop_) return;
            finished_.emplace(pass, std::move(*result));
            ++done_;
            while (finished_.count(nextReady_) != 0) {
                ++nextReady_;
                ++nowReady;
            }
        }
        if (nowReady == 0) continue;
        ready_.notify_all();
        if (onReady_)
            for (std::uint64_t i = 0; i < nowReady; ++i) onReady_();
    }
}

std::optional<PassResult> RenewalWorker::TryTake() {
    std::optional<PassResult> out;
    {
        std::lock_guard lock(mutex_);
        auto it = finished_.find(nextDeliver_);
        if (stop_ || it == finished_.end()) return out;
        out = PassResult{nextDeliver_, std::move(it->second)};
        finished_.erase(it);
        ++nextDeliver_;
    }
    room_.notify_all();
    return out;
}

std::optional<PassResult> RenewalWorker::Take() {
    std::optional<PassResult> out;
    {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return stop_ || finished_.count(nextDeliver_) != 0; });
        if (stop_) return out;
        auto it = finished_.find(nextDeliver_);
        out = PassResult{nextDeliver_, std::move(it->second)};
        finished_.erase(it);
        ++nextDeliver_;
    }
    room_.notify_all();
    return out;
}

} // namespace dravik
