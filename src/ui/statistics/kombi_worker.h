#pragma once

#include "logic/statistics/kombi_suche.h"

#include <QObject>

#include <atomic>

class QThreadPool;

namespace talvo::ui {

// One best-combination search off the user-interface thread: draws and size in, lists
// out, progress now and then, and a stop that the search notices after its current group.
class KombiWorker : public QObject {
    Q_OBJECT
  public:
    KombiWorker(logic::ZiehungsMengenListe draws, int k, QObject* parent = nullptr);

    void start(QThreadPool& pool);
    void stop() { stop_ = true; }
    // Valid once finished() arrived.
    const logic::KombiErgebnis& result() const { return result_; }

  signals:
    // Combinations taken up so far; emitted from the searching thread.
    void progress(qint64 taken);
    void finished();

  private:
    logic::ZiehungsMengenListe draws_;
    int k_;
    std::atomic<bool> stop_{false};
    logic::KombiErgebnis result_;
};

} // namespace talvo::ui
