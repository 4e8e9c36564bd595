// dravik grade and dravik solve.
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <istream>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

#include "cli/args.h"
#include "cli/commands.h"
#include "game/hint/step_words.h"
#include "game/stock/score.h"

namespace dravik::cli {

namespace {

// A grader takes this many puzzles of a batch at a time.
constexpr std::size_t kChunk = 64;

struct GradeBatch {
    std::vector<Grid> puzzles;
    std::string texts; // 81 characters per puzzle
    std::vector<Grading> results;
    std::size_t claimed = 0, finished = 0; // under the pool's mutex

    void Clear() {
        puzzles.clear();
        texts.clear();
        claimed = finished = 0;
    }
};

// Grading threads that work through the batches in the order they come.
class GradePool {
  public:
    explicit GradePool(int threads) {
        for (int t = 0; t < threads; ++t) threads_.emplace_back([this] { Work(); });
    }
    ~GradePool() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        work_.notify_all();
        for (auto& t : threads_) t.join();
    }
    GradePool(const GradePool&) = delete;
    GradePool& operator=(const GradePool&) = delete;

    void Submit(GradeBatch& batch) {
        batch.results.resize(batch.puzzles.size());
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(&batch);
        }
        work_.notify_all();
    }
    void Wait(GradeBatch& batch) {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [&] { return batch.finished == batch.puzzles.size(); });
    }

  private:
    void Work() {
        Solver solver;
        std::unique_lock lock(mutex_);
        for (;;) {
            work_.wait(lock, [&] { return stop_ || !queue_.empty(); });
            if (queue_.empty()) return;
            GradeBatch& batch = *queue_.front();
            const std::size_t begin = batch.claimed;
            const std::size_t end = std::min(batch.puzzles.size(), begin + kChunk);
            batch.claimed = end;
            if (end == batch.puzzles.size()) queue_.pop_front();
            lock.unlock();
            for (std::size_t k = begin; k < end; ++k)
                batch.results[k] = GradePuzzle(solver, batch.puzzles[k]);
            lock.lock();
            batch.finished += end - begin;
            if (batch.finished == batch.puzzles.size()) done_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable work_, done_;
    std::deque<GradeBatch*> queue_;
    bool stop_ = false;
    std::vector<std::thread> threads_;
};

// PUZZLE RESULT SCORE C0 .. C21 for every puzzle of the batch.
void WriteBatch(const GradeBatch& batch, std::string& text, std::ostream& out) {
    text.clear();
    for (std::size_t k = 0; k < batch.puzzles.size(); ++k) {
        text.append(batch.texts, 81 * k, 81);
        AppendGrading(text, batch.results[k]);
        text += '\n';
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

} // namespace

int RunGrade(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    return RunGradeInBatches(args, in, out, err, kGradeBatchSize);
}

int RunGradeInBatches(const Args& args, std::istream& in, std::ostream& out, std::ostream& err,
                      std::size_t batchSize) {
    int threads = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--threads")
            threads = static_cast<int>(ParseNumber("--threads", OptionValue(args, i), 1, 256));
        else
            throw UsageError{"grade: unknown argument '" + std::string(args[i]) + "'"};
    }

    if (batchSize == 0) batchSize = 1;
    PuzzleReader reader(in, err);
    auto fill = [&](GradeBatch& batch) {
        batch.Clear();
        Grid puzzle;
        while (batch.puzzles.size() < batchSize && reader.NextInto(puzzle, batch.texts))
            batch.puzzles.push_back(puzzle);
        return !batch.puzzles.empty();
    };
    std::string text;
    if (threads <= 1) {
        Solver solver;
        GradeBatch batch;
        while (out && fill(batch)) {
            batch.results.resize(batch.puzzles.size());
            for (std::size_t k = 0; k < batch.puzzles.size(); ++k)
                batch.results[k] = GradePuzzle(solver, batch.puzzles[k]);
            WriteBatch(batch, text, out);
        }
    } else {
        // Two batches per grader in flight keep every grader busy while the
        // oldest batch is written.
        const std::size_t inFlight = 2 * static_cast<std::size_t>(threads);
        std::vector<std::unique_ptr<GradeBatch>> batches(inFlight);
        for (auto& b : batches) b = std::make_unique<GradeBatch>();
        GradePool pool(threads);
        std::size_t submitted = 0, written = 0;
        bool more = true;
        while (out && (more || written < submitted)) {
            if (more && submitted - written < inFlight) {
                GradeBatch& batch = *batches[submitted % inFlight];
                more = fill(batch);
                if (more) {
                    pool.Submit(batch);
                    ++submitted;
                }
                continue;
            }
            GradeBatch& oldest = *batches[written % inFlight];
            pool.Wait(oldest);
            WriteBatch(oldest, text, out);
            ++written;
        }
        // On a write error the pool finishes the batches it holds and stops.
        if (!out)
            for (; written < submitted; ++written) pool.Wait(*batches[written % inFlight]);
    }
    out.flush();
    return reader.HadErrors() ? 1 : 0;
}

int RunSolve(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    bool steps = false;
    for (const auto& a : args) {
        if (a == "--steps")
            steps = true;
        else
            throw UsageError{"solve: unknown argument '" + std::string(a) + "'"};
    }
    PuzzleReader reader(in, err);
    Solver solver;
    Grid puzzle;
    std::string text;
    while (out && reader.Next(puzzle, text)) {
        solver.Puzzle = puzzle;
        int result;
        if (steps) {
            out << "# " << text << '\n';
            int number = 0;
            result = solver.Solve([&](const SolveStep& step) {
                out << StepLine(++number, step.technique, StepInWords(step.changes)) << '\n';
                return true;
            });
        } else {
            result = solver.Solve();
        }
        if (result == kResultStuck) out << "stuck ";
        out << GridText(solver.SolverGrid()) << '\n';
    }
    out.flush();
    return reader.HadErrors() ? 1 : 0;
}

} // namespace dravik::cli
