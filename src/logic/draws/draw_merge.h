#pragma once

#include "logic/core/history_file.h"

#include <QString>

namespace talvo::logic {

struct AppPaths;
class ProgramState;

// Checks a downloaded draw set: a whole number of 40-byte records, each dated on a whole
// day from 02.02.2004 on, with numbers in 0..70. Returns the records; throws Error
// otherwise, so an error page or a cut-off answer never reaches the history.
DrawHistory checkedDrawSet(const QByteArray& bytes);

// Lays a block of downloaded draws over the history by date: the block starts at the
// stored draw of its first date and overwrites from there on, growing the history.
DrawHistory mergeDrawBlock(const DrawHistory& history, const DrawHistory& block);

// Keeps a downloaded draw set only when checkedDrawSet accepts it; deletes it otherwise.
bool keepValidDrawSet(const QString& blockPath);

// Merges the block file into the program's history, rewrites the history file and
// deletes the block file. Returns false when there was no block file.
bool ZiehungenMischen(ProgramState& state, const QString& blockPath, const QString& historyPath);

// The download target "tempGZ.tpp" in the data directory.
QString tempDrawSetPath(const AppPaths& paths);

} // namespace talvo::logic
