#pragma once

#include "logic/statistics/absences.h"
#include "logic/statistics/frequency_statistics.h"

#include <QObject>
#include <optional>
#include <vector>

namespace talvo::logic {

class ProgramState;

// The statistics of the running program over the shared draw history: the results and
// the class sets of the last frequency statistics (whoever asked for them), the draw sets
// and the absences.
// Draw sets and absences follow every change of the history, so no view and no search
// ever works on a history that has since changed.
class Statistics : public QObject {
    Q_OBJECT
  public:
    explicit Statistics(const ProgramState& state, QObject* parent = nullptr);

    // Empties the class sets and runs the three frequency statistics over the last n
    // draws (n = 0: all). Nothing happens without a real draw.
    void computeFrequencies(int n);

    // The last result of a kind; empty before the first run.
    const std::optional<FrequencyResult>& result(StatisticKind kind) const {
        return frequencies_.result(kind);
    }
    // The numbers by ascending count of the last numbers statistic.
    std::vector<int> frequencyOrder() const { return frequencies_.frequencyOrder(); }

    // The numbers each frequency class singled out in the last run; the tips draw on them.
    const ClassSets& classSets() const { return frequencies_.classSets; }
    // Replaces the class sets as a run would, without computing anything.
    void setClassSets(const ClassSets& sets);

    const DrawSetList& drawSets() const { return drawSets_; }
    const Absences& absences() const { return absences_; }
    int drawCount() const { return static_cast<int>(drawSets_.size()); }

  signals:
    void frequenciesComputed();
    void classSetsChanged();
    // Draw sets and absences follow the changed history.
    void absencesComputed();

  private:
    void historyChanged();

    const ProgramState& state_;
    FrequencyStatistics frequencies_;
    DrawSetList drawSets_;
    Absences absences_;
};

} // namespace talvo::logic
