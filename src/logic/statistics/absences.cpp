#include "logic/statistics/absences.h"

#include "logic/statistics/draw_window.h"

namespace talvo::logic {

DrawSetList collectDrawSets(const DrawHistory& history) {
    DrawSetList sets;
    sets.reserve(history.size());
    for (const DrawRecord& d : history)
        if (isRealDraw(d))
            sets.push_back(drawSet(d));
    return sets;
}

Absences computeAbsences(const DrawSetList& drawSets) {
    Absences a;
    NumberSet outstanding;
    for (int n = 1; n <= 70; ++n)
        outstanding.insert(n);
    for (auto it = drawSets.rbegin(); it != drawSets.rend() && !outstanding.empty(); ++it) {
        for (int n = 1; n <= 70; ++n) {
            if (!outstanding.contains(n))
                continue;
            if (it->contains(n))
                outstanding.remove(n);
            else
                ++a.drawsSince[static_cast<std::size_t>(n)];
        }
    }
    for (int v = 0; v <= 1000 && a.ranking.size() < 70; ++v)
        for (int n = 1; n <= 70; ++n)
            if (a.drawsSince[static_cast<std::size_t>(n)] == v)
                a.ranking.push_back(n);
    return a;
}

} // namespace talvo::logic
