#include "game/play/practice_adapter.h"

#include "game/stock/practice_search.h"

namespace dravik {

WorkerPracticeSource::WorkerPracticeSource(int threads, std::function<void()> report)
    : threads_(threads), report_(std::move(report)) {}

WorkerPracticeSource::~WorkerPracticeSource() {
    Stop();
}

void WorkerPracticeSource::Start(int technique) {
    Stop();
    triedBefore_ = 0;
    search_ = std::make_unique<PracticeSearch>(technique, 1, threads_, std::nullopt, report_);
}

void WorkerPracticeSource::Stop() {
    if (!search_) return;
    search_->Stop(); // joins; nothing is reported after this
    triedBefore_ = search_->Progress().tried;
    search_.reset();
}

std::uint64_t WorkerPracticeSource::Tried() const {
    return search_ ? search_->Progress().tried : triedBefore_;
}

std::optional<GeneratedPuzzle> WorkerPracticeSource::TryTake() {
    return search_ ? search_->TryTake() : std::nullopt;
}

} // namespace dravik
