#pragma once

#include "logic/core/history_file.h"
#include "logic/statistics/frequency_result.h"

#include <array>
#include <vector>

namespace talvo::logic {

// The three frequency statistics over the last n real draws (n = 0: all of them). Each
// adds the numbers of its classified items to the class sets and never empties them.
FrequencyResult numberStatistic(const DrawHistory& history, int n, ClassSets& classSets);
FrequencyResult finalDigitStatistic(const DrawHistory& history, int n, ClassSets& classSets);
FrequencyResult tensStatistic(const DrawHistory& history, int n, ClassSets& classSets);
FrequencyResult frequencyStatistic(StatisticKind kind, const DrawHistory& history, int n,
                                   ClassSets& classSets);

// The number of items of a kind: 70 numbers, 10 final digits, 7 tens.
int itemCount(StatisticKind kind);
// Mean and standard deviation of one item's count over a window of w draws.
struct Expectation {
    double mu = 0.0;
    double sigma = 0.0;
};
Expectation expectation(StatisticKind kind, int w);

// T1..T6 for a mean and standard deviation, rounded and corrected.
std::array<int, 6> computeThresholds(double mu, double sigma);
// Class 1..7 of a count, or 0 when thresholds moved past each other leave it in none.
int classify(int x, const std::array<int, 6>& thresholds);
std::array<QString, 7> classRangeTexts(const std::array<int, 6>& thresholds);
// The range texts as a legend reads them: each "bis" range from its smaller bound up.
std::array<QString, 7> ascendingRangeTexts(const std::array<int, 6>& thresholds);
// The numbers 1..70 an item of a kind stands for.
std::vector<int> itemNumbers(StatisticKind kind, int item);

// The numbers 1..70 by ascending count, ties by ascending number; counts[n - 1] is the
// count of number n.
std::vector<int> frequencyOrder(const std::vector<int>& counts);

} // namespace talvo::logic
