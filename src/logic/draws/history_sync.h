#pragma once

#include "logic/core/dates.h"
#include "logic/core/history_file.h"

#include <QString>
#include <optional>

namespace talvo::logic {

// The window keeps the history in memory as it last read or wrote the file. Another program
// (talvo-cli, a second window) may have changed the file since; a file watcher would not
// always tell, as every write replaces the file by a rename. So each change first compares.

// The history file's draws; a file that does not exist yet is an empty history.
DrawHistory loadHistoryOrEmpty(const QString& historyPath);

// The history file's draws when they are other than `known` (a missing file counts as an
// empty history); nothing when the file holds just those.
std::optional<DrawHistory> changedHistoryOnDisk(const QString& historyPath, const DrawHistory& known);

// Whether two histories would be the same file, byte for byte.
bool sameHistoryBytes(const DrawHistory& a, const DrawHistory& b);

// The position a draw of that date takes in the history: the stored record of the date, or
// where the date belongs among the stored dates.
int positionForDate(const DrawHistory& history, DaySerial datum);

} // namespace talvo::logic
