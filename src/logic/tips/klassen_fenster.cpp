#include "logic/tips/klassen_fenster.h"

#include "logic/statistics/number_statistics.h"

namespace talvo::logic {

KlassenFenster::KlassenFenster() {
    for (StatArt art : {StatArt::Zahlen, StatArt::Endzahlen, StatArt::Zehner}) {
        Art& a = arten_[static_cast<std::size_t>(art) - 1];
        a.art = art;
        const int items = itemAnzahl(art);
        a.item.assign(71, 0);
        a.anzahl.assign(static_cast<std::size_t>(items), 0);
        for (int j = 1; j <= items; ++j) {
            a.zahlen.push_back(itemZahlen(art, j));
            for (int n : a.zahlen.back())
                a.item[static_cast<std::size_t>(n)] = j;
        }
    }
}

// Counts what the frequency statistics count: every stored number in 1..70.
void KlassenFenster::zaehlen(const TKenoZahlen& draw, int delta) {
    for (auto n : draw.GZ)
        if (n >= 1 && n <= 70)
            for (Art& a : arten_)
                a.anzahl[static_cast<std::size_t>(a.item[n] - 1)] += delta;
}

void KlassenFenster::hinzufuegen(const TKenoZahlen& draw) {
    zaehlen(draw, 1);
    ++w_;
}

void KlassenFenster::entfernen(const TKenoZahlen& draw) {
    zaehlen(draw, -1);
    --w_;
}

TKlassenMengen KlassenFenster::klassenMengen() {
    TKlassenMengen mengen;
    for (Art& a : arten_) {
        if (a.schwellenW != w_) {
            const Erwartung e = erwartung(a.art, w_);
            a.T = schwellen(e.mu, e.sigma);
            a.schwellenW = w_;
        }
        for (std::size_t j = 0; j < a.anzahl.size(); ++j)
            if (const int level = klassenStufe(klassifizieren(a.anzahl[j], a.T)); level > 0)
                for (int n : a.zahlen[j])
                    mengen.at(static_cast<int>(a.art), level).insert(n);
    }
    return mengen;
}

} // namespace talvo::logic
