#include "logic/state/statistics.h"

#include "logic/state/program_state.h"
#include "logic/statistics/number_statistics.h"

namespace talvo::logic {

Statistics::Statistics(const ProgramState& state, QObject* parent) : QObject(parent), state_(state) {
    connect(&state_, &ProgramState::historyChanged, this, &Statistics::historyChanged);
    historyChanged();
}

void Statistics::historyChanged() {
    drawSets_ = collectDrawSets(state_.history());
    absences_ = computeAbsences(drawSets_);
    emit absencesComputed();
}

void Statistics::computeFrequencies(int n) {
    if (drawSets_.empty())
        return;
    classSets_.clear();
    for (StatisticKind kind : {StatisticKind::Numbers, StatisticKind::FinalDigits, StatisticKind::Tens})
        results_[static_cast<std::size_t>(kind) - 1] =
            frequencyStatistic(kind, state_.history(), n, classSets_);
    numberOccurrences_ = results_[0]->occurrences;
    emit classSetsChanged();
    emit frequenciesComputed();
}

void Statistics::setClassSets(const ClassSets& sets) {
    classSets_ = sets;
    emit classSetsChanged();
}

const std::optional<FrequencyResult>& Statistics::result(StatisticKind kind) const {
    return results_[static_cast<std::size_t>(kind) - 1];
}

std::vector<int> Statistics::frequencyOrder() const {
    return logic::frequencyOrder(numberOccurrences_);
}

} // namespace talvo::logic
