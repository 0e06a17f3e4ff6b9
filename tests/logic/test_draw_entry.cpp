#include "logic/core/number_set.h"
#include "logic/draws/board_number_toggle.h"
#include "logic/draws/digit_runs.h"
#include "logic/draws/store_draw.h"
#include "support/builders.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

NumberSet firstNumbers(int count, int from = 1) {
    NumberSet s;
    for (int n = from; n < from + count; ++n)
        s.insert(n);
    return s;
}

TEST(extractDigitRuns, EveryDigitRunIsAPiece) {
    struct Case {
        const char* text;
        const char* pieces;
    };
    for (const Case c : {Case{"Ziehung vom 12.03.2024: 3, 7, 12", "12 03 2024 3 7 12"},
                         Case{"1,2;3\n4\r\n5\t6-7/8|9", "1 2 3 4 5 6 7 8 9"}, Case{"  07 008 ", "07 008"},
                         Case{"Zahlen: ä1ö2ü3ß", "1 2 3"}, Case{"", ""}, Case{"nur Buchstaben", ""},
                         Case{"123456789012345678901234567890", "123456789012345678901234567890"},
                         Case{"-5 +6 1.5", "5 6 1 5"}}) {
        EXPECT_EQ(extractDigitRuns(QString::fromUtf8(c.text)).join(u' '), QString::fromUtf8(c.pieces))
            << c.text;
    }
}

TEST(extractDigitRuns, MegabytesOfTextAreFine) {
    QString text;
    text.reserve(3'000'000);
    for (int i = 0; i < 300'000; ++i)
        text += QStringLiteral("abc, %1\n").arg(i % 71);
    const QStringList pieces = extractDigitRuns(text);
    ASSERT_EQ(pieces.size(), 300'000);
    EXPECT_EQ(pieces[70], "70");
    EXPECT_EQ(extractDigitRuns(QString(2'000'000, QLatin1Char('9'))).size(), 1);
}

TEST(toggleBoardNumber, TogglesAtMostTwentyNumbers) {
    NumberSet s;
    EXPECT_EQ(toggleBoardNumber(s, 5), BoardClickResult::Added);
    EXPECT_EQ(toggleBoardNumber(s, 5), BoardClickResult::Removed);
    EXPECT_TRUE(s.empty());
    s = firstNumbers(20);
    EXPECT_EQ(toggleBoardNumber(s, 21), BoardClickResult::Unchanged);
    EXPECT_EQ(s.count(), 20);
    EXPECT_EQ(toggleBoardNumber(s, 20), BoardClickResult::Removed);
    for (int n : {0, 71, -3, 255})
        EXPECT_EQ(toggleBoardNumber(s, n), BoardClickResult::Unchanged) << n;
}

TEST(storeDraw, OnlyTwentyNumbersAreStored) {
    DrawHistory h = talvo::test::drawDays(QDate(2024, 3, 4), 3);
    const DrawHistory before = h;
    EXPECT_FALSE(storeDraw(h, 3, dateToSerial(QDate(2024, 3, 7)), firstNumbers(19), QStringLiteral("1")));
    NumberSet withZero = firstNumbers(19);
    withZero.insert(0);
    EXPECT_FALSE(storeDraw(h, 3, dateToSerial(QDate(2024, 3, 7)), withZero, QString()));
    EXPECT_EQ(h, before);
}

TEST(storeDraw, AppendsAtTheProposedDateAndOverwritesInPlace) {
    DrawHistory h = talvo::test::drawDays(QDate(2024, 3, 4), 3);
    NumberSet z = firstNumbers(20, 40);
    ASSERT_TRUE(storeDraw(h, 3, dateToSerial(QDate(2024, 3, 7)), z, QStringLiteral("1234567")));
    ASSERT_EQ(h.size(), 4u);
    EXPECT_EQ(serialToText(h[3].datum), "07.03.2024");
    EXPECT_EQ(h[3].GZ[0], 40);
    EXPECT_EQ(h[3].GZ[19], 59);
    EXPECT_EQ(h[3].plus5.text(), "12345");

    // Marked in any order, stored ascending; the record keeps its place.
    NumberSet other;
    for (int n : {70, 1, 35, 2, 69, 3, 68, 4, 67, 5, 66, 6, 65, 7, 64, 8, 63, 9, 62, 10})
        other.insert(n);
    ASSERT_TRUE(storeDraw(h, 1, dateToSerial(QDate(2024, 3, 5)), other, QString()));
    ASSERT_EQ(h.size(), 4u);
    EXPECT_EQ(h[1].GZ[0], 1);
    EXPECT_EQ(h[1].GZ[10], 35);
    EXPECT_EQ(h[1].GZ[19], 70);
    EXPECT_EQ(h[1].plus5.text(), "");
}

TEST(storeDraw, MissingDaysAreFilledBackSkippingSundays) {
    DrawHistory h = talvo::test::drawDays(QDate(2024, 3, 7), 1); // Thursday
    // Tuesday of the following week: Friday, Saturday and Monday are missing.
    ASSERT_TRUE(storeDraw(h, 4, dateToSerial(QDate(2024, 3, 12)), firstNumbers(20), QStringLiteral("1")));
    ASSERT_EQ(h.size(), 5u);
    EXPECT_EQ(serialToText(h[1].datum), "08.03.2024");
    EXPECT_EQ(serialToText(h[2].datum), "09.03.2024");
    EXPECT_EQ(serialToText(h[3].datum), "11.03.2024");
    EXPECT_TRUE(h[3].isPlaceholder());
    EXPECT_EQ(h[3].plus5.text(), "");

    DrawHistory empty;
    ASSERT_TRUE(storeDraw(empty, 2, dateToSerial(QDate(2024, 3, 12)), firstNumbers(20), QString()));
    EXPECT_EQ(serialToText(empty[0].datum), "09.03.2024");
}

TEST(storeDraw, FirstProposalIsTodayOrTheSaturdayBefore) {
    EXPECT_EQ(serialToText(proposedFirstDrawDay(static_cast<int>(dateToSerial(QDate(2024, 3, 12))))),
              "12.03.2024");
    EXPECT_EQ(serialToText(proposedFirstDrawDay(static_cast<int>(dateToSerial(QDate(2024, 3, 10))))),
              "09.03.2024");
}

} // namespace
