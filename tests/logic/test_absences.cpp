#include "logic/statistics/absences.h"
#include "support/builders.h"
#include "tools/generated_history.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

std::vector<int> oneToSeventy() {
    std::vector<int> v(70);
    std::iota(v.begin(), v.end(), 1);
    return v;
}

TEST(Absences, CountDrawsSinceTheLastAppearance) {
    // Newest last: 1..20, then 21..40, then 41..60.
    const DrawHistory history = {draw(QDate(2024, 1, 1), run20(1)), draw(QDate(2024, 1, 2), run20(21)),
                                 draw(QDate(2024, 1, 3), run20(41))};
    const Absences a = computeAbsences(collectDrawSets(history));
    EXPECT_EQ(a.drawsSince[41], 0);
    EXPECT_EQ(a.drawsSince[60], 0);
    EXPECT_EQ(a.drawsSince[21], 1);
    EXPECT_EQ(a.drawsSince[1], 2);
    EXPECT_EQ(a.drawsSince[61], 3); // never drawn: every stored draw
    std::vector<int> expected;
    for (int start : {41, 21, 1, 61})
        for (int n = start; n < start + (start == 61 ? 10 : 20); ++n)
            expected.push_back(n);
    EXPECT_EQ(a.ranking, expected);
}

TEST(Absences, PlaceholdersAreNoDraws) {
    const DrawHistory history = {draw(QDate(2024, 1, 1), run20(1)), draw(QDate(2024, 1, 2), {}),
                                 draw(QDate(2024, 1, 3), run20(3))};
    EXPECT_EQ(collectDrawSets(history).size(), 2u);
    const Absences a = computeAbsences(collectDrawSets(history));
    EXPECT_EQ(a.drawsSince[1], 1);
    EXPECT_EQ(a.drawsSince[3], 0);
    EXPECT_EQ(a.drawsSince[23], 2);
}

TEST(Absences, EmptyHistoryGivesZeroAndNaturalOrder) {
    const Absences a = computeAbsences({});
    for (int n = 1; n <= 70; ++n)
        EXPECT_EQ(a.drawsSince[n], 0);
    EXPECT_EQ(a.ranking, oneToSeventy());
}

TEST(Absences, NumbersAwayForMoreThanThousandDrawsAreNotPlaced) {
    DrawHistory history;
    history.push_back(draw(QDate(2004, 2, 2), run20(51))); // 51..70 once, long ago
    for (int i = 1; i <= 1001; ++i)
        history.push_back(draw(QDate(2004, 2, 2).addDays(i), run20(1 + (i % 2) * 25)));
    const Absences a = computeAbsences(collectDrawSets(history));
    EXPECT_EQ(a.drawsSince[51], 1001);
    EXPECT_EQ(a.drawsSince[46], 1002); // 21..25 and 46..50 never drawn
    EXPECT_EQ(a.drawsSince[21], 1002);
    EXPECT_EQ(a.ranking.size(), 40u);
    const Absences real =
        computeAbsences(collectDrawSets(talvo::tools::generatedHistory(500, QDate(2004, 2, 2), 2)));
    EXPECT_EQ(real.ranking.size(), 70u);
    for (std::size_t i = 1; i < real.ranking.size(); ++i) {
        const int a1 = real.drawsSince[real.ranking[i - 1]], a2 = real.drawsSince[real.ranking[i]];
        EXPECT_TRUE(a1 < a2 || (a1 == a2 && real.ranking[i - 1] < real.ranking[i]));
    }
}

} // namespace
