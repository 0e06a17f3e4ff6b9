#include "logic/core/error.h"
#include "logic/core/number_set.h"
#include "logic/draws/board_number_toggle.h"
#include "logic/draws/digit_runs.h"
#include "logic/draws/draw_entry.h"
#include "logic/draws/store_draw.h"
#include "support/builders.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

constexpr DaySerial kToday = 45371; // 20.03.2024

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
    EXPECT_FALSE(
        storeDraw(h, 3, dateToSerial(QDate(2024, 3, 7)), firstNumbers(19), QStringLiteral("1"), kToday));
    NumberSet withZero = firstNumbers(19);
    withZero.insert(0);
    EXPECT_FALSE(storeDraw(h, 3, dateToSerial(QDate(2024, 3, 7)), withZero, QString(), kToday));
    EXPECT_EQ(h, before);
}

TEST(storeDraw, AppendsAtTheProposedDateAndOverwritesInPlace) {
    DrawHistory h = talvo::test::drawDays(QDate(2024, 3, 4), 3);
    NumberSet z = firstNumbers(20, 40);
    ASSERT_TRUE(storeDraw(h, 3, dateToSerial(QDate(2024, 3, 7)), z, QStringLiteral("1234567"), kToday));
    ASSERT_EQ(h.size(), 4u);
    EXPECT_EQ(serialToText(h[3].datum), "07.03.2024");
    EXPECT_EQ(h[3].GZ[0], 40);
    EXPECT_EQ(h[3].GZ[19], 59);
    EXPECT_EQ(h[3].plus5.text(), "12345");

    // Marked in any order, stored ascending; the record keeps its place.
    NumberSet other;
    for (int n : {70, 1, 35, 2, 69, 3, 68, 4, 67, 5, 66, 6, 65, 7, 64, 8, 63, 9, 62, 10})
        other.insert(n);
    ASSERT_TRUE(storeDraw(h, 1, dateToSerial(QDate(2024, 3, 5)), other, QString(), kToday));
    ASSERT_EQ(h.size(), 4u);
    EXPECT_EQ(h[1].GZ[0], 1);
    EXPECT_EQ(h[1].GZ[10], 35);
    EXPECT_EQ(h[1].GZ[19], 70);
    EXPECT_EQ(h[1].plus5.text(), "");
}

TEST(storeDraw, MissingDaysAreFilledBackSkippingSundays) {
    DrawHistory h = talvo::test::drawDays(QDate(2024, 3, 7), 1); // Thursday
    // Tuesday of the following week: Friday, Saturday and Monday are missing.
    ASSERT_TRUE(
        storeDraw(h, 4, dateToSerial(QDate(2024, 3, 12)), firstNumbers(20), QStringLiteral("1"), kToday));
    ASSERT_EQ(h.size(), 5u);
    EXPECT_EQ(serialToText(h[1].datum), "08.03.2024");
    EXPECT_EQ(serialToText(h[2].datum), "09.03.2024");
    EXPECT_EQ(serialToText(h[3].datum), "11.03.2024");
    EXPECT_TRUE(h[3].isPlaceholder());
    EXPECT_EQ(h[3].plus5.text(), "");

    DrawHistory empty;
    ASSERT_TRUE(storeDraw(empty, 2, dateToSerial(QDate(2024, 3, 12)), firstNumbers(20), QString(), kToday));
    EXPECT_EQ(serialToText(empty[0].datum), "09.03.2024");
}

TEST(storeDraw, DrawsThatDoNotFitAreRefusedAndNothingChanges) {
    // Thursday 07.03. to Saturday 09.03.2024; "today" is Wednesday 20.03.2024.
    const DrawHistory stored = talvo::test::drawDays(QDate(2024, 3, 7), 3);
    struct Case {
        int position;
        QDate date;
        const char* plus5;
        const char* says; // a piece of the refusal, or nullptr when the draw is stored
    };
    const Case cases[] = {
        {3, QDate(2024, 3, 21), "", "liegt nach dem heutigen Tag"},
        {3, QDate(2200, 1, 1), "", "liegt nach dem heutigen Tag"},
        {3, QDate(2024, 3, 20), "", nullptr},                              // today itself
        {3, QDate(2024, 3, 9), "", "passt nicht an diese Stelle"},         // the date before it
        {3, QDate(2024, 3, 6), "", "passt nicht an diese Stelle"},         // before the stored ones
        {1, QDate(2024, 3, 9), "", "passt nicht an diese Stelle"},         // the date after it
        {1, QDate(2024, 3, 7), "", "passt nicht an diese Stelle"},         // the date before it
        {1, QDate(2024, 3, 8), "", nullptr},                               // its own date
        {0, QDate(2024, 3, 6), "", nullptr},                               // earlier, nothing before it
        {5, QDate(2024, 3, 11), "", "passt nicht an diese Stelle"},        // the filled-in day: 09.03.
        {5, QDate(2024, 3, 13), "", nullptr},                              // filled in: 11. and 12.03.
        {3, QDate(2024, 3, 11), "ab€x$", "besteht nicht nur aus Ziffern"}, //
        {3, QDate(2024, 3, 11), "12 34", "besteht nicht nur aus Ziffern"}, //
        {3, QDate(2024, 3, 11), "1234x", "besteht nicht nur aus Ziffern"}, //
        {3, QDate(2024, 3, 11), "12345x", nullptr},                        // cut to five digits first
        {3, QDate(2024, 3, 11), "042", nullptr},                           //
        {50000, QDate(2024, 3, 20), "", "so viele"},                       // the position behind the cap
        {7000, QDate(2024, 3, 20), "", "vor der ersten KENO-Ziehung"},     // filled in back to 2004
        {3, QDate(2004, 2, 1), "", "ab der ersten KENO-Ziehung"},          //
    };
    for (const Case& c : cases) {
        DrawHistory h = stored;
        const QString where = QStringLiteral("%1 %2 %3").arg(c.position).arg(c.date.toString()).arg(c.plus5);
        if (!c.says) {
            EXPECT_TRUE(storeDraw(h, c.position, dateToSerial(c.date), firstNumbers(20),
                                  QString::fromUtf8(c.plus5), kToday))
                << where.toStdString();
            for (std::size_t i = 1; i < h.size(); ++i)
                EXPECT_LT(h[i - 1].datum, h[i].datum) << where.toStdString();
            continue;
        }
        try {
            storeDraw(h, c.position, dateToSerial(c.date), firstNumbers(20), QString::fromUtf8(c.plus5),
                      kToday);
            ADD_FAILURE() << "stored: " << where.toStdString();
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.says))) << e.text().toStdString();
            EXPECT_TRUE(e.text().endsWith(QStringLiteral("Es wurde nichts gespeichert.")))
                << where.toStdString();
        }
        EXPECT_EQ(h, stored) << where.toStdString();
    }
}

TEST(storeDraw, FirstProposalIsTodayOrTheSaturdayBefore) {
    EXPECT_EQ(serialToText(proposedFirstDrawDay(static_cast<int>(dateToSerial(QDate(2024, 3, 12))))),
              "12.03.2024");
    EXPECT_EQ(serialToText(proposedFirstDrawDay(static_cast<int>(dateToSerial(QDate(2024, 3, 10))))),
              "09.03.2024");
}

TEST(proposedNextDrawDay, TheDayAfterTheLastSkippingSundaysOnlyBeforeDailyDraws) {
    using talvo::test::draw;
    using talvo::test::drawDays;
    using talvo::test::run20;
    struct Case {
        const char* what;
        DrawHistory history;
        const char* proposal;
    };
    DrawHistory endsEmpty = drawDays(QDate(2024, 3, 6), 2);
    endsEmpty.push_back(draw(QDate(2024, 3, 8), {}));
    DrawHistory oldSundayDraw = drawDays(QDate(2009, 12, 3), 3);
    oldSundayDraw.insert(oldSundayDraw.begin(), draw(QDate(2009, 11, 29), run20(5)));
    const Case cases[] = {
        {"Saturday, Monday to Saturday, daily era", drawDays(QDate(2026, 12, 3), 3), "06.12.2026"},
        {"Saturday, Monday to Saturday era", drawDays(QDate(2009, 12, 3), 3), "07.12.2009"},
        {"Saturday, a history with a Sunday draw before", oldSundayDraw, "06.12.2009"},
        {"Friday", drawDays(QDate(2009, 12, 2), 3), "05.12.2009"},
        {"Sunday, daily", drawDays(QDate(2024, 3, 8), 3, QDate(2024, 3, 1)), "11.03.2024"},
        {"the last Saturday before daily draws", drawDays(QDate(2010, 6, 10), 3), "13.06.2010"},
        {"the Saturday a week before", drawDays(QDate(2010, 6, 3), 3), "07.06.2010"},
        {"an empty record last", endsEmpty, "09.03.2024"},
        {"the first draw of all last", drawDays(QDate(2004, 2, 2), 1), "03.02.2004"},
        {"nothing stored", {}, "02.02.2004"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(serialToText(proposedNextDrawDay(c.history)), QString::fromLatin1(c.proposal)) << c.what;
}

TEST(markedCountMessage, SaysHowManyAreMarkedAndWhatToDo) {
    struct Case {
        int marked;
        const char* says; // nullptr: no message
    };
    for (const Case& c :
         {Case{20, nullptr},
          Case{19, "Es sind erst 19 von 20 Gewinnzahlen markiert. Bitte markieren Sie alle 20 Zahlen "
                   "der Ziehung."},
          Case{2, "Es sind erst 2 von 20 Gewinnzahlen markiert."},
          Case{1, "Es ist erst eine von 20 Gewinnzahlen markiert."},
          Case{0, "Es ist noch keine Gewinnzahl markiert."},
          Case{21, "Es sind 21 Zahlen markiert, eine Ziehung hat aber genau 20 Gewinnzahlen. Bitte "
                   "heben Sie bei einer Zahl die Markierung auf."},
          Case{23, "Bitte heben Sie bei 3 Zahlen die Markierung auf."}}) {
        const QString message = markedCountMessage(c.marked);
        if (!c.says) {
            EXPECT_TRUE(message.isEmpty()) << c.marked;
        } else {
            EXPECT_TRUE(message.contains(QString::fromUtf8(c.says))) << message.toStdString();
        }
    }
}

TEST(plus5EntryMessage, TakesNothingOrTheFiveDigitsOfTheReceipt) {
    struct Case {
        const char* plus5;
        const char* says; // nullptr: no message
    };
    for (const Case& c :
         {Case{"", nullptr}, Case{"12345", nullptr}, Case{"01245", nullptr}, Case{"00000", nullptr},
          Case{"1245", "Die plus 5-Zahl \"1245\" hat nur 4 Ziffern."},
          Case{"7", "Die plus 5-Zahl \"7\" hat nur eine Ziffer."},
          Case{"123456", "Die plus 5-Zahl \"123456\" hat 6 Ziffern, eine plus 5-Zahl aber genau fünf."},
          Case{"12a45", "besteht nicht nur aus Ziffern"}, Case{"1234 ", "besteht nicht nur aus Ziffern"},
          Case{" ", "besteht nicht nur aus Ziffern"},
          Case{"١٢٣٤٥", "besteht nicht nur aus Ziffern"}}) { // digits, but not 0 to 9
        const QString message = plus5EntryMessage(QString::fromUtf8(c.plus5));
        if (!c.says) {
            EXPECT_TRUE(message.isEmpty()) << c.plus5;
            continue;
        }
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.says))) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("fünf Ziffern von Ihrer Quittung")))
            << message.toStdString();
    }
}

} // namespace
