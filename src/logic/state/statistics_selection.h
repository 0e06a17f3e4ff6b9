#pragma once

#include "logic/state/statistics.h"

#include <QObject>

namespace talvo::logic {

class ProgramState;

// The draw-count choice the statistics window, the tip centre and the stored options
// share, with the statistics computed for it. Each window changes the choice here and
// follows it through drawCountApplied, so a choice is computed once, whichever window
// made it.
// Every change of the history computes the choice again, whoever made the change.
class StatisticsSelection : public QObject {
    Q_OBJECT
  public:
    explicit StatisticsSelection(const ProgramState& state, QObject* parent = nullptr);

    // Into the draw-count table; -1 before the first choice.
    int drawCountIndex() const { return drawCountIndex_; }
    // N of the choice: 0 for "Alle" or no choice.
    int drawCount() const;
    // A new choice is kept and applied; the current choice again and an index outside the
    // table change nothing.
    void setDrawCountIndex(int index);
    // Computes the frequencies of the current choice and announces it. Without draws
    // nothing is computed, so the choice waits, unannounced, for a history.
    void computeAgain();

    Statistics& statistics() { return statistics_; }
    const Statistics& statistics() const { return statistics_; }

  signals:
    // A new choice was made, with or without draws to compute it over.
    void drawCountChosen(int index);
    // The frequencies of this choice have just been computed.
    void drawCountApplied(int index);

  private:
    Statistics statistics_;
    int drawCountIndex_ = -1;
};

} // namespace talvo::logic
