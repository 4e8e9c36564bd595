// The ready-made outside pieces that need no window: the stock file writer and
// the puzzle source over the renewal worker threads.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "game/play/outside.h"

namespace dravik {

class RenewalWorker;

// Writes the whole stock to the working copy (atomically, see stock_file.h).
class FileStockWriter final : public StockWriter {
  public:
    explicit FileStockWriter(std::filesystem::path file) : file_(std::move(file)) {}
    bool WriteStock(const Stock& stock) override;

  private:
    std::filesystem::path file_;
};

// Generates on RenewalWorker threads. A relay thread waits for each result and
// calls `ready` from that thread; the window answers by scheduling one pass on
// its own thread. Nothing on the window's side waits or polls. `ready` must
// not wait for the window (post an event, never a blocking call): Stop joins
// the relay thread.
class WorkerPuzzleSource final : public PuzzleSource {
  public:
    WorkerPuzzleSource(int threads, std::function<void()> ready);
    ~WorkerPuzzleSource() override;
    WorkerPuzzleSource(const WorkerPuzzleSource&) = delete;
    WorkerPuzzleSource& operator=(const WorkerPuzzleSource&) = delete;

    void Start() override;
    void Stop() override;
    std::optional<GeneratedPuzzle> TryTake() override;

  private:
    void Relay(RenewalWorker* worker);

    const int threads_;
    const std::function<void()> ready_;
    std::unique_ptr<RenewalWorker> worker_;
    std::thread relay_;
    std::mutex mutex_;
    std::deque<GeneratedPuzzle> waiting_;
};

} // namespace dravik
