#pragma once

#include "logic/core/dates.h"
#include "logic/core/history_file.h"

#include <QString>

namespace talvo::logic {

struct NumberSet;

// Stores the marked numbers as the draw at history position position with the given date and
// the first five characters of the plus 5 text. A position beyond the end extends the
// history; days missing before it get the dates of the draw days before it (see
// DrawCalendar; the stored draw counts) and no numbers.
// Does nothing and returns false unless exactly 20 numbers of 1..70 are marked. Throws
// Error, changing nothing, when the draw does not fit: a date after `today`, a date not
// between the stored dates on either side of the position, a plus 5 that is not empty or
// digits only, or days filled in before it that would lie before the first draw of all.
bool storeDraw(DrawHistory& history, int position, DaySerial datum, const NumberSet& selection,
               const QString& plus5, DaySerial today);

// Throws storeDraw's Error for a date no draw can be stored under: one before the first
// draw of all or after `today`.
void checkDrawDate(DaySerial datum, DaySerial today);

// The date the entry page proposes for the very first draw: today, or the Saturday
// before when today is a Sunday (an empty history knows no Sunday draws).
int proposedFirstDrawDay(int today);

// The date the entry page proposes for the next draw: the day after the last record. A
// Sunday before 13.06.2010 is passed over unless the history has Sunday draws, as KENO was
// drawn Monday to Saturday then; later Sundays are proposed whatever the history holds, as
// KENO is drawn every day since. The calendar itself stays as the history says: it is what
// fills gaps, and a history without Sunday draws keeps filling without Sundays. An empty
// history has no next day; it gets the first draw of all (see proposedFirstDrawDay).
int proposedNextDrawDay(const DrawHistory& history);

} // namespace talvo::logic
