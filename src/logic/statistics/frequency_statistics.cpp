#include "logic/statistics/frequency_statistics.h"

#include "logic/statistics/draw_window.h"
#include "logic/statistics/number_statistics.h"

#include <algorithm>

namespace talvo::logic {

const std::optional<FrequencyResult>& FrequencyStatistics::result(StatisticKind kind) const {
    return results[static_cast<std::size_t>(kind) - 1];
}

std::vector<int> FrequencyStatistics::frequencyOrder() const {
    const std::optional<FrequencyResult>& numbers = result(StatisticKind::Numbers);
    return logic::frequencyOrder(numbers ? numbers->occurrences : std::vector<int>(70, 0));
}

FrequencyStatistics computeFrequencyStatistics(const DrawHistory& history, int n) {
    FrequencyStatistics statistics;
    if (std::none_of(history.begin(), history.end(), isRealDraw))
        return statistics;
    for (StatisticKind kind : {StatisticKind::Numbers, StatisticKind::FinalDigits, StatisticKind::Tens})
        statistics.results[static_cast<std::size_t>(kind) - 1] =
            frequencyStatistic(kind, history, n, statistics.classSets);
    return statistics;
}

} // namespace talvo::logic
