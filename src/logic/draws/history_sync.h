#pragma once

#include "logic/core/dates.h"
#include "logic/core/history_file.h"

#include <QString>

namespace talvo::logic {

class ProgramState;

// The window keeps the history in memory as it last read or wrote the file. Another program
// (talvo-cli, a second window) may have changed the file since; a file watcher would not
// always tell, as every write replaces the file by a rename. So each change first compares.

// Loads the history file into the state when it holds other draws than the state (a missing
// file counts as an empty history); returns whether it did.
bool reloadChangedHistory(ProgramState& state, const QString& historyPath);

// The position a draw of that date takes in the history: the stored record of the date, or
// where the date belongs among the stored dates.
int positionForDate(const DrawHistory& history, DaySerial datum);

} // namespace talvo::logic
