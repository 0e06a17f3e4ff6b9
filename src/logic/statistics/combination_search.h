#pragma once

#include "logic/statistics/absences.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace talvo::logic {

inline constexpr int kCombinationListLength = 1000;
// The count an unoccupied position of the flop list carries.
inline constexpr std::int32_t kFlopEmptyCount = 1000000;

struct CombinationEntry {
    NumberSet combination; // empty: the position is unoccupied
    std::int32_t occurrences = 0;

    bool occupied() const { return !combination.empty(); }
    bool operator==(const CombinationEntry&) const = default;
};

struct CombinationSearchResult {
    int k = 2;
    std::vector<CombinationEntry> topCombinations;  // by descending count, earlier combination first on ties
    std::vector<CombinationEntry> flopCombinations; // by ascending count, later combination first on ties
    std::int64_t combinationsTaken = 0;             // combinations taken up, in lexicographic order
    bool stopped = false;
};

// Both lists with every position unoccupied, as a search starts.
CombinationSearchResult emptyCombinationSearchResult(int k);

// The draw sets of the last n draws (n = 0, or more than there are: all of them).
DrawSetList lastDrawSets(const DrawSetList& all, int n);

// The best-combination search over the given draws for combinations of k = 2..4 numbers.
// Its lists are exactly those of the sequential search that runs through the combinations
// in lexicographic order and offers each to the top list and to the flop list, so the
// flop list holds the 1000 rarest combinations of all. `stop` is read between groups of combinations; a
// stopped search gives the lists of that sequential search stopped after `combinationsTaken` combinations.
// `progress` gets the number of combinations taken up now and then, from the calling thread.
CombinationSearchResult searchCombinations(const DrawSetList& draws, int k,
                                           const std::atomic<bool>* stop = nullptr,
                                           const std::function<void(std::int64_t)>& progress = {});

// Places the combinations whose counts are given, in lexicographic order from the first
// combination of k numbers on, into the two lists of `result` as the sequential search
// does.
void fillCombinationLists(const std::vector<std::uint32_t>& counts, CombinationSearchResult& result);

} // namespace talvo::logic
