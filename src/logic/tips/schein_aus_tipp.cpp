#include "logic/tips/schein_aus_tipp.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/tables.h"
#include "logic/settings/einstellungen.h"
#include "logic/tips/tipp.h"

namespace talvo::logic {

TGetippt ScheinAusTipp(const Spieltipps& tipp, const TEinstellungen& einstellungen, int heute,
                       const DrawCalendar& kalender) {
    TGetippt s;
    s.TGNR = 0;
    s.KastDef = 0;
    for (const TippSpiel& spiel : tipp.spiele) {
        if (spiel.typ == 0)
            break;
        const auto k = static_cast<std::size_t>(s.KastDef++);
        s.typ[k] = static_cast<std::uint8_t>(spiel.typ);
        const auto zahlen = MengeZuListe(spiel.zahlen, spiel.typ, 70);
        std::copy(zahlen.begin(), zahlen.end(), s.typZ[k].begin());
    }
    s.plus5.setText(QStringLiteral("offen"));
    // A damaged options file may hold any index; the slip gets one its tables know.
    s.einsatz = static_cast<std::uint8_t>(
        listenAuswahl(einstellungen.einsatzIndex, static_cast<int>(kEinsatzEuro.size())));
    s.dauer = static_cast<std::uint8_t>(
        listenAuswahl(einstellungen.laufzeitIndex, static_cast<int>(kDauerZiehungen.size())));
    s.p5 = einstellungen.plus5Mitspiel != 0 ? 1 : 0;
    const bool sonntagOhneZiehung = weekdayNumber(heute) == 1 && !kalender.isDrawDay(heute);
    s.ab = sonntagOhneZiehung ? heute + 1 : heute;
    return s;
}

} // namespace talvo::logic
