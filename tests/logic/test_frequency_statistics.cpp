#include "logic/statistics/frequency_statistics.h"
#include "logic/statistics/number_statistics.h"
#include "support/builders.h"
#include "tools/generated_history.h"

#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

constexpr StatisticKind kKinds[] = {StatisticKind::Numbers, StatisticKind::FinalDigits, StatisticKind::Tens};

TEST(computeFrequencyStatistics, EachKindCountsTheLastDrawsIntoClassSetsOfItsOwn) {
    const DrawHistory history = talvo::tools::generatedHistory(120, QDate(2004, 2, 2), 7);
    const FrequencyStatistics statistics = computeFrequencyStatistics(history, 30);

    ClassSets expectedSets;
    for (StatisticKind kind : kKinds) {
        const FrequencyResult expected = frequencyStatistic(kind, history, 30, expectedSets);
        const std::optional<FrequencyResult>& r = statistics.result(kind);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->kind, kind);
        EXPECT_EQ(r->drawCount, 30);
        EXPECT_EQ(r->occurrences, expected.occurrences);
        EXPECT_EQ(r->itemClass, expected.itemClass);
        EXPECT_EQ(r->heading, expected.heading);
    }
    for (int kind = 1; kind <= 3; ++kind)
        for (int level = 1; level <= kLevelCount; ++level)
            EXPECT_EQ(statistics.classSets.at(kind, level), expectedSets.at(kind, level)) << kind << level;

    const std::vector<int> order = statistics.frequencyOrder();
    EXPECT_EQ(order, frequencyOrder(statistics.result(StatisticKind::Numbers)->occurrences));
}

TEST(computeFrequencyStatistics, CountsOnlyRealDraws) {
    DrawHistory history = {draw(QDate(2024, 1, 1), run20(1)), draw(QDate(2024, 1, 2), {}),
                           draw(QDate(2024, 1, 3), run20(21))};
    const FrequencyStatistics statistics = computeFrequencyStatistics(history, 2);
    const FrequencyResult& numbers = *statistics.result(StatisticKind::Numbers);
    EXPECT_EQ(numbers.drawCount, 2); // the empty day between them is no draw
    EXPECT_EQ(numbers.occurrences[0], 1);
    EXPECT_EQ(numbers.occurrences[20], 1);
    EXPECT_EQ(numbers.occurrences[40], 0);
}

TEST(computeFrequencyStatistics, AHistoryWithoutARealDrawHasNothingToCount) {
    for (const DrawHistory& history : {DrawHistory{}, DrawHistory{draw(QDate(2024, 1, 2), {})}}) {
        const FrequencyStatistics statistics = computeFrequencyStatistics(history, 0);
        for (StatisticKind kind : kKinds)
            EXPECT_FALSE(statistics.result(kind).has_value());
        for (int kind = 1; kind <= 3; ++kind)
            for (int level = 1; level <= kLevelCount; ++level)
                EXPECT_TRUE(statistics.classSets.at(kind, level).empty());
        // Without counts every number ties: they keep their natural order.
        const std::vector<int> order = statistics.frequencyOrder();
        ASSERT_EQ(order.size(), 70u);
        for (int n = 1; n <= 70; ++n)
            EXPECT_EQ(order[static_cast<std::size_t>(n - 1)], n);
    }
}

} // namespace
