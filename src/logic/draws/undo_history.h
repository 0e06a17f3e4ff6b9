#pragma once

#include "logic/core/history_file.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace talvo::logic {

class HistoryLock;

// Every change of the history file keeps the file as it was before as an undo point beside
// it ("KenoZahlen.tpp.undo-17"), together with when and what the change did, so the last
// kUndoDepth changes can be taken back one by one. Taking back is no change of its own:
// there is no redo.
inline constexpr int kUndoDepth = 20;

struct UndoPoint {
    int number = 0; // 1 for the newest change
    QDateTime when;
    QString what; // "Ziehung 10.12.2026 gespeichert"
};

// The changes that can be taken back, newest first.
std::vector<UndoPoint> undoPoints(const QString& historyPath);

// Writes the history file atomically after setting its previous content aside as an undo
// point (a history file that did not exist counts as an empty one). The undo point becomes
// the newest only once the history is written: a change that fails, or whose undo point
// cannot be written, leaves both the file and the undo history as they were and throws
// Error. When the bytes would not change nothing is written and false is returned.
// Undo points are new files in the history's folder; a link planted where one goes is
// refused, never written through.
bool writeHistoryWithUndo(const HistoryLock& lock, const QString& historyPath, const DrawHistory& draws,
                          const QString& what, const QDateTime& when = QDateTime::currentDateTime());

// Puts the newest undo point back into the history file and drops it; returns what the
// change taken back did. Throws Error when there is nothing to take back or the history
// cannot be written (then nothing changes).
QString undoNewestChange(const HistoryLock& lock, const QString& historyPath);

} // namespace talvo::logic
