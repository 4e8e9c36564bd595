#include "game/stock/renewal.h"

namespace dravik {

int FilePuzzle(Stock& stock, int level, const GeneratedPuzzle& puzzle) {
    if (!IsLevel(level)) return 0;
    const std::int32_t score = puzzle.grading.score;
    for (int i = kPuzzlesPerLevel; i >= 1; --i) {
        if (score <= stock(level, i).Score) continue;
        for (int j = 1; j < i; ++j) stock(level, j) = stock(level, j + 1);
        StockRecord& r = stock(level, i);
        r.Level = static_cast<std::int16_t>(level);
        for (int t = 0; t <= LastTechniqueOfLevel(level); ++t)
            r.TechniqueCounts[t] = puzzle.grading.counts[t];
        r.Reserved2 = 0;
        r.BestMinutes = 0;
        r.BestSeconds = 0;
        r.BestPlayer = 0;
        r.Score = score;
        for (int c = 0; c < kCells; ++c) {
            r.Givens[c] = static_cast<std::uint8_t>(puzzle.givens[c]);
            r.Solution[c] = static_cast<std::uint8_t>(puzzle.solution[c]);
        }
        return i;
    }
    return 0;
}

bool RenewalState::AllComplete() const {
    for (int level = 1; level <= kLevels; ++level)
        if (!complete_[level]) return false;
    return true;
}

RenewalPhase RenewalState::Phase() const {
    if (idle_) return RenewalPhase::kIdle;
    if (AllComplete()) return RenewalPhase::kSettling;
    bool any = false;
    for (int level = 1; level <= kLevels; ++level) any = any || complete_[level];
    return any || building_ ? RenewalPhase::kFilling : RenewalPhase::kUnread;
}

void RenewalState::StockRead() {
    complete_.fill(true);
    idle_ = false;
}

RenewalState::IdleEntry RenewalState::EnterIdle() {
    if (Phase() != RenewalPhase::kSettling) return IdleEntry::kNone;
    idle_ = true;
    IdleEntry entry = IdleEntry::kStartupFinished;
    if (RenewingLevel != 0 && pendingLevel_ == 0) {
        entry = IdleEntry::kRenewalFinished;
        RenewingLevel = 0;
    }
    building_ = false;
    if (pendingLevel_ != 0) {
        // Asked for before the loop first went idle: start it now.
        complete_[pendingLevel_] = false;
        idle_ = false;
        pendingLevel_ = 0;
    }
    return entry;
}

bool RenewalState::BeginRenewal(Stock& stock, int level, int currentLevel) {
    if (!IsLevel(level) || level == currentLevel) return false;
    if (RenewingLevel != 0 || building_) return false;
    const RenewalPhase phase = Phase();
    if (phase != RenewalPhase::kIdle && phase != RenewalPhase::kSettling) return false;
    RenewingLevel = level;
    GeneratedCount[level] = 0;
    stock(level, kPuzzlesPerLevel).Score = 0;
    if (phase == RenewalPhase::kIdle) {
        complete_[level] = false;
        idle_ = false;
    } else {
        pendingLevel_ = level;
    }
    return true;
}

void RenewalState::BeginBuild() {
    complete_.fill(false);
    idle_ = false;
    RenewingLevel = 0;
    GeneratedCount.fill(0);
    pendingLevel_ = 0;
    building_ = true;
}

RenewalState::Outcome RenewalState::Accept(Stock& stock, const GeneratedPuzzle& puzzle) {
    Outcome out;
    if (!Generating()) return out;
    const int level = puzzle.grading.result;
    if (!IsLevel(level)) return out; // stuck: discarded
    if (RenewingLevel != 0 && level != RenewingLevel) return out;
    // A set that is already complete takes no more puzzles.
    if (complete_[level]) return out;

    out.filedAt = FilePuzzle(stock, level, puzzle);
    if (GeneratedCount[level] < kPuzzlesPerLevel) {
        out.level = level;
        out.count = ++GeneratedCount[level];
        if (out.count == kPuzzlesPerLevel) {
            complete_[level] = true;
            out.completed = AllComplete();
        }
    }
    return out;
}

} // namespace dravik
