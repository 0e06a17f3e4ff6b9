#include "logic/statistics/draw_window.h"

#include <algorithm>

namespace talvo::logic {

int anzahlZiehungen(const DrawHistory& history) {
    return static_cast<int>(std::count_if(history.begin(), history.end(), istZiehung));
}

Zahlenmenge ziehungsMenge(const TKenoZahlen& draw) {
    Zahlenmenge set;
    for (auto n : draw.GZ)
        if (n >= 1 && n <= 70)
            set.insert(n);
    return set;
}

std::vector<int> fensterPositionen(const DrawHistory& history, int n) {
    std::vector<int> positions;
    for (int i = static_cast<int>(history.size()) - 1; i >= 0; --i) {
        if (n > 0 && static_cast<int>(positions.size()) == n)
            break;
        if (istZiehung(history[static_cast<std::size_t>(i)]))
            positions.push_back(i);
    }
    std::reverse(positions.begin(), positions.end());
    return positions;
}

} // namespace talvo::logic
