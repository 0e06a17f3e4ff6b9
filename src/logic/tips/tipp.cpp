#include "logic/tips/tipp.h"

#include "logic/core/error.h"
#include "logic/core/tables.h"
#include "logic/statistics/free_search.h"
#include "logic/tips/kandidatenliste.h"
#include "logic/tips/spiel_ziehen.h"

#include <algorithm>
#include <cstdint>

namespace talvo::logic {

namespace {

// C(d, t), or `genug` when it is at least that: only the comparison with a game count
// matters, and this keeps it from overflowing.
std::int64_t kombinationenBis(int d, int t, std::int64_t genug) {
    std::int64_t c = 1;
    for (int i = 1; i <= t; ++i) {
        c = c * (d - t + i) / i; // exact: c is C(d - t + i, i) after each step
        if (c >= genug)
            return genug;
    }
    return c;
}

// With D distinct candidates, more games of a type t < D than there are t-sets among
// them can never all differ, and the redraw would not end. A list with D <= t is
// completed at random at every draw, so it always offers enough.
void grenzePruefen(const Kandidatenliste& liste, const std::array<int, kTippSpiele>& typen) {
    Zahlenmenge verschiedene;
    for (auto n : liste)
        verschiedene.insert(n);
    const int D = verschiedene.count();
    for (int t = 2; t <= kMaxTyp; ++t) {
        const auto spiele = std::count(typen.begin(), typen.end(), t);
        if (spiele < 2 || D <= t)
            continue;
        const std::int64_t moeglich = kombinationenBis(D, t, spiele);
        if (moeglich < spiele)
            throw Error(
                QStringLiteral("Aus den %1 verschiedenen Zahlen der Kandidatenliste lassen sich nur %2 "
                               "verschiedene Spiele vom KENO-Typ %3 bilden, gewählt sind %4. Ich muss "
                               "leider abbrechen.")
                    .arg(D)
                    .arg(moeglich)
                    .arg(t)
                    .arg(spiele));
    }
}

} // namespace

int Spieltipps::anzahl() const {
    return static_cast<int>(
        std::count_if(spiele.begin(), spiele.end(), [](const TippSpiel& s) { return s.typ > 0; }));
}

QStringList TippErgebnis::text() const {
    QStringList lines = {QStringLiteral("Tipp-Nr.: %1").arg(nummer), strategieName(strategie), QString()};
    for (const TippSpiel& spiel : spieltipps.spiele)
        if (spiel.typ > 0)
            lines << QStringLiteral("KENO-Typ %1: %2").arg(spiel.typ).arg(zahlenText(spiel.zahlen));
    return lines;
}

bool spielGewaehlt(const std::array<int, kTippSpiele>& typen) {
    return std::any_of(typen.begin(), typen.end(), [](int t) { return t > 0; });
}

TippErgebnis Tippgenerator::generieren(const TKlassenMengen& mengen, int strategie,
                                       const std::array<int, kTippSpiele>& typen, QRandomGenerator& zufall) {
    for (int t : typen)
        if (t != 0 && (t < 2 || t > kMaxTyp))
            throw Error(QStringLiteral("Der KENO-Typ %1 ist ungültig: möglich sind 2 bis 10.").arg(t));
    if (!spielGewaehlt(typen))
        throw Error(QString::fromUtf8(kKeinSpielMeldung));
    const Kandidatenliste liste = KandidatenlisteBilden(mengen, strategie);
    grenzePruefen(liste, typen);

    TippErgebnis tipp;
    tipp.strategie = strategie;
    int k = 0;
    for (int t : typen) {
        if (t == 0)
            continue;
        TippSpiel& spiel = tipp.spieltipps.spiele[static_cast<std::size_t>(k)];
        spiel.typ = t;
        const auto frueher = tipp.spieltipps.spiele.begin();
        const auto dieses = frueher + k;
        do {
            const GezogenesSpiel gezogen = spielZiehen(liste, t, zufall);
            spiel.zahlen = gezogen.zahlen;
            spiel.ergaenzt = gezogen.ergaenzt;
        } while (std::any_of(frueher, dieses, [&](const TippSpiel& s) { return s.zahlen == spiel.zahlen; }));
        ++k;
    }
    tipp.nummer = ++zaehler_;
    spieltipps_ = tipp.spieltipps;
    return tipp;
}

} // namespace talvo::logic
