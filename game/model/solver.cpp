#include "game/model/solver.h"

namespace dravik {

Solver::Solver() { Start(); }

void Solver::Start() {
    counts_.fill(0);
    grid_.fill(0);
    mask_.fill(kAllCandidates);
    for (int c = 0; c < kCells; ++c)
        if (Puzzle[c] > 0 && Puzzle[c] <= 9) Place(Puzzle[c], c);
}

void Solver::LoadPosition(const Grid& givens, const Grid& board,
                          const std::array<std::uint16_t, kCells>& masks) {
    counts_.fill(0);
    Puzzle = givens;
    for (int c = 0; c < kCells; ++c) {
        const bool filled = board[c] >= 1 && board[c] <= 9;
        grid_[c] = filled ? board[c] : 0;
        mask_[c] = filled ? 0 : static_cast<std::uint16_t>(masks[c] & kAllCandidates);
    }
}

bool Solver::Solved() const {
    for (auto v : grid_)
        if (v == 0) return false;
    return true;
}

void Solver::Place(int d, int c) {
    const std::uint16_t keep = static_cast<std::uint16_t>(~DigitBit(d));
    grid_[c] = static_cast<std::int16_t>(d);
    mask_[c] = 0;
    const int col = CellColumn(c), row = CellRow(c), start = CellBoxStart(c);
    for (int i = 0; i < 9; ++i) {
        mask_[col + 9 * i] &= keep;
        mask_[9 * row + i] &= keep;
    }
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) mask_[start + 9 * j + i] &= keep;
    if (record_) record_->push_back({true, static_cast<std::int8_t>(d), static_cast<std::int8_t>(c)});
}

bool Solver::RemoveCandidate(int d, int c) {
    const std::uint16_t bit = DigitBit(d);
    if (!(mask_[c] & bit)) return false;
    mask_[c] &= static_cast<std::uint16_t>(~bit);
    if (record_)
        record_->push_back({false, static_cast<std::int8_t>(d), static_cast<std::int8_t>(c)});
    return true;
}

bool Solver::ApplyTechnique(int t) {
    switch (t) {
    case kHiddenSingle: return HiddenSingle();
    case kNakedSingle: return NakedSingle();
    case kPointingPair: return PointingPair();
    case kBoxLine: return BoxLine();
    case kNakedPair: return Subset(true, 2);
    case kNakedTriple: return Subset(true, 3);
    case kHiddenPair: return Subset(false, 2);
    case kNakedQuad: return Subset(true, 4);
    case kHiddenTriple: return Subset(false, 3);
    case kNakedQuint: return Subset(true, 5);
    case kXWing: return XWing();
    case kXYWing: return XYWing();
    case kTwoStringKite: return TwoStringKite();
    case kSkyscraper: return Skyscraper();
    case kSwordfish: return Swordfish();
    case kMultiXWing: return MultiXWing();
    case kFinnedXWing: return FinnedXWing();
    case kUniqueRectangle: return UniqueRectangle();
    case kAvoidableRectangle: return AvoidableRectangle();
    case kXYZWing: return XYZWing();
    case kEmptyRectangle: return EmptyRectangle();
    case kJellyfish: return Jellyfish();
    default: return false;
    }
}

int Solver::Step() {
    for (int t = 0; t < kTechniqueCount; ++t)
        if ((enabled_ & (1u << t)) && ApplyTechnique(t)) return t;
    return -1;
}

int Solver::Solve(const StepCallback& onStep) {
    Start();
    int level = 1;
    std::vector<GridChange> log;
    std::vector<GridChange>* const saved = record_;
    if (onStep) {
        log.reserve(128);
        record_ = &log;
    }
    int result = kResultStuck;
    for (;;) {
        if (Solved()) {
            result = level;
            break;
        }
        int fired = -1;
        for (int t = 0; t < kTechniqueCount; ++t) {
            const int tier = kTechniqueTable[t].tier;
            if (level < tier) level = tier;
            if (!(enabled_ & (1u << t))) continue;
            if (onStep) log.clear();
            if (ApplyTechnique(t)) {
                fired = t;
                break;
            }
        }
        if (fired < 0) break;
        ++counts_[fired];
        if (onStep && !onStep(SolveStep{fired, level, std::span<const GridChange>(log)})) {
            result = kResultCancelled;
            break;
        }
    }
    record_ = saved;
    return result;
}

} // namespace dravik
