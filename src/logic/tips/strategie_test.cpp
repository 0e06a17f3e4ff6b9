#include "logic/tips/strategie_test.h"

#include "logic/core/error.h"
#include "logic/core/tables.h"
#include "logic/statistics/draw_window.h"
#include "logic/tips/kandidatenliste.h"
#include "logic/tips/klassen_fenster.h"
#include "logic/tips/quoten.h"
#include "logic/tips/spiel_ziehen.h"

#include <QRandomGenerator>
#include <algorithm>
#include <bit>

namespace talvo::logic {

namespace {

// The generator of one tested draw: from the seed and the draw's day alone.
QRandomGenerator ziehungsZufall(quint64 seed, int tag) {
    const std::array<quint32, 3> words = {static_cast<quint32>(seed), static_cast<quint32>(seed >> 32),
                                          static_cast<quint32>(tag)};
    return QRandomGenerator(words.data(), words.data() + words.size());
}

int gemeinsam(const Zahlenmenge& a, const Zahlenmenge& b) {
    int n = 0;
    for (std::size_t i = 0; i < a.words.size(); ++i)
        n += std::popcount(a.words[i] & b.words[i]);
    return n;
}

double prozent(long long gewinn, long long einsatz) {
    return einsatz > 0 ? 100.0 * static_cast<double>(gewinn) / static_cast<double>(einsatz) : 0.0;
}

} // namespace

double StrategieTestErgebnis::rueckfluss() const {
    return prozent(gewinn, einsatz);
}

double StrategieTestErgebnis::zufallRueckfluss() const {
    return prozent(zufallGewinn, einsatz);
}

QString strategieTestFehler(const StrategieTestParameter& p) {
    if (p.strategie < 0 || p.strategie >= kTippStrategien)
        return QStringLiteral("Die Strategie %1 gibt es nicht: möglich sind 0 bis 3.").arg(p.strategie);
    if (p.typ < 2 || p.typ > kMaxTyp)
        return QStringLiteral("Der KENO-Typ %1 ist ungültig: möglich sind 2 bis 10.").arg(p.typ);
    if (std::find(kEinsatzEuro.begin(), kEinsatzEuro.end(), p.einsatz) == kEinsatzEuro.end())
        return QStringLiteral("Ein Einsatz von %1 Euro ist nicht möglich: 1, 2, 5 oder 10 Euro.")
            .arg(p.einsatz);
    if (p.anzahl < 0)
        return QStringLiteral("Die Anzahl der auszuwertenden Ziehungen kann nicht negativ sein.");
    return {};
}

StrategieTestErgebnis StrategieTest(const DrawHistory& history, const StrategieTestParameter& p,
                                    const std::atomic<bool>* stop,
                                    const std::function<void(int, int)>& progress) {
    if (const QString fehler = strategieTestFehler(p); !fehler.isEmpty())
        throw Error(fehler);

    std::vector<int> echte;
    for (int i = 0; i < static_cast<int>(history.size()); ++i)
        if (istZiehung(history[static_cast<std::size_t>(i)]))
            echte.push_back(i);
    const auto ziehung = [&](int j) -> const TKenoZahlen& {
        return history[static_cast<std::size_t>(echte[static_cast<std::size_t>(j)])];
    };
    const int mindestens = std::max(p.anzahl, 1);
    const auto getestet = [&](int j) {
        const int tag = wholeDay(ziehung(j).datum);
        return j >= mindestens && (!p.von || tag >= *p.von) && (!p.bis || tag <= *p.bis);
    };
    int gesamt = 0;
    for (int j = 0; j < static_cast<int>(echte.size()); ++j)
        gesamt += getestet(j) ? 1 : 0;

    StrategieTestErgebnis r;
    r.ziehungen.reserve(static_cast<std::size_t>(gesamt));
    r.treffer.assign(static_cast<std::size_t>(p.typ) + 1, 0);
    const Kandidatenliste zufallsListe = KandidatenlisteBilden({}, kZufall);
    KlassenFenster fenster;
    int serie = 0;
    for (int j = 0; j < static_cast<int>(echte.size()); ++j) {
        if (j > 0) {
            fenster.hinzufuegen(ziehung(j - 1));
            if (p.anzahl > 0 && fenster.ziehungen() > p.anzahl)
                fenster.entfernen(ziehung(j - 1 - p.anzahl));
        }
        if (!getestet(j))
            continue;
        if (stop && stop->load(std::memory_order_relaxed)) {
            r.gestoppt = true;
            break;
        }
        const TKenoZahlen& d = ziehung(j);
        const int tag = wholeDay(d.datum);
        const Zahlenmenge gezogen = ziehungsMenge(d);
        GetesteteZiehung z;
        z.position = echte[static_cast<std::size_t>(j)];
        z.datum = d.datum;

        const Kandidatenliste liste = p.strategie == kZufall
                                          ? zufallsListe
                                          : KandidatenlisteBilden(fenster.klassenMengen(), p.strategie);
        QRandomGenerator zufall = ziehungsZufall(p.seed, tag);
        const GezogenesSpiel tipp = spielZiehen(liste, p.typ, zufall);
        z.tipp = tipp.zahlen;
        z.ergaenzt = tipp.ergaenzt;
        z.treffer = gemeinsam(tipp.zahlen, gezogen);
        z.gewinn = payoutFactor(p.typ, z.treffer) * p.einsatz;

        // The baseline starts from the same seed, so "Zufall" tested against itself is equal.
        QRandomGenerator basisZufall = ziehungsZufall(p.seed, tag);
        z.zufallTreffer = gemeinsam(spielZiehen(zufallsListe, p.typ, basisZufall).zahlen, gezogen);
        z.zufallGewinn = payoutFactor(p.typ, z.zufallTreffer) * p.einsatz;

        r.einsatz += p.einsatz;
        r.gewinn += z.gewinn;
        r.zufallGewinn += z.zufallGewinn;
        z.stand = r.gewinn - r.einsatz;
        z.zufallStand = r.zufallGewinn - r.einsatz;
        r.tiefsterStand = std::min(r.tiefsterStand, z.stand);
        serie = z.gewinn > 0 ? 0 : serie + 1;
        r.laengsteSerieOhneGewinn = std::max(r.laengsteSerieOhneGewinn, serie);
        r.ziehungenMitGewinn += z.gewinn > 0 ? 1 : 0;
        ++r.treffer[static_cast<std::size_t>(z.treffer)];
        r.ziehungen.push_back(z);
        if (progress && r.ziehungen.size() % 256 == 0)
            progress(static_cast<int>(r.ziehungen.size()), gesamt);
    }
    if (progress)
        progress(static_cast<int>(r.ziehungen.size()), gesamt);

    const TypQuoten quoten = Quoten(p.typ);
    for (int h = 0; h <= p.typ; ++h)
        r.erwartet.push_back(static_cast<double>(r.ziehungen.size()) * quoten.wahrscheinlichkeit(h));
    return r;
}

} // namespace talvo::logic
