#include "logic/statistics/absences.h"
#include "support/builders.h"
#include "support/generated_history.h"

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
    const Abwesenheiten a = StatAusgeblieben(ZiehungsMengen(history));
    EXPECT_EQ(a.seit[41], 0);
    EXPECT_EQ(a.seit[60], 0);
    EXPECT_EQ(a.seit[21], 1);
    EXPECT_EQ(a.seit[1], 2);
    EXPECT_EQ(a.seit[61], 3); // never drawn: every stored draw
    std::vector<int> expected;
    for (int start : {41, 21, 1, 61})
        for (int n = start; n < start + (start == 61 ? 10 : 20); ++n)
            expected.push_back(n);
    EXPECT_EQ(a.ordnung, expected);
}

TEST(Absences, PlaceholdersAreNoDraws) {
    const DrawHistory history = {draw(QDate(2024, 1, 1), run20(1)), draw(QDate(2024, 1, 2), {}),
                                 draw(QDate(2024, 1, 3), run20(3))};
    EXPECT_EQ(ZiehungsMengen(history).size(), 2u);
    const Abwesenheiten a = StatAusgeblieben(ZiehungsMengen(history));
    EXPECT_EQ(a.seit[1], 1);
    EXPECT_EQ(a.seit[3], 0);
    EXPECT_EQ(a.seit[23], 2);
}

TEST(Absences, EmptyHistoryGivesZeroAndNaturalOrder) {
    const Abwesenheiten a = StatAusgeblieben({});
    for (int n = 1; n <= 70; ++n)
        EXPECT_EQ(a.seit[n], 0);
    EXPECT_EQ(a.ordnung, oneToSeventy());
}

TEST(Absences, NumbersAwayForMoreThanThousandDrawsAreNotPlaced) {
    DrawHistory history;
    history.push_back(draw(QDate(2004, 2, 2), run20(51))); // 51..70 once, long ago
    for (int i = 1; i <= 1001; ++i)
        history.push_back(draw(QDate(2004, 2, 2).addDays(i), run20(1 + (i % 2) * 25)));
    const Abwesenheiten a = StatAusgeblieben(ZiehungsMengen(history));
    EXPECT_EQ(a.seit[51], 1001);
    EXPECT_EQ(a.seit[46], 1002); // 21..25 and 46..50 never drawn
    EXPECT_EQ(a.seit[21], 1002);
    EXPECT_EQ(a.ordnung.size(), 40u);
    const Abwesenheiten real =
        StatAusgeblieben(ZiehungsMengen(talvo::test::generatedHistory(500, QDate(2004, 2, 2), 2)));
    EXPECT_EQ(real.ordnung.size(), 70u);
    for (std::size_t i = 1; i < real.ordnung.size(); ++i) {
        const int a1 = real.seit[real.ordnung[i - 1]], a2 = real.seit[real.ordnung[i]];
        EXPECT_TRUE(a1 < a2 || (a1 == a2 && real.ordnung[i - 1] < real.ordnung[i]));
    }
}

} // namespace
