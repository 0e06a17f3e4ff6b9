#include "logic/state/statistics.h"

#include "logic/state/program_state.h"

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
    frequencies_ = computeFrequencyStatistics(state_.history(), n);
    emit classSetsChanged();
    emit frequenciesComputed();
}

void Statistics::setClassSets(const ClassSets& sets) {
    frequencies_.classSets = sets;
    emit classSetsChanged();
}

} // namespace talvo::logic
