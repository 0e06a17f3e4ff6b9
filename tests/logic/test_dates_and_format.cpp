#include "logic/core/ansi.h"
#include "logic/core/dates.h"
#include "logic/core/format.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace talvo::logic;

namespace {

TEST(Dates, SerialsAndWeekdays) {
    EXPECT_EQ(dateToSerial(QDate(2004, 2, 2)), kFirstDrawSerial);
    EXPECT_EQ(serialToText(kFirstDrawSerial), "02.02.2004");
    EXPECT_EQ(serialToText(45346.75), "24.02.2024"); // the time of day does not change the day
    EXPECT_EQ(weekdayNumber(kFirstDrawSerial), 2);   // a Monday
    EXPECT_EQ(weekdayNumber(static_cast<int>(dateToSerial(QDate(2024, 2, 24)))), 7);
    EXPECT_EQ(weekdayNumber(static_cast<int>(dateToSerial(QDate(2024, 2, 25)))), 1);
    DaySerial s = 0;
    EXPECT_TRUE(textToSerial(QStringLiteral("1.3.2024"), s));
    EXPECT_EQ(serialToText(s), "01.03.2024");
    EXPECT_FALSE(textToSerial(QStringLiteral("31.02.2024"), s));
}

TEST(Dates, TextOfEveryDayAsTheDateFormatWritesIt) {
    for (const QDate& from :
         {QDate(999, 12, 1), QDate(1899, 12, 1), QDate(2003, 12, 1), QDate(9999, 11, 1)}) {
        for (QDate d = from; d.isValid() && d < from.addDays(3700); d = d.addDays(1))
            ASSERT_EQ(serialToText(dateToSerial(d)), d.toString(QStringLiteral("dd.MM.yyyy")))
                << d.toJulianDay();
    }
}

TEST(Dates, SerialsNoCalendarHoldsGiveNoText) {
    for (double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300, -1e300})
        EXPECT_TRUE(serialToText(bad).isEmpty());
}

TEST(Format, GermanNumbers) {
    EXPECT_EQ(formatNumber(1234.5, 2), "1.234,50");
    EXPECT_EQ(formatNumber(-3, 2), "-3,00");
    EXPECT_EQ(formatNumber(-0.001, 2), "0,00");
    EXPECT_EQ(formatNumber(14.26, 1), "14,3");
    EXPECT_EQ(formatNumber(1234567.0, 0), "1.234.567");
}

// The command line's measures: the grouped formatter's digits, sign and rounding without
// the grouping dots, which a script would take for decimal points.
TEST(Format, GermanNumbersWithoutGrouping) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {1234.5, 2, "1234,50"},
        {1234567.125, 2, "1234567,13"},
        {-98765.4321, 4, "-98765,4321"},
        {0.12345, 4, "0,1235"},
        {14.26, 1, "14,3"},
        {1234567.0, 0, "1234567"},
        {3.0, 2, "3,00"},
        {-3.0, 2, "-3,00"},
        {-0.001, 2, "0,00"},
        {-0.00004, 4, "0,0000"},
        {-0.0, 2, "0,00"},
        {-0.4, 0, "0"},
        {-0.006, 2, "-0,01"},
        {-0.00005, 4, "-0,0001"},
        {std::numeric_limits<double>::quiet_NaN(), 2, "nan"},
        {std::numeric_limits<double>::infinity(), 2, "inf"},
        {-std::numeric_limits<double>::infinity(), 4, "-inf"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatNumberUngrouped(c.value, c.decimals), QString::fromLatin1(c.text))
            << c.value << " " << c.decimals;
        // Only the grouping dots tell the two apart.
        EXPECT_EQ(formatNumber(c.value, c.decimals).remove(u'.'), QString::fromLatin1(c.text)) << c.value;
    }
}

TEST(Ansi, Windows1252RoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(textToAnsi(ansiToText(all)), all);
    EXPECT_EQ(ansiToText(QByteArray("\x80\x9f\xe4", 3)), QString::fromUtf8("€Ÿä"));
    EXPECT_EQ(textToAnsi(QString::fromUtf8("a€ü漢")), QByteArray("a\x80\xfc?"));
}

} // namespace
