#include "logic/core/draw_calendar.h"
#include "logic/settings/options_file.h"
#include "logic/statistics/frequency_classes.h"
#include "logic/tips/game_draw.h"
#include "logic/tips/slip_from_tip.h"
#include "logic/tips/tip_generator.h"
#include "support/builders.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

TipResult tipWithGames(const std::array<int, kTipGames>& types) {
    ClassSets m;
    for (int n = 1; n <= 12; ++n)
        m.at(1, 1).insert(n);
    TipGenerator g;
    QRandomGenerator rng = tipRandomGenerator(5);
    return g.generate(m, kOverdue, types, rng);
}

TEST(slipFromTip, WritesTheGamesInOrderWithTheOptionsSlipSettings) {
    const TipResult t = tipWithGames({0, 4, 0, 6, 0});
    OptionsRecord e;
    e.einsatzIndex = 2;
    e.laufzeitIndex = 7;
    e.plus5Mitspiel = 1;
    const int wednesday = static_cast<int>(dateToSerial(QDate(2024, 5, 15)));
    const SlipRecord s = slipFromTip(t.tip, e, wednesday, DrawCalendar());
    EXPECT_EQ(s.typ, (std::array<std::uint8_t, 5>{4, 6, 0, 0, 0}));
    EXPECT_EQ(s.KastDef, 2);
    for (int k = 0; k < 2; ++k) {
        const auto numbers = toNumberList(t.tip.games[k].numbers, 10, 70);
        EXPECT_TRUE(std::equal(numbers.begin(), numbers.end(), s.typZ[k].begin()));
        EXPECT_EQ(s.typZ[k][numbers.size()], 0);
    }
    EXPECT_EQ(s.typZ[2], (std::array<std::uint8_t, 10>{}));
    EXPECT_TRUE(s.plus5.text().isEmpty()); // the player types the number of the slip in
    EXPECT_EQ(s.einsatz, 2);
    EXPECT_EQ(s.dauer, 7);
    EXPECT_EQ(s.p5, 1);
    EXPECT_EQ(s.ab, wednesday);
    EXPECT_EQ(s.name.text(), "");
    EXPECT_EQ(s.Nr, 0);
    EXPECT_EQ(s.TGNR, 0);

    // Before any tip: no game, an empty slip; a damaged options record gives valid indexes.
    e.einsatzIndex = -1;
    e.laufzeitIndex = 99;
    const SlipRecord empty = slipFromTip(Tip{}, e, wednesday, DrawCalendar());
    EXPECT_EQ(empty.KastDef, 0);
    EXPECT_EQ(empty.typ, (std::array<std::uint8_t, 5>{}));
    EXPECT_EQ(empty.einsatz, 0);
    EXPECT_EQ(empty.dauer, 0);
}

TEST(slipFromTip, FourGamesMakeAFourFieldSlip) {
    const SlipRecord s =
        slipFromTip(tipWithGames({2, 3, 0, 4, 5}).tip, OptionsRecord(), 45000, DrawCalendar());
    EXPECT_EQ(s.KastDef, 4);
    EXPECT_EQ(s.typ, (std::array<std::uint8_t, 5>{2, 3, 4, 5, 0}));
}

TEST(slipFromTip, ASundayStartsOnMondayUnlessSundaysAreDrawn) {
    using talvo::test::draw;
    using talvo::test::run20;
    const DrawHistory weekdays = {draw(QDate(2024, 5, 17), run20(1)), draw(QDate(2024, 5, 18), run20(2))};
    DrawHistory daily = weekdays;
    daily.push_back(draw(QDate(2024, 5, 12), run20(3))); // a Sunday draw: every day is drawn from then on
    struct Case {
        const DrawHistory* history;
        QDate today;
        QDate ab;
    };
    const std::vector<Case> cases = {
        {&weekdays, QDate(2024, 5, 19), QDate(2024, 5, 20)}, // Sunday: the Monday
        {&weekdays, QDate(2024, 5, 18), QDate(2024, 5, 18)}, // Saturday
        {&weekdays, QDate(2024, 5, 20), QDate(2024, 5, 20)},
        {&daily, QDate(2024, 5, 19), QDate(2024, 5, 19)}, // Sundays are drawn
        {&daily, QDate(2024, 5, 5), QDate(2024, 5, 6)},   // a Sunday before the first Sunday draw
    };
    for (const Case& c : cases) {
        const SlipRecord s = slipFromTip(tipWithGames({2, 0, 0, 0, 0}).tip, OptionsRecord(),
                                         static_cast<int>(dateToSerial(c.today)), DrawCalendar(*c.history));
        EXPECT_EQ(serialToDate(s.ab), c.ab) << c.today.toString().toStdString();
    }
}

} // namespace
