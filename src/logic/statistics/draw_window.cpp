#include "logic/statistics/draw_window.h"

#include <algorithm>

namespace talvo::logic {

int countRealDraws(const DrawHistory& history) {
    return static_cast<int>(std::count_if(history.begin(), history.end(), isRealDraw));
}

NumberSet drawSet(const DrawRecord& draw) {
    NumberSet set;
    for (auto n : draw.GZ)
        if (n >= 1 && n <= 70)
            set.insert(n);
    return set;
}

std::vector<int> windowPositions(const DrawHistory& history, int n) {
    std::vector<int> positions;
    for (int i = static_cast<int>(history.size()) - 1; i >= 0; --i) {
        if (n > 0 && static_cast<int>(positions.size()) == n)
            break;
        if (isRealDraw(history[static_cast<std::size_t>(i)]))
            positions.push_back(i);
    }
    std::reverse(positions.begin(), positions.end());
    return positions;
}

} // namespace talvo::logic
