#include "logic/core/error.h"
#include "logic/draws/archive_export.h"
#include "logic/draws/archive_import.h"
#include "support/builders.h"
#include "support/qstring_printer.h"
#include "tools/generated_history.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

// A function, not a constant: the date conversion must not run before its own statics.
int today() {
    return static_cast<int>(dateToSerial(QDate(2024, 6, 30)));
}

// "1;2;...;20" from the given numbers.
QString numbersText(const std::vector<int>& numbers, QChar separator = u';') {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(separator);
}

QString archiveRow(const QString& date, int first = 1,
                   const QString& rest = QStringLiteral(";32646;304.198,00")) {
    return date + u';' + numbersText(run20(first)) + rest;
}

ArchiveFile readText(const QString& text) {
    return readArchive(text.toUtf8(), today());
}

std::array<std::uint8_t, 20> ascending(const std::vector<int>& numbers) {
    std::array<std::uint8_t, 20> a{};
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < 20; ++i)
        a[i] = static_cast<std::uint8_t>(sorted[i]);
    return a;
}

int day(int y, int m, int d) {
    return static_cast<int>(dateToSerial(QDate(y, m, d)));
}

TEST(ReadArchive, GoodRowsInTheirForms) {
    struct Case {
        const char* row;
        QDate date;
        const char* plus5;
    };
    const QString n = numbersText(run20(5));
    const Case cases[] = {
        {"01.01.2018;%1;32646;304.198,00", QDate(2018, 1, 1), "32646"},
        {"1.2.2018;%1;32646", QDate(2018, 2, 1), "32646"},
        {"2018-03-04;%1;32646", QDate(2018, 3, 4), "32646"},
        {"02.02.2004;%1;7", QDate(2004, 2, 2), "00007"},  // spreadsheets drop leading zeros
        {"30.06.2024;%1;0", QDate(2024, 6, 30), "00000"}, // today
        {"05.05.2020;%1;", QDate(2020, 5, 5), ""},        // plus 5 empty: unknown
        {"05.05.2021;%1", QDate(2021, 5, 5), ""},         // plus 5 missing
        {"\"05.05.2022\" ; %1 ;\"01234\";x", QDate(2022, 5, 5), "01234"},
    };
    for (const Case& c : cases) {
        const ArchiveFile a = readText(QString::fromLatin1(c.row).arg(n));
        ASSERT_EQ(a.draws.size(), 1u) << c.row;
        EXPECT_TRUE(a.faulty.empty()) << c.row << " " << a.faulty[0].reason.toStdString();
        EXPECT_EQ(a.draws[0].day, dateToSerial(c.date)) << c.row;
        EXPECT_EQ(a.draws[0].plus5, QString::fromLatin1(c.plus5)) << c.row;
        EXPECT_EQ(a.draws[0].numbers, ascending(run20(5))) << c.row;
        EXPECT_EQ(a.draws[0].line, 1);
    }
    // Numbers in any order, with leading zeros and quotes, are stored ascending.
    const ArchiveFile a = readText(QStringLiteral("07.07.2019;\"070\";0069;3;") +
                                   numbersText({4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 1, 2}));
    ASSERT_EQ(a.draws.size(), 1u);
    EXPECT_EQ(a.draws[0].numbers,
              ascending({70, 69, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 1, 2}));
}

TEST(ReadArchive, FaultyRowsAndTheirReasons) {
    struct Case {
        QString row;
        const char* reasonPart;
    };
    const std::vector<int> first20 = run20(1);
    const QString n19 = numbersText(std::vector<int>(first20.begin(), first20.begin() + 19));
    const auto withNumber = [&](const QString& number) {
        return QStringLiteral("03.03.2020;") + n19 + u';' + number;
    };
    const Case cases[] = {
        {archiveRow(QStringLiteral("31.02.2019")), "gibt es nicht"},
        {archiveRow(QStringLiteral("2019-13-01")), "gibt es nicht"},
        {archiveRow(QStringLiteral("00.01.2019")), "gibt es nicht"},
        {archiveRow(QStringLiteral("01.02.2004")), "vor der ersten"},
        {archiveRow(QStringLiteral("01.07.2024")), "nach dem heutigen"},
        {QStringLiteral("03.03.2020;") + n19, "nur 19 der 20"},
        {QStringLiteral("03.03.2020;") + n19 + QStringLiteral(";;99999"), "20. Gewinnzahl \"\""},
        {withNumber(QStringLiteral("71")), "\"71\""},
        {withNumber(QStringLiteral("0")), "\"0\""},
        {withNumber(QStringLiteral("-5")), "\"-5\""},
        // A sign is no part of a spreadsheet's number, even where the value would fit.
        {withNumber(QStringLiteral("+20")), "\"+20\""},
        {withNumber(QStringLiteral("00")), "\"00\""},
        {withNumber(QStringLiteral("5,0")), "\"5,0\""},
        {withNumber(QStringLiteral("٥")), "keine ganze Zahl"}, // an Arabic-Indic five
        {withNumber(QStringLiteral("19")), "19 kommt zweimal"},
        {withNumber(QStringLiteral("20;123456")), "\"123456\""},
        {withNumber(QStringLiteral("20;12a")), "\"12a\""},
        {withNumber(QStringLiteral("20;-1")), "\"-1\""},
        {QStringLiteral("Summe;") + n19, "\"Summe\" ist kein Datum"},
        {QStringLiteral("3.3.20;") + n19, "\"3.3.20\" ist kein Datum"},
        {QStringLiteral("2020-3-3;") + n19, "ist kein Datum"},
        // Forms other programs write say which one is wanted.
        {QStringLiteral("2020-03-03T00:00:00Z;") + n19, "ohne Uhrzeit, als TT.MM.JJJJ oder JJJJ-MM-TT"},
        {QStringLiteral("03.03.2020 00:00;") + n19, "ohne Uhrzeit"},
        {QStringLiteral("03.03.2020;1-2-3-4-5-6-7-8-9-10-11-12-13-14-15-16-17-18-19-20"),
         "nur 1 der 20 Gewinnzahlen. Erwartet wird jede Zahl in einem eigenen Feld, getrennt durch \";\""},
        {QString(5000, u'x'), "länger als 4.096 Zeichen"},
    };
    for (const Case& c : cases) {
        // A good first row: the case's row is never taken for a header.
        const ArchiveFile a = readText(archiveRow(QStringLiteral("02.03.2020")) + u'\n' + c.row);
        ASSERT_EQ(a.faulty.size(), 1u) << c.row.toStdString();
        EXPECT_EQ(a.faulty[0].line, 2);
        EXPECT_TRUE(a.faulty[0].reason.contains(QString::fromUtf8(c.reasonPart)))
            << c.row.toStdString() << " -> " << a.faulty[0].reason.toStdString();
        EXPECT_EQ(a.draws.size(), 1u) << c.row.toStdString();
    }
}

TEST(ReadArchive, HeaderBlankLinesAndLineNumbers) {
    const QString text = QStringLiteral("\r\n  \r\nDatum;Keno_Z1;Keno_Z2\r\n") +             // lines 1-3
                         archiveRow(QStringLiteral("01.01.2018")) + QStringLiteral("\r\n") + // 4
                         QStringLiteral(";;; ;\r\n") +     // 5: empty fields
                         QStringLiteral("Summe;1;2\r\n") + // 6
                         archiveRow(QStringLiteral("01.01.2018"), 9) +
                         QStringLiteral("\r\n") + // 7: date again
                         archiveRow(QStringLiteral("02.01.2018"), 9) + QStringLiteral("\r\n\r\n");
    const ArchiveFile a = readText(text);
    ASSERT_EQ(a.draws.size(), 2u);
    EXPECT_EQ(a.draws[0].line, 4);
    EXPECT_EQ(a.draws[1].line, 8);
    ASSERT_EQ(a.faulty.size(), 2u);
    EXPECT_EQ(a.faulty[0].line, 6);
    EXPECT_EQ(a.faulty[1].line, 7);
    EXPECT_EQ(a.faulty[1].reason, QStringLiteral("Das Datum 01.01.2018 steht schon in Zeile 4."));

    // An impossible date in the first row is a faulty row, not a header; so the header
    // after it is faulty too. A date taken by a faulty row stays free.
    const ArchiveFile b =
        readText(archiveRow(QStringLiteral("30.02.2018")) + u'\n' + QStringLiteral("Datum;Z1\n") +
                 archiveRow(QStringLiteral("01.02.2018"), 1, QStringLiteral(";x")) + u'\n' +
                 archiveRow(QStringLiteral("01.02.2018")));
    ASSERT_EQ(b.faulty.size(), 3u);
    EXPECT_EQ(b.faulty[1].line, 2);
    ASSERT_EQ(b.draws.size(), 1u);
    EXPECT_EQ(b.draws[0].line, 4);
}

TEST(ReadArchive, SeparatorFollowsTheFirstLine) {
    const QString numbers = numbersText(run20(3), u'\t');
    // TAB: the first line holds no ';'. A ';' in a later line is then part of a field.
    ArchiveFile a = readText(QStringLiteral("Datum\tZ1\n01.01.2018\t") + numbers + QStringLiteral("\t1;2"));
    ASSERT_EQ(a.faulty.size(), 1u);
    EXPECT_TRUE(a.faulty[0].reason.contains(QStringLiteral("\"1;2\"")));
    a = readText(QStringLiteral("Datum\tZ1\n01.01.2018\t") + numbers + QStringLiteral("\t\"12;3\"\n"));
    EXPECT_EQ(a.faulty.size(), 1u);
    a = readText(QStringLiteral("Datum\tZ1\n01.01.2018\t") + numbers + QStringLiteral("\t12\n"));
    ASSERT_EQ(a.draws.size(), 1u);
    EXPECT_EQ(a.draws[0].plus5, "00012");

    // Comma: neither ';' nor TAB in the first line; quotes keep a comma in a field.
    a = readText(QStringLiteral("Datum,Z1\n\"01.01.2018\",") + numbersText(run20(3), u',') +
                 QStringLiteral(",\"1,5\"\n"));
    ASSERT_EQ(a.faulty.size(), 1u);
    EXPECT_TRUE(a.faulty[0].reason.contains(QStringLiteral("\"1,5\"")));

    // A doubled quote inside quotes is one quote.
    a = readText(QStringLiteral("01.01.2018;") + numbersText(run20(3)) + QStringLiteral(";\"1\"\"2\""));
    ASSERT_EQ(a.faulty.size(), 1u);
    EXPECT_TRUE(a.faulty[0].reason.contains(QStringLiteral("\"1\"2\""))) << a.faulty[0].reason.toStdString();
}

TEST(ReadArchive, TextEncodings) {
    const QString text =
        QStringLiteral("Datum;Gewinnzahlen\nJänner;1\n") + archiveRow(QStringLiteral("01.01.2018"));
    const QByteArray utf8 = text.toUtf8();
    QByteArray cp1252 = utf8;
    cp1252.replace("\xC3\xA4", "\xE4");
    const QByteArray utf16le =
        QByteArray("\xFF\xFE") + QStringEncoder(QStringConverter::Utf16LE).encode(text);
    const QByteArray utf16be =
        QByteArray("\xFE\xFF") + QStringEncoder(QStringConverter::Utf16BE).encode(text);
    const QByteArray bomUtf8 = QByteArray("\xEF\xBB\xBF") + utf8;
    for (const QByteArray& bytes : {utf8, cp1252, utf16le, utf16be, bomUtf8}) {
        const ArchiveFile a = readArchive(bytes, today());
        ASSERT_EQ(a.draws.size(), 1u) << bytes.toHex().left(12).toStdString();
        EXPECT_EQ(a.draws[0].line, 3);
        ASSERT_EQ(a.faulty.size(), 1u);
        EXPECT_EQ(a.faulty[0].reason, QStringLiteral("\"Jänner\" ist kein Datum."));
    }
    // A byte-order mark before a draw: the first row is still a draw, not a header.
    const ArchiveFile a =
        readArchive("\xEF\xBB\xBF" + archiveRow(QStringLiteral("01.01.2018")).toUtf8(), today());
    EXPECT_EQ(a.draws.size(), 1u);
}

TEST(ReadArchive, RandomBytesNeverGiveADraw) {
    for (quint32 seed = 1; seed <= 40; ++seed) {
        QRandomGenerator random(seed);
        QByteArray bytes(static_cast<qsizetype>(random.bounded(1, 20000)), '\0');
        for (char& b : bytes)
            b = static_cast<char>(random.bounded(256));
        const ArchiveFile a = readArchive(bytes, today());
        EXPECT_TRUE(a.draws.empty()) << seed;
        for (const FaultyRow& row : a.faulty) {
            EXPECT_FALSE(row.reason.contains(u'\n') || row.reason.contains(u'\t') ||
                         row.reason.contains(u'\r'));
        }
        const ImportResult r = mergeArchive({}, a, true);
        EXPECT_FALSE(r.report.changesHistory()) << seed;
        EXPECT_EQ(r.report.faultyCount, a.faultyCount) << seed;
    }
}

TEST(ReadArchive, LinesAcrossPiecesAndEncodingsAreWhole) {
    // Rows long enough that some cross the boundary between two pieces of a megabyte.
    QString text = QStringLiteral("Datum;Gewinnzahlen\n");
    const QString filler = QStringLiteral(";") + QString(3000, u' ');
    const int rows = 2000;
    for (int i = 0; i < rows; ++i)
        text += archiveRow(serialToText(day(2010, 1, 1) + i), 1 + i % 50) + filler + u'\n';
    const QByteArray utf16 = QByteArray("\xFF\xFE") + QStringEncoder(QStringConverter::Utf16LE).encode(text);
    for (const QByteArray& bytes : {text.toUtf8(), utf16}) {
        std::vector<std::pair<int, int>> reports;
        const ArchiveFile a =
            readArchive(bytes, today(), [&](int done, int total) { reports.emplace_back(done, total); });
        EXPECT_EQ(a.draws.size(), static_cast<std::size_t>(rows));
        EXPECT_EQ(a.faultyCount, 0) << (a.faulty.empty() ? "" : a.faulty[0].reason.toStdString());
        EXPECT_EQ(a.draws.back().line, rows + 1);
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back(), std::make_pair(int(bytes.size()), int(bytes.size())));
    }
}

TEST(ReadArchive, KeepsTheFirstReasonsAndCountsEveryFaultyLine) {
    QByteArray bytes = archiveRow(QStringLiteral("01.01.2018")).toUtf8() + '\n';
    const int faulty = 2500;
    for (int i = 0; i < faulty; ++i)
        bytes += "x\n";
    // A last line that never ends, far beyond any row.
    bytes += QByteArray(3 << 20, ';');
    const ArchiveFile a = readArchive(bytes, today());
    EXPECT_EQ(a.draws.size(), 1u);
    EXPECT_EQ(a.faultyCount, faulty + 1);
    ASSERT_EQ(a.faulty.size(), kKeptFaultyReasons);
    EXPECT_EQ(a.faulty.front().line, 2);
    EXPECT_EQ(a.faulty.back().line, 1001);
    const ImportResult r = mergeArchive({}, a, false);
    EXPECT_EQ(r.report.faultyCount, faulty + 1);
    EXPECT_EQ(r.report.faulty.size(), kKeptFaultyReasons);
}

// ---- merge

ArchiveDraw row(int d, const std::vector<int>& numbers, const QString& plus5 = {}) {
    ArchiveDraw r;
    r.day = d;
    r.numbers = ascending(numbers);
    r.plus5 = plus5;
    return r;
}

ArchiveFile fileOf(std::vector<ArchiveDraw> draws) {
    return {std::move(draws), {{9, QStringLiteral("x")}}};
}

TEST(MergeArchive, ClassifiesEachRowAgainstTheStoredDraw) {
    const int mon = day(2024, 3, 4);
    DrawHistory stored = {draw(QDate(2024, 3, 4), run20(1), QStringLiteral("123")),
                          draw(QDate(2024, 3, 5), run20(2), QStringLiteral("55555")),
                          draw(QDate(2024, 3, 6), {}), // placeholder
                          draw(QDate(2024, 3, 7), run20(4), QStringLiteral("44444")),
                          draw(QDate(2024, 3, 9), run20(6), QStringLiteral("66666"))};
    // Stored numbers in any order are the same draw.
    std::reverse(stored[0].GZ.begin(), stored[0].GZ.end());
    stored[3].pad2 = {1, 2, 3, 4};
    const ArchiveFile file = fileOf({
        row(mon + 3, run20(40), QStringLiteral("00000")), // differs: numbers and plus 5
        row(mon, run20(1), QStringLiteral("00123")),      // same: 123 lost its zeros
        row(mon + 1, run20(2)),                           // same: plus 5 unknown
        row(mon + 2, run20(3)),                           // fills the placeholder
        row(mon + 4, run20(5), QStringLiteral("12345")),  // a day without a record
        row(mon + 7, run20(8), QStringLiteral("88888")),  // after the last record
    });

    const ImportResult kept = mergeArchive(stored, file, false);
    EXPECT_EQ(kept.report.added, 3);
    EXPECT_EQ(kept.report.replaced, 0);
    EXPECT_EQ(kept.report.differing, 1);
    EXPECT_EQ(kept.report.identical, 2);
    ASSERT_EQ(kept.report.faulty.size(), 1u);
    const DrawHistory& h = kept.history;
    ASSERT_EQ(h.size(), 7u);
    EXPECT_EQ(h[0], stored[0]);
    EXPECT_EQ(h[1], stored[1]);
    EXPECT_EQ(h[2].GZ, ascending(run20(3)));
    EXPECT_EQ(h[2].plus5.text(), "");
    EXPECT_EQ(h[3], stored[3]); // every byte kept
    EXPECT_EQ(h[4].datum, mon + 4);
    EXPECT_EQ(h[4].plus5.text(), "12345");
    EXPECT_EQ(h[4].pad2, (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ(h[5], stored[4]);
    EXPECT_EQ(h[6].datum, mon + 7);

    const ImportResult replaced = mergeArchive(stored, file, true);
    EXPECT_EQ(replaced.report.replaced, 1);
    EXPECT_EQ(replaced.report.differing, 0);
    EXPECT_EQ(replaced.history[3].GZ, ascending(run20(40)));
    EXPECT_EQ(replaced.history[3].plus5.text(), "00000");
    EXPECT_EQ(replaced.history[3].pad2, stored[3].pad2);

    // Replacing by a row without plus 5 keeps the stored one.
    const ImportResult numbersOnly = mergeArchive(stored, fileOf({row(mon + 3, run20(40))}), true);
    EXPECT_EQ(numbersOnly.report.replaced, 1);
    EXPECT_EQ(numbersOnly.history[3].plus5.text(), "44444");
}

TEST(MergeArchive, NothingNewLeavesTheHistoryAsItIs) {
    const int mon = day(2024, 3, 4);
    const DrawHistory stored = {draw(QDate(2024, 3, 4), run20(1), QStringLiteral("12345")),
                                draw(QDate(2024, 3, 9), run20(2), QStringLiteral("x"))};
    const ImportResult r = mergeArchive(
        stored, fileOf({row(mon, run20(1)), row(mon + 5, run20(3), QStringLiteral("00001"))}), false);
    EXPECT_FALSE(r.report.changesHistory());
    EXPECT_EQ(r.report.identical, 1);
    EXPECT_EQ(r.report.differing, 1);
    EXPECT_EQ(r.history, stored); // the gap between them stays
}

TEST(MergeArchive, FillsEveryDrawDayBetweenTwoRecordsWhenItWrites) {
    struct Case {
        const char* what;
        DrawHistory stored;
        std::vector<QDate> rows;
        std::vector<QDate> placeholders; // the empty records the import adds
    };
    const Case cases[] = {
        {"Monday to Saturday: the Sunday between stays out",
         {},
         {QDate(2024, 3, 1), QDate(2024, 3, 5)},
         {QDate(2024, 3, 2), QDate(2024, 3, 4)}},
        {"daily from the first Sunday draw on",
         {},
         {QDate(2024, 3, 1), QDate(2024, 3, 10), QDate(2024, 3, 13)},
         {QDate(2024, 3, 2), QDate(2024, 3, 4), QDate(2024, 3, 5), QDate(2024, 3, 6), QDate(2024, 3, 7),
          QDate(2024, 3, 8), QDate(2024, 3, 9), QDate(2024, 3, 11), QDate(2024, 3, 12)}},
        {"a gap already stored is filled too once the import writes",
         {draw(QDate(2024, 3, 4), run20(1)), draw(QDate(2024, 3, 8), run20(2))},
         {QDate(2024, 3, 11)},
         {QDate(2024, 3, 5), QDate(2024, 3, 6), QDate(2024, 3, 7), QDate(2024, 3, 9)}},
        {"a stored Sunday draw makes the history daily",
         {draw(QDate(2024, 3, 3), run20(1))},
         {QDate(2024, 3, 8), QDate(2024, 3, 12)},
         {QDate(2024, 3, 4), QDate(2024, 3, 5), QDate(2024, 3, 6), QDate(2024, 3, 7), QDate(2024, 3, 9),
          QDate(2024, 3, 10), QDate(2024, 3, 11)}},
    };
    for (const Case& c : cases) {
        std::vector<ArchiveDraw> rows;
        for (const QDate& d : c.rows)
            rows.push_back(row(static_cast<int>(dateToSerial(d)), run20(d.day())));
        const ImportResult r = mergeArchive(c.stored, fileOf(rows), false);
        std::vector<QDate> placeholders;
        for (std::size_t i = 0; i < r.history.size(); ++i) {
            if (i > 0) {
                EXPECT_GT(r.history[i].datum, r.history[i - 1].datum) << c.what;
            }
            if (r.history[i].isPlaceholder())
                placeholders.push_back(serialToDate(r.history[i].datum));
        }
        EXPECT_EQ(placeholders, c.placeholders) << c.what;
        EXPECT_EQ(r.history.size(), c.stored.size() + c.rows.size() + c.placeholders.size()) << c.what;
    }
}

TEST(MergeArchive, RefusesGapsBeyondWhatTheProgramKeeps) {
    // A draw stored by mistake in the year 2400 would be reached by two million empty days.
    const DrawHistory stored = {draw(QDate(2024, 3, 4), run20(1)), draw(QDate(2400, 1, 1), run20(2))};
    try {
        mergeArchive(stored, fileOf({row(day(2024, 3, 5), run20(3))}), false);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("01.01.2400"))) << e.text().toStdString();
    }
}

TEST(MergeArchive, RefusesAHistoryOutOfDayOrder) {
    struct Case {
        DrawHistory history;
        const char* names;
    };
    const DrawRecord a = draw(QDate(2024, 3, 4), run20(1));
    const DrawRecord b = draw(QDate(2024, 3, 5), run20(2));
    DrawRecord fraction = b;
    fraction.datum += 0.5;
    DrawRecord nan = b;
    nan.datum = std::numeric_limits<double>::quiet_NaN();
    DrawRecord huge = b;
    huge.datum = 1e300;
    const Case cases[] = {
        {{a, b, a}, "Nr. 3 vom 04.03.2024 ist älter"},
        {{a, a}, "Nr. 2 hat dasselbe Datum 04.03.2024"},
        {{a, draw(QDate(2004, 2, 1), {})}, "Nr. 2 vom 01.02.2004 liegt vor"},
        {{DrawRecord{}, a}, "Nr. 1 vom 30.12.1899"},
        {{a, fraction}, "Nr. 2 vom 05.03.2024 trägt"},
        {{a, b, nan}, "Nr. 3 hat kein gültiges Datum"},
        {{huge}, "Nr. 1 hat kein gültiges Datum"},
    };
    const ArchiveFile file = fileOf({row(day(2024, 3, 6), run20(9))});
    for (const Case& c : cases) {
        try {
            mergeArchive(c.history, file, true);
            ADD_FAILURE() << c.names;
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.names))) << e.text().toStdString();
        }
    }
}

TEST(MergeArchive, AFileWithoutGoodRowsChangesNothingButKeepsItsReasons) {
    const DrawHistory stored{draw(QDate(2024, 3, 4), run20(1))};
    const ArchiveFile file = readText(QStringLiteral("Datum;Z\n1.2.2024;1-2-3\n"));
    ASSERT_TRUE(file.draws.empty());
    const ImportResult r = mergeArchive(stored, file, true);
    EXPECT_FALSE(r.report.changesHistory());
    EXPECT_EQ(r.report.placeholders, 0);
    EXPECT_EQ(r.history.size(), 1u);
    ASSERT_EQ(r.report.faulty.size(), 1u);
    EXPECT_EQ(r.report.faultyCount, 1);
    EXPECT_TRUE(noUsableRowText().contains(QStringLiteral("TT.MM.JJJJ")));
}

TEST(MergeArchive, CountsTheEmptyRecordsItAdds) {
    // Two Mondays a week apart: the draw days between become empty records.
    const int mon = day(2024, 3, 4);
    const ImportResult r = mergeArchive({}, fileOf({row(mon, run20(1)), row(mon + 7, run20(2))}), false);
    EXPECT_EQ(r.report.added, 2);
    EXPECT_GE(r.report.placeholders, 5);
    EXPECT_EQ(r.history.size(), 2u + static_cast<std::size_t>(r.report.placeholders));
    // Filling one of them is a new draw, no new placeholder.
    const ImportResult again = mergeArchive(r.history, fileOf({row(mon + 3, run20(3))}), false);
    EXPECT_EQ(again.report.added, 1);
    EXPECT_EQ(again.report.placeholders, 0);
    // Nothing changes, nothing is added.
    EXPECT_EQ(mergeArchive(r.history, fileOf({row(mon, run20(1))}), false).report.placeholders, 0);
}

// ---- export

TEST(ArchiveCsv, ColumnsRangeAndQuoting) {
    DrawHistory h = {draw(QDate(2024, 3, 4), run20(1), QStringLiteral("01234")), draw(QDate(2024, 3, 5), {}),
                     draw(QDate(2024, 3, 6), run20(3), QStringLiteral("1;2")),
                     draw(QDate(2024, 3, 7), run20(4), QStringLiteral("a\"b")),
                     draw(QDate(2024, 3, 8), run20(5))};
    std::swap(h[0].GZ[0], h[0].GZ[19]); // stored order is kept
    const QString header =
        QStringLiteral("Datum;Keno_Z1;Keno_Z2;Keno_Z3;Keno_Z4;Keno_Z5;Keno_Z6;Keno_Z7;Keno_Z8;"
                       "Keno_Z9;Keno_Z10;Keno_Z11;Keno_Z12;Keno_Z13;Keno_Z14;Keno_Z15;Keno_Z16;"
                       "Keno_Z17;Keno_Z18;Keno_Z19;Keno_Z20;Keno_Plus5\r\n");
    EXPECT_EQ(drawsAsArchiveCsv(h),
              header +
                  QStringLiteral("04.03.2024;20;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;1;01234\r\n") +
                  QStringLiteral("06.03.2024;") + numbersText(run20(3)) + QStringLiteral(";\"1;2\"\r\n") +
                  QStringLiteral("07.03.2024;") + numbersText(run20(4)) + QStringLiteral(";\"a\"\"b\"\r\n") +
                  QStringLiteral("08.03.2024;") + numbersText(run20(5)) + QStringLiteral(";\r\n"));
    const int tue = day(2024, 3, 5);
    EXPECT_EQ(drawsAsArchiveCsv(h, tue, tue + 1).count(QStringLiteral("\r\n")), 2);
    EXPECT_EQ(drawsAsArchiveCsv(h, tue + 3).count(QStringLiteral("\r\n")), 2);
    EXPECT_EQ(drawsAsArchiveCsv(h, INT_MIN, tue).count(QStringLiteral("\r\n")), 2);
    EXPECT_EQ(drawsAsArchiveCsv(h, tue, tue), header);
    EXPECT_EQ(drawsAsArchiveCsv({}), header);
    EXPECT_THROW(drawsAsArchiveCsv(h, tue + 1, tue), Error);
}

TEST(ArchiveCsv, ExportImportsIntoAnEmptyHistoryAsTheSameDraws) {
    DrawHistory h = talvo::tools::generatedHistory(400, QDate(2020, 1, 2), 7);
    h[10].GZ = {};                             // a placeholder is left out
    h[11].plus5.setText(QStringLiteral("42")); // kept as it is: "42" reads back as "00042"
    h[12].plus5.setText({});
    const QByteArray csv = drawsAsArchiveCsv(h).toUtf8();
    const ArchiveFile archive = readArchive(csv, today());
    EXPECT_TRUE(archive.faulty.empty());
    const ImportResult r = mergeArchive({}, archive, false);
    EXPECT_EQ(r.report.added, 399);

    DrawHistory real;
    for (const auto& d : r.history)
        if (!d.isPlaceholder())
            real.push_back(d);
    ASSERT_EQ(real.size(), 399u);
    std::size_t k = 0;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (i == 10)
            continue;
        EXPECT_EQ(real[k].datum, h[i].datum) << i;
        EXPECT_EQ(real[k].GZ, h[i].GZ) << i;
        EXPECT_EQ(real[k].plus5.text(), i == 11 ? QStringLiteral("00042") : h[i].plus5.text()) << i;
        ++k;
    }
}

} // namespace
