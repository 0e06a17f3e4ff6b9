#pragma once

#include "logic/core/history_file.h"

#include <vector>

namespace talvo::logic {

// A placeholder record for a day whose numbers are still missing is no draw for any
// statistic; everything here counts real draws only.
inline bool isRealDraw(const DrawRecord& d) {
    return !d.isPlaceholder();
}
int countRealDraws(const DrawHistory& history);

// The numbers 1..70 of a draw. A stored number outside that range is ignored by every
// statistic: it cannot be a KENO number, so it never counts for or against anything.
NumberSet drawSet(const DrawRecord& draw);

// History positions of the last n real draws, oldest first; n = 0, or an n beyond the
// stored draws, takes them all.
std::vector<int> windowPositions(const DrawHistory& history, int n);

} // namespace talvo::logic
