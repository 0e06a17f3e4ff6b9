#pragma once

#include "logic/statistics/absences.h"
#include "logic/statistics/frequency_result.h"

#include <QObject>
#include <optional>

namespace talvo::logic {

class ProgramState;

// The statistics of the running program over the shared draw history: the results of the
// last frequency statistics (whoever asked for them), the draw sets and the absences.
// Draw sets and absences follow every change of the history, so no view and no search
// ever works on a history that has since changed.
class Statistics : public QObject {
    Q_OBJECT
  public:
    explicit Statistics(ProgramState& state, QObject* parent = nullptr);

    // Empties the class sets and runs the three frequency statistics over the last n
    // draws (n = 0: all). Nothing happens without a real draw.
    void computeFrequencies(int n);

    // The last result of a kind; empty before the first run.
    const std::optional<FrequencyResult>& result(StatisticKind kind) const;
    // The numbers by ascending count of the last numbers statistic.
    std::vector<int> frequencyOrder() const;

    const DrawSetList& drawSets() const { return drawSets_; }
    const Absences& absences() const { return absences_; }
    int drawCount() const { return static_cast<int>(drawSets_.size()); }

  signals:
    void frequenciesComputed();
    void absencesComputed();

  private:
    void historyChanged();

    ProgramState& state_;
    std::array<std::optional<FrequencyResult>, 3> results_;
    std::vector<int> numberOccurrences_ = std::vector<int>(70, 0);
    DrawSetList drawSets_;
    Absences absences_;
};

} // namespace talvo::logic
