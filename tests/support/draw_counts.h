#pragma once

#include "logic/core/history_file.h"

#include <vector>

namespace talvo::test {

// How often each number was drawn in the draws [from, to); index number − 1. What the
// statistics window's frequencies must show for those draws.
inline std::vector<int> drawCounts(logic::DrawHistory::const_iterator from,
                                   logic::DrawHistory::const_iterator to) {
    std::vector<int> counts(70, 0);
    for (; from != to; ++from)
        for (auto n : from->GZ)
            if (n >= 1 && n <= 70)
                ++counts[n - 1];
    return counts;
}

} // namespace talvo::test
