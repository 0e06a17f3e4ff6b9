#pragma once

// The best-combination search done the plain way: every combination in lexicographic
// order is tested against every draw (one intersection and comparison of 256-bit sets),
// then placed by shifting the two fixed lists. Slow, but obviously right: the fast
// search must give exactly its lists.

#include "logic/statistics/combination_search.h"

#include <array>
#include <cstdint>

namespace talvo::test {

inline void placeTop(std::vector<logic::CombinationEntry>& list, const logic::CombinationEntry& e) {
    const int L = static_cast<int>(list.size());
    int m = 0;
    while (m < L && list[static_cast<std::size_t>(L - 1 - m)].occurrences < e.occurrences)
        ++m;
    if (m == 0)
        return;
    const int p = L - m; // 0-based
    for (int i = L - 1; i > p; --i)
        list[static_cast<std::size_t>(i)] = list[static_cast<std::size_t>(i - 1)];
    list[static_cast<std::size_t>(p)] = e;
}

inline void placeFlop(std::vector<logic::CombinationEntry>& list, const logic::CombinationEntry& e) {
    const int L = static_cast<int>(list.size());
    int m = 0;
    while (m < L && list[static_cast<std::size_t>(L - 1 - m)].occurrences >= e.occurrences)
        ++m;
    if (m == 0)
        return;
    const int p = L - m;
    for (int i = L - 1; i > p; --i)
        list[static_cast<std::size_t>(i)] = list[static_cast<std::size_t>(i - 1)];
    list[static_cast<std::size_t>(p)] = e;
}

// Calls fn(combination) for every combination of k numbers of 1..70 in lexicographic
// order while fn returns true.
template <typename Fn> void forEachCombination(int k, Fn fn) {
    std::array<int, 4> c{};
    for (int i = 0; i < k; ++i)
        c[static_cast<std::size_t>(i)] = i + 1;
    for (;;) {
        logic::NumberSet combination;
        for (int i = 0; i < k; ++i)
            combination.insert(c[static_cast<std::size_t>(i)]);
        if (!fn(combination))
            return;
        int i = k - 1;
        while (i >= 0 && c[static_cast<std::size_t>(i)] == 70 - (k - 1 - i))
            --i;
        if (i < 0)
            return;
        ++c[static_cast<std::size_t>(i)];
        for (int t = i + 1; t < k; ++t)
            c[static_cast<std::size_t>(t)] = c[static_cast<std::size_t>(t - 1)] + 1;
    }
}

inline void straightPlace(logic::CombinationSearchResult& r, const logic::CombinationEntry& e) {
    ++r.combinationsTaken;
    placeTop(r.topCombinations, e);
    placeFlop(r.flopCombinations, e);
}

// stopAfter >= 0 ends the search after that many combinations, as a stop would.
inline logic::CombinationSearchResult straightCombinationSearch(const logic::DrawSetList& draws, int k,
                                                                std::int64_t stopAfter = -1) {
    logic::CombinationSearchResult r = logic::emptyCombinationSearchResult(k);
    forEachCombination(k, [&](const logic::NumberSet& combination) {
        if (r.combinationsTaken == stopAfter) {
            r.stopped = true;
            return false;
        }
        std::int32_t j = 0;
        for (const logic::NumberSet& d : draws) {
            logic::NumberSet common = d;
            for (std::size_t w = 0; w < common.words.size(); ++w)
                common.words[w] &= combination.words[w];
            if (common == combination)
                ++j;
        }
        straightPlace(r, {combination, j});
        return true;
    });
    return r;
}

// The lists the sequential search builds from given counts of the first combinations.
inline logic::CombinationSearchResult straightLists(const std::vector<std::uint32_t>& counts, int k) {
    logic::CombinationSearchResult r = logic::emptyCombinationSearchResult(k);
    forEachCombination(k, [&](const logic::NumberSet& combination) {
        if (r.combinationsTaken == static_cast<std::int64_t>(counts.size()))
            return false;
        straightPlace(r, {combination,
                          static_cast<std::int32_t>(counts[static_cast<std::size_t>(r.combinationsTaken)])});
        return true;
    });
    return r;
}

} // namespace talvo::test
