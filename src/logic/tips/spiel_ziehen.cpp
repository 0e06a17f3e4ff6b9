#include "logic/tips/spiel_ziehen.h"

#include "logic/core/tables.h"

#include <QRandomGenerator>
#include <array>

namespace talvo::logic {

QRandomGenerator tippZufall(quint64 seed) {
    const std::array<quint32, 2> words = {static_cast<quint32>(seed), static_cast<quint32>(seed >> 32)};
    return QRandomGenerator(words.data(), words.data() + words.size());
}

int ergaenzungsZahl(int typ) {
    if (typ <= 5)
        return 9;
    if (typ <= 8)
        return 6;
    return 3;
}

GezogenesSpiel spielZiehen(const Kandidatenliste& liste, int typ, QRandomGenerator& zufall) {
    if (typ < 2 || typ > kMaxTyp)
        return {};
    Zahlenmenge verschiedene;
    for (auto n : liste)
        verschiedene.insert(n);
    const int D = verschiedene.count();

    // Completion numbers are drawn aside and picked as if they stood at the end of the
    // list, which leaves the list exactly as it was.
    std::array<std::uint8_t, 70> ergaenzung{};
    int m = 0;
    GezogenesSpiel spiel;
    if (D <= typ) {
        spiel.ergaenzt = true;
        const int gesucht = typ - D + ergaenzungsZahl(typ);
        while (m < gesucht) {
            const int n = static_cast<int>(zufall.bounded(70u)) + 1;
            if (!verschiedene.contains(n)) {
                verschiedene.insert(n);
                ergaenzung[static_cast<std::size_t>(m++)] = static_cast<std::uint8_t>(n);
            }
        }
    }

    const auto positionen = static_cast<quint32>(liste.size()) + static_cast<quint32>(m);
    for (int gewaehlt = 0; gewaehlt < typ;) {
        const quint32 p = zufall.bounded(positionen);
        const int n = p < liste.size() ? liste[p] : ergaenzung[p - liste.size()];
        if (!spiel.zahlen.contains(n)) {
            spiel.zahlen.insert(n);
            ++gewaehlt;
        }
    }
    return spiel;
}

} // namespace talvo::logic
