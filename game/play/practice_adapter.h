// The practice source over PracticeSearch worker threads. The search calls
// `report` from one of its threads while it runs and when it has found the
// puzzle; the window answers by scheduling a pass on its own thread, which
// takes the puzzle. `report` must not wait for the window. Stop never waits:
// the stopped search's threads end by themselves and are joined later (by the
// next Start once they have ended, by Join or the destructor), so the
// window's thread is never held up by a thread in the middle of a puzzle.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "game/ports/practice_source.h"

namespace dravik {

class PracticeSearch;

class WorkerPracticeSource final : public PracticeSource {
  public:
    WorkerPracticeSource(int threads, std::function<void()> report);
    ~WorkerPracticeSource() override;
    WorkerPracticeSource(const WorkerPracticeSource&) = delete;
    WorkerPracticeSource& operator=(const WorkerPracticeSource&) = delete;

    void Start(int technique) override;
    void Stop() override;
    // Stops and waits for every thread of every search: nothing is reported
    // after it returns.
    void Join();
    std::uint64_t Tried() const override;
    std::optional<GeneratedPuzzle> TryTake() override;

  private:
    const int threads_;
    const std::function<void()> report_;
    std::unique_ptr<PracticeSearch> search_;
    std::vector<std::unique_ptr<PracticeSearch>> stopped_; // still to be joined
    std::uint64_t triedBefore_ = 0;                        // of the search that was stopped
};

} // namespace dravik
