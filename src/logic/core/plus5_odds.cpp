#include "logic/core/plus5_odds.h"

#include "logic/core/tables.h"

#include <cmath>

namespace talvo::logic {

double plus5Probability(int digits) {
    if (digits < 0 || digits > 5)
        return 0.0;
    // The last `digits` digits match and, below five, the next one does not.
    const double matching = std::pow(10.0, -digits);
    return digits == 5 ? matching : matching * 0.9;
}

double plus5ExpectedPrize() {
    double sum = 0;
    for (int digits = 0; digits <= 5; ++digits)
        sum += plus5Probability(digits) * plus5Prize(digits);
    return sum;
}

double plus5ReturnRate() {
    return plus5ExpectedPrize() / kPlus5Stake;
}

} // namespace talvo::logic
