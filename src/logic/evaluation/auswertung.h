#pragma once

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/evaluation/ergebnistabelle.h"

#include <QString>
#include <span>
#include <vector>

namespace talvo::logic {

class DrawCalendar;
struct TGetippt;
struct Zahlenmenge;

using Ergebnisse = std::vector<Ergebnistabelle>;

// A continuous-play slip is evaluated over at most this many draws.
inline constexpr int kDauerZiehungenMax = 10000;

// All slips of a file against one set of numbers, in one table: rows are numbered on
// across the slips and the balance runs over all of them. The table is appended to
// `out` before it is filled, so an error keeps the rows written before it.
void ZiehungAuswerten(std::span<const TGetippt> scheine, const Zahlenmenge& zahlen, const QString& plus5,
                      const QString& caption, Ergebnisse& out);

// The draws of one slip: n draws from the start date on (0 = continuous play), one
// table per evaluated draw. Draws after `jetzt` and empty draws are skipped but count
// towards n; so are draws after `bis` when a last day is given.
struct Laufzeit {
    int start = 0;
    int n = 0;
    int bis = -1; // no last day
};
void ScheinLaufzeit(const TGetippt& schein, const Laufzeit& laufzeit, const DrawHistory& history,
                    DaySerial jetzt, Ergebnisse& out);

// Every slip over its own running time. Returns how many slips could not be evaluated
// because their start lies after the newest stored draw.
int LaufzeitAuswerten(std::span<const TGetippt> scheine, const DrawHistory& history, DaySerial jetzt,
                      Ergebnisse& out);

// Every slip over the draws from von to bis. Nothing is evaluated when von lies after bis.
void ZeitraumAuswerten(std::span<const TGetippt> scheine, DaySerial von, DaySerial bis,
                       const DrawHistory& history, DaySerial jetzt, Ergebnisse& out);

// Draws from von to bis: one for von itself, whatever day it is, and one for every later
// draw day of the calendar.
int ZiehungstageImZeitraum(int von, int bis, const DrawCalendar& kalender);

// The message after a running-time evaluation of `scheine` slips of which `ohneDaten`
// had no draws; empty when every slip was evaluated.
QString LaufzeitMeldung(int scheine, int ohneDaten);

} // namespace talvo::logic
