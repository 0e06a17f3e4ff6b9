#pragma once

#include "logic/core/number_set.h"

#include <array>
#include <cstdint>

namespace talvo::logic {

// The working state of one slip in its editor. Every array has a slot per field
// position 1..6 at index position − 1; the sixth slot is never used.
struct SlipEditState {
    static constexpr int kPositions = 6;

    std::array<NumberSet, kPositions> ticked{};         // ticked numbers 1..70
    std::array<std::int32_t, kPositions> tickedCount{}; // count of ticked numbers
    // Chosen KENO type 2..10; 1 after a change that left no choice; 0 before any choice.
    std::array<std::int32_t, kPositions> typeChoice{};
    // More numbers ticked than the type allows (after the type was lowered).
    std::array<bool, kPositions> tooMany{};
};

} // namespace talvo::logic
