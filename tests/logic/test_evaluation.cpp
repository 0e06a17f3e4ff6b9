#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"
#include "logic/core/format.h"
#include "logic/core/number_set.h"
#include "logic/core/plus5_odds.h"
#include "logic/evaluation/date_range_check.h"
#include "logic/evaluation/evaluate_slip.h"
#include "logic/evaluation/evaluation.h"
#include "logic/evaluation/evaluation_summary.h"
#include "logic/evaluation/plus5_class.h"
#include "support/builders.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <limits>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::slip;

namespace {

// A history of consecutive draw days (Monday to Saturday) from `first` on; draw i has the
// numbers i+1 .. i+20 (wrapped) and the plus 5 text "1234" + i mod 10.
DrawHistory historyFrom(const QDate& first, int count) {
    DrawHistory h;
    QDate d = first;
    for (int i = 0; i < count; ++i) {
        if (d.dayOfWeek() == Qt::Sunday)
            d = d.addDays(1);
        h.push_back(draw(d, talvo::test::run20(i % 70 + 1), QStringLiteral("1234%1").arg(i % 10)));
        d = d.addDays(1);
    }
    return h;
}

const DaySerial kFarFuture = 90000;

QStringList rowTexts(const ResultTable& t, std::size_t row) {
    QStringList cells;
    for (int c = 0; c < ResultTable::kColumns; ++c)
        cells << t.cell(row, c);
    return cells;
}

QStringList row(std::initializer_list<const char*> cells) {
    QStringList l;
    for (const char* c : cells)
        l << QString::fromUtf8(c);
    return l;
}

NumberSet setOf(std::vector<int> numbers) {
    NumberSet s;
    for (int n : numbers)
        s.insert(n);
    return s;
}

TEST(plus5Class, CountsMatchingFinalDigits) {
    struct Case {
        const char* drawText;
        const char* slipText;
        int prizeClass;
    };
    for (const Case c : {Case{"99345", "12345", 3}, Case{"12345", "12345", 5}, Case{"12346", "12345", 0},
                         Case{"", "12345", 0}, Case{"", "kein", 0}, Case{"01234", "1234", 5},
                         Case{"22345", "12345", 4}, Case{"12355", "12345", 1}, Case{"10045", "12345", 2}}) {
        EXPECT_EQ(plus5Class(QString::fromLatin1(c.drawText), QString::fromLatin1(c.slipText)), c.prizeClass)
            << c.drawText << " " << c.slipText;
    }
}

TEST(plus5Class, TextsThatAreNoNumberFail) {
    EXPECT_THROW(plus5Class(QStringLiteral("12345"), QString()), Error);
    EXPECT_THROW(plus5Class(QStringLiteral("12345"), QStringLiteral("12 45")), Error);
    EXPECT_THROW(plus5Class(QStringLiteral("abcde"), QStringLiteral("12345")), Error);
}

TEST(evaluateSlip, PrizeCellsBalanceAndRowNumbers) {
    // Field 1: type 8 with no hit; field 3: type 6 with 3 hits; field 2 unused.
    SlipRecord s = slip({{1, 2, 3, 4, 5, 6, 7, 8}, {}, {11, 12, 13, 14, 15, 16}}, 1);
    const NumberSet z = setOf({11, 12, 13, 40});
    ResultTable t;
    RunningTotals totals;
    totals.rowNumber = 4;
    evaluateSlip(t, z, QString(), s, totals);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(rowTexts(t, 0), row({"5", "8", "0", "2", "1", "2", "", "2", "0,00"}));
    EXPECT_EQ(rowTexts(t, 1), row({"6", "6", "3", "2", "1", "2", "", "4", "0,00"}));
    EXPECT_EQ(totals.rowNumber, 6);
    EXPECT_EQ(totals.totalPrize, 4);

    // Two hits of the type 6 field pay nothing: the prize cells stay empty.
    ResultTable t2;
    RunningTotals s2;
    evaluateSlip(t2, setOf({11, 12}), QString(), slip({{11, 12, 13, 14, 15, 16}}), s2);
    EXPECT_EQ(rowTexts(t2, 0), row({"1", "6", "2", "1", "", "", "", "", "-1,00"}));
}

TEST(evaluateSlip, PlusFiveIsChargedOncePerSlipOnTheFirstUsedRow) {
    SlipRecord s = slip({{}, {1, 2}, {3, 4}});
    s.p5 = 1;
    s.plus5.setText(QStringLiteral("12345"));
    ResultTable t;
    RunningTotals totals;
    evaluateSlip(t, setOf({1, 2}), QStringLiteral("99345"), s, totals);
    ASSERT_EQ(t.rows.size(), 2u);
    // Three matching final digits win 50 euro on the first row, beside the game's 6.
    EXPECT_EQ(rowTexts(t, 0), row({"1", "2", "2", "1", "6", "6", "3", "56", "54,25"}));
    EXPECT_EQ(rowTexts(t, 1), row({"2", "2", "0", "1", "", "", "", "", "53,25"}));
}

TEST(evaluateSlip, PlusFivePaysTheSamePrizePerLevelWhateverTheStake) {
    struct Case {
        const char* drawText;
        const char* level;
        int prize;
    };
    // The slip's number is 12345; its one field (type 2, stake 10) wins nothing.
    for (const Case c :
         {Case{"99990", "0", 0}, Case{"99995", "1", 2}, Case{"99945", "2", 5}, Case{"99345", "3", 50},
          Case{"92345", "4", 500}, Case{"12345", "5", 5000}, Case{"", "", 0}}) {
        SlipRecord s = slip({{1, 2}}, 3);
        s.p5 = 1;
        s.plus5.setText(QStringLiteral("12345"));
        ResultTable t;
        RunningTotals totals;
        const SlipOutcome outcome =
            evaluateSlip(t, setOf({3, 4}), QString::fromLatin1(c.drawText), s, totals);
        const QString balance = formatNumber(c.prize - 10.75, 2);
        const QString total = c.prize > 0 ? QString::number(c.prize) : QString();
        ASSERT_EQ(t.rows.size(), 1u);
        EXPECT_EQ(rowTexts(t, 0),
                  (QStringList{"1", "2", "0", "10", "", "", QString::fromLatin1(c.level), total, balance}))
            << c.drawText;
        EXPECT_EQ(outcome.plus5Prize, c.prize);
        EXPECT_EQ(outcome.plus5Digits, *c.drawText ? QString::fromLatin1(c.level).toInt() : -1);
        // An unknown plus 5 number is still charged.
        EXPECT_EQ(outcome.stakeCents, 1075);
        EXPECT_EQ(outcome.gamePrize, 0);
    }
}

TEST(evaluateSlip, PlusFivePrizeAddsToTheGameTotalOnItsRow) {
    SlipRecord s = slip({{}, {1, 2}, {3, 4}}, 1);
    s.p5 = 1;
    s.plus5.setText(QStringLiteral("777"));
    ResultTable t;
    RunningTotals totals;
    totals.totalPrize = 100; // an earlier slip of the same table
    // Draw 00777: all five digits match ("00777" = 777).
    evaluateSlip(t, setOf({3, 4}), QStringLiteral("00777"), s, totals);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(rowTexts(t, 0), row({"1", "2", "0", "2", "", "", "5", "5100", "4.997,25"}));
    EXPECT_EQ(rowTexts(t, 1), row({"2", "2", "2", "2", "6", "12", "", "5112", "5.007,25"}));
}

TEST(evaluateSlip, ASlipWithoutGamesPutsItsPlusFivePrizeIntoTheBalanceOnly) {
    SlipRecord s = slip({});
    s.p5 = 1;
    s.plus5.setText(QStringLiteral("45"));
    ResultTable t;
    RunningTotals totals;
    const SlipOutcome outcome = evaluateSlip(t, setOf({1}), QStringLiteral("11145"), s, totals);
    EXPECT_TRUE(t.rows.empty());
    EXPECT_EQ(totals.totalPrize, 0);
    EXPECT_DOUBLE_EQ(totals.balance, 4.25);
    EXPECT_EQ(outcome.plus5Prize, 5);
    EXPECT_EQ(outcome.stakeCents, 75);
}

TEST(evaluateSlip, OddRecordsAreEvaluatedWithoutCrashing) {
    // Types outside the table pick nothing and win nothing; numbers outside 1..70 never hit.
    SlipRecord s = slip({{1, 2}});
    s.typ = {1, 11, 255, 2, 0};
    s.typZ[3] = {0, 200};
    s.einsatz = 9; // no stake of that index
    ResultTable t;
    RunningTotals totals;
    evaluateSlip(t, setOf({1, 2, 70}), QString(), s, totals);
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(rowTexts(t, 0), row({"1", "1", "0", "0", "", "", "", "", "0,00"}));
    EXPECT_EQ(rowTexts(t, 2), row({"3", "255", "0", "0", "", "", "", "", "0,00"}));
    EXPECT_EQ(rowTexts(t, 3), row({"4", "2", "0", "0", "", "", "", "", "0,00"}));

    // A slip without used fields writes no row; its plus 5 stake still counts.
    SlipRecord emptySlip = slip({});
    emptySlip.p5 = 1;
    emptySlip.plus5.setText(QStringLiteral("1"));
    evaluateSlip(t, setOf({1}), QStringLiteral("2"), emptySlip, totals);
    EXPECT_EQ(t.rows.size(), 4u);
    EXPECT_DOUBLE_EQ(totals.balance, -0.75);
}

TEST(evaluateDraw, OneTableForTheWholeFile) {
    const std::vector<SlipRecord> slips = {slip({{1, 2}, {3, 4, 5}}), slip({{6, 7}}, 3),
                                           slip({{1, 9}, {2, 10}})};
    ResultTables out;
    evaluateDraw(slips, setOf({1, 2, 3, 4, 5}), QString(), QStringLiteral("24.02.2024"), out);
    ASSERT_EQ(out.size(), 1u);
    const ResultTable& t = out[0];
    EXPECT_EQ(t.caption, "24.02.2024");
    EXPECT_EQ(t.position, ResultTable::kNoPosition);
    ASSERT_EQ(t.rows.size(), 5u);
    for (std::size_t rowNumber = 0; rowNumber < t.rows.size(); ++rowNumber)
        EXPECT_EQ(t.cell(rowNumber, 0), QString::number(rowNumber + 1));
    // 6 + 16 won; stakes 1 + 1 + 10 + 1 + 1.
    EXPECT_EQ(rowTexts(t, 4), row({"5", "2", "1", "1", "", "", "", "", "8,00"}));
    EXPECT_EQ(t.cell(1, 7), "22");

    ResultTables none;
    evaluateDraw({}, setOf({1}), QString(), QString(), none);
    EXPECT_TRUE(none.empty());
}

TEST(evaluateDraw, TheTotalOfABigFileDoesNotWrapAround) {
    // Every field a type 10 with all ten numbers drawn at 10 euro: 1,000,000 each, and
    // more than two thousand of them in one table.
    const std::vector<int> tenNumbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::vector<SlipRecord> slips(
        440, slip({tenNumbers, tenNumbers, tenNumbers, tenNumbers, tenNumbers}, 3));
    ResultTables out;
    evaluateDraw(slips, setOf(tenNumbers), QString(), QString(), out);
    ASSERT_EQ(out.size(), 1u);
    ASSERT_EQ(out[0].rows.size(), 2200u);
    EXPECT_EQ(rowTexts(out[0], 2199),
              row({"2200", "10", "10", "10", "100000", "1000000", "", "2200000000", "2.199.978.000,00"}));
}

TEST(evaluateRunningTimes, DurationsCoverTheirDraws) {
    const DrawHistory h = historyFrom(QDate(2024, 1, 1), 40);
    struct Case {
        int duration;
        std::size_t tables;
    };
    for (const Case c : {Case{7, 12}, Case{1, 1}, Case{10, 30}, Case{0, 40}}) {
        ResultTables out;
        const SlipRecord s = slip({{1, 2}}, 0, c.duration, QDate(2024, 1, 1), QStringLiteral("Los"));
        EXPECT_EQ(evaluateRunningTimes(std::vector{s}, h, kFarFuture, out), 0);
        ASSERT_EQ(out.size(), c.tables) << c.duration;
        EXPECT_EQ(out.front().caption, "Los: 01.01.2024");
        EXPECT_EQ(out.back().position, static_cast<int>(c.tables) - 1);
    }
}

TEST(evaluateRunningTimes, BalanceRunsOverTheDrawsAndTotalsRestart) {
    const DrawHistory h = historyFrom(QDate(2024, 1, 1), 3); // draws hold 1..20, 2..21, 3..22
    const SlipRecord s = slip({{1, 2}, {21, 22}}, 0, 3, QDate(2024, 1, 1));
    ResultTables out;
    evaluateRunningTimes(std::vector{s}, h, kFarFuture, out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(rowTexts(out[0], 0), row({"1", "2", "2", "1", "6", "6", "", "6", "5,00"}));
    EXPECT_EQ(rowTexts(out[0], 1), row({"2", "2", "0", "1", "", "", "", "", "4,00"}));
    EXPECT_EQ(rowTexts(out[2], 1), row({"2", "2", "2", "1", "6", "6", "", "6", "6,00"}));
}

TEST(evaluateRunningTimes, FutureAndEmptyDrawsAreSkippedButCounted) {
    DrawHistory h = historyFrom(QDate(2024, 1, 1), 10);
    h[2].GZ = {};                           // 03.01.2024 still missing
    const DaySerial now = h[5].datum + 0.5; // noon of 06.01.2024
    ResultTables out;
    evaluateRunningTimes(std::vector{slip({{1, 2}}, 0, 7, QDate(2024, 1, 1))}, h, now, out);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[2].position, 3);
    EXPECT_EQ(out[4].position, 5);
}

TEST(evaluateRunningTimes, ContinuousPlayStopsAfterTenThousandDraws) {
    const DrawHistory h = historyFrom(QDate(2004, 2, 2), kMaxContinuousPlayDraws + 5);
    ResultTables out;
    evaluateRunningTimes(std::vector{slip({{1, 2}}, 0, 0, QDate(2004, 2, 2))}, h, 1.0e6, out);
    ASSERT_EQ(out.size(), static_cast<std::size_t>(kMaxContinuousPlayDraws));
    EXPECT_EQ(out.back().position, kMaxContinuousPlayDraws - 1);
}

TEST(evaluateRunningTimes, AListStopsAtItsCapWithAMessage) {
    const DrawHistory h = historyFrom(QDate(2004, 2, 2), kMaxContinuousPlayDraws);
    const std::vector<SlipRecord> slips(11, slip({{1, 2}}, 0, 0, QDate(2004, 2, 2))); // 110,000 tables
    ResultTables out;
    try {
        evaluateRunningTimes(slips, h, 1.0e6, out);
        FAIL() << "no message";
    } catch (const Error& e) {
        EXPECT_TRUE(
            e.text().startsWith(QStringLiteral("Die Auswertung ergäbe mehr als 100.000 Ergebnistabellen")))
            << e.text().toStdString();
    }
    EXPECT_EQ(out.size(), kMaxResultTables);
    EXPECT_EQ(out.back().rows.size(), 1u); // the last kept table is whole
}

TEST(evaluateRunningTimes, SlipsWithoutDataAndTheirMessages) {
    const DrawHistory h = historyFrom(QDate(2024, 1, 1), 6); // up to 06.01.2024
    const SlipRecord lateSlip = slip({{1, 2}}, 0, 1, QDate(2024, 1, 8));
    const SlipRecord earlySlip = slip({{1, 2}}, 0, 1, QDate(2024, 1, 6));
    ResultTables out;
    EXPECT_EQ(evaluateRunningTimes(std::vector{lateSlip, earlySlip, lateSlip}, h, kFarFuture, out), 2);
    EXPECT_EQ(out.size(), 1u);
    EXPECT_EQ(evaluateRunningTimes(std::vector{earlySlip}, {}, kFarFuture, out), 1);

    EXPECT_EQ(runningTimeMessage(3, 0), QString());
    EXPECT_EQ(runningTimeMessage(2, 2),
              "Keine Auswertung möglich, da für die Laufzeit keine Angaben vorhanden sind.");
    EXPECT_EQ(runningTimeMessage(1, 1), runningTimeMessage(2, 2));
    EXPECT_EQ(runningTimeMessage(3, 1), "Für einen Spielschein war keine Auswertung möglich, da für dessen "
                                        "Laufzeit keine Angaben vorhanden sind.");
    EXPECT_EQ(runningTimeMessage(5, 3),
              "Für 3 Spielscheine war keine Auswertung möglich, da für deren Laufzeiten "
              "keine Angaben vorhanden sind.");
}

TEST(evaluateRunningTimes, ImpossibleStartDatesAreSlipsWithoutData) {
    const DrawHistory h = historyFrom(QDate(2024, 1, 1), 6);
    const DaySerial lastDay = dateToSerial(QDate(9999, 12, 31));
    for (const DaySerial ab :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), lastDay + 1, 1.0e300, -1.0e300}) {
        SlipRecord s = slip({{1, 2}}, 0, 1);
        s.ab = ab;
        ResultTables out;
        EXPECT_EQ(evaluateRunningTimes(std::vector{s}, h, kFarFuture, out), 1) << ab;
        EXPECT_TRUE(out.empty()) << ab;
    }
}

TEST(evaluateRunningTimes, StartWithoutAStoredDrawBeginsAtTheNextDraw) {
    DrawHistory h = historyFrom(QDate(2024, 1, 1), 20);
    h.erase(h.begin() + 8); // 10.01.2024 is missing
    struct Case {
        QDate start;
        int firstPosition;
    };
    for (const Case c :
         {Case{QDate(2024, 1, 7), 6}, Case{QDate(2024, 1, 10), 8}, Case{QDate(2023, 12, 1), 0}}) {
        ResultTables out;
        evaluateRunningTimes(std::vector{slip({{1, 2}}, 0, 4, c.start)}, h, kFarFuture, out);
        ASSERT_EQ(out.size(), 4u) << c.start.toString().toStdString();
        EXPECT_EQ(out.front().position, c.firstPosition);
    }
}

TEST(evaluateRange, CountsDrawDaysWithoutSundays) {
    const DrawCalendar calendar;
    const int monday = static_cast<int>(dateToSerial(QDate(2024, 1, 1)));
    EXPECT_EQ(countDrawDaysInRange(monday, monday + 12, calendar), 12);
    EXPECT_EQ(countDrawDaysInRange(monday, monday, calendar), 1);
    EXPECT_EQ(countDrawDaysInRange(monday, monday + 6, calendar), 6);
    EXPECT_EQ(countDrawDaysInRange(monday, monday + 7 * 52, calendar), 6 * 52 + 1);
    EXPECT_EQ(countDrawDaysInRange(monday - 1, monday + 5, calendar), 7); // fromDate itself always counts
}

TEST(evaluateRange, EverySlipOverTheSameDraws) {
    const DrawHistory h = historyFrom(QDate(2024, 1, 1), 30);
    const std::vector<SlipRecord> slips = {slip({{1, 2}}, 0, 1, QDate(2020, 1, 1), QStringLiteral("A")),
                                           slip({{3, 4}}, 0, 2, QDate(2030, 1, 1), QStringLiteral("B"))};
    const auto tablesFor = [&](const QDate& fromDate, const QDate& toDate) {
        ResultTables out;
        evaluateRange(slips, dateToSerial(fromDate), dateToSerial(toDate) + 0.7, h, kFarFuture, out);
        return out;
    };
    EXPECT_EQ(tablesFor(QDate(2024, 1, 1), QDate(2024, 1, 13)).size(), 24u);
    const ResultTables oneDay = tablesFor(QDate(2024, 1, 3), QDate(2024, 1, 3));
    ASSERT_EQ(oneDay.size(), 2u);
    EXPECT_EQ(oneDay[0].caption, "A: 03.01.2024");
    EXPECT_EQ(oneDay[1].caption, "B: 03.01.2024");
    // A range from a Sunday to the following Saturday covers exactly Monday to Saturday.
    const ResultTables fromSunday = tablesFor(QDate(2024, 1, 7), QDate(2024, 1, 13));
    ASSERT_EQ(fromSunday.size(), 12u);
    EXPECT_EQ(fromSunday[5].caption, "A: 13.01.2024");
    EXPECT_TRUE(tablesFor(QDate(2024, 1, 10), QDate(2024, 1, 9)).empty());
}

// Whatever checkDateRange lets through, evaluateRange evaluates, and the other way round.
TEST(checkDateRange, RefusesExactlyTheRangesEvaluateRangeSkips) {
    const DrawHistory h = historyFrom(QDate(2024, 1, 1), 30);
    const std::vector<SlipRecord> slips = {slip({{1, 2}}, 0, 1, QDate(2020, 1, 1))};
    const DaySerial day = dateToSerial(QDate(2024, 1, 10));
    struct Case {
        DaySerial from;
        DaySerial until;
        bool refused;
    };
    const Case cases[] = {
        {day, day, false},           {day + 0.9, day + 0.1, false}, // the same day, a later hour first
        {day, day + 1, false},       {day - 300, day, false},       {day + 1, day, true},
        {day + 1, day + 0.99, true}, {day + 31, day, true},
    };
    for (const Case& c : cases) {
        const std::optional<QString> problem = checkDateRange(c.from, c.until);
        EXPECT_EQ(problem.has_value(), c.refused) << c.from << " " << c.until;
        if (problem) {
            EXPECT_EQ(*problem, QStringLiteral("Das Datum \"von\" liegt nach dem Datum \"bis\". Bitte den "
                                               "Zeitraum berichtigen."));
        }
        ResultTables out;
        evaluateRange(slips, c.from, c.until, h, kFarFuture, out);
        EXPECT_EQ(out.empty(), c.refused) << c.from << " " << c.until;
    }
}

TEST(EvaluationRun, ABadPlusFiveNumberStopsButKeepsWhatWasWritten) {
    const DrawHistory h = historyFrom(QDate(2024, 1, 1), 5);
    SlipRecord goodSlip = slip({{1, 2}}, 0, 3, QDate(2024, 1, 1), QStringLiteral("gut"));
    SlipRecord badSlip = slip({{1, 2}}, 0, 3, QDate(2024, 1, 1), QStringLiteral("schlecht"));
    badSlip.p5 = 1;
    badSlip.plus5.setText(QStringLiteral("x1"));
    ResultTables out;
    try {
        evaluateRunningTimes(std::vector{goodSlip, badSlip, goodSlip}, h, kFarFuture, out);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("\"schlecht\""))) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(QStringLiteral("\"x1\""))) << e.text().toStdString();
    }
    ASSERT_EQ(out.size(), 4u); // three tables of "gut", the started one of "schlecht"
    EXPECT_TRUE(out.back().rows.empty());

    ResultTables current;
    EXPECT_THROW(
        evaluateDraw(std::vector{goodSlip, badSlip}, setOf({1}), QStringLiteral("12345"), {}, current),
        Error);
    ASSERT_EQ(current.size(), 1u);
    EXPECT_EQ(current[0].rows.size(), 1u);
}

} // namespace

TEST(EvaluationSummary, SumsEachSlipAndKeepsTablesOnlyUpToItsCap) {
    // Draw i holds i+1 .. i+20 and plus 5 "1234" + i.
    const DrawHistory h = historyFrom(QDate(2024, 1, 1), 3);
    SlipRecord a = slip({{1, 2}}, 1, 0, QDate(2024, 1, 1), QStringLiteral("A"));
    a.p5 = 1;
    a.plus5.setText(QStringLiteral("12342"));
    const SlipRecord b = slip({{21, 22, 23}}, 0, 0, QDate(2024, 1, 2), QStringLiteral("B"));
    ResultTables kept;
    EvaluationSummary summary({&kept, 2, true});
    evaluateRunningTimes(std::vector{a, b}, h, kFarFuture, summary);

    EXPECT_EQ(kept.size(), 2u);
    EXPECT_TRUE(summary.tablesCapped());
    ASSERT_EQ(summary.slips().size(), 2u);
    const SlipSummary& sa = summary.slips()[0];
    EXPECT_EQ(sa.name, "A");
    EXPECT_EQ(sa.evaluations, 3);
    EXPECT_EQ(sa.stakeCents, 3 * 275);
    // Draw 0: two hits, 6 x 2; draw 1: one hit; draw 2: none, but plus 5 "12342" matches fully.
    EXPECT_EQ(sa.gamePrize, 12);
    EXPECT_EQ(sa.plus5Prize, 5000);
    EXPECT_EQ(sa.largestPrize, 5000);
    EXPECT_EQ(sa.largestPrizeDate, h[2].datum);
    EXPECT_EQ(sa.hits[2][2], 1);
    EXPECT_EQ(sa.hits[2][1], 1);
    EXPECT_EQ(sa.hits[2][0], 1);
    EXPECT_EQ(sa.plus5Hits[5], 1);
    EXPECT_EQ(sa.plus5Hits[0], 2);
    EXPECT_NEAR(sa.expectedHits(2, 2), 3.0 * 190.0 / 2415.0, 1e-12);
    EXPECT_NEAR(sa.expectedPlus5Hits(5), 3e-5, 1e-15);
    // Per euro: type 2 returns 6 x 190 / 2415; plus 5 returns 0,365 per play.
    EXPECT_NEAR(sa.expectedBalance(), 3 * (2 * 6.0 * 190.0 / 2415.0 + 0.365) - 8.25, 1e-9);

    const SlipSummary& sb = summary.slips()[1];
    EXPECT_EQ(sb.evaluations, 2);
    // Draw 1 (2..21): one hit; draw 2 (3..22): two hits, factor 1.
    EXPECT_EQ(sb.gamePrize, 1);
    const SlipSummary total = summary.total();
    EXPECT_EQ(total.evaluations, 5);
    EXPECT_EQ(total.balanceCents(), (12 + 5000 + 1) * 100 - 3 * 275 - 200);

    // The running balance over both slips, one point per draw.
    const std::vector<BalancePoint> series = summary.balanceSeries();
    ASSERT_EQ(series.size(), 3u);
    EXPECT_DOUBLE_EQ(series[0].balance, 12 - 2.75);
    EXPECT_DOUBLE_EQ(series[2].balance, total.balanceCents() / 100.0);
    EXPECT_NEAR(series[2].expected, total.expectedBalance(), 1e-9);
}

TEST(plus5Odds, ChancesAddUpAndReturnHalfTheStake) {
    double sum = 0;
    for (int digits = 0; digits <= 5; ++digits)
        sum += plus5Probability(digits);
    EXPECT_NEAR(sum, 1.0, 1e-15);
    EXPECT_DOUBLE_EQ(plus5Probability(1), 0.09);
    EXPECT_DOUBLE_EQ(plus5Probability(5), 1e-5);
    EXPECT_EQ(plus5Probability(6), 0.0);
    // 0,18 + 0,045 + 0,045 + 0,045 + 0,05 euro per play of 0,75.
    EXPECT_NEAR(plus5ExpectedPrize(), 0.365, 1e-12);
    EXPECT_NEAR(plus5ReturnRate(), 0.365 / 0.75, 1e-12);
}
