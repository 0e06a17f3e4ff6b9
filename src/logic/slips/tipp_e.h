#pragma once

#include "logic/core/zahlenmenge.h"

#include <array>
#include <cstdint>

namespace talvo::logic {

// The working state of one slip in its editor. Every array has a slot per field
// position 1..6 at index position − 1; the sixth slot is never used.
struct TTippE {
    static constexpr int kPositionen = 6;

    std::array<Zahlenmenge, kPositionen> gewaehlt{}; // ticked numbers 1..70
    std::array<std::int32_t, kPositionen> ZahlAnz{}; // count of ticked numbers
    // Chosen KENO type 2..10; 1 after a change that left no choice; 0 before any choice.
    std::array<std::int32_t, kPositionen> SysWahl{};
    // More numbers ticked than the type allows (after the type was lowered).
    std::array<bool, kPositionen> ZuHoch{};
};

} // namespace talvo::logic
