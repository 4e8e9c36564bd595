#include "game/model/solver.h"

#include <utility>

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

void Solver::NoteCells(std::initializer_list<int> cells, std::uint16_t digits, int extra) {
    StepPattern& p = *pattern_;
    p.Clear();
    for (int c : cells) p.AddCell(c);
    p.digits = digits;
    p.extra = extra;
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

// The ladder's rungs in technique table order. The subset technique stands on
// six rungs, one per size and kind.
template <bool naked, int size> bool Solver::SubsetRung() {
    return Subset(naked, size);
}

namespace {

struct Rung {
    Technique technique;
    bool (Solver::*apply)();
};

constexpr std::array<Rung, kTechniqueCount> kLadder = {{
    {kHiddenSingle, &Solver::HiddenSingle},
    {kNakedSingle, &Solver::NakedSingle},
    {kPointingPair, &Solver::PointingPair},
    {kBoxLine, &Solver::BoxLine},
    {kNakedPair, &Solver::SubsetRung<true, 2>},
    {kNakedTriple, &Solver::SubsetRung<true, 3>},
    {kHiddenPair, &Solver::SubsetRung<false, 2>},
    {kNakedQuad, &Solver::SubsetRung<true, 4>},
    {kHiddenTriple, &Solver::SubsetRung<false, 3>},
    {kNakedQuint, &Solver::SubsetRung<true, 5>},
    {kXWing, &Solver::XWing},
    {kXYWing, &Solver::XYWing},
    {kTwoStringKite, &Solver::TwoStringKite},
    {kSkyscraper, &Solver::Skyscraper},
    {kSwordfish, &Solver::Swordfish},
    {kMultiXWing, &Solver::MultiXWing},
    {kFinnedXWing, &Solver::FinnedXWing},
    {kUniqueRectangle, &Solver::UniqueRectangle},
    {kAvoidableRectangle, &Solver::AvoidableRectangle},
    {kXYZWing, &Solver::XYZWing},
    {kEmptyRectangle, &Solver::EmptyRectangle},
    {kJellyfish, &Solver::Jellyfish},
}};

constexpr bool LadderFollowsTheTable() {
    for (int i = 0; i < kTechniqueCount; ++i)
        if (kLadder[i].technique != i) return false;
    return true;
}
static_assert(LadderFollowsTheTable(), "the ladder's rungs stand in technique table order");

} // namespace

bool Solver::ApplyTechnique(int t) {
    if (t < 0 || t >= kTechniqueCount) return false;
    return (this->*kLadder[t].apply)();
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
    // One rung: raise the level to the rung's tier, then try it (when enabled).
    auto tryRung = [&]<std::size_t t>() {
        constexpr int tier = TechniqueTier(t);
        if (level < tier) level = tier;
        if (!(enabled_ & (1u << t))) return false;
        if (onStep) log.clear();
        return (this->*kLadder[t].apply)();
    };
    // The first rung that reports progress, climbing in index order; -1 for none.
    auto climb = [&]<std::size_t... t>(std::index_sequence<t...>) {
        int fired = -1;
        (void)((tryRung.template operator()<t>() ? (fired = static_cast<int>(t), true) : false) ||
               ...);
        return fired;
    };
    int result = kResultStuck;
    for (;;) {
        if (Solved()) {
            result = level;
            break;
        }
        const int fired = climb(std::make_index_sequence<kTechniqueCount>());
        if (fired < 0) break;
        ++counts_[fired];
        if (onStep &&
            !onStep(SolveStep{fired, level, std::span<const GridChange>(log), pattern_})) {
            result = kResultCancelled;
            break;
        }
    }
    record_ = saved;
    return result;
}

} // namespace dravik
