#pragma once

#include "logic/core/dates.h"
#include "logic/core/history_file.h"

#include <QString>

namespace talvo::logic {

struct Zahlenmenge;

// Stores the marked numbers as the draw at history position p with the given date and
// the first five characters of the plus 5 text. A position beyond the end extends the
// history; days missing before it get the dates of the draw days before it (see
// DrawCalendar; the stored draw counts) and no numbers.
// Does nothing and returns false unless exactly 20 numbers of 1..70 are marked.
bool ZiehungSpeichern(DrawHistory& history, int p, DaySerial datum, const Zahlenmenge& auswahl,
                      const QString& plus5);

// The date the entry page proposes for the very first draw: today, or the Saturday
// before when today is a Sunday (an empty history knows no Sunday draws).
int ersterVorschlag(int heute);

} // namespace talvo::logic
