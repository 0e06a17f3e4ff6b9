#include "logic/draws/ziehung_speichern.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/zahlenmenge.h"

#include <algorithm>

namespace talvo::logic {

bool ZiehungSpeichern(DrawHistory& history, int p, DaySerial datum, const Zahlenmenge& auswahl,
                      const QString& plus5) {
    const std::vector<std::uint8_t> zahlen = MengeZuListe(auswahl, 20, 70);
    if (zahlen.size() != 20 || p < 0)
        return false;
    const auto pos = static_cast<std::size_t>(p);
    if (pos >= history.size())
        history.resize(pos + 1);
    TKenoZahlen& ziehung = history[pos];
    ziehung.datum = datum;
    std::copy(zahlen.begin(), zahlen.end(), ziehung.GZ.begin());
    ziehung.plus5.setText(plus5.left(5));
    // The draw just stored belongs to the calendar the gap is filled by.
    const DrawCalendar kalender(history);
    int tag = wholeDay(datum);
    for (std::size_t i = pos; i-- > 0 && history[i].datum == 0;) {
        tag = kalender.drawDayBefore(tag);
        history[i].datum = tag;
    }
    return true;
}

int ersterVorschlag(int heute) {
    // An empty history knows no Sunday draws.
    return DrawCalendar().drawDayBefore(heute + 1);
}

} // namespace talvo::logic
