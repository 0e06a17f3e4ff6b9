#include "logic/core/program_state.h"
#include "logic/statistics/statistik.h"
#include "support/builders.h"
#include "support/generated_history.h"

#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

TEST(Statistik, DrawSetsAndAbsencesFollowTheHistory) {
    ProgramState state;
    state.setHistory({draw(QDate(2024, 1, 1), run20(1))});
    Statistik statistik(state);
    EXPECT_EQ(statistik.ziehungen(), 1);
    EXPECT_EQ(statistik.abwesenheiten().seit[21], 1);
    int emitted = 0;
    QObject::connect(&statistik, &Statistik::abwesenheitenBerechnet, [&] { ++emitted; });

    DrawHistory longer = state.history();
    longer.push_back(draw(QDate(2024, 1, 2), run20(21)));
    longer.push_back(draw(QDate(2024, 1, 3), {})); // a day still without numbers
    state.setHistory(longer);
    EXPECT_EQ(emitted, 1);
    EXPECT_EQ(statistik.ziehungen(), 2);
    EXPECT_EQ(statistik.abwesenheiten().seit[21], 0);
    EXPECT_EQ(statistik.abwesenheiten().seit[1], 1);
    EXPECT_EQ(statistik.abwesenheiten().ordnung.front(), 21);
}

TEST(Statistik, FrequencyRunReplacesTheClassSets) {
    ProgramState state;
    state.KlassenMengen.at(3, 6).insert(5); // left over from an earlier run
    Statistik statistik(state);
    int runs = 0;
    QObject::connect(&statistik, &Statistik::haeufigkeitenBerechnet, [&] { ++runs; });
    statistik.HaeufigkeitenBerechnen(0);
    EXPECT_EQ(runs, 0); // no draws: nothing runs
    EXPECT_TRUE(state.KlassenMengen.at(3, 6).contains(5));
    EXPECT_FALSE(statistik.ergebnis(StatArt::Zahlen).has_value());

    state.setHistory(talvo::test::generatedHistory(100, QDate(2004, 2, 2), 12));
    statistik.HaeufigkeitenBerechnen(50);
    EXPECT_EQ(runs, 1);
    for (auto art : {StatArt::Zahlen, StatArt::Endzahlen, StatArt::Zehner})
        EXPECT_EQ(statistik.ergebnis(art)->W, 50);
    // Every classified number sits in the level of its class.
    const StatErgebnis& zahlen = *statistik.ergebnis(StatArt::Zahlen);
    for (int n = 1; n <= 70; ++n) {
        const int level = klassenStufe(zahlen.klasse[static_cast<std::size_t>(n - 1)]);
        for (int l = 1; l <= kStufen; ++l)
            EXPECT_EQ(state.KlassenMengen.at(1, l).contains(n), l == level) << n;
    }
    const std::vector<int> order = statistik.haeufigkeitsOrdnung();
    EXPECT_EQ(zahlen.anzahl[static_cast<std::size_t>(order.front() - 1)],
              *std::min_element(zahlen.anzahl.begin(), zahlen.anzahl.end()));
}

TEST(Statistik, FrequencyOrderBeforeAnyRunIsNatural) {
    ProgramState state;
    Statistik statistik(state);
    const std::vector<int> order = statistik.haeufigkeitsOrdnung();
    ASSERT_EQ(order.size(), 70u);
    EXPECT_EQ(order.front(), 1);
    EXPECT_EQ(order.back(), 70);
}

} // namespace
