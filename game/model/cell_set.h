// A set of cells as 81 bits, for the questions the solver and the solution
// counter ask of whole digits at once: where can this digit go, which of those
// cells see both of two others, how many lie in a line.
//
// Cells 0..53 (rows A-F) live in the low word, cells 54..80 (rows G-J) in the
// high one, so that every row is nine neighbouring bits of one word.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "game/model/grid.h"

namespace dravik {

// Bits set in a 64-bit word, without relying on a population count instruction
// (the baseline x86-64 has none, and the library fallback is a call).
constexpr int CountBits64(std::uint64_t x) {
    x -= (x >> 1) & 0x5555555555555555ull;
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

class CellSet {
  public:
    constexpr CellSet() = default;
    constexpr CellSet(std::uint64_t lo, std::uint64_t hi) : lo_(lo), hi_(hi) {}

    static constexpr CellSet Cell(int c) {
        return c < kSplit ? CellSet{std::uint64_t{1} << c, 0}
                          : CellSet{0, std::uint64_t{1} << (c - kSplit)};
    }
    // The set whose row r is rows[r] (bit i for column i).
    static constexpr CellSet FromRows(const unsigned (&rows)[9]) {
        std::uint64_t lo = 0, hi = 0;
        for (int r = 0; r < 6; ++r) lo |= std::uint64_t{rows[r] & 511u} << (9 * r);
        for (int r = 6; r < 9; ++r) hi |= std::uint64_t{rows[r] & 511u} << (9 * (r - 6));
        return {lo, hi};
    }
    // All 81 cells.
    static constexpr CellSet All() { return {kLowAll, kHighAll}; }

    constexpr bool Has(int c) const {
        return c < kSplit ? (lo_ >> c) & 1u : (hi_ >> (c - kSplit)) & 1u;
    }
    constexpr void Add(int c) { *this |= Cell(c); }
    constexpr void Remove(int c) {
        if (c < kSplit)
            lo_ &= ~(std::uint64_t{1} << c);
        else
            hi_ &= ~(std::uint64_t{1} << (c - kSplit));
    }

    constexpr bool Any() const { return (lo_ | hi_) != 0; }
    constexpr bool Empty() const { return !Any(); }
    constexpr int Count() const { return CountBits64(lo_) + CountBits64(hi_); }
    // At most one cell.
    constexpr bool AtMostOne() const {
        return lo_ ? (hi_ == 0 && (lo_ & (lo_ - 1)) == 0) : (hi_ & (hi_ - 1)) == 0;
    }
    // The lowest cell; the set must not be empty.
    constexpr int First() const {
        return lo_ ? std::countr_zero(lo_) : kSplit + std::countr_zero(hi_);
    }
    constexpr int PopFirst() {
        const int c = First();
        if (lo_)
            lo_ &= lo_ - 1;
        else
            hi_ &= hi_ - 1;
        return c;
    }
    // The nine bits of row r (bit i for column i).
    constexpr unsigned Row(int r) const {
        return static_cast<unsigned>(r < 6 ? lo_ >> (9 * r) : hi_ >> (9 * (r - 6))) & 511u;
    }

    // The 27 bits of band t (rows 3t to 3t + 2): bit i for cell 27t + i.
    constexpr std::uint32_t Band(int t) const {
        return static_cast<std::uint32_t>(t == 0 ? lo_ : t == 1 ? lo_ >> 27 : hi_) & 0x7FFFFFFu;
    }

    // Calls f(cell) for every cell in increasing order.
    template <class F> constexpr void ForEach(F f) const {
        for (std::uint64_t w = lo_; w; w &= w - 1) f(std::countr_zero(w));
        for (std::uint64_t w = hi_; w; w &= w - 1) f(kSplit + std::countr_zero(w));
    }

    constexpr CellSet operator&(const CellSet& o) const { return {lo_ & o.lo_, hi_ & o.hi_}; }
    constexpr CellSet operator|(const CellSet& o) const { return {lo_ | o.lo_, hi_ | o.hi_}; }
    constexpr CellSet operator^(const CellSet& o) const { return {lo_ ^ o.lo_, hi_ ^ o.hi_}; }
    constexpr CellSet operator~() const { return {~lo_ & kLowAll, ~hi_ & kHighAll}; }
    // The cells of this set that are not in o.
    constexpr CellSet Without(const CellSet& o) const { return {lo_ & ~o.lo_, hi_ & ~o.hi_}; }
    constexpr CellSet& operator&=(const CellSet& o) { return *this = *this & o; }
    constexpr CellSet& operator|=(const CellSet& o) { return *this = *this | o; }
    constexpr bool operator==(const CellSet&) const = default;

  private:
    static constexpr int kSplit = 54;
    static constexpr std::uint64_t kLowAll = (std::uint64_t{1} << kSplit) - 1;
    static constexpr std::uint64_t kHighAll = (std::uint64_t{1} << (kCells - kSplit)) - 1;
    std::uint64_t lo_ = 0, hi_ = 0;
};

// The cells of every unit, by unit id (grid.h).
inline constexpr std::array<CellSet, kUnits> kUnitCellSets = [] {
    std::array<CellSet, kUnits> t{};
    for (int u = 0; u < kUnits; ++u)
        for (int i = 0; i < 9; ++i) t[u].Add(kUnitCells[u][i]);
    return t;
}();

// The 20 peers of every cell (the cell itself left out).
inline constexpr std::array<CellSet, kCells> kPeerCellSets = [] {
    std::array<CellSet, kCells> t{};
    for (int c = 0; c < kCells; ++c)
        for (int p = 0; p < kCells; ++p)
            if (p != c && SeesCell(p, c)) t[c].Add(p);
    return t;
}();

// Cell c of the grid turned on its diagonal: rows become columns. A set of
// cells numbered this way answers Row(column) with the nine bits of that column, bit i for row i.
constexpr int TransposedCell(int c) {
    return 9 * CellColumn(c) + CellRow(c);
}

} // namespace dravik
