#pragma once

#include "logic/core/history_file.h"
#include "logic/statistics/frequency_result.h"

#include <array>
#include <optional>
#include <vector>

namespace talvo::logic {

// One run of the three frequency statistics and the class sets it singled out.
struct FrequencyStatistics {
    std::array<std::optional<FrequencyResult>, 3> results;
    ClassSets classSets;

    // The result of a kind; empty when the run had no draw to count.
    const std::optional<FrequencyResult>& result(StatisticKind kind) const;
    // The numbers by ascending count of the numbers statistic; 1..70 in their natural
    // order when there is none.
    std::vector<int> frequencyOrder() const;
};

// The numbers, final-digit and tens statistics over the last n real draws of a history
// (n = 0: all), into class sets of their own. A history without a real draw has nothing to
// count: the results stay empty, and so do the class sets.
FrequencyStatistics computeFrequencyStatistics(const DrawHistory& history, int n);

} // namespace talvo::logic
