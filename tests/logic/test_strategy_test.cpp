#include "logic/core/error.h"
#include "logic/core/format.h"
#include "logic/core/tables.h"
#include "logic/core/type_odds.h"
#include "logic/statistics/number_statistics.h"
#include "logic/tips/candidate_list.h"
#include "logic/tips/sliding_class_sets.h"
#include "logic/tips/strategy_test.h"
#include "support/builders.h"
#include "tools/generated_history.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <cmath>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;
using talvo::tools::generatedHistory;

namespace {

// Binomial coefficients from Pascal's triangle, independent of the code under test.
std::int64_t pascal(int n, int k) {
    if (k < 0 || k > n)
        return 0;
    // Only the columns up to k: the middle of row 70 does not fit 64 bits.
    std::vector<std::vector<std::int64_t>> c(n + 1, std::vector<std::int64_t>(k + 1, 0));
    for (int i = 0; i <= n; ++i) {
        c[i][0] = 1;
        for (int j = 1; j <= std::min(i, k); ++j)
            c[i][j] = c[i - 1][j - 1] + c[i - 1][j];
    }
    return c[n][k];
}

// Whether p is the double nearest to num / den, decided in integer arithmetic:
// p = m · 2^e exactly, and |m · 2^e − num / den| ≤ 2^e / 2 ⇔ |2·m·den − num·2^(1−e)| ≤ den.
bool nearest(double p, std::int64_t num, std::int64_t den) {
    int exp = 0;
    const double mantissa = std::frexp(p, &exp); // p = mantissa · 2^exp, 0.5 ≤ mantissa < 1
    const auto m = static_cast<__int128>(std::ldexp(mantissa, 53));
    const int e = exp - 53;
    if (e > 0 || 1 - e > 100)
        return false;
    const __int128 lhs = 2 * m * den - static_cast<__int128>(num) * (static_cast<__int128>(1) << (1 - e));
    return (lhs < 0 ? -lhs : lhs) <= den;
}

TEST(oddsOfType, EveryFigureIsItsExactFractionRoundedOnce) {
    for (int t = 2; t <= 10; ++t) {
        const TypeOdds q = oddsOfType(t);
        std::int64_t all = 0, returned = 0, prized = 0;
        for (int h = 0; h <= t; ++h) {
            const std::int64_t ways = pascal(20, h) * pascal(50, t - h);
            all += ways;
            returned += ways * q.factors[h];
            prized += q.factors[h] > 0 ? ways : 0;
            EXPECT_TRUE(nearest(q.probability(h), ways, pascal(70, t))) << t << ' ' << h;
        }
        EXPECT_EQ(all, pascal(70, t));
        EXPECT_TRUE(nearest(q.returnRate(), returned, all)) << t;
        EXPECT_TRUE(nearest(q.winChance(), prized, all)) << t;
    }
    EXPECT_EQ(oddsOfType(10).factors, (std::vector<int>{2, 0, 0, 0, 0, 2, 5, 15, 100, 1000, 100000}));
}

TEST(oddsOfType, ReturnsMatchThePayoutTable) {
    const std::vector<QString> percent = {"47,20", "50,68", "49,44", "49,90", "49,74",
                                          "49,57", "48,94", "50,05", "49,40"};
    for (int t = 2; t <= 10; ++t)
        EXPECT_EQ(formatNumber(100 * oddsOfType(t).returnRate(), 2), percent[t - 2]) << t;
    EXPECT_DOUBLE_EQ(oddsOfType(2).winChance(), 190.0 / 2415.0);
}

TEST(oddsOfType, ChanceOfAtLeastOnePrizeInSeveralDraws) {
    const TypeOdds q = oddsOfType(2);
    const double p = 190.0 / 2415.0;
    EXPECT_EQ(q.winChanceIn(0), 0.0);
    EXPECT_DOUBLE_EQ(q.winChanceIn(1), p);
    EXPECT_DOUBLE_EQ(q.winChanceIn(2), 1 - (1 - p) * (1 - p));
    EXPECT_NEAR(q.winChanceIn(30), 1 - std::pow(1 - p, 30), 1e-15);
    for (int t = 2; t <= 10; ++t)
        EXPECT_GT(oddsOfType(t).winChanceIn(100000), 0.999999) << t;
}

TEST(SlidingClassSets, SlidingSetsEqualTheFrequencyStatisticsOfTheSameDraws) {
    const DrawHistory all = generatedHistory(420, QDate(2010, 1, 4), 11);
    for (int n : {10, 18, 313, 0}) {
        SlidingClassSets classWindow;
        for (int j = 0; j < static_cast<int>(all.size()); ++j) {
            if (j % 37 == 5) {
                const DrawHistory before(all.begin(), all.begin() + j);
                ClassSets expected;
                for (StatisticKind kind :
                     {StatisticKind::Numbers, StatisticKind::FinalDigits, StatisticKind::Tens})
                    frequencyStatistic(kind, before, n, expected);
                const ClassSets got = classWindow.classSets();
                EXPECT_EQ(got.sets, expected.sets) << n << ' ' << j;
            }
            classWindow.addDraw(all[j]);
            if (n > 0 && classWindow.draws() > n)
                classWindow.removeDraw(all[j - n]);
        }
    }
}

StrategyTestParameters params(int strategy, int typ, int windowSize, int stake = 1, quint64 seed = 17) {
    StrategyTestParameters p;
    p.strategy = strategy;
    p.kenoType = typ;
    p.windowSize = windowSize;
    p.stake = stake;
    p.seed = seed;
    return p;
}

// 20 draws of the same numbers 1..20: the Favoriten are 1..20, the Restanten lie outside.
DrawHistory sameDraws() {
    DrawHistory h;
    QDate d(2024, 1, 1); // a Monday
    for (int i = 0; i < 20; ++i, d = d.addDays(d.dayOfWeek() == Qt::Saturday ? 2 : 1))
        h.push_back(draw(d, run20(1)));
    return h;
}

TEST(runStrategyTest, TotalsOfAStrategyThatAlwaysOrNeverHits) {
    const DrawHistory h = sameDraws();
    struct Case {
        int strategy;
        int stake;
        long long winnings;
        long long lowestBalance;
        int longestLosingRun;
        int drawsWithPrize;
        int hits;
    };
    // N = 10 leaves the last 10 draws to test; type 2 pays 6 per euro for 2 hits.
    for (const Case& c : {Case{kOverdue, 2, 0, -20, 10, 0, 0}, Case{kFavourites, 5, 300, 0, 0, 10, 2}}) {
        const StrategyTestResult r = runStrategyTest(h, params(c.strategy, 2, 10, c.stake));
        ASSERT_EQ(r.draws.size(), 10u);
        EXPECT_EQ(r.draws.front().position, 10);
        EXPECT_EQ(r.stake, 10 * c.stake);
        EXPECT_EQ(r.winnings, c.winnings);
        EXPECT_EQ(r.lowestBalance, c.lowestBalance);
        EXPECT_EQ(r.longestLosingStreak, c.longestLosingRun);
        EXPECT_EQ(r.winningDraws, c.drawsWithPrize);
        EXPECT_EQ(r.hitCount[c.hits], 10);
        EXPECT_DOUBLE_EQ(r.returnRate(), 100.0 * c.winnings / (10 * c.stake));
        EXPECT_EQ(r.draws.back().balance, c.winnings - 10 * c.stake);
        EXPECT_NEAR(r.expectedHits[2], 10 * 190.0 / 2415.0, 1e-12);
        EXPECT_FALSE(r.stopped);
    }
}

TEST(runStrategyTest, RunningBalanceRunsAndCountsFollowTheDraws) {
    const DrawHistory h = generatedHistory(900, QDate(2012, 3, 5), 3);
    const StrategyTestResult r = runStrategyTest(h, params(kOverdueAndFavourites, 3, 50, 2));
    ASSERT_EQ(r.draws.size(), 850u);
    long long balance = 0, lowest = 0;
    int run = 0, longest = 0, won = 0;
    std::vector<int> hits(4, 0);
    for (const TestedDraw& z : r.draws) {
        EXPECT_EQ(z.tip.count(), 3);
        EXPECT_EQ(z.winnings, payoutFactor(3, z.hitCount) * 2);
        balance += z.winnings - 2;
        EXPECT_EQ(z.balance, balance);
        lowest = std::min(lowest, balance);
        run = z.winnings > 0 ? 0 : run + 1;
        longest = std::max(longest, run);
        won += z.winnings > 0;
        ++hits[z.hitCount];
    }
    EXPECT_EQ(r.lowestBalance, lowest);
    EXPECT_LT(lowest, 0);
    EXPECT_EQ(r.longestLosingStreak, longest);
    EXPECT_EQ(r.winningDraws, won);
    EXPECT_EQ(r.hitCount, hits);
    EXPECT_EQ(r.winnings, balance + 1700);
}

TEST(runStrategyTest, ATipDependsNeitherOnLaterDrawsNorOnTheRange) {
    const DrawHistory all = generatedHistory(600, QDate(2015, 6, 1), 8);
    const DrawHistory early(all.begin(), all.begin() + 400);
    for (int strategy = 0; strategy < kTipStrategyCount; ++strategy) {
        const StrategyTestResult full = runStrategyTest(all, params(strategy, 6, 100));
        const StrategyTestResult part = runStrategyTest(early, params(strategy, 6, 100));
        StrategyTestParameters ranged = params(strategy, 6, 100);
        ranged.from = wholeDay(all[250].datum);
        ranged.to = wholeDay(all[300].datum);
        const StrategyTestResult window = runStrategyTest(all, ranged);
        ASSERT_EQ(part.draws.size(), 300u);
        ASSERT_EQ(window.draws.size(), 51u);
        for (std::size_t i = 0; i < part.draws.size(); ++i) {
            EXPECT_EQ(part.draws[i].tip, full.draws[i].tip);
            EXPECT_EQ(part.draws[i].randomHitCount, full.draws[i].randomHitCount);
        }
        for (std::size_t i = 0; i < window.draws.size(); ++i)
            EXPECT_EQ(window.draws[i].tip, full.draws[i + 150].tip);
        // Another seed, other tips.
        const StrategyTestResult other = runStrategyTest(early, params(strategy, 6, 100, 1, 18));
        int same = 0;
        for (std::size_t i = 0; i < part.draws.size(); ++i)
            same += other.draws[i].tip == part.draws[i].tip;
        EXPECT_LT(same, 5);
    }
}

TEST(runStrategyTest, RandomTipsHitAsTheOddsSay) {
    const DrawHistory h = generatedHistory(7000, QDate(2004, 2, 2), 21);
    for (int typ : {4, 7, 10}) {
        const StrategyTestResult r = runStrategyTest(h, params(kRandom, typ, 0, 1, 2024));
        ASSERT_EQ(r.draws.size(), 6999u);
        // Chi-square over the hit counts, the rare tail merged so every cell expects >= 5.
        double chi = 0, observedTail = 0, expectedTail = 0;
        int cells = 0;
        for (int hh = typ; hh >= 0; --hh) {
            observedTail += r.hitCount[hh];
            expectedTail += r.expectedHits[hh];
            if (expectedTail >= 5) {
                chi += (observedTail - expectedTail) * (observedTail - expectedTail) / expectedTail;
                ++cells;
                observedTail = expectedTail = 0;
            }
        }
        // df = cells - 1 ≤ 7; 24.3 is the 0.1 % quantile for 7 degrees of freedom.
        EXPECT_LT(chi, 24.3) << typ;
        EXPECT_GE(cells, 4);
        // The baseline is the same "Zufall" draw.
        EXPECT_EQ(r.randomWinnings, r.winnings);
        EXPECT_NEAR(r.returnRate(), 100 * oddsOfType(typ).returnRate(), typ == 10 ? 60 : 8);
    }
}

TEST(runStrategyTest, PlaceholdersAreNoDrawsAndNeedEnoughDrawsBefore) {
    DrawHistory h = sameDraws();
    h.insert(h.begin() + 5, draw(QDate(2030, 1, 1), {})); // a placeholder counts for nothing
    const StrategyTestResult r = runStrategyTest(h, params(kFavourites, 2, 10));
    ASSERT_EQ(r.draws.size(), 10u);
    EXPECT_EQ(r.draws.front().position, 11);
    EXPECT_EQ(runStrategyTest(h, params(kFavourites, 2, 20)).draws.size(), 0u);
    // N = 0 needs one draw before: every draw but the first.
    EXPECT_EQ(runStrategyTest(h, params(kFavourites, 2, 0)).draws.size(), 19u);
}

TEST(runStrategyTest, StopsBetweenDrawsAndReportsProgress) {
    const DrawHistory h = generatedHistory(1000);
    std::atomic<bool> stop{false};
    std::vector<std::pair<int, int>> reports;
    const StrategyTestResult r =
        runStrategyTest(h, params(kOverdue, 5, 313), &stop, [&](int done, int total) {
            reports.emplace_back(done, total);
            if (done >= 256)
                stop = true;
        });
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.draws.size(), 256u);
    ASSERT_GE(reports.size(), 2u);
    EXPECT_EQ(reports.front(), std::make_pair(256, 687));
    EXPECT_EQ(reports.back(), std::make_pair(256, 687));
}

TEST(runStrategyTest, RefusesParametersItCannotTest) {
    const DrawHistory h = sameDraws();
    for (const StrategyTestParameters& p : {params(4, 2, 0), params(-1, 2, 0), params(0, 1, 0),
                                            params(0, 11, 0), params(0, 2, 0, 3), params(0, 2, -1)}) {
        EXPECT_FALSE(strategyTestError(p).isEmpty());
        EXPECT_THROW(runStrategyTest(h, p), Error);
    }
    for (int e : {1, 2, 5, 10})
        EXPECT_TRUE(strategyTestError(params(0, 2, 0, e)).isEmpty());
}

} // namespace
