#include "logic/draws/ziehung_speichern.h"

#include "logic/core/zahlenmenge.h"

#include <algorithm>

namespace talvo::logic {

namespace {
constexpr int kSonntag = 1;
}

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
    int tag = wholeDay(datum);
    for (std::size_t i = pos; i-- > 0 && history[i].datum == 0;) {
        tag -= 1;
        if (weekdayNumber(tag) == kSonntag)
            tag -= 1;
        history[i].datum = tag;
    }
    std::copy(zahlen.begin(), zahlen.end(), ziehung.GZ.begin());
    ziehung.plus5.setText(plus5.left(5));
    return true;
}

int ersterVorschlag(int heute) {
    return weekdayNumber(heute) == kSonntag ? heute - 1 : heute;
}

} // namespace talvo::logic
