#pragma once

#include "logic/statistics/absences.h"
#include "logic/statistics/frequency_classes.h"
#include "logic/statistics/frequency_result.h"

#include <QObject>
#include <optional>

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
    const std::optional<FrequencyResult>& result(StatisticKind kind) const;
    // The numbers by ascending count of the last numbers statistic.
    std::vector<int> frequencyOrder() const;

    // The numbers each frequency class singled out in the last run; the tips draw on them.
    const ClassSets& classSets() const { return classSets_; }
    // Replaces the class sets as a run would, without computing anything.
    void setClassSets(const ClassSets& sets);

    const DrawSetList& drawSets() const { return drawSets_; }
    const Absences& absences() const { return absences_; }
    int drawCount() const { return static_cast<int>(drawSets_.size()); }

  signals:
    void frequenciesComputed();
    void classSetsChanged();
    void absencesComputed();

  private:
    void historyChanged();

    const ProgramState& state_;
    ClassSets classSets_;
    std::array<std::optional<FrequencyResult>, 3> results_;
    std::vector<int> numberOccurrences_ = std::vector<int>(70, 0);
    DrawSetList drawSets_;
    Absences absences_;
};

} // namespace talvo::logic
