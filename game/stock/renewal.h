// Level sets and their renewal: the filing rule that keeps a set sorted by score,
// and the state of the background generation (status word, level being renewed,
// counts). The window wires this object to its controls; it holds no widgets.
#pragma once

#include <array>
#include <cstdint>

#include "game/stock/generator.h"
#include "game/stock/stock_record.h"

namespace dravik {

// Files a graded puzzle of `level` (1..5) into that level's set, which is sorted
// ascending by score: it takes the place of the highest record with a strictly
// lower score, records below it move up one place and record 1 is dropped. A
// puzzle placed among equal scores therefore goes below them. Returns the number
// (1..100) it was filed at, or 0 when no record scores lower (dropped).
// New fields: Level, technique counts of the level's tier, the reserved field at
// offset 4 = 0, no best time, score, givens and solution; the rest of the slot
// (offset 2, counts above the tier) keeps what the slot held.
int FilePuzzle(Stock& stock, int level, const GeneratedPuzzle& puzzle);

// Where the background generation stands.
enum class RenewalPhase {
    kUnread,   // the stock has not been read yet
    kFilling,  // a set is being filled (a renewal, or a build of all five)
    kSettling, // every set is complete; the idle step is next
    kIdle,     // nothing to do
};

class RenewalState {
  public:
    RenewalPhase Phase() const;
    // Level L's set (1..5) is complete.
    bool SetComplete(int level) const { return IsLevel(level) && complete_[level]; }
    // The level being renewed, 0 = none.
    int RenewingLevel = 0;
    // Puzzles filed per level (index 1..5) in the current renewal or build.
    std::array<int, 6> GeneratedCount{};

    // The stock has been read: every set complete, the idle step next.
    void StockRead();

    // True while passes should be generated (a renewal or a build is running).
    bool Generating() const { return !AllComplete(); }

    enum class IdleEntry {
        kNone,            // not settling: nothing to do
        kStartupFinished, // first idle step after start-up: hide the start panel,
                          // enable Next, Open and Print
        kRenewalFinished, // a renewal ended: hide its progress bar, enable the
                          // renewed level's option and the renew labels
    };
    // The loop's idle step (settling -> idle). A renewal requested before the
    // first idle step starts right after it.
    IdleEntry EnterIdle();

    // Starts renewing `level` (1..5): its count goes to 0 and Stock(level, 100)'s
    // score to 0, the floor that pushes out the old puzzles. Refused (false) for
    // the level being played, while a renewal or build runs, and for a bad level.
    bool BeginRenewal(Stock& stock, int level, int currentLevel);

    // Starts filling all five sets of an empty stock, each exactly as a renewal
    // of that level would (the master stock is built this way).
    void BeginBuild();

    struct Outcome {
        int filedAt = 0;        // 1..100 where the puzzle went; 0 discarded or dropped
        int level = 0;          // the level whose count moved, 0 none
        int count = 0;          // that level's new count
        bool completed = false; // every set is complete again (settling): the
                                // caller writes the stock file now
    };

    // Files one pass result (filing rule above) when it belongs to a set being
    // filled: the renewed level, or during a build any level whose set is not
    // yet complete. Other levels and stuck puzzles are discarded. Only reports:
    // the stock file has one writer, the caller, which writes it when the
    // outcome says `completed`.
    Outcome Accept(Stock& stock, const GeneratedPuzzle& puzzle);

  private:
    bool AllComplete() const;

    std::array<bool, kLevels + 1> complete_{}; // index 1..5
    bool idle_ = false;
    int pendingLevel_ = 0; // renewal asked for before the first idle step
    bool building_ = false;
};

} // namespace dravik
