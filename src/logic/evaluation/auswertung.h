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

// Takes the result tables of an evaluation one by one as they are made, so a caller that
// prints them need not keep them all.
class Ergebnisziel {
public:
    // A new, empty table for the evaluation to fill; the one handed out before is complete.
    virtual Ergebnistabelle& neueTabelle() = 0;

protected:
    ~Ergebnisziel() = default;
};

// The most result tables one evaluation keeps in memory for a window.
inline constexpr std::size_t kMaxErgebnistabellen = 100000;

// Keeps the tables in a list of at most kMaxErgebnistabellen; one table more ends the
// evaluation with a German message, and the tables kept so far stay.
class ErgebnisListe final : public Ergebnisziel {
public:
    explicit ErgebnisListe(Ergebnisse& tabellen) : tabellen_(tabellen) {}
    Ergebnistabelle& neueTabelle() override;

private:
    Ergebnisse& tabellen_;
};

// A continuous-play slip is evaluated over at most this many draws.
inline constexpr int kDauerZiehungenMax = 10000;

// All slips of a file against one set of numbers, in one table: rows are numbered on
// across the slips and the balance runs over all of them. The table is appended to
// `out` before it is filled, so an error keeps the rows written before it.
void ZiehungAuswerten(std::span<const TGetippt> scheine, const Zahlenmenge& zahlen, const QString& plus5,
                      const QString& caption, Ergebnisziel& out);

// The draws of one slip: n draws from the start date on (0 = continuous play), one
// table per evaluated draw. Draws after `jetzt` and empty draws are skipped but count
// towards n; so are draws after `bis` when a last day is given.
struct Laufzeit {
    int start = 0;
    int n = 0;
    int bis = -1; // no last day
};
void ScheinLaufzeit(const TGetippt& schein, const Laufzeit& laufzeit, const DrawHistory& history,
                    DaySerial jetzt, Ergebnisziel& out);

// Every slip over its own running time. Returns how many slips could not be evaluated
// because their start lies after the newest stored draw.
int LaufzeitAuswerten(std::span<const TGetippt> scheine, const DrawHistory& history, DaySerial jetzt,
                      Ergebnisziel& out);

// Every slip over the draws from von to bis. Nothing is evaluated when von lies after bis.
void ZeitraumAuswerten(std::span<const TGetippt> scheine, DaySerial von, DaySerial bis,
                       const DrawHistory& history, DaySerial jetzt, Ergebnisziel& out);

// The same, keeping the tables in `out` through an ErgebnisListe.
inline void ZiehungAuswerten(std::span<const TGetippt> scheine, const Zahlenmenge& zahlen,
                             const QString& plus5, const QString& caption, Ergebnisse& out) {
    ErgebnisListe liste(out);
    ZiehungAuswerten(scheine, zahlen, plus5, caption, liste);
}
inline int LaufzeitAuswerten(std::span<const TGetippt> scheine, const DrawHistory& history, DaySerial jetzt,
                             Ergebnisse& out) {
    ErgebnisListe liste(out);
    return LaufzeitAuswerten(scheine, history, jetzt, liste);
}
inline void ZeitraumAuswerten(std::span<const TGetippt> scheine, DaySerial von, DaySerial bis,
                              const DrawHistory& history, DaySerial jetzt, Ergebnisse& out) {
    ErgebnisListe liste(out);
    ZeitraumAuswerten(scheine, von, bis, history, jetzt, liste);
}

// Draws from von to bis: one for von itself, whatever day it is, and one for every later
// draw day of the calendar.
int ZiehungstageImZeitraum(int von, int bis, const DrawCalendar& kalender);

// The message after a running-time evaluation of `scheine` slips of which `ohneDaten`
// had no draws; empty when every slip was evaluated.
QString LaufzeitMeldung(int scheine, int ohneDaten);

} // namespace talvo::logic
