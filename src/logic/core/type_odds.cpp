#include "logic/core/type_odds.h"

#include "logic/core/tables.h"

#include <cmath>

namespace talvo::logic {

namespace {

std::int64_t binomial(int n, int k) {
    if (k < 0 || k > n)
        return 0;
    std::int64_t c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i; // C(n - k + i, i) after each step, always whole
    return c;
}

// Numerator and denominator stay far below 2^53 for every type, so both are exact as
// doubles and one division rounds the fraction once.
double fraction(std::int64_t numerator, std::int64_t denominator) {
    return static_cast<double>(numerator) / static_cast<double>(denominator);
}

} // namespace

TypeOdds oddsOfType(int typ) {
    TypeOdds q;
    q.kenoType = typ;
    q.allWays = binomial(70, typ);
    for (int h = 0; h <= typ; ++h) {
        q.ways.push_back(binomial(20, h) * binomial(50, typ - h));
        q.factors.push_back(payoutFactor(typ, h));
    }
    return q;
}

double TypeOdds::probability(int h) const {
    return h >= 0 && h < static_cast<int>(ways.size()) ? fraction(ways[static_cast<std::size_t>(h)], allWays)
                                                       : 0.0;
}

double TypeOdds::returnRate() const {
    std::int64_t sum = 0;
    for (std::size_t h = 0; h < ways.size(); ++h)
        sum += ways[h] * factors[h];
    return fraction(sum, allWays);
}

double TypeOdds::winChance() const {
    std::int64_t sum = 0;
    for (std::size_t h = 0; h < ways.size(); ++h)
        if (factors[h] > 0)
            sum += ways[h];
    return fraction(sum, allWays);
}

double TypeOdds::winChanceIn(int draws) const {
    if (draws <= 0)
        return 0.0;
    // 1 - (1 - p)^n, without losing the small chances of few draws to rounding.
    return -std::expm1(draws * std::log1p(-winChance()));
}

} // namespace talvo::logic
