#pragma once

#include "logic/core/records.h"

namespace talvo::logic {

// Hits of field f (0-based) of a slip against a draw set: the first pickCount(typ)
// numbers of the field that are members of the set.
int fieldHits(const SlipRecord& slip, int field, const NumberSet& draw);

} // namespace talvo::logic
