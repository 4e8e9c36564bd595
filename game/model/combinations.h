// Combinations of k out of 9 things (columns, rows or digits) in lexicographic
// order, as 9-bit masks, with index sets that let a search count, for every
// combination at once, how many masks lie inside it.
#pragma once

#include <array>
#include <cstdint>

namespace dravik {

// A set of combination indexes (at most 126).
struct IndexSet {
    std::uint64_t lo = 0, hi = 0;
    constexpr void Set(int i) {
        if (i < 64)
            lo |= std::uint64_t{1} << i;
        else
            hi |= std::uint64_t{1} << (i - 64);
    }
    IndexSet operator&(const IndexSet& o) const { return {lo & o.lo, hi & o.hi}; }
    // Calls f(index) for every member in increasing order until f returns true;
    // returns whether it did.
    template <class F> bool AnyInOrder(F f) const {
        for (std::uint64_t w = lo; w; w &= w - 1)
            if (f(__builtin_ctzll(w))) return true;
        for (std::uint64_t w = hi; w; w &= w - 1)
            if (f(64 + __builtin_ctzll(w))) return true;
        return false;
    }
};

struct CombinationTable {
    int count = 0;
    std::array<std::uint16_t, 126> sets{};  // lexicographic order
    std::array<IndexSet, 512> containing{}; // combinations that contain the mask
    std::array<IndexSet, 512> within{};     // combinations inside the mask
};

constexpr CombinationTable MakeCombinationTable(int k) {
    CombinationTable t;
    int idx[5] = {0, 1, 2, 3, 4};
    for (;;) {
        unsigned p = 0;
        for (int i = 0; i < k; ++i) p |= 1u << idx[i];
        t.sets[t.count++] = static_cast<std::uint16_t>(p);
        int i = k - 1;
        while (i >= 0 && idx[i] == 9 - k + i) --i;
        if (i < 0) break;
        ++idx[i];
        for (int j = i + 1; j < k; ++j) idx[j] = idx[j - 1] + 1;
    }
    for (unsigned m = 0; m < 512; ++m)
        for (int c = 0; c < t.count; ++c) {
            if ((m & ~unsigned{t.sets[c]}) == 0) t.containing[m].Set(c);
            if ((unsigned{t.sets[c]} & ~m) == 0) t.within[m].Set(c);
        }
    return t;
}

inline constexpr std::array<CombinationTable, 4> kCombinations = {
    MakeCombinationTable(2), MakeCombinationTable(3), MakeCombinationTable(4),
    MakeCombinationTable(5)};

// k = 2..5.
inline const CombinationTable& Combinations(int k) {
    return kCombinations[k - 2];
}

// Bit-sliced counters, one per combination.
struct CombinationCounter {
    IndexSet bit[4]; // counts up to 15
    void Add(const IndexSet& x) {
        std::uint64_t lo = x.lo, hi = x.hi;
        for (auto& b : bit) {
            const std::uint64_t clo = b.lo & lo, chi = b.hi & hi;
            b.lo ^= lo;
            b.hi ^= hi;
            lo = clo;
            hi = chi;
        }
    }
    // The combinations counted exactly n times.
    IndexSet Equal(int n) const {
        IndexSet e{~std::uint64_t{0}, ~std::uint64_t{0}};
        for (int i = 0; i < 4; ++i) {
            const bool one = (n >> i) & 1;
            e.lo &= one ? bit[i].lo : ~bit[i].lo;
            e.hi &= one ? bit[i].hi : ~bit[i].hi;
        }
        return e;
    }
};

} // namespace dravik
