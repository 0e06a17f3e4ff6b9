#include "logic/core/type_odds.h"
#include "logic/tips/return_difference.h"
#include "logic/tips/strategy_test.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace talvo::logic;

namespace {

StrategyTestResult resultOf(int draws, int stake, long long winnings, long long randomWinnings) {
    StrategyTestResult r;
    r.draws.resize(static_cast<std::size_t>(draws));
    r.stake = static_cast<long long>(draws) * stake;
    r.winnings = winnings;
    r.randomWinnings = randomWinnings;
    return r;
}

// The variance from the ways of each hit count, in exact integers up to the last division.
TEST(ReturnDifference, PayoutVarianceFromTheWays) {
    for (int typ = 2; typ <= 10; ++typ) {
        const TypeOdds odds = oddsOfType(typ);
        long double sum = 0;
        long double squares = 0;
        for (std::size_t h = 0; h < odds.ways.size(); ++h) {
            sum += static_cast<long double>(odds.ways[h]) * odds.factors[h];
            squares += static_cast<long double>(odds.ways[h]) * odds.factors[h] * odds.factors[h];
        }
        const long double all = odds.allWays;
        const double expected = static_cast<double>(squares / all - (sum / all) * (sum / all));
        EXPECT_NEAR(payoutVariance(odds), expected, expected * 1e-9) << "type " << typ;
        EXPECT_GT(expected, 0.0);
    }
}

TEST(ReturnDifference, IntervalFromTheExactVariance) {
    // 400 draws of type 2 at 1 euro: 50 % against 45 %.
    const ReturnDifference d = returnDifference(resultOf(400, 1, 200, 180), 2);
    EXPECT_EQ(d.draws, 400);
    EXPECT_NEAR(d.difference, 5.0, 1e-12);
    const double spread = 100.0 * std::sqrt(2.0 * payoutVariance(oddsOfType(2)) / 400);
    EXPECT_NEAR(d.high - d.difference, 1.96 * spread, 0.001 * spread);
    EXPECT_NEAR(d.difference - d.low, d.high - d.difference, 1e-9);
    EXPECT_FALSE(d.distinguishable());
    EXPECT_EQ(returnDifferenceSentence(d),
              QStringLiteral(
                  "Die Strategie liegt 5,0 Prozentpunkte über den Zufallstipps (95-%-Intervall %1 bis %2 "
                  "Prozentpunkte); dieser Unterschied ist vom Zufall nicht zu unterscheiden.")
                  .arg(QString::number(d.low, 'f', 1).replace('.', ','),
                       QString::number(d.high, 'f', 1).replace('.', ',')));
}

TEST(ReturnDifference, ALargeGapOverManyDrawsIsMoreThanChance) {
    const ReturnDifference d = returnDifference(resultOf(20000, 2, 8000, 20000), 2);
    EXPECT_NEAR(d.difference, -30.0, 1e-9);
    EXPECT_LT(d.high, 0.0);
    EXPECT_TRUE(d.distinguishable());
    EXPECT_TRUE(returnDifferenceSentence(d).startsWith(
        "Die Strategie liegt 30,0 Prozentpunkte unter den Zufallstipps"));
    EXPECT_TRUE(
        returnDifferenceSentence(d).endsWith("dieser Unterschied ist größer, als Zufall ihn erklärt."));
}

TEST(ReturnDifference, NothingTestedSaysNothing) {
    const ReturnDifference d = returnDifference(resultOf(0, 1, 0, 0), 5);
    EXPECT_FALSE(d.distinguishable());
    EXPECT_TRUE(returnDifferenceSentence(d).isEmpty());
}

} // namespace
