#include "game/play/adapters.h"

#include "game/stock/renewal_worker.h"
#include "game/stock/stock_file.h"

namespace dravik {

bool FileStockWriter::WriteStock(const Stock& stock) {
    return dravik::WriteStock(file_, stock).ok;
}

WorkerPuzzleSource::WorkerPuzzleSource(int threads, std::function<void()> ready)
    : threads_(threads), ready_(std::move(ready)) {}

WorkerPuzzleSource::~WorkerPuzzleSource() {
    Stop();
}

void WorkerPuzzleSource::Start() {
    if (worker_) return;
    worker_ = std::make_unique<RenewalWorker>(threads_);
    relay_ = std::thread([this, worker = worker_.get()] { Relay(worker); });
}

void WorkerPuzzleSource::Stop() {
    if (!worker_) return;
    worker_->Stop(); // Take() in the relay returns nullopt from now on
    if (relay_.joinable()) relay_.join();
    worker_.reset();
    std::lock_guard lock(mutex_);
    waiting_.clear();
}

std::optional<GeneratedPuzzle> WorkerPuzzleSource::TryTake() {
    std::lock_guard lock(mutex_);
    if (waiting_.empty()) return std::nullopt;
    GeneratedPuzzle puzzle = std::move(waiting_.front());
    waiting_.pop_front();
    return puzzle;
}

void WorkerPuzzleSource::Relay(RenewalWorker* worker) {
    while (auto result = worker->Take()) {
        {
            std::lock_guard lock(mutex_);
            waiting_.push_back(std::move(result->puzzle));
        }
        if (ready_) ready_();
    }
}

} // namespace dravik
