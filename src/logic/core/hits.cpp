#include "logic/core/hits.h"

#include "logic/core/tables.h"

namespace talvo::logic {

int fieldHits(const SlipRecord& slip, int field, const NumberSet& draw) {
    const int picks = pickCount(slip.typ[field]);
    int hits = 0;
    for (int j = 0; j < picks; ++j)
        hits += draw.contains(slip.typZ[field][j]) ? 1 : 0;
    return hits;
}

} // namespace talvo::logic
