#pragma once

#include <QString>
#include <chrono>
#include <memory>

class QLockFile;

namespace talvo::logic {

// How long a writer waits for another one to finish with the history.
inline constexpr std::chrono::milliseconds kHistoryLockWait{10000};

// One writer at a time for a draw history: every change (import, update, storing a draw,
// undo) reads, merges and writes while it holds this lock, so two programs working on the
// same folder never lose each other's draws. The lock is a file beside the history
// (history path + ".lock"); a lock left by a process that no longer runs is taken over.
class HistoryLock {
  public:
    // Waits up to `wait` for the lock; throws Error saying that nothing was changed when
    // another writer still holds it or the lock file cannot be made.
    explicit HistoryLock(const QString& historyPath, std::chrono::milliseconds wait = kHistoryLockWait);
    ~HistoryLock();
    HistoryLock(const HistoryLock&) = delete;
    HistoryLock& operator=(const HistoryLock&) = delete;

    static QString lockPath(const QString& historyPath);

  private:
    std::unique_ptr<QLockFile> file_;
};

} // namespace talvo::logic
