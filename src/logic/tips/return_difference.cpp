#include "logic/tips/return_difference.h"

#include "logic/core/format.h"
#include "logic/core/type_odds.h"
#include "logic/tips/strategy_test.h"

#include <cmath>

namespace talvo::logic {

double payoutVariance(const TypeOdds& odds) {
    double mean = 0.0;
    double square = 0.0;
    for (std::size_t h = 0; h < odds.ways.size(); ++h) {
        const double p = odds.probability(static_cast<int>(h));
        const double f = odds.factors[h];
        mean += p * f;
        square += p * f * f;
    }
    return square - mean * mean;
}

ReturnDifference returnDifference(const StrategyTestResult& result, int kenoType) {
    ReturnDifference d;
    d.draws = static_cast<int>(result.draws.size());
    if (d.draws == 0 || result.stake <= 0)
        return d;
    d.difference = result.returnRate() - result.randomReturnRate();
    // Both returns are means over the same number of draws; their difference adds both
    // variances. The strategy's tip and the random one share the draw, which ties their
    // prizes together only weakly.
    const double spread = 100.0 * std::sqrt(2.0 * payoutVariance(oddsOfType(kenoType)) / d.draws);
    constexpr double z95 = 1.959963984540054;
    d.low = d.difference - z95 * spread;
    d.high = d.difference + z95 * spread;
    return d;
}

QString returnDifferenceSentence(const ReturnDifference& d) {
    if (d.draws == 0)
        return QString();
    const QString direction = d.difference >= 0.0 ? QStringLiteral("über") : QStringLiteral("unter");
    const QString verdict = d.distinguishable()
                                ? QStringLiteral("dieser Unterschied ist größer, als Zufall ihn erklärt.")
                                : QStringLiteral("dieser Unterschied ist vom Zufall nicht zu unterscheiden.");
    return QStringLiteral("Die Strategie liegt %1 Prozentpunkte %2 den Zufallstipps (95-%-Intervall %3 "
                          "bis %4 Prozentpunkte); %5")
        .arg(formatNumber(std::fabs(d.difference), 1), direction, formatNumber(d.low, 1),
             formatNumber(d.high, 1), verdict);
}

} // namespace talvo::logic
