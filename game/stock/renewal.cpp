#include "game/stock/renewal.h"

namespace dravik {

int FilePuzzle(Stock& stock, int level, const GeneratedPuzzle& puzzle) {
    if (level < 1 || level > kLevels) return 0;
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

RenewalState::IdleEntry RenewalState::EnterIdle() {
    if (StockStatus != kStatusComplete) return IdleEntry::kNone;
    StockStatus = kStatusIdle;
    IdleEntry entry = IdleEntry::kStartupFinished;
    if (RenewingLevel != 0 && pendingLevel_ == 0) {
        entry = IdleEntry::kRenewalFinished;
        RenewingLevel = 0;
    }
    building_ = false;
    if (pendingLevel_ != 0) {
        // Asked for before the loop first went idle: start it now.
        StockStatus = kStatusComplete - (1 << pendingLevel_);
        pendingLevel_ = 0;
    }
    return entry;
}

bool RenewalState::BeginRenewal(Stock& stock, int level, int currentLevel) {
    if (level < 1 || level > kLevels || level == currentLevel) return false;
    if (RenewingLevel != 0 || building_) return false;
    if (StockStatus != kStatusIdle && StockStatus != kStatusComplete) return false;
    RenewingLevel = level;
    GeneratedCount[level] = 0;
    stock(level, kPuzzlesPerLevel).Score = 0;
    if (StockStatus == kStatusIdle)
        StockStatus = kStatusComplete - (1 << level);
    else
        pendingLevel_ = level;
    return true;
}

void RenewalState::BeginBuild() {
    StockStatus = kStatusUnread;
    RenewingLevel = 0;
    GeneratedCount.fill(0);
    pendingLevel_ = 0;
    building_ = true;
}

RenewalState::Outcome RenewalState::Accept(Stock& stock, const GeneratedPuzzle& puzzle) {
    Outcome out;
    if (!Generating()) return out;
    const int level = puzzle.grading.result;
    if (level < 1 || level > kLevels) return out; // stuck: discarded
    if (RenewingLevel != 0 && level != RenewingLevel) return out;
    // A set that is already complete takes no more puzzles.
    if (StockStatus & (1 << level)) return out;

    out.filedAt = FilePuzzle(stock, level, puzzle);
    if (GeneratedCount[level] < kPuzzlesPerLevel) {
        out.level = level;
        out.count = ++GeneratedCount[level];
        if (out.count == kPuzzlesPerLevel) {
            StockStatus |= 1 << level;
            out.completed = StockStatus == kStatusComplete;
        }
    }
    return out;
}

} // namespace dravik
