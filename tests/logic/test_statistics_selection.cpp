#include "logic/state/program_state.h"
#include "logic/state/statistics_selection.h"
#include "logic/statistics/frequency_statistics.h"
#include "support/builders.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

constexpr int kTenDraws = 1; // into the draw-count table

// n draws of the numbers 1..20, one a day from 01.01.2024.
DrawHistory sameDraws(int n) {
    DrawHistory history;
    for (int i = 0; i < n; ++i)
        history.push_back(draw(QDate(2024, 1, 1).addDays(i), run20(1)));
    return history;
}

void expectClassSetsOf(const ClassSets& shown, const DrawHistory& history, int n) {
    const ClassSets expected = computeFrequencyStatistics(history, n).classSets;
    for (int kind = 1; kind <= 3; ++kind)
        for (int level = 1; level <= kLevelCount; ++level)
            EXPECT_EQ(shown.at(kind, level), expected.at(kind, level)) << kind << ' ' << level;
}

TEST(StatisticsSelection, ChangingTheHistoryComputesTheChoiceAgain) {
    ProgramState state;
    state.setHistory(sameDraws(12));
    StatisticsSelection selection(state);
    selection.setDrawCountIndex(kTenDraws);
    const Statistics& statistics = selection.statistics();
    ASSERT_EQ(statistics.result(StatisticKind::Numbers)->occurrences[0], 10);
    ASSERT_EQ(statistics.result(StatisticKind::Numbers)->occurrences[20], 0);
    QSignalSpy applied(&selection, &StatisticsSelection::drawCountApplied);
    QSignalSpy classSetsChanged(&statistics, &Statistics::classSetsChanged);

    // A draw stored anywhere: nobody but the state is told.
    DrawHistory longer = state.history();
    longer.push_back(draw(QDate(2024, 1, 13), run20(21)));
    state.setHistory(longer);

    const FrequencyResult& numbers = *statistics.result(StatisticKind::Numbers);
    EXPECT_EQ(numbers.drawCount, 10);
    EXPECT_EQ(numbers.occurrences[0], 9);  // number 1 left one draw of the last ten
    EXPECT_EQ(numbers.occurrences[20], 1); // number 21 came with the new draw
    ASSERT_EQ(applied.count(), 1);
    EXPECT_EQ(applied.at(0).at(0).toInt(), kTenDraws);
    EXPECT_EQ(classSetsChanged.count(), 1);
    expectClassSetsOf(statistics.classSets(), longer, 10);
    EXPECT_EQ(statistics.frequencyOrder(), computeFrequencyStatistics(longer, 10).frequencyOrder());
}

TEST(StatisticsSelection, AChoiceMadeWithoutDrawsIsComputedWhenTheyArrive) {
    ProgramState state;
    StatisticsSelection selection(state);
    QSignalSpy applied(&selection, &StatisticsSelection::drawCountApplied);
    selection.setDrawCountIndex(kTenDraws);
    EXPECT_EQ(applied.count(), 0);
    EXPECT_FALSE(selection.statistics().result(StatisticKind::Numbers).has_value());

    // The statistics take in the new draws before the choice is counted over them.
    state.setHistory(sameDraws(15));
    ASSERT_EQ(applied.count(), 1);
    ASSERT_TRUE(selection.statistics().result(StatisticKind::Numbers).has_value());
    EXPECT_EQ(selection.statistics().result(StatisticKind::Numbers)->drawCount, 10);
    expectClassSetsOf(selection.statistics().classSets(), state.history(), 10);
}

TEST(StatisticsSelection, BeforeAnyChoiceAHistoryIsNotCounted) {
    // At start the history is loaded before the stored choice is made; counting it
    // before that choice would only be thrown away.
    ProgramState state;
    StatisticsSelection selection(state);
    QSignalSpy computed(&selection.statistics(), &Statistics::frequenciesComputed);
    state.setHistory(sameDraws(15));
    EXPECT_EQ(computed.count(), 0);
    EXPECT_EQ(selection.statistics().drawCount(), 15);

    selection.setDrawCountIndex(kTenDraws);
    EXPECT_EQ(computed.count(), 1);
    EXPECT_EQ(selection.statistics().result(StatisticKind::Numbers)->drawCount, 10);
}

} // namespace
