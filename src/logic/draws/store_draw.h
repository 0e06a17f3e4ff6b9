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

// The date the entry page proposes for the very first draw: today, or the Saturday
// before when today is a Sunday (an empty history knows no Sunday draws).
int proposedFirstDrawDay(int today);

} // namespace talvo::logic
