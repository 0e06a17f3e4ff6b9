#pragma once

#include "logic/statistics/combination_search.h"

#include <QObject>

#include <atomic>

class QThreadPool;

namespace talvo::ui {

// One best-combination search off the user-interface thread: draws and size in, lists
// out, progress now and then, and a stop that the search notices after its current group.
class CombinationSearchWorker : public QObject {
    Q_OBJECT
  public:
    CombinationSearchWorker(logic::DrawSetList draws, int size, QObject* parent = nullptr);

    void start(QThreadPool& pool);
    void stop() { stop_ = true; }
    // Valid once finished() arrived.
    const logic::CombinationSearchResult& result() const { return result_; }

  signals:
    // Combinations taken up so far; emitted from the searching thread.
    void progress(qint64 taken);
    void finished();

  private:
    logic::DrawSetList draws_;
    int size_;
    std::atomic<bool> stop_{false};
    logic::CombinationSearchResult result_;
};

} // namespace talvo::ui
