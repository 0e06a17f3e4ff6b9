#include "logic/core/history_file.h"
#include "support/cli_runner.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"
#include "support/temp_files.h"
#include "support/undo_files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace talvo;
using talvo::test::runCli;

namespace {

QString twenty(int from) {
    QStringList n;
    for (int i = 0; i < 20; ++i)
        n << QString::number(from + 19 - i);
    return n.join(u' ');
}

TEST(CliParse, PrintsThePiecesOfStdin) {
    const auto r = runCli({QStringLiteral("parse")}, "Ziehung vom 12.03.2024:\n03, 7;12\r\nplus 5: 01234");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "12 03 2024 03 7 12 5 01234\n");
    EXPECT_EQ(runCli({QStringLiteral("parse")}, QByteArray("\x00\xff\xfe garbage", 12)).out, "\n");
    EXPECT_EQ(runCli({QStringLiteral("parse"), QStringLiteral("x")}).exitCode, 2);
}

TEST(CliStore, StoresLikeTheEntryPage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    logic::saveDrawHistory(path, test::drawDays(QDate(2024, 3, 7), 2)); // Thu, Fri
    const auto store = [&](const QString& position, const QString& date, const QString& numbers) {
        return runCli({QStringLiteral("store"), QStringLiteral("--history"), path,
                       QStringLiteral("--position"), position, QStringLiteral("--date"), date,
                       QStringLiteral("--numbers"), numbers, QStringLiteral("--plus5"),
                       QStringLiteral("9876543")});
    };
    auto r = store(QStringLiteral("5"), QStringLiteral("12.03.2024"), twenty(30));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto h = runCli({QStringLiteral("history"), path}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(h.size(), 5);
    EXPECT_EQ(h[2], "3\t09.03.2024\t0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\t");
    EXPECT_EQ(h[3].section(u'\t', 1, 1), "11.03.2024");
    EXPECT_EQ(h[4], "5\t12.03.2024\t30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49\t98765");

    r = store(QStringLiteral("1"), QStringLiteral("07.03.2024"), QStringLiteral("1 2 3"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QFileInfo(path).size(), 200);
    EXPECT_EQ(store(QStringLiteral("0"), QStringLiteral("07.03.2024"), twenty(1)).exitCode, 2);
    EXPECT_EQ(store(QStringLiteral("1"), QStringLiteral("7.3."), twenty(1)).exitCode, 2);
    EXPECT_EQ(store(QStringLiteral("1"), QStringLiteral("07.03.2024"), twenty(60)).exitCode, 2);

    // The very first draw starts a new file.
    const QString fresh = dir.filePath(QStringLiteral("neu.tpp"));
    r = runCli({QStringLiteral("store"), QStringLiteral("--history"), fresh, QStringLiteral("--position"),
                QStringLiteral("1"), QStringLiteral("--date"), QStringLiteral("02.02.2004"),
                QStringLiteral("--numbers"), twenty(1)});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QFileInfo(fresh).size(), 40);
}

TEST(CliStore, APositionFarBehindTheHistoryIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    logic::saveDrawHistory(path, test::drawDays(QDate(2024, 3, 7), 2));
    const auto store = [&](const QString& position, const QString& date) {
        return runCli({QStringLiteral("store"), QStringLiteral("--history"), path,
                       QStringLiteral("--position"), position, QStringLiteral("--date"), date,
                       QStringLiteral("--numbers"), twenty(1)});
    };
    // The days filled in before the new draw would lie before the first draw of all.
    for (const char* position : {"2000000000", "40000", "9000"}) {
        const auto r = store(QString::fromLatin1(position), QStringLiteral("12.03.2024"));
        EXPECT_EQ(r.exitCode, 1) << position << " " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Es wurde nichts gespeichert."))) << position;
    }
    EXPECT_EQ(QFileInfo(path).size(), 80);

    // Nine draw days lie from 02.02.2004 to 11.02.2004 (a Sunday between): nine days can be
    // filled in before a draw of 12.02.2004 as the first of a new history, ten cannot.
    QFile::remove(path);
    EXPECT_EQ(store(QStringLiteral("11"), QStringLiteral("12.02.2004")).exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(path));
    const auto r = store(QStringLiteral("10"), QStringLiteral("12.02.2004"));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto h = runCli({QStringLiteral("history"), path}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(h.size(), 10);
    EXPECT_EQ(h[0].section(u'\t', 1, 1), "02.02.2004");
}

TEST(CliStore, ADrawThatDoesNotFitIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    // Thursday 07.03. to Saturday 09.03.2024.
    logic::saveDrawHistory(path, test::drawDays(QDate(2024, 3, 7), 3));
    const QByteArray before = test::readFile(path);
    const auto store = [&](const QString& position, const QString& date, const QString& plus5) {
        return runCli({QStringLiteral("store"), QStringLiteral("--history"), path,
                       QStringLiteral("--position"), position, QStringLiteral("--date"), date,
                       QStringLiteral("--numbers"), twenty(1), QStringLiteral("--plus5"), plus5,
                       QStringLiteral("--now"), QStringLiteral("2024-03-12 20:00")});
    };
    struct Case {
        const char* position;
        const char* date;
        const char* plus5;
        const char* says;
    };
    for (const Case& c :
         {Case{"4", "13.03.2024", "", "liegt nach dem heutigen Tag"},
          Case{"4", "01.01.2200", "", "liegt nach dem heutigen Tag"},
          Case{"50001", "01.01.2200", "", "liegt nach dem heutigen Tag"},
          Case{"50001", "12.03.2024", "", "so viele"},
          Case{"4", "09.03.2024", "", "passt nicht an diese Stelle"},
          Case{"2", "10.03.2024", "", "Die Nummer 2 ist die Ziehung vom 08.03.2024, nicht vom 10.03.2024."},
          Case{"4", "11.03.2024", "ab€x$", "besteht nicht nur aus Ziffern"}}) {
        const auto r =
            store(QString::fromLatin1(c.position), QString::fromLatin1(c.date), QString::fromUtf8(c.plus5));
        EXPECT_EQ(r.exitCode, 1) << c.position << " " << c.date;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(test::readFile(path), before) << c.position << " " << c.date;
    }
    // Today itself fits, and so does a plus 5 cut to its first five digits.
    const auto r = store(QStringLiteral("5"), QStringLiteral("12.03.2024"), QStringLiteral("0123456"));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto h = runCli({QStringLiteral("history"), path}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(h.size(), 5);
    EXPECT_EQ(h[3].section(u'\t', 1, 1), "11.03.2024"); // filled in
    EXPECT_EQ(h[4].section(u'\t', 1, 1), "12.03.2024");
    EXPECT_EQ(h[4].section(u'\t', 3), "01234");
}

TEST(CliStore, GapsOfADailyHistoryKeepTheirSundays) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    // Friday 08.03. to Sunday 10.03.2024, the Sunday drawn.
    logic::saveDrawHistory(path, test::drawDays(QDate(2024, 3, 8), 3, QDate(2024, 3, 8)));
    const auto r = runCli({QStringLiteral("store"), QStringLiteral("--history"), path,
                           QStringLiteral("--position"), QStringLiteral("12"), QStringLiteral("--date"),
                           QStringLiteral("19.03.2024"), QStringLiteral("--numbers"), twenty(1)});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const auto h = runCli({QStringLiteral("history"), path}).out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(h.size(), 12);
    QStringList filled;
    for (int i = 3; i < 11; ++i)
        filled << h[i].section(u'\t', 1, 1);
    EXPECT_EQ(filled.join(u' '), "11.03.2024 12.03.2024 13.03.2024 14.03.2024 15.03.2024 16.03.2024 "
                                 "17.03.2024 18.03.2024");
}

// Each case stores into a history of its own, as the command line is told.
TEST(CliStore, TheDateDecidesWhereTheDrawGoes) {
    using test::draw;
    using test::drawDays;
    // Thursday 07.03. to Saturday 09.03.2024, the Friday an empty record.
    logic::DrawHistory withEmpty = drawDays(QDate(2024, 3, 7), 3);
    withEmpty[1] = draw(QDate(2024, 3, 8), {});
    struct Case {
        const char* what;
        logic::DrawHistory history;
        const char* position;
        const char* date;
        int exitCode;
        const char* dates; // of the records from the last draw before it on; the refusal on error
    };
    const Case cases[] = {
        {"the same date: replaced", drawDays(QDate(2024, 3, 7), 3), "2", "08.03.2024", 0,
         "07.03.2024 08.03.2024* 09.03.2024"},
        {"an empty record of the date: filled", withEmpty, "2", "08.03.2024", 0,
         "07.03.2024 08.03.2024* 09.03.2024"},
        {"across a gap, daily", drawDays(QDate(2024, 2, 28), 10, QDate(2024, 2, 28)), "11", "12.03.2024", 0,
         "08.03.2024 09.03.2024- 10.03.2024- 11.03.2024- 12.03.2024*"},
        {"across a gap at the number the date gives, daily",
         drawDays(QDate(2024, 2, 28), 10, QDate(2024, 2, 28)), "14", "12.03.2024", 0,
         "08.03.2024 09.03.2024- 10.03.2024- 11.03.2024- 12.03.2024*"},
        {"across a gap, Monday to Saturday", drawDays(QDate(2024, 2, 29), 8), "9", "12.03.2024", 0,
         "08.03.2024 09.03.2024- 11.03.2024- 12.03.2024*"},
        {"the day after the last draw of the year", drawDays(QDate(2024, 12, 1), 31, QDate(2024, 12, 1)),
         "32", "01.01.2025", 0, "31.12.2024 01.01.2025*"},
        {"a number holding another day", drawDays(QDate(2024, 12, 1), 31, QDate(2024, 12, 1)), "31",
         "01.01.2025", 1, "Die Nummer 31 ist die Ziehung vom 31.12.2024, nicht vom 01.01.2025."},
        {"a number holding another day's empty record", withEmpty, "2", "09.03.2024", 1,
         "Die Nummer 2 ist der noch leere Eintrag vom 08.03.2024, nicht vom 09.03.2024."},
        {"a number behind the last for a stored date", drawDays(QDate(2024, 3, 7), 3), "4", "08.03.2024", 1,
         "Der 08.03.2024 passt nicht an diese Stelle: Seine Ziehung ist die Nummer 2"},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
        logic::saveDrawHistory(path, c.history);
        const QByteArray before = test::readFile(path);
        const auto r =
            runCli({QStringLiteral("store"), QStringLiteral("--history"), path, QStringLiteral("--position"),
                    QString::fromLatin1(c.position), QStringLiteral("--date"), QString::fromLatin1(c.date),
                    QStringLiteral("--numbers"), twenty(41), QStringLiteral("--plus5"),
                    QStringLiteral("24680"), QStringLiteral("--now"), QStringLiteral("2025-06-01 12:00")});
        EXPECT_EQ(r.exitCode, c.exitCode) << c.what << ": " << r.err.toStdString();
        EXPECT_EQ(r.out, "") << c.what;
        if (c.exitCode != 0) {
            EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.dates))) << c.what << ": " << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QStringLiteral("Es wurde nichts gespeichert."))) << c.what;
            EXPECT_EQ(test::readFile(path), before) << c.what;
            EXPECT_EQ(test::undoFileCount(path), 0) << c.what;
            continue;
        }
        EXPECT_EQ(test::newestUndoBytes(path), before) << c.what;
        const logic::DrawHistory h = logic::loadDrawHistory(path);
        const auto at = std::find_if(h.begin(), h.end(), [&](const logic::DrawRecord& d) {
            return logic::serialToText(d.datum) == QString::fromLatin1(c.date);
        });
        ASSERT_NE(at, h.end()) << c.what;
        QStringList dates;
        auto first = at;
        while (first != h.begin() && (first - 1)->isPlaceholder())
            --first;
        for (auto d = first == h.begin() ? first : first - 1; d != h.end(); ++d)
            dates << logic::serialToText(d->datum) + (d == at              ? QStringLiteral("*")
                                                      : d->isPlaceholder() ? QStringLiteral("-")
                                                                           : QString());
        EXPECT_EQ(dates.join(u' '), QString::fromLatin1(c.dates)) << c.what;
        EXPECT_EQ(runCli({QStringLiteral("history"), path})
                      .out.split(u'\n', Qt::SkipEmptyParts)
                      .value(at - h.begin()),
                  QStringLiteral("%1\t%2\t41 42 43 44 45 46 47 48 49 50 51 52 53 54 55 56 57 58 59 60\t24680")
                      .arg(at - h.begin() + 1)
                      .arg(QString::fromLatin1(c.date)))
            << c.what;
        // Every other stored draw is still there.
        for (const logic::DrawRecord& d : c.history) {
            if (logic::serialToText(d.datum) != QString::fromLatin1(c.date)) {
                EXPECT_NE(std::find(h.begin(), h.end(), d), h.end()) << c.what;
            }
        }
    }
}

} // namespace
