#include "game/play/practice_adapter.h"

#include "game/stock/practice_search.h"

namespace dravik {

WorkerPracticeSource::WorkerPracticeSource(int threads, std::function<void()> report)
    : threads_(threads), report_(std::move(report)) {}

WorkerPracticeSource::~WorkerPracticeSource() {
    Join();
}

void WorkerPracticeSource::Join() {
    Stop();
    stopped_.clear(); // each joins its threads
}

void WorkerPracticeSource::Start(int technique) {
    Stop();
    // Searches told to stop that have ended are joined without waiting; the
    // others are left until they have.
    std::erase_if(stopped_,
                  [](const std::unique_ptr<PracticeSearch>& s) { return s->ThreadsEnded(); });
    triedBefore_ = 0;
    // Below the window's thread: the board stays quick while it looks.
    search_ =
        std::make_unique<PracticeSearch>(technique, 1, threads_, std::nullopt, report_, 100, true);
}

void WorkerPracticeSource::Stop() {
    if (!search_) return;
    search_->RequestStop(); // nothing more is found; joined later
    triedBefore_ = search_->Progress().tried;
    stopped_.push_back(std::move(search_));
}

std::uint64_t WorkerPracticeSource::Tried() const {
    return search_ ? search_->Progress().tried : triedBefore_;
}

std::optional<GeneratedPuzzle> WorkerPracticeSource::TryTake() {
    return search_ ? search_->TryTake() : std::nullopt;
}

} // namespace dravik
