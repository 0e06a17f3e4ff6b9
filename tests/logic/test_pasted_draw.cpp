#include "logic/core/dates.h"
#include "logic/draws/pasted_draw.h"
#include "support/qstring_printer.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

// The winning numbers of one draw as a results page lists them.
const QString kTwenty = QStringLiteral("3 7 12 15 21 24 28 33 36 40 41 45 49 52 55 58 61 64 67 70");

std::optional<int> dayOf(int year, int month, int day) {
    return static_cast<int>(dateToSerial(QDate(year, month, day)));
}

TEST(readPastedText, LeavesOutDatesAndTimesOfDay) {
    struct Case {
        QString text;
        QString pieces; // joined by blanks
        std::optional<int> day;
    };
    const Case cases[] = {
        {kTwenty, kTwenty, std::nullopt},
        {QString(), QString(), std::nullopt},
        {QStringLiteral("Gewinnzahlen: keine"), QString(), std::nullopt},
        {QStringLiteral("Ziehung vom 12.03.2024: ") + kTwenty, kTwenty, dayOf(2024, 3, 12)},
        {QStringLiteral("Mi., 12.03.24\n") + kTwenty, kTwenty, dayOf(2024, 3, 12)},
        {QStringLiteral("12.3.2024 ") + kTwenty, kTwenty, dayOf(2024, 3, 12)},
        {QStringLiteral("1.2.24 5"), QStringLiteral("5"), dayOf(2024, 2, 1)},
        {QStringLiteral("29.02.2024 5"), QStringLiteral("5"), dayOf(2024, 2, 29)},
        // Neither day nor month the calendar has: the runs stay pieces.
        {QStringLiteral("29.02.2023 5"), QStringLiteral("29 02 2023 5"), std::nullopt},
        {QStringLiteral("31.02.2024 5"), QStringLiteral("31 02 2024 5"), std::nullopt},
        {QStringLiteral("12.13.2024"), QStringLiteral("12 13 2024"), std::nullopt},
        {QStringLiteral("00.03.2024"), QStringLiteral("00 03 2024"), std::nullopt},
        {QStringLiteral("12.03.0000"), QStringLiteral("12 03 0000"), std::nullopt},
        // Only one or two digits for day and month, two or four for the year.
        {QStringLiteral("12.03.024"), QStringLiteral("12 03 024"), std::nullopt},
        {QStringLiteral("12.03.20245"), QStringLiteral("12 03 20245"), std::nullopt},
        {QStringLiteral("012.03.2024"), QStringLiteral("012 03 2024"), std::nullopt},
        // Single dots only, and no longer chain of them.
        {QStringLiteral("12. 03. 2024"), QStringLiteral("12 03 2024"), std::nullopt},
        {QStringLiteral("12..03.2024"), QStringLiteral("12 03 2024"), std::nullopt},
        {QStringLiteral("12,03,2024"), QStringLiteral("12 03 2024"), std::nullopt},
        {QStringLiteral("1.2.3.4"), QStringLiteral("1 2 3 4"), std::nullopt},
        {QStringLiteral("5.12.03.24"), QStringLiteral("5 12 03 24"), std::nullopt},
        {QStringLiteral("12.03.2024."), QString(), dayOf(2024, 3, 12)},
        // Every date is left out; the first is the day.
        {QStringLiteral("12.03.2024 7 Stand: 13.03.2024"), QStringLiteral("7"), dayOf(2024, 3, 12)},
        {QStringLiteral("31.02.2024 13.03.2024"), QStringLiteral("31 02 2024"), dayOf(2024, 3, 13)},
        // Times of day.
        {QStringLiteral("19:10 Uhr 5 6"), QStringLiteral("5 6"), std::nullopt},
        {QStringLiteral("12.03.2024, 19:10 Uhr: ") + kTwenty, kTwenty, dayOf(2024, 3, 12)},
        {QStringLiteral("9:05 5"), QStringLiteral("5"), std::nullopt},
        {QStringLiteral("19:10:30 5"), QStringLiteral("5"), std::nullopt},
        {QStringLiteral("19.10 Uhr 5"), QStringLiteral("5"), std::nullopt},
        {QStringLiteral("19.10\u00a0uhr 5"), QStringLiteral("5"), std::nullopt},
        {QStringLiteral("19.10 5"), QStringLiteral("19 10 5"), std::nullopt},
        {QStringLiteral("24:00 5"), QStringLiteral("24 00 5"), std::nullopt},
        {QStringLiteral("19:60 5"), QStringLiteral("19 60 5"), std::nullopt},
        {QStringLiteral("19:5 5"), QStringLiteral("19 5 5"), std::nullopt},
        {QStringLiteral("119:10 5"), QStringLiteral("119 10 5"), std::nullopt},
        {QStringLiteral("19 : 10 5"), QStringLiteral("19 10 5"), std::nullopt},
        // Whatever separates the numbers, and leading zeros as written.
        {QStringLiteral("3,7;12\n15\r\n20\t21 | 07/08-09"), QStringLiteral("3 7 12 15 20 21 07 08 09"),
         std::nullopt},
        {QStringLiteral("Gewinnzahlen\n3\n7\n\n12"), QStringLiteral("3 7 12"), std::nullopt},
    };
    for (const Case& c : cases) {
        const PastedText pasted = readPastedText(c.text);
        EXPECT_EQ(pasted.pieces.join(u' '), c.pieces) << c.text.toStdString();
        EXPECT_EQ(pasted.day, c.day) << c.text.toStdString();
    }
}

TEST(readPastedText, ARealResultsPage) {
    const QString page = QStringLiteral("KENO Gewinnzahlen\r\nZiehung vom Mittwoch, 12.03.2024, 19:10 Uhr\r\n"
                                        "3\r\n7\r\n12\r\n15\r\n21\r\n24\r\n28\r\n33\r\n36\r\n40\r\n"
                                        "41\r\n45\r\n49\r\n52\r\n55\r\n58\r\n61\r\n64\r\n67\r\n70\r\n"
                                        "Alle Angaben ohne Gewähr.");
    const PastedText pasted = readPastedText(page);
    EXPECT_EQ(pasted.pieces.join(u' '), kTwenty);
    EXPECT_EQ(pasted.day, dayOf(2024, 3, 12));
    const DrawNumbersCheck check = checkDrawNumbers(pasted.pieces);
    EXPECT_TRUE(check.ok()) << check.problem.toStdString();
    EXPECT_EQ(check.numbers.count(), 20);
    EXPECT_TRUE(check.numbers.contains(3) && check.numbers.contains(70) && !check.numbers.contains(4));
}

TEST(checkDrawNumbers, SaysEverythingThatIsWrong) {
    const QStringList twenty = kTwenty.split(u' ');
    const auto replaced = [&](qsizetype at, const QString& piece) {
        QStringList pieces = twenty;
        pieces[at] = piece;
        return pieces;
    };
    const QString count19 =
        QStringLiteral("Im Text stehen 19 Zahlen; eine Ziehung hat genau 20 Gewinnzahlen.");
    struct Case {
        QStringList pieces;
        QString problem;
    };
    const Case cases[] = {
        {twenty, QString()},
        {twenty.mid(1), count19},
        {twenty + QStringList{QStringLiteral("1")},
         QStringLiteral("Im Text stehen 21 Zahlen; eine Ziehung hat genau 20 Gewinnzahlen.")},
        {{}, QStringLiteral("Im Text steht keine Zahl; eine Ziehung hat genau 20 Gewinnzahlen.")},
        {{QStringLiteral("5")},
         QStringLiteral("Im Text steht nur eine Zahl; eine Ziehung hat genau 20 Gewinnzahlen.")},
        {replaced(0, QStringLiteral("7")), QStringLiteral("Doppelt: 7.")},
        {replaced(0, QStringLiteral("07")), QStringLiteral("Doppelt: 7.")},
        {replaced(19, QStringLiteral("003")), QStringLiteral("Doppelt: 3.")},
        {replaced(19, QStringLiteral("71")), QStringLiteral("Keine Gewinnzahl von 1 bis 70: 71.")},
        {replaced(0, QStringLiteral("0")), QStringLiteral("Keine Gewinnzahl von 1 bis 70: 0.")},
        {replaced(0, QStringLiteral("00")), QStringLiteral("Keine Gewinnzahl von 1 bis 70: 00.")},
        {replaced(0, QStringLiteral("2024")), QStringLiteral("Keine Gewinnzahl von 1 bis 70: 2024.")},
        // Pieces the player typed.
        {replaced(0, QString()), QStringLiteral("Keine Gewinnzahl von 1 bis 70: \"\".")},
        {replaced(0, QStringLiteral("x")), QStringLiteral("Keine Gewinnzahl von 1 bis 70: \"x\".")},
        {replaced(0, QStringLiteral("-3")), QStringLiteral("Keine Gewinnzahl von 1 bis 70: \"-3\".")},
        {replaced(0, QStringLiteral("12345678901234")),
         QStringLiteral("Keine Gewinnzahl von 1 bis 70: 1234567890….")},
        // Each repeated number and each foreign piece once, numbers ascending, pieces as they come.
        {twenty.mid(0, 16) + QStringList{"17", "5", "17", "5"}, QStringLiteral("Doppelt: 5, 17.")},
        {twenty.mid(0, 15) + QStringList{"71", "0", "71", "99", "0"},
         QStringLiteral("Keine Gewinnzahl von 1 bis 70: 71, 0, 99.")},
        {twenty.mid(0, 18) + QStringList{"3", "71", "7", "3"},
         QStringLiteral("Im Text stehen 22 Zahlen; eine Ziehung hat genau 20 Gewinnzahlen.\nDoppelt: 3, 7.\n"
                        "Keine Gewinnzahl von 1 bis 70: 71.")},
        {twenty.mid(1, 18) + QStringList{"7"}, count19 + QStringLiteral("\nDoppelt: 7.")},
    };
    for (const Case& c : cases) {
        const DrawNumbersCheck check = checkDrawNumbers(c.pieces);
        EXPECT_EQ(check.problem, c.problem) << c.pieces.join(u' ').toStdString();
        EXPECT_EQ(check.ok(), c.problem.isEmpty());
        EXPECT_EQ(check.numbers.count(), check.ok() ? 20 : 0) << c.pieces.join(u' ').toStdString();
    }
}

TEST(checkDrawNumbers, AWholePageGivesAShortProblem) {
    QStringList pieces;
    for (int n = 1; n <= 200; ++n)
        pieces << QString::number(n) << QString::number(n);
    const QString problem = checkDrawNumbers(pieces).problem;
    EXPECT_EQ(problem, QStringLiteral("Im Text stehen 400 Zahlen; eine Ziehung hat genau 20 Gewinnzahlen.\n"
                                      "Doppelt: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 und 60 weitere.\n"
                                      "Keine Gewinnzahl von 1 bis 70: 71, 72, 73, 74, 75, 76, 77, 78, 79, 80 "
                                      "und 120 weitere."));
}

} // namespace
