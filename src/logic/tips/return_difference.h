#pragma once

#include <QString>

namespace talvo::logic {

struct StrategyTestResult;
struct TypeOdds;

// The strategy's return minus that of the "Zufall" tips beside it, in percentage points,
// with its 95 % interval. The spread comes from the exact payout distribution of the type:
// while the tips are no better than chance, each tested draw's prize per euro has that
// distribution whichever tip was played, and the two returns differ by chance alone. The
// observed prizes would be a poor guide to the spread, as the rare top prizes that make
// up much of it hardly ever turn up.
struct ReturnDifference {
    int draws = 0;
    double difference = 0.0; // percentage points
    double low = 0.0;
    double high = 0.0;

    // Whether the interval leaves out 0.
    bool distinguishable() const { return draws > 0 && (low > 0.0 || high < 0.0); }
};

// The variance of the prize per euro staked on one field of the type.
double payoutVariance(const TypeOdds& odds);

ReturnDifference returnDifference(const StrategyTestResult& result, int kenoType);

// The difference and whether it is more than chance in one German sentence.
QString returnDifferenceSentence(const ReturnDifference& d);

} // namespace talvo::logic
