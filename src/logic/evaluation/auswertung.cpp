#include "logic/evaluation/auswertung.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/evaluation/schein_auswerten.h"

#include <QLocale>

namespace talvo::logic {

namespace {

// Where a slip's draws begin. A start date that matches no stored draw (a Sunday, a day
// missing from the history, a day before the first draw) begins at the first stored draw
// dated after it, so the slip's running time is still honoured.
std::size_t startPosition(const DrawHistory& history, int start) {
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (history[i].datum == start)
            return i;
    }
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (wholeDay(history[i].datum) >= start)
            return i;
    }
    return history.size();
}

} // namespace

Ergebnistabelle& ErgebnisListe::neueTabelle() {
    if (tabellen_.size() >= kMaxErgebnistabellen)
        throw Error(
            QStringLiteral(
                "Die Auswertung ergäbe mehr als %1 Ergebnistabellen; gezeigt werden die ersten %1. "
                "Für den Rest wählen Sie bitte weniger Spielscheine oder einen kürzeren Zeitraum.")
                .arg(QLocale(QLocale::German).toString(static_cast<qulonglong>(kMaxErgebnistabellen))));
    return tabellen_.emplace_back();
}

void ZiehungAuswerten(std::span<const TGetippt> scheine, const Zahlenmenge& zahlen, const QString& plus5,
                      const QString& caption, Ergebnisziel& out) {
    // A file without slips gets no table at all.
    if (scheine.empty())
        return;
    AuswertStand stand;
    Ergebnistabelle& tabelle = out.neueTabelle();
    tabelle.caption = caption;
    for (const TGetippt& schein : scheine)
        ScheinAuswerten(tabelle, zahlen, plus5, schein, stand);
}

void ScheinLaufzeit(const TGetippt& schein, const Laufzeit& laufzeit, const DrawHistory& history,
                    DaySerial jetzt, Ergebnisziel& out) {
    AuswertStand stand;
    const long long n = laufzeit.n == 0 ? kDauerZiehungenMax : laufzeit.n;
    const std::size_t first = startPosition(history, laufzeit.start);
    const QString name = schein.name.text();
    for (std::size_t i = first; i < history.size() && static_cast<long long>(i - first) < n; ++i) {
        const TKenoZahlen& ziehung = history[i];
        if (ziehung.datum > jetzt || ziehung.istLeer())
            continue;
        if (laufzeit.bis >= 0 && wholeDay(ziehung.datum) > laufzeit.bis)
            continue;
        stand.r = 0;
        stand.T = 0;
        Ergebnistabelle& tabelle = out.neueTabelle();
        tabelle.caption = name + QStringLiteral(": ") + serialToText(ziehung.datum);
        tabelle.position = static_cast<int>(i);
        ScheinAuswerten(tabelle, ziehung.menge(), ziehung.plus5.text(), schein, stand);
    }
}

int LaufzeitAuswerten(std::span<const TGetippt> scheine, const DrawHistory& history, DaySerial jetzt,
                      Ergebnisziel& out) {
    int ohneDaten = 0;
    const int last = history.empty() ? 0 : wholeDay(history.back().datum);
    for (const TGetippt& schein : scheine) {
        // A start that is no calendar day has no draws, as one after the last draw.
        const int start = wholeDay(schein.ab);
        if (history.empty() || !isCalendarDay(schein.ab) || start > last) {
            ++ohneDaten;
            continue;
        }
        // A duration index outside the table gives no draws at all.
        const int n = durationDraws(schein.dauer);
        if (n >= 0)
            ScheinLaufzeit(schein, {start, n}, history, jetzt, out);
    }
    return ohneDaten;
}

int ZiehungstageImZeitraum(int von, int bis, const DrawCalendar& kalender) {
    if (bis <= von)
        return 1;
    return 1 + kalender.drawDaysBetween(von + 1, bis);
}

void ZeitraumAuswerten(std::span<const TGetippt> scheine, DaySerial von, DaySerial bis,
                       const DrawHistory& history, DaySerial jetzt, Ergebnisziel& out) {
    const int erster = wholeDay(von);
    const int letzter = wholeDay(bis);
    if (erster > letzter)
        return;
    // The last day also bounds the draws, so a range starting on a day without a draw
    // does not reach past it.
    const Laufzeit laufzeit{erster, ZiehungstageImZeitraum(erster, letzter, DrawCalendar(history)), letzter};
    for (const TGetippt& schein : scheine)
        ScheinLaufzeit(schein, laufzeit, history, jetzt, out);
}

QString LaufzeitMeldung(int scheine, int ohneDaten) {
    if (ohneDaten <= 0)
        return {};
    if (ohneDaten == scheine)
        return QStringLiteral("Keine Auswertung möglich, da für die Laufzeit keine Angaben vorhanden sind.");
    if (ohneDaten == 1)
        return QStringLiteral(
            "Für einen Spielschein war keine Auswertung möglich, da für dessen Laufzeit keine "
            "Angaben vorhanden sind.");
    return QStringLiteral("Für ") + QString::number(ohneDaten) +
           QStringLiteral(" Spielscheine war keine Auswertung möglich, ") +
           QStringLiteral("da für deren Laufzeiten keine Angaben vorhanden sind.");
}

} // namespace talvo::logic
