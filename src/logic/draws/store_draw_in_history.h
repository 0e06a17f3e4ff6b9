#pragma once

#include "logic/core/history_file.h"
#include "logic/draws/draw_entry.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace talvo::logic {

enum class StoreOutcome {
    Stored,
    AlreadyStored, // the same draw was stored: nothing was written
    Declined,      // the player kept the stored draw: nothing was written
};

struct StoreResult {
    StoreOutcome outcome = StoreOutcome::Stored;
    DrawHistory history;   // the file's draws: as written, or as last read
    int position = 0;      // the record of the entry's date in `history`, counted from 0
    bool reloaded = false; // the file held other draws than the caller knew
};

// Asked, while no lock is held, whether the stored draw of the entry's date may be replaced
// by the entry; true replaces it. The entry page shows a question that may stay open long.
using ReplaceQuestion = std::function<bool(const DrawRecord& stored)>;

// Stores the draw the player entered into the history file: the one sequence of "Speichern"
// on the entry page and of talvo-cli store.
//
// The draw goes into the record of its date (a draw or an empty record). A date after the
// last record goes after it, and the draw days between get empty records as the draw
// calendar says. A date between stored dates that no record holds (an old history that
// skipped days) is inserted in date order, the draw days around it without a record getting
// empty ones, as merging a download or an archive does: nothing stored is lost.
// `requestedPosition` (counted from 0) is the place the caller means, and the date must
// agree with it: a record of another date there is refused with Error, and so is a place
// behind the last record for a date that is not after it. A place behind the last record
// up to where the date goes means "after the last record"; one further on storeDraw
// refuses, but an empty history takes the draw there with the days before it filled in.
//
// The file is read, and written with an undo point, under the history's lock, so another
// program's change is never lost; the draws the file holds are taken, not `known`. Before a
// stored draw that differs from the entry is replaced, `mayReplace` is asked with the lock
// released; when the file changed meanwhile, everything starts over from the file as it is
// then, so no draw is replaced that the player has not seen. An empty `mayReplace` keeps the
// stored draw.
//
// Throws Error, writing nothing, for an entry of other than 20 numbers of 1..70 (checked
// before the file is touched), a draw storeDraw refuses, a refused place, a lock another
// writer does not give up, or a file that cannot be read or written.
StoreResult storeDrawInHistory(const QString& historyPath, const DrawHistory& known, const DrawEntry& entry,
                               std::optional<int> requestedPosition, DaySerial today, const QDateTime& now,
                               const ReplaceQuestion& mayReplace);

} // namespace talvo::logic
