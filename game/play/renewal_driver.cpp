#include "game/play/renewal_driver.h"

namespace dravik {

void RenewalDriver::Reset() {
    state_.RenewingLevel = 0;
    state_.GeneratedCount.fill(0);
    starting_ = true;
}

bool RenewalDriver::Begin(Stock& stock, int level, int currentLevel) {
    if (!CanRenew() || !state_.BeginRenewal(stock, level, currentLevel)) return false;
    FollowState();
    return true;
}

bool RenewalDriver::Pass(Stock& stock) {
    std::optional<GeneratedPuzzle> taken;
    switch (state_.EnterIdle()) {
    case RenewalState::IdleEntry::kStartupFinished:
        starting_ = false;
        break;
    case RenewalState::IdleEntry::kRenewalFinished:
        break;
    case RenewalState::IdleEntry::kNone:
        if (state_.Generating() && sourceRunning_) taken = source_.TryTake();
        break;
    }
    FollowState();
    if (!taken) return false;
    const bool whole = state_.Accept(stock, *taken).completed;
    if (whole) FollowState();
    return whole;
}

// The source runs exactly while a set is being filled.
void RenewalDriver::FollowState() {
    const bool wanted = state_.RenewingLevel != 0 && state_.Generating();
    if (wanted == sourceRunning_) return;
    sourceRunning_ = wanted;
    if (wanted)
        source_.Start();
    else
        source_.Stop();
}

} // namespace dravik
