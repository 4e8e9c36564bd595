#include "game/play/adapters.h"

#include "game/stock/renewal_worker.h"
#include "game/stock/stock_file.h"

namespace dravik {

bool FileStockWriter::WriteStock(const Stock& stock) {
    // Read back first: a better time another program stored meanwhile stays.
    return WriteStockKeepingBestTimes(file_, stock).ok;
}

WorkerPuzzleSource::WorkerPuzzleSource(int threads, std::function<void()> ready)
    : threads_(threads), ready_(std::move(ready)) {}

WorkerPuzzleSource::~WorkerPuzzleSource() {
    Stop();
}

void WorkerPuzzleSource::Start() {
    if (!worker_) worker_ = std::make_unique<RenewalWorker>(threads_, std::nullopt, ready_);
}

void WorkerPuzzleSource::Stop() {
    worker_.reset(); // stops and joins; what it had finished is dropped
}

std::optional<GeneratedPuzzle> WorkerPuzzleSource::TryTake() {
    if (!worker_) return std::nullopt;
    std::optional<PassResult> result = worker_->TryTake();
    if (!result) return std::nullopt;
    return std::move(result->puzzle);
}

} // namespace dravik
