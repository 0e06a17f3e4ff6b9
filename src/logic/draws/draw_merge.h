#pragma once

#include "logic/core/dates.h"
#include "logic/core/history_file.h"

#include <QString>

namespace talvo::logic {

struct AppPaths;
class ProgramState;

// Checks a downloaded draw set: a whole number of 40-byte records, dated on whole days
// from 02.02.2004 to today, each after the one before; a plus 5 of up to five digits; and
// either 20 different numbers of 1..70 or none (a placeholder, first number 0). Returns the
// records; throws Error saying what is wrong otherwise, so an error page, a cut-off answer
// or a broken set never reaches the history.
DrawHistory checkedDrawSet(const QByteArray& bytes, DaySerial today);

// Lays a block of downloaded draws over the history by date: the block starts at the
// stored draw of its first date and overwrites from there on, growing the history.
DrawHistory mergeDrawBlock(const DrawHistory& history, const DrawHistory& block);

// Keeps a downloaded draw set only when checkedDrawSet accepts it; deletes it otherwise
// and returns why (empty when it is kept).
QString keepValidDrawSet(const QString& blockPath, DaySerial today);

// Merges the block file into the program's history, rewrites the history file and
// deletes the block file, also when the merge fails. Returns false when there was no
// block file.
bool mergeDownloadedDraws(ProgramState& state, const QString& blockPath, const QString& historyPath,
                          DaySerial today);

// The download target "tempGZ.tpp" in the data directory.
QString tempDrawSetPath(const AppPaths& paths);

} // namespace talvo::logic
