#pragma once

#include "logic/core/history_file.h"
#include "logic/core/number_set.h"

#include <array>
#include <vector>

namespace talvo::logic {

// One set of numbers per real draw, oldest first.
using DrawSetList = std::vector<NumberSet>;
DrawSetList collectDrawSets(const DrawHistory& history);

struct Absences {
    // Draws since number n was last drawn, at index n (0 = drawn in the newest draw).
    std::array<int, 71> drawsSince{};
    // The numbers by ascending absence, ties by ascending number; a number away for
    // more than 1000 draws is not placed.
    std::vector<int> ranking;
};

Absences computeAbsences(const DrawSetList& drawSets);

} // namespace talvo::logic
