#pragma once

#include <cstdint>
#include <vector>

namespace talvo::logic {

// The exact odds of a KENO type: 20 of 70 numbers are drawn, the player picks t.
struct TypQuoten {
    int typ = 0;
    // Ways to pick t numbers with exactly h of the 20 drawn: C(20, h) · C(50, t − h), for
    // h = 0..t; out of C(70, t) ways in all.
    std::vector<std::int64_t> wege;
    std::int64_t alle = 0;
    std::vector<int> faktor; // payout factor per h

    // Each a fraction over `alle`, rounded once to a double.
    double wahrscheinlichkeit(int h) const;
    // Expected winnings per euro staked.
    double rueckfluss() const;
    // The chance that a field wins anything.
    double gewinnchance() const;
    // The chance that a field played in n draws wins at least once.
    double gewinnchanceIn(int ziehungen) const;
};

// Odds of a type 2..10.
TypQuoten Quoten(int typ);

} // namespace talvo::logic
