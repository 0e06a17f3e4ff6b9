#pragma once

#include "logic/statistics/absences.h"

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

namespace talvo::logic {

// The most and the least frequent count among all combinations of k numbers.
struct CombinationExtremes {
    std::uint32_t highest = 0;
    std::uint32_t lowest = 0;
};
CombinationExtremes combinationExtremes(const DrawSetList& draws, int k);

// How often random histories of as many draws reach the extremes of a real one: the
// share of runs whose most frequent combination is counted at least `highest` times, and
// whose rarest at most `lowest` times, each with its standard error.
struct CombinationChance {
    int k = 2;
    int drawCount = 0;
    CombinationExtremes observed;
    int runs = 0;
    int highReached = 0; // runs whose most frequent combination reached observed.highest
    int lowReached = 0;  // runs whose rarest combination came down to observed.lowest

    double highChance() const;
    double lowChance() const;
    double highError() const;
    double lowError() const;
};

struct CombinationChanceParameters {
    int k = 2;
    int drawCount = 0;
    CombinationExtremes observed;
    int runs = 200;                      // at most this many
    std::chrono::milliseconds budget{0}; // also stop after this time once a run is done; 0: none
    quint64 seed = 0;
};

// Run r draws its history from a generator seeded by the seed and r alone, so a run
// stopped early or by the budget gives what a fixed number of runs gives. `stop` is read
// between runs; `progress` gets the runs done.
CombinationChance estimateCombinationChance(const CombinationChanceParameters& p,
                                            const std::atomic<bool>* stop = nullptr,
                                            const std::function<void(int)>& progress = {});

// W random draws of 20 of the 70 numbers each.
DrawSetList randomDrawSets(int drawCount, quint64 seed);

// The two estimates in German sentences.
QString highCombinationSentence(const CombinationChance& c);
QString lowCombinationSentence(const CombinationChance& c);

} // namespace talvo::logic
