#include "logic/statistics/absences.h"

#include "logic/statistics/draw_window.h"

namespace talvo::logic {

ZiehungsMengenListe ZiehungsMengen(const DrawHistory& history) {
    ZiehungsMengenListe sets;
    sets.reserve(history.size());
    for (const TKenoZahlen& d : history)
        if (istZiehung(d))
            sets.push_back(ziehungsMenge(d));
    return sets;
}

Abwesenheiten StatAusgeblieben(const ZiehungsMengenListe& mengen) {
    Abwesenheiten a;
    Zahlenmenge outstanding;
    for (int n = 1; n <= 70; ++n)
        outstanding.insert(n);
    for (auto it = mengen.rbegin(); it != mengen.rend() && !outstanding.empty(); ++it) {
        for (int n = 1; n <= 70; ++n) {
            if (!outstanding.contains(n))
                continue;
            if (it->contains(n))
                outstanding.remove(n);
            else
                ++a.seit[static_cast<std::size_t>(n)];
        }
    }
    for (int v = 0; v <= 1000 && a.ordnung.size() < 70; ++v)
        for (int n = 1; n <= 70; ++n)
            if (a.seit[static_cast<std::size_t>(n)] == v)
                a.ordnung.push_back(n);
    return a;
}

} // namespace talvo::logic
