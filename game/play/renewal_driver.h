// The background passes of the game: the start-up's idle step, and a level's
// renewal fed by the puzzle source, which runs exactly while a set is being
// filled. The game asks it whether a pass has work and runs the pass; the
// stock file is written by the game when a pass says the stock is whole again.
#pragma once

#include <optional>

#include "game/ports/puzzle_source.h"
#include "game/stock/renewal.h"

namespace dravik {

class RenewalDriver {
  public:
    explicit RenewalDriver(PuzzleSource& source) : source_(source) {}

    // The stock has been read (start-up).
    void StockRead() { state_.StockRead(); }
    // Start-up's last step: nothing renewed, the start-up panel shown.
    void Reset();

    // The start-up panel shows until the first idle step.
    bool Starting() const { return starting_; }
    // The level being renewed, 0 = none.
    int RenewingLevel() const { return state_.RenewingLevel; }
    // Puzzles filed so far for `level` in this renewal (the start-up panel's bars).
    int Filed(int level) const { return state_.GeneratedCount[static_cast<std::size_t>(level)]; }

    // The renew labels take clicks while no renewal runs.
    bool CanRenew() const { return state_.RenewingLevel == 0; }
    // Starts renewing `level` (renewal.h); false when refused (among others
    // for the level being played).
    bool Begin(Stock& stock, int level, int currentLevel);

    // True when a pass has work now (the idle step); besides, a pass runs for
    // every puzzle the source reports.
    bool NeedsPass() const { return state_.Phase() == RenewalPhase::kSettling; }
    // One pass: the idle step or the next waiting puzzle filed. True when the
    // stock is whole again and must be written.
    bool Pass(Stock& stock);

  private:
    void FollowState();

    PuzzleSource& source_;
    RenewalState state_;
    bool starting_ = true;
    bool sourceRunning_ = false;
};

} // namespace dravik
