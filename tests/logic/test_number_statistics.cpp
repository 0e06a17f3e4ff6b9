#include "logic/statistics/number_statistics.h"
#include "support/builders.h"
#include "tools/generated_history.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::tools::generatedHistory;

namespace {

QStringList texts(const std::array<QString, 7>& r) {
    return {r.begin(), r.end()};
}

struct ThresholdCase {
    StatisticKind kind;
    int w;
    std::array<int, 6> thresholds;
    QStringList rangeTexts;
};

class Thresholds : public testing::TestWithParam<ThresholdCase> {};

TEST_P(Thresholds, FollowTheBinomialExpectation) {
    const ThresholdCase& c = GetParam();
    ClassSets classSets;
    const FrequencyResult r =
        frequencyStatistic(c.kind, generatedHistory(c.w + 5, QDate(2004, 2, 2), 11), c.w, classSets);
    EXPECT_EQ(r.drawCount, c.w);
    EXPECT_EQ(r.numberCount, 20 * c.w);
    EXPECT_EQ(r.thresholds, c.thresholds);
    if (!c.rangeTexts.isEmpty()) {
        EXPECT_EQ(texts(r.rangeTexts), c.rangeTexts);
    }
    EXPECT_EQ(std::accumulate(r.occurrences.begin(), r.occurrences.end(), 0), r.numberCount);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Thresholds,
    testing::Values(
        ThresholdCase{StatisticKind::Numbers,
                      10,
                      {8, 6, 5, 1, 0, 0},
                      {"> 8", "6 bis 8", "5 bis 5", "1 bis 4", "0 bis 0", "irrelevant", "irrelevant"}},
        ThresholdCase{StatisticKind::Numbers,
                      12,
                      {9, 7, 5, 2, 0, 0},
                      {"> 9", "7 bis 9", "5 bis 6", "2 bis 4", "1 bis 0", "irrelevant", "irrelevant"}},
        ThresholdCase{StatisticKind::Numbers,
                      18,
                      {12, 10, 7, 3, 1, 0},
                      {"> 12", "10 bis 12", "7 bis 9", "3 bis 6", "2 bis 1", "0 bis 0", "irrelevant"}},
        ThresholdCase{StatisticKind::Numbers, 313, {118, 108, 99, 80, 71, 61}, {}},
        ThresholdCase{StatisticKind::FinalDigits,
                      10,
                      {33, 28, 24, 16, 12, 7},
                      {"> 33", "28 bis 33", "24 bis 27", "16 bis 23", "15 bis 12", "11 bis 7", "< 7"}},
        ThresholdCase{StatisticKind::Tens, 10, {43, 38, 34, 24, 19, 14}, {}}));

TEST(NumberStatistics, TenDrawsOfNumbers) {
    ClassSets classSets;
    const FrequencyResult r = numberStatistic(generatedHistory(10, QDate(2004, 2, 2), 3), 0, classSets);
    EXPECT_NEAR(r.mu, 2.857142857, 1e-9);
    EXPECT_NEAR(r.sigma, 1.6781914, 1e-6);
    EXPECT_EQ(r.heading, QStringLiteral("Auswertung für 10 Ziehungen (200 Zahlen)"));
    EXPECT_EQ(r.legend, QStringLiteral("200 Zahlen"));
    EXPECT_EQ(r.meanText, QStringLiteral("2,9"));
    // Count -> class for these thresholds.
    const std::vector<std::pair<int, int>> classes = {{0, 5}, {1, 4}, {4, 4}, {5, 3},
                                                      {6, 2}, {8, 2}, {9, 1}, {20, 1}};
    for (auto [x, itemClass] : classes)
        EXPECT_EQ(classify(x, r.thresholds), itemClass) << x;
    for (int n = 1; n <= 70; ++n)
        EXPECT_EQ(r.itemClass[n - 1], classify(r.occurrences[n - 1], r.thresholds));
}

TEST(NumberStatistics, FinalDigitsAndTensOverTenDraws) {
    ClassSets classSets;
    const FrequencyResult digits =
        finalDigitStatistic(generatedHistory(10, QDate(2004, 2, 2), 4), 0, classSets);
    EXPECT_DOUBLE_EQ(digits.mu, 20.0);
    EXPECT_DOUBLE_EQ(digits.sigma, std::sqrt(18.0));
    EXPECT_EQ(digits.items(), 10);
    EXPECT_EQ(tensStatistic(generatedHistory(10, QDate(2004, 2, 2), 4), 0, classSets).items(), 7);
}

TEST(NumberStatistics, ItemsStandForTheirNumbers) {
    EXPECT_EQ(itemNumbers(StatisticKind::FinalDigits, 1), (std::vector<int>{10, 20, 30, 40, 50, 60, 70}));
    EXPECT_EQ(itemNumbers(StatisticKind::FinalDigits, 4), (std::vector<int>{3, 13, 23, 33, 43, 53, 63}));
    EXPECT_EQ(itemNumbers(StatisticKind::Tens, 7),
              (std::vector<int>{61, 62, 63, 64, 65, 66, 67, 68, 69, 70}));
    EXPECT_EQ(itemNumbers(StatisticKind::Numbers, 42), (std::vector<int>{42}));
}

TEST(NumberStatistics, CorrectionsApplyInOrder) {
    // Tiny spreads push thresholds onto each other; each correction separates one pair.
    EXPECT_EQ(computeThresholds(0.0, 0.0), (std::array<int, 6>{-1, 0, 1, 0, 0, 0}));
    EXPECT_EQ(computeThresholds(3.0, 0.4), (std::array<int, 6>{3, 4, 3, 4, 3, 2}));
    // Halves round to the even neighbour: 5.5, 4.5, 3.5, 1.5, 0.5, -0.5.
    EXPECT_EQ(computeThresholds(2.5, 1.0), (std::array<int, 6>{6, 4, 5, 2, 0, 0}));
}

TEST(NumberStatistics, ClassSetsCollectTheClassifiedNumbers) {
    // Ten draws without any number ending in 0: digit 0 is three deviations below.
    talvo::logic::DrawHistory history;
    std::vector<int> numbers;
    for (int n = 1; numbers.size() < 20; ++n)
        if (n % 10 != 0)
            numbers.push_back(n);
    for (int i = 0; i < 10; ++i)
        history.push_back(draw(QDate(2024, 1, 1).addDays(i), numbers));
    ClassSets classSets;
    const FrequencyResult r = finalDigitStatistic(history, 0, classSets);
    EXPECT_EQ(r.itemClass[0], 7);
    EXPECT_EQ(toNumberList(classSets.at(2, 3), 7, 70),
              (std::vector<std::uint8_t>{10, 20, 30, 40, 50, 60, 70}));
    // Numbers drawn ten times of ten are class 1, level 6; never drawn ones class 5, level 1.
    numberStatistic(history, 0, classSets);
    EXPECT_TRUE(classSets.at(1, 6).contains(1));
    EXPECT_TRUE(classSets.at(1, 1).contains(70));
    EXPECT_FALSE(classSets.at(1, 1).contains(1));
    // The routines only add: the digit set is still there.
    EXPECT_TRUE(classSets.at(2, 3).contains(10));
}

TEST(NumberStatistics, WindowCountsRealDrawsOnly) {
    talvo::logic::DrawHistory history = generatedHistory(30, QDate(2004, 2, 2), 5);
    ClassSets classSets;
    const FrequencyResult all = numberStatistic(history, 0, classSets);
    EXPECT_EQ(all.drawCount, 30);
    // A placeholder and a draw holding a number outside 1..70 in the window.
    history.insert(history.end() - 2, draw(QDate(2030, 1, 1), {}));
    history.back().GZ[19] = 71;
    const FrequencyResult last = numberStatistic(history, 10, classSets);
    EXPECT_EQ(last.drawCount, 10);
    EXPECT_EQ(last.numberCount, 200);
    EXPECT_EQ(std::accumulate(last.occurrences.begin(), last.occurrences.end(), 0), 199);
    // More draws asked for than stored: all of them, and the texts say so.
    const FrequencyResult beyond = numberStatistic(history, 313, classSets);
    EXPECT_EQ(beyond.drawCount, 30);
    EXPECT_EQ(beyond.heading, QStringLiteral("Auswertung für 30 Ziehungen (600 Zahlen)"));
}

TEST(NumberStatistics, MeanIsGermanWithOneDecimal) {
    ClassSets classSets;
    EXPECT_EQ(numberStatistic(generatedHistory(50, QDate(2004, 2, 2), 1), 0, classSets).meanText,
              QStringLiteral("14,3"));
    EXPECT_EQ(numberStatistic(generatedHistory(7000, QDate(2004, 2, 2), 1), 0, classSets).meanText,
              QStringLiteral("2.000,0"));
}

TEST(NumberStatistics, FrequencyOrderKeepsNumbersOfEqualCountAscending) {
    std::vector<int> counts(70, 5);
    counts[41] = 2; // 42
    counts[6] = 2;  // 7
    counts[69] = 9; // 70
    counts[0] = 3;  // 1
    const std::vector<int> order = frequencyOrder(counts);
    ASSERT_EQ(order.size(), 70u);
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 4), (std::vector<int>{7, 42, 1, 2}));
    EXPECT_EQ(order.back(), 70);
}

} // namespace

namespace {

// The window's legends read every range from its lower bound up; the class texts keep
// the larger bound first below the mean.
TEST(LegendTexts, EveryRangeFromItsLowerBoundUp) {
    using talvo::logic::ascendingRangeTexts;
    using talvo::logic::classRangeTexts;
    const std::array<int, 6> digits = {33, 28, 24, 16, 12, 7}; // final digits, 10 draws
    EXPECT_EQ(classRangeTexts(digits)[4], "15 bis 12");
    const std::array<QString, 7> legend = ascendingRangeTexts(digits);
    const std::array<QString, 7> expected = {"> 33",      "28 bis 33", "24 bis 27", "16 bis 23",
                                             "12 bis 15", "7 bis 11",  "< 7"};
    EXPECT_EQ(legend, expected);
    // Numbers, 12 draws: "1 bis 0" below the mean, the rest irrelevant.
    const std::array<QString, 7> twelve = ascendingRangeTexts({9, 7, 5, 2, 0, 0});
    EXPECT_EQ(twelve[4], "0 bis 1");
    EXPECT_EQ(twelve[5], "irrelevant");
    EXPECT_EQ(twelve[6], "irrelevant");
    EXPECT_EQ(twelve[2], "5 bis 6");
}

} // namespace
