#include "logic/statistics/chi_square.h"
#include "logic/statistics/number_frequency_test.h"
#include "logic/statistics/number_statistics.h"
#include "tools/generated_history.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace talvo::logic;

namespace {

// The chi-square density integrated from x to far out by Simpson's rule: slow, but
// independent of the incomplete gamma function the program uses.
double integratedUpperTail(double x, int degrees) {
    const double k = degrees / 2.0;
    const auto density = [k](double t) {
        return t <= 0.0 ? 0.0
                        : std::exp((k - 1.0) * std::log(t) - t / 2.0 - k * std::log(2.0) - std::lgamma(k));
    };
    const double end = x + 40.0 * std::sqrt(2.0 * degrees) + 200.0;
    const int steps = 200000;
    const double h = (end - x) / steps;
    double sum = density(x) + density(end);
    for (int i = 1; i < steps; ++i)
        sum += density(x + i * h) * (i % 2 == 1 ? 4.0 : 2.0);
    return sum * h / 3.0;
}

struct TailCase {
    double x;
    int degrees;
};

class ChiSquareTail : public testing::TestWithParam<TailCase> {};

TEST_P(ChiSquareTail, AgreesWithTheIntegratedDensity) {
    const TailCase c = GetParam();
    EXPECT_NEAR(chiSquareUpperTail(c.x, c.degrees), integratedUpperTail(c.x, c.degrees), 1e-7)
        << "x = " << c.x << ", df = " << c.degrees;
}

INSTANTIATE_TEST_SUITE_P(Table, ChiSquareTail,
                         testing::Values(TailCase{1.0, 3}, TailCase{5.0, 4}, TailCase{40.0, 69},
                                         TailCase{69.0, 69}, TailCase{72.5, 69}, TailCase{90.0, 69},
                                         TailCase{120.0, 69}, TailCase{200.0, 69}));

TEST(ChiSquareTail, ClosedFormsAndEdges) {
    // Two degrees of freedom: the tail is exp(−x/2).
    for (double x : {0.5, 2.0, 10.0})
        EXPECT_NEAR(chiSquareUpperTail(x, 2), std::exp(-x / 2.0), 1e-14);
    // One degree: a squared standard normal.
    EXPECT_NEAR(chiSquareUpperTail(1.96 * 1.96, 1), 0.0499957902964, 1e-10);
    EXPECT_DOUBLE_EQ(chiSquareUpperTail(0.0, 69), 1.0);
    EXPECT_LT(chiSquareUpperTail(1000.0, 69), 1e-100);
}

TEST(UnusualNumbers, SidakLimitForSeventyTestsAtFivePercent) {
    // 1 − 0.95^(1/70) = 0.000732…, split over both tails.
    EXPECT_NEAR(unusualNumberLimit(), 3.375, 0.005);
    EXPECT_NEAR(1.0 - std::pow(1.0 - normalTwoSidedTail(unusualNumberLimit()), 70), 0.05, 1e-9);
    EXPECT_TRUE(isUnusualNumber(3.39));
    EXPECT_TRUE(isUnusualNumber(-3.39));
    EXPECT_FALSE(isUnusualNumber(3.37));
}

// Seven draws: E = 20 · 7 / 70 = 2 for every number. Numbers 1 and 2 drawn 4 and 0 times,
// all others twice: Σ (O − E)² / E = (4 + 4) / 2 = 4, T = 69/50 · 4 = 5,52. z of number
// 1 = 2 / √(7 · 10/49) = 2 / √(10/7).
TEST(NumberFrequencyTest, SmallExampleByHand) {
    std::vector<int> counts(70, 2);
    counts[0] = 4;
    counts[1] = 0;
    const NumberFrequencyTest t = testNumberFrequencies(counts, 7);
    EXPECT_NEAR(t.statistic, 5.52, 1e-12);
    EXPECT_EQ(t.degrees, 69);
    EXPECT_NEAR(t.pValue, integratedUpperTail(5.52, 69), 1e-9);
    EXPECT_NEAR(t.zScores[0], 2.0 / std::sqrt(10.0 / 7.0), 1e-12);
    EXPECT_NEAR(t.zScores[1], -2.0 / std::sqrt(10.0 / 7.0), 1e-12);
    EXPECT_DOUBLE_EQ(t.zScores[2], 0.0);
}

TEST(NumberFrequencyTest, WithoutDrawsNothingDeviates) {
    const NumberFrequencyTest t = testNumberFrequencies(std::vector<int>(70, 0), 0);
    EXPECT_DOUBLE_EQ(t.statistic, 0.0);
    EXPECT_DOUBLE_EQ(t.pValue, 1.0);
    EXPECT_EQ(t.zScores.size(), 70u);
}

// Uniform random histories: T has mean 69 and the p-values spread evenly.
TEST(NumberFrequencyTest, PValuesOfRandomHistoriesSpreadEvenly) {
    int below5 = 0;
    int belowHalf = 0;
    double sumOfT = 0.0;
    double sumOfSquares = 0.0;
    constexpr int kSeeds = 200;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        ClassSets sets;
        const FrequencyResult r = numberStatistic(
            talvo::tools::generatedHistory(313, QDate(2004, 2, 2), static_cast<quint32>(seed)), 0, sets);
        const NumberFrequencyTest t = testNumberFrequencies(r.occurrences, r.drawCount);
        below5 += t.pValue < 0.05 ? 1 : 0;
        belowHalf += t.pValue < 0.5 ? 1 : 0;
        sumOfT += t.statistic;
        sumOfSquares += t.statistic * t.statistic;
    }
    // 10 expected below 5 %, 100 below 50 %; the bounds lie about three standard errors out.
    EXPECT_GE(below5, 2);
    EXPECT_LE(below5, 20);
    EXPECT_GE(belowHalf, 79);
    EXPECT_LE(belowHalf, 121);
    const double mean = sumOfT / kSeeds;
    EXPECT_NEAR(mean, 69.0, 3.0);
    // A chi-square with 69 degrees of freedom has variance 138; the plain sum, unscaled,
    // would have a mean of 50.
    EXPECT_NEAR(sumOfSquares / kSeeds - mean * mean, 138.0, 45.0);
}

TEST(NumberFrequencyTest, Sentences) {
    NumberFrequencyTest t = testNumberFrequencies(std::vector<int>(70, 2), 7);
    t.drawCount = 313;
    t.pValue = 0.43;
    EXPECT_EQ(numberFrequencyTestSentence(t),
              "Eine so große Abweichung entsteht bei 313 Ziehungen auch rein zufällig in 43 % der Fälle.");
    t.pValue = 0.004;
    t.drawCount = 6884;
    EXPECT_EQ(numberFrequencyTestSentence(t),
              "Eine so große Abweichung entsteht bei 6.884 Ziehungen auch rein "
              "zufällig in weniger als 1 % der Fälle.");
    EXPECT_EQ(
        unusualNumbersSentence(t),
        "Keine Zahl weicht so weit ab, dass es bei 70 Zahlen mehr als Zufall sein müsste (|z| über 3,38).");
    t.zScores[5] = 3.5;
    t.zScores[41] = -3.4;
    EXPECT_EQ(unusualNumbersSentence(t),
              "Auffällig (|z| über 3,38, bei 70 Zahlen nur in 5 % der Fälle zufällig): 6, 42.");
}

} // namespace
