#pragma once

#include <cstdint>
#include <vector>

namespace talvo::logic {

// The exact odds of a KENO type: 20 of 70 numbers are drawn, the player picks t.
struct TypeOdds {
    int kenoType = 0;
    // Ways to pick t numbers with exactly h of the 20 drawn: C(20, h) · C(50, t − h), for
    // h = 0..t; out of C(70, t) ways in all.
    std::vector<std::int64_t> ways;
    std::int64_t allWays = 0;
    std::vector<int> factors; // payout factor per h

    // Each a fraction over `allWays`, rounded once to a double.
    double probability(int h) const;
    // Expected winnings per euro staked.
    double returnRate() const;
    // The chance that a field wins anything.
    double winChance() const;
    // The chance that a field played in n draws wins at least once.
    double winChanceIn(int draws) const;
};

// Odds of a type 2..10.
TypeOdds oddsOfType(int typ);

} // namespace talvo::logic
