#include "logic/state/program_state.h"
#include "logic/state/statistics.h"
#include "support/builders.h"
#include "tools/generated_history.h"

#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

TEST(Statistics, DrawSetsAndAbsencesFollowTheHistory) {
    ProgramState state;
    state.setHistory({draw(QDate(2024, 1, 1), run20(1))});
    Statistics statistics(state);
    EXPECT_EQ(statistics.drawCount(), 1);
    EXPECT_EQ(statistics.absences().drawsSince[21], 1);
    int emitted = 0;
    QObject::connect(&statistics, &Statistics::absencesComputed, [&] { ++emitted; });

    DrawHistory longer = state.history();
    longer.push_back(draw(QDate(2024, 1, 2), run20(21)));
    longer.push_back(draw(QDate(2024, 1, 3), {})); // a day still without numbers
    state.setHistory(longer);
    EXPECT_EQ(emitted, 1);
    EXPECT_EQ(statistics.drawCount(), 2);
    EXPECT_EQ(statistics.absences().drawsSince[21], 0);
    EXPECT_EQ(statistics.absences().drawsSince[1], 1);
    EXPECT_EQ(statistics.absences().ranking.front(), 21);
}

TEST(Statistics, FrequencyRunReplacesTheClassSets) {
    ProgramState state;
    Statistics statistics(state);
    ClassSets leftOver;
    leftOver.at(3, 6).insert(5); // left over from an earlier run
    statistics.setClassSets(leftOver);
    int runs = 0;
    QObject::connect(&statistics, &Statistics::frequenciesComputed, [&] { ++runs; });
    statistics.computeFrequencies(0);
    EXPECT_EQ(runs, 0); // no draws: nothing runs
    EXPECT_TRUE(statistics.classSets().at(3, 6).contains(5));
    EXPECT_FALSE(statistics.result(StatisticKind::Numbers).has_value());

    state.setHistory(talvo::tools::generatedHistory(100, QDate(2004, 2, 2), 12));
    statistics.computeFrequencies(50);
    EXPECT_EQ(runs, 1);
    for (auto kind : {StatisticKind::Numbers, StatisticKind::FinalDigits, StatisticKind::Tens})
        EXPECT_EQ(statistics.result(kind)->drawCount, 50);
    // Every classified number sits in the level of its class.
    const FrequencyResult& numbersResult = *statistics.result(StatisticKind::Numbers);
    for (int n = 1; n <= 70; ++n) {
        const int level = levelOfClass(numbersResult.itemClass[static_cast<std::size_t>(n - 1)]);
        for (int l = 1; l <= kLevelCount; ++l)
            EXPECT_EQ(statistics.classSets().at(1, l).contains(n), l == level) << n;
    }
    const std::vector<int> order = statistics.frequencyOrder();
    EXPECT_EQ(numbersResult.occurrences[static_cast<std::size_t>(order.front() - 1)],
              *std::min_element(numbersResult.occurrences.begin(), numbersResult.occurrences.end()));
}

TEST(Statistics, FrequencyOrderBeforeAnyRunIsNatural) {
    ProgramState state;
    Statistics statistics(state);
    const std::vector<int> order = statistics.frequencyOrder();
    ASSERT_EQ(order.size(), 70u);
    EXPECT_EQ(order.front(), 1);
    EXPECT_EQ(order.back(), 70);
}

} // namespace
