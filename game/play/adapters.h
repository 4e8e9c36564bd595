// The ready-made outside pieces that need no window: the stock file writer and
// the puzzle source over the renewal worker threads.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "game/ports/puzzle_source.h"
#include "game/ports/stock_writer.h"

namespace dravik {

class RenewalWorker;

// Writes the whole stock to the working copy (atomically, see stock_file.h),
// keeping any better best time the file holds by then
// (WriteStockKeepingBestTimes).
class FileStockWriter final : public StockWriter {
  public:
    explicit FileStockWriter(std::filesystem::path file) : file_(std::move(file)) {}
    bool WriteStock(const Stock& stock) override;

  private:
    std::filesystem::path file_;
};

// Generates on RenewalWorker threads. The worker calls `ready` from one of its
// threads once for every result that is next in line; the window answers by
// scheduling one pass on its own thread, which takes it. Nothing on the
// window's side waits or polls. `ready` must not wait for the window (post an
// event, never a blocking call): Stop joins the worker threads.
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
    const int threads_;
    const std::function<void()> ready_;
    std::unique_ptr<RenewalWorker> worker_;
};

} // namespace dravik
