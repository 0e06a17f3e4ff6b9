#pragma once

#include "logic/core/dates.h"
#include "logic/core/history_file.h"

#include <QString>
#include <optional>

namespace talvo::logic {

struct AppPaths;

// Checks a downloaded draw set: a whole number of 40-byte records, dated on whole days
// from 02.02.2004 to today, each after the one before; a plus 5 of up to five digits; and
// either 20 different numbers of 1..70 or none (a placeholder, first number 0). Returns the
// records; throws Error saying what is wrong otherwise, so an error page, a cut-off answer
// or a broken set never reaches the history.
DrawHistory checkedDrawSet(const QByteArray& bytes, DaySerial today);

// Lays a block of downloaded draws over the history by position: the block starts at the
// stored draw of its first date and overwrites from there on, growing the history. Only for
// an old history that is not one record per day in date order, which a merge by date
// cannot place draws into.
DrawHistory mergeDrawBlock(const DrawHistory& history, const DrawHistory& block);

struct DrawSetMerge {
    DrawHistory history;
    int added = 0;    // draws of days that had none, or only an empty record
    int replaced = 0; // stored draws that the downloaded ones changed
};

// Merges a checked download (strictly increasing by date) into the history by date, as the
// archive import does: a draw of a day not stored is inserted in date order; a stored draw
// of the same day is replaced by the downloaded one, except that a downloaded empty record
// never replaces a stored draw and a downloaded draw without plus 5 keeps the stored one;
// stored draws of days the set does not hold stay. Draw days left without a record get an
// empty one, so the result is strictly increasing by date. An empty history becomes the set
// as downloaded; a history not in day order is merged by position (mergeDrawBlock).
DrawSetMerge mergeDrawSet(const DrawHistory& history, const DrawHistory& set);

// Keeps a downloaded draw set only when checkedDrawSet accepts it; deletes it otherwise
// and returns why (empty when it is kept).
QString keepValidDrawSet(const QString& blockPath, DaySerial today);

// Merges the block file into the history file by date (mergeDrawSet) while holding the
// history's lock, writes it with its undo point when the merge changes it and deletes the
// block file, also when the merge fails. The history file is read anew, so draws another
// program stored meanwhile are kept. Returns the history as written, for the caller to hold
// from now on; nothing when there was no block file.
std::optional<DrawHistory> mergeDownloadedDraws(const QString& blockPath, const QString& historyPath,
                                                DaySerial today);

// The download target "tempGZ.tpp" in the data directory.
QString tempDrawSetPath(const AppPaths& paths);

} // namespace talvo::logic
