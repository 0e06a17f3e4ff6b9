#include "logic/core/hits.h"

#include "logic/core/tables.h"

namespace talvo::logic {

int feldTreffer(const TGetippt& slip, int feld, const Zahlenmenge& ziehung) {
    const int t = pickCount(slip.typ[feld]);
    int hits = 0;
    for (int j = 0; j < t; ++j)
        hits += ziehung.contains(slip.typZ[feld][j]) ? 1 : 0;
    return hits;
}

} // namespace talvo::logic
