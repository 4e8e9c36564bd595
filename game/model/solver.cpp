#include "game/model/solver.h"

#include <bit>
#include <utility>

namespace dravik {

Solver::Solver() {
    Start();
}

namespace {

// Scan positions of every cell's units: box (0-8), row (9-17), column (18-26).
constexpr std::array<std::array<std::int8_t, 3>, kCells> kScanUnits = [] {
    std::array<std::array<std::int8_t, 3>, kCells> t{};
    for (int c = 0; c < kCells; ++c) {
        t[c][0] = static_cast<std::int8_t>(CellBox(c));
        t[c][1] = static_cast<std::int8_t>(9 + CellRow(c));
        t[c][2] = static_cast<std::int8_t>(18 + CellColumn(c));
    }
    return t;
}();

// Three bits (boxes of a band, or of a stack) spread to the nine positions
// of a line they cover: bit k to bits 3k..3k+2.
constexpr std::array<unsigned, 8> kSpread = {0, 07, 070, 077, 0700, 0707, 0770, 0777};

// Every cell alone in a set, and its units' scan positions as bits.
constexpr std::array<CellSet, kCells> kSingleCell = [] {
    std::array<CellSet, kCells> t{};
    for (int c = 0; c < kCells; ++c) t[c] = CellSet::Cell(c);
    return t;
}();
constexpr std::array<std::uint32_t, kCells> kScanBits = [] {
    std::array<std::uint32_t, kCells> t{};
    for (int c = 0; c < kCells; ++c)
        for (const int s : kScanUnits[c]) t[c] |= 1u << s;
    return t;
}();

} // namespace

void Solver::TouchAll() {
    for (auto& v : unitVersion_) ++v;
    for (auto& v : digitVersion_) ++v;
    ++bivalueEvents_;
    ++trivalueEvents_;
    ++quadEvents_;
    ++lineTwoEvents_;
    ++placeEvents_;
}

void Solver::Rebuild() {
    // Every digit's cells row by row and column by column.
    unsigned rows[10][9] = {}, columns[10][9] = {};
    for (int c = 0; c < kCells; ++c)
        for (unsigned b = mask_[c]; b; b &= b - 1) {
            const int d = std::countr_zero(b) + 1;
            rows[d][CellRow(c)] |= 1u << CellColumn(c);
            columns[d][CellColumn(c)] |= 1u << CellRow(c);
        }
    Rebuild(rows, columns);
}

void Solver::Rebuild(const unsigned (&rows)[10][9], const unsigned (&columns)[10][9]) {
    singles_ = CellSet{};
    emptyCells_ = 0;
    for (int c = 0; c < kCells; ++c) {
        emptyCells_ += grid_[c] == 0;
        const unsigned m = mask_[c];
        if (m && !(m & (m - 1))) singles_.Add(c);
    }
    for (int d = 1; d <= 9; ++d) {
        where_[d] = CellSet::FromRows(rows[d]);
        whereByColumn_[d] = CellSet::FromRows(columns[d]);
        auto& count = unitCount_[d];
        std::uint32_t pending = 0;
        for (int i = 0; i < 9; ++i) {
            const int inRow = BitCount(rows[d][i]), inColumn = BitCount(columns[d][i]);
            count[9 + i] = static_cast<std::int8_t>(inRow);
            count[18 + i] = static_cast<std::int8_t>(inColumn);
            pending |=
                (std::uint32_t{inRow == 1} << (9 + i)) | (std::uint32_t{inColumn == 1} << (18 + i));
        }
        for (int b = 0; b < 9; ++b) {
            const int shift = 3 * (b % 3);
            const unsigned* r = &rows[d][3 * (b / 3)];
            const int inBox = BitCount(((r[0] >> shift) & 7u) | (((r[1] >> shift) & 7u) << 3) |
                                       (((r[2] >> shift) & 7u) << 6));
            count[b] = static_cast<std::int8_t>(inBox);
            pending |= std::uint32_t{inBox == 1} << b;
        }
        hiddenPending_[d] = pending;
    }
    TouchAll();
}

void Solver::Start() {
    counts_.fill(0);
    // The givens; then per digit the rows, columns and boxes that hold it, and
    // the empty cells of every row and column.
    unsigned rowHas[10] = {}, columnHas[10] = {}, boxHas[10] = {};
    unsigned emptyInRow[9], emptyInColumn[9];
    for (int i = 0; i < 9; ++i) emptyInRow[i] = emptyInColumn[i] = kAllCandidates;
    std::array<unsigned, kUnits> held{};
    for (int c = 0; c < kCells; ++c) {
        const int d = Puzzle[c];
        const bool given = d > 0 && d <= 9;
        grid_[c] = static_cast<std::int16_t>(given ? d : 0);
        if (!given) continue;
        const int r = CellRow(c), col = CellColumn(c);
        rowHas[d] |= 1u << r;
        columnHas[d] |= 1u << col;
        boxHas[d] |= 1u << CellBox(c);
        emptyInRow[r] &= ~(1u << col);
        emptyInColumn[col] &= ~(1u << r);
        for (const int u : kCellUnits[c]) held[u] |= DigitBit(d);
    }
    // A digit can go to the empty cells of the lines and boxes that lack it.
    unsigned rows[10][9] = {}, columns[10][9] = {};
    for (int d = 1; d <= 9; ++d)
        for (int i = 0; i < 9; ++i) {
            const unsigned stacks = (boxHas[d] >> (3 * (i / 3))) & 7u; // boxes in row i's band
            const unsigned bands = (boxHas[d] >> (i / 3)) & 0x49u;     // boxes in column i's stack
            unsigned r = (rowHas[d] >> i) & 1u ? 0 : emptyInRow[i] & ~columnHas[d];
            unsigned col = (columnHas[d] >> i) & 1u ? 0 : emptyInColumn[i] & ~rowHas[d];
            r &= ~kSpread[stacks];
            col &= ~kSpread[(bands & 1u) | ((bands >> 2) & 2u) | ((bands >> 4) & 4u)];
            rows[d][i] = r;
            columns[d][i] = col;
        }
    for (int c = 0; c < kCells; ++c) {
        const auto& u = kCellUnits[c];
        mask_[c] = grid_[c] ? 0
                            : static_cast<std::uint16_t>(kAllCandidates &
                                                         ~(held[u[0]] | held[u[1]] | held[u[2]]));
    }
    Rebuild(rows, columns);
    if (record_)
        for (int c = 0; c < kCells; ++c)
            if (grid_[c])
                record_->push_back(
                    {true, static_cast<std::int8_t>(grid_[c]), static_cast<std::int8_t>(c)});
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
    Rebuild();
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

void Solver::Uncount(int d, int c) {
    where_[d] = where_[d].Without(kSingleCell[c]);
    whereByColumn_[d] = whereByColumn_[d].Without(kSingleCell[TransposedCell(c)]);
    ++digitVersion_[d];
    auto& count = unitCount_[d];
    const auto& units = kScanUnits[c];
    const int inBox = --count[units[0]], inRow = --count[units[1]], inColumn = --count[units[2]];
    // A unit is pending exactly while the digit has one cell there.
    const std::uint32_t all = kScanBits[c];
    const std::uint32_t ones = (std::uint32_t{inBox == 1} << units[0]) |
                               (std::uint32_t{inRow == 1} << units[1]) |
                               (std::uint32_t{inColumn == 1} << units[2]);
    hiddenPending_[d] = (hiddenPending_[d] & ~all) | ones;
    lineTwoEvents_ += inRow == 2 || inColumn == 2;
}

void Solver::Drop(int d, int c) {
    const unsigned m = mask_[c] & ~unsigned{DigitBit(d)};
    mask_[c] = static_cast<std::uint16_t>(m);
    Uncount(d, c);
    Touch(c);
    switch (BitCount(m)) {
    case 0:
        singles_.Remove(c);
        break;
    case 1:
        singles_.Add(c);
        break;
    case 2:
        ++bivalueEvents_;
        break;
    case 3:
        ++trivalueEvents_;
        break;
    case 4:
        ++quadEvents_;
        break;
    default:
        break;
    }
}

void Solver::Place(int d, int c) {
    // The digit leaves the cell and every peer; the cell loses all candidates.
    if (grid_[c] == 0) --emptyCells_;
    grid_[c] = static_cast<std::int16_t>(d);
    ++placeEvents_;
    const unsigned own = mask_[c];
    mask_[c] = 0;
    singles_.Remove(c);
    for (unsigned m = own; m; m &= m - 1) Uncount(std::countr_zero(m) + 1, c);
    ++digitVersion_[d];
    Touch(c);
    (where_[d] & kPeerCellSets[c]).ForEach([&](int p) { Drop(d, p); });
    if (record_)
        record_->push_back({true, static_cast<std::int8_t>(d), static_cast<std::int8_t>(c)});
}

bool Solver::RemoveCandidate(int d, int c) {
    if (!(mask_[c] & DigitBit(d))) return false;
    Drop(d, c);
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
    return SolveFromHere(onStep);
}

int Solver::SolveFromHere(const StepCallback& onStep) {
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
