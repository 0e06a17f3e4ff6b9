#pragma once

#include "logic/core/history_file.h"

#include <QString>

namespace talvo::logic {

// Every change of the history file keeps the file as it was before beside it, as the
// history's path + ".bak", so the last change can be undone: one level, no redo.
QString historyBackupPath(const QString& historyPath);
bool hasHistoryBackup(const QString& historyPath);

// Writes the history file atomically after keeping the previous file as the backup (a
// history file that did not exist is kept as an empty backup). When the bytes would not
// change, neither file is touched and false is returned.
bool writeHistoryKeepingBackup(const QString& historyPath, const DrawHistory& draws);

// Puts the backup's bytes back into the history file and removes the backup. Throws Error
// when there is no backup.
void undoHistoryChange(const QString& historyPath);

} // namespace talvo::logic
