#include "logic/core/zahlenmenge.h"
#include "logic/draws/gz_klick.h"
#include "logic/draws/zahlen_aus_text.h"
#include "logic/draws/ziehung_speichern.h"
#include "support/builders.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

Zahlenmenge firstNumbers(int count, int from = 1) {
    Zahlenmenge s;
    for (int n = from; n < from + count; ++n)
        s.insert(n);
    return s;
}

TEST(ZahlenAusText, EveryDigitRunIsAPiece) {
    struct Case {
        const char* text;
        const char* pieces;
    };
    for (const Case c : {Case{"Ziehung vom 12.03.2024: 3, 7, 12", "12 03 2024 3 7 12"},
                         Case{"1,2;3\n4\r\n5\t6-7/8|9", "1 2 3 4 5 6 7 8 9"}, Case{"  07 008 ", "07 008"},
                         Case{"Zahlen: ä1ö2ü3ß", "1 2 3"}, Case{"", ""}, Case{"nur Buchstaben", ""},
                         Case{"123456789012345678901234567890", "123456789012345678901234567890"},
                         Case{"-5 +6 1.5", "5 6 1 5"}}) {
        EXPECT_EQ(ZahlenAusText(QString::fromUtf8(c.text)).join(u' '), QString::fromUtf8(c.pieces)) << c.text;
    }
}

TEST(ZahlenAusText, MegabytesOfTextAreFine) {
    QString text;
    text.reserve(3'000'000);
    for (int i = 0; i < 300'000; ++i)
        text += QStringLiteral("abc, %1\n").arg(i % 71);
    const QStringList pieces = ZahlenAusText(text);
    ASSERT_EQ(pieces.size(), 300'000);
    EXPECT_EQ(pieces[70], "70");
    EXPECT_EQ(ZahlenAusText(QString(2'000'000, QLatin1Char('9'))).size(), 1);
}

TEST(GZKlick, TogglesAtMostTwentyNumbers) {
    Zahlenmenge s;
    EXPECT_EQ(GZKlick(s, 5), GZKlickErgebnis::Hinzugefuegt);
    EXPECT_EQ(GZKlick(s, 5), GZKlickErgebnis::Entfernt);
    EXPECT_TRUE(s.empty());
    s = firstNumbers(20);
    EXPECT_EQ(GZKlick(s, 21), GZKlickErgebnis::Unveraendert);
    EXPECT_EQ(s.count(), 20);
    EXPECT_EQ(GZKlick(s, 20), GZKlickErgebnis::Entfernt);
    for (int n : {0, 71, -3, 255})
        EXPECT_EQ(GZKlick(s, n), GZKlickErgebnis::Unveraendert) << n;
}

TEST(ZiehungSpeichern, OnlyTwentyNumbersAreStored) {
    DrawHistory h = talvo::test::drawDays(QDate(2024, 3, 4), 3);
    const DrawHistory before = h;
    EXPECT_FALSE(
        ZiehungSpeichern(h, 3, dateToSerial(QDate(2024, 3, 7)), firstNumbers(19), QStringLiteral("1")));
    Zahlenmenge withZero = firstNumbers(19);
    withZero.insert(0);
    EXPECT_FALSE(ZiehungSpeichern(h, 3, dateToSerial(QDate(2024, 3, 7)), withZero, QString()));
    EXPECT_EQ(h, before);
}

TEST(ZiehungSpeichern, AppendsAtTheProposedDateAndOverwritesInPlace) {
    DrawHistory h = talvo::test::drawDays(QDate(2024, 3, 4), 3);
    Zahlenmenge z = firstNumbers(20, 40);
    ASSERT_TRUE(ZiehungSpeichern(h, 3, dateToSerial(QDate(2024, 3, 7)), z, QStringLiteral("1234567")));
    ASSERT_EQ(h.size(), 4u);
    EXPECT_EQ(serialToText(h[3].datum), "07.03.2024");
    EXPECT_EQ(h[3].GZ[0], 40);
    EXPECT_EQ(h[3].GZ[19], 59);
    EXPECT_EQ(h[3].plus5.text(), "12345");

    // Marked in any order, stored ascending; the record keeps its place.
    Zahlenmenge other;
    for (int n : {70, 1, 35, 2, 69, 3, 68, 4, 67, 5, 66, 6, 65, 7, 64, 8, 63, 9, 62, 10})
        other.insert(n);
    ASSERT_TRUE(ZiehungSpeichern(h, 1, dateToSerial(QDate(2024, 3, 5)), other, QString()));
    ASSERT_EQ(h.size(), 4u);
    EXPECT_EQ(h[1].GZ[0], 1);
    EXPECT_EQ(h[1].GZ[10], 35);
    EXPECT_EQ(h[1].GZ[19], 70);
    EXPECT_EQ(h[1].plus5.text(), "");
}

TEST(ZiehungSpeichern, MissingDaysAreFilledBackSkippingSundays) {
    DrawHistory h = talvo::test::drawDays(QDate(2024, 3, 7), 1); // Thursday
    // Tuesday of the following week: Friday, Saturday and Monday are missing.
    ASSERT_TRUE(
        ZiehungSpeichern(h, 4, dateToSerial(QDate(2024, 3, 12)), firstNumbers(20), QStringLiteral("1")));
    ASSERT_EQ(h.size(), 5u);
    EXPECT_EQ(serialToText(h[1].datum), "08.03.2024");
    EXPECT_EQ(serialToText(h[2].datum), "09.03.2024");
    EXPECT_EQ(serialToText(h[3].datum), "11.03.2024");
    EXPECT_TRUE(h[3].istLeer());
    EXPECT_EQ(h[3].plus5.text(), "");

    DrawHistory empty;
    ASSERT_TRUE(ZiehungSpeichern(empty, 2, dateToSerial(QDate(2024, 3, 12)), firstNumbers(20), QString()));
    EXPECT_EQ(serialToText(empty[0].datum), "09.03.2024");
}

TEST(ZiehungSpeichern, FirstProposalIsTodayOrTheSaturdayBefore) {
    EXPECT_EQ(serialToText(ersterVorschlag(static_cast<int>(dateToSerial(QDate(2024, 3, 12))))),
              "12.03.2024");
    EXPECT_EQ(serialToText(ersterVorschlag(static_cast<int>(dateToSerial(QDate(2024, 3, 10))))),
              "09.03.2024");
}

} // namespace
