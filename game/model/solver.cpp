#include "game/model/solver.h"

namespace dravik {

Solver::Solver() {
    Start();
}

namespace {

// The 20 peers of every cell.
constexpr std::array<std::array<std::int8_t, 20>, kCells> MakePeers() {
    std::array<std::array<std::int8_t, 20>, kCells> t{};
    for (int c = 0; c < kCells; ++c) {
        int n = 0;
        for (int p = 0; p < kCells; ++p)
            if (p != c && SeesCell(p, c)) t[c][n++] = static_cast<std::int8_t>(p);
    }
    return t;
}
constexpr auto kPeers = MakePeers();

} // namespace

void Solver::TouchAll() {
    for (auto& v : unitVersion_) ++v;
    for (auto& v : digitVersion_) ++v;
}

void Solver::Start() {
    counts_.fill(0);
    grid_.fill(0);
    mask_.fill(kAllCandidates);
    emptyCells_ = kCells;
    TouchAll();
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
    emptyCells_ = 0;
    for (auto v : grid_) emptyCells_ += v == 0;
    TouchAll();
}

bool Solver::Solved() const {
    return emptyCells_ == 0;
}

void Solver::Place(int d, int c) {
    // The digit leaves the cell and every peer; the cell loses all candidates.
    const std::uint16_t bit = DigitBit(d);
    if (grid_[c] == 0) --emptyCells_;
    grid_[c] = static_cast<std::int16_t>(d);
    for (unsigned m = mask_[c]; m; m &= m - 1) ++digitVersion_[__builtin_ctz(m) + 1];
    ++digitVersion_[d];
    mask_[c] = 0;
    Touch(c);
    for (const int p : kPeers[c])
        if (mask_[p] & bit) {
            mask_[p] &= static_cast<std::uint16_t>(~bit);
            Touch(p);
        }
    if (record_)
        record_->push_back({true, static_cast<std::int8_t>(d), static_cast<std::int8_t>(c)});
}

bool Solver::RemoveCandidate(int d, int c) {
    const std::uint16_t bit = DigitBit(d);
    if (!(mask_[c] & bit)) return false;
    mask_[c] &= static_cast<std::uint16_t>(~bit);
    ++digitVersion_[d];
    Touch(c);
    if (record_)
        record_->push_back({false, static_cast<std::int8_t>(d), static_cast<std::int8_t>(c)});
    return true;
}

bool Solver::ApplyTechnique(int t) {
    switch (t) {
    case kHiddenSingle:
        return HiddenSingle();
    case kNakedSingle:
        return NakedSingle();
    case kPointingPair:
        return PointingPair();
    case kBoxLine:
        return BoxLine();
    case kNakedPair:
        return Subset(true, 2);
    case kNakedTriple:
        return Subset(true, 3);
    case kHiddenPair:
        return Subset(false, 2);
    case kNakedQuad:
        return Subset(true, 4);
    case kHiddenTriple:
        return Subset(false, 3);
    case kNakedQuint:
        return Subset(true, 5);
    case kXWing:
        return XWing();
    case kXYWing:
        return XYWing();
    case kTwoStringKite:
        return TwoStringKite();
    case kSkyscraper:
        return Skyscraper();
    case kSwordfish:
        return Swordfish();
    case kMultiXWing:
        return MultiXWing();
    case kFinnedXWing:
        return FinnedXWing();
    case kUniqueRectangle:
        return UniqueRectangle();
    case kAvoidableRectangle:
        return AvoidableRectangle();
    case kXYZWing:
        return XYZWing();
    case kEmptyRectangle:
        return EmptyRectangle();
    case kJellyfish:
        return Jellyfish();
    default:
        return false;
    }
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
