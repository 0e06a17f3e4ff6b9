#pragma once

#include "logic/statistics/combination_chance.h"
#include "logic/statistics/combination_search.h"

#include <QObject>

#include <atomic>

class QThreadPool;

namespace talvo::ui {

// One best-combination search off the user-interface thread: draws and size in, lists
// out, progress now and then, and a stop that the search notices after its current group.
// A search that ran to its end goes on to compare its extremes with random histories of
// the same size; the stop ends that comparison too, keeping the runs done.
class CombinationSearchWorker : public QObject {
    Q_OBJECT
  public:
    CombinationSearchWorker(logic::DrawSetList draws, int size, QObject* parent = nullptr);

    void start(QThreadPool& pool);
    void stop() { stop_ = true; }
    // Valid once finished() arrived.
    const logic::CombinationSearchResult& result() const { return result_; }
    // The comparison with random histories; no runs when the search was stopped.
    const logic::CombinationChance& chance() const { return chance_; }

  signals:
    // Combinations taken up so far; emitted from the searching thread.
    void progress(qint64 taken);
    // The comparison starts with at most `runs` runs, fewer when its time is up.
    void simulationStarted(int runs);
    void simulated(int runs);
    void finished();

  private:
    // A fixed seed: the same window gives the same estimate every time.
    static constexpr quint64 kSimulationSeed = 20040202;
    static constexpr int kSimulationRuns = 200;

    void simulate();

    logic::DrawSetList draws_;
    int size_;
    std::atomic<bool> stop_{false};
    logic::CombinationSearchResult result_;
    logic::CombinationChance chance_;
};

} // namespace talvo::ui
