#include "logic/core/error.h"
#include "logic/export/draw_export_table.h"
#include "support/builders.h"
#include "support/qstring_printer.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

// Mon 04.03. to Sat 09.03.2024 with Tuesday's numbers still missing, then a gap of a week,
// then Mon 18.03.
DrawHistory history() {
    DrawHistory h;
    h.push_back(draw(QDate(2024, 3, 4), run20(5), QStringLiteral("01234")));
    h.push_back(draw(QDate(2024, 3, 5), {}));
    for (int day = 6; day <= 9; ++day)
        h.push_back(draw(QDate(2024, 3, day), run20(day * 3), QStringLiteral("5678%1").arg(day)));
    h.push_back(draw(QDate(2024, 3, 18),
                     {70, 1, 35, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18},
                     QStringLiteral("00007")));
    return h;
}

QStringList row(const ExportTable& t, int r) {
    QStringList cells;
    for (int c = 0; c < t.columnCount(); ++c)
        cells << t.cell(c, r);
    return cells;
}

TEST(buildDrawExportTable, ChoicesGiveTheirColumnsAndOneRowPerStoredDraw) {
    const DrawHistory h = history();
    EXPECT_EQ(drawExportChoiceText(kNumbersAndPlus5), QStringLiteral("Gewinnzahlen und plus 5"));
    EXPECT_EQ(drawExportChoiceText(kNumbersOnly), QStringLiteral("nur Gewinnzahlen"));
    EXPECT_EQ(drawExportChoiceText(kPlus5Only), QStringLiteral("nur plus 5"));

    const ExportTable bothTable = buildDrawExportTable(h, kNumbersAndPlus5, 0, 6);
    ASSERT_EQ(bothTable.columnCount(), 23);
    ASSERT_EQ(bothTable.rowCount(), 7); // the placeholder of 05.03. is no draw
    QStringList header = {"Veranstaltung", "Datum"};
    for (int z = 1; z <= 20; ++z)
        header << QStringLiteral("Zahl %1").arg(z);
    EXPECT_EQ(row(bothTable, 0), header + QStringList{"plus 5"});
    QStringList last = {"7", "18.03.2024", "70", "1", "35"};
    for (int n = 2; n <= 18; ++n)
        last << QString::number(n);
    EXPECT_EQ(row(bothTable, 6), last + QStringList{"00007"}); // stored order, plus 5 unchanged
    EXPECT_EQ(row(bothTable, 1).first(), QStringLiteral("1"));
    EXPECT_EQ(row(bothTable, 2).mid(0, 2), (QStringList{"3", "06.03.2024"})); // the position + 1

    const ExportTable numbersTable = buildDrawExportTable(h, kNumbersOnly, 0, 6);
    ASSERT_EQ(numbersTable.columnCount(), 22);
    EXPECT_EQ(row(numbersTable, 0), header);
    EXPECT_EQ(row(numbersTable, 6), last);

    const ExportTable plus5 = buildDrawExportTable(h, kPlus5Only, 0, 6);
    ASSERT_EQ(plus5.columnCount(), 3);
    EXPECT_EQ(row(plus5, 0), (QStringList{"Veranstaltung", "Datum", "plus 5"}));
    EXPECT_EQ(row(plus5, 1), (QStringList{"1", "04-03-2024", "01234"}));
    EXPECT_EQ(row(plus5, 6), (QStringList{"7", "18-03-2024", "00007"}));
}

TEST(buildDrawExportTable, PartOfTheHistoryAndNoDrawAtAll) {
    const DrawHistory h = history();
    const ExportTable middleTable = buildDrawExportTable(h, kPlus5Only, 2, 3);
    ASSERT_EQ(middleTable.rowCount(), 3);
    EXPECT_EQ(row(middleTable, 1), (QStringList{"3", "06-03-2024", "56786"}));
    EXPECT_EQ(row(middleTable, 2), (QStringList{"4", "07-03-2024", "56787"}));

    const ExportTable emptyTable = buildDrawExportTable(h, kPlus5Only, 1, 1);
    EXPECT_EQ(emptyTable.rowCount(), 1);
    EXPECT_EQ(emptyTable.cell(2, 0), QStringLiteral("plus 5"));
}

TEST(buildDrawExportTable, RangeRunsFromTheFirstToTheLastStoredDrawInside) {
    const DrawHistory h = history();
    struct Case {
        QDate fromDate, toDate;
        int first, last;
    };
    const std::vector<Case> cases = {
        {QDate(2004, 2, 2), QDate(2024, 3, 18), 0, 6},  {QDate(2024, 3, 4), QDate(2024, 3, 4), 0, 0},
        {QDate(2024, 3, 5), QDate(2024, 3, 7), 2, 3},   // a placeholder's day starts at the next draw
        {QDate(2024, 3, 10), QDate(2024, 3, 20), 6, 6}, // Sunday and days without draws
        {QDate(2024, 3, 1), QDate(2024, 3, 12), 0, 5},  {QDate(2024, 3, 18), QDate(2026, 1, 1), 6, 6},
    };
    for (const Case& c : cases) {
        const ExportRange b = findExportRange(h, c.fromDate, c.toDate);
        EXPECT_EQ(b.first, c.first) << c.fromDate.toString().toStdString();
        EXPECT_EQ(b.last, c.last) << c.toDate.toString().toStdString();
    }
}

TEST(buildDrawExportTable, NoDrawInTheRangeOrNoneStoredIsAGermanError) {
    const DrawHistory h = history();
    const auto message = [](const DrawHistory& draws, const QDate& fromDate, const QDate& toDate) {
        try {
            findExportRange(draws, fromDate, toDate);
        } catch (const Error& e) {
            return e.text();
        }
        return QStringLiteral("kein Fehler");
    };
    const QString noDrawMessage =
        QStringLiteral("Vom 10.03.2024 bis zum 17.03.2024 ist keine Ziehung gespeichert.");
    EXPECT_EQ(message(h, QDate(2024, 3, 10), QDate(2024, 3, 17)), noDrawMessage);
    EXPECT_EQ(message(h, QDate(2024, 3, 5), QDate(2024, 3, 5)),
              QStringLiteral("Vom 05.03.2024 bis zum 05.03.2024 ist keine Ziehung gespeichert."));
    EXPECT_EQ(message(h, QDate(2024, 3, 19), QDate(2025, 1, 1)),
              QStringLiteral("Vom 19.03.2024 bis zum 01.01.2025 ist keine Ziehung gespeichert."));
    const QString nothingStoredMessage =
        QStringLiteral("Es ist noch keine Ziehung gespeichert, die exportiert werden könnte.");
    EXPECT_EQ(message({}, QDate(2004, 2, 2), QDate(2030, 1, 1)), nothingStoredMessage);
    EXPECT_EQ(message({draw(QDate(2024, 3, 5), {})}, QDate(2004, 2, 2), QDate(2030, 1, 1)),
              nothingStoredMessage);
}

TEST(buildDrawExportTable, TheRangeEndsAtFirstOnTheLastStoredDraw) {
    DrawHistory h = history();
    EXPECT_EQ(lastDrawDate(h), QDate(2024, 3, 18));
    h.push_back(draw(QDate(2024, 3, 19), {}));
    EXPECT_EQ(lastDrawDate(h), QDate(2024, 3, 18));
    EXPECT_FALSE(lastDrawDate({draw(QDate(2024, 3, 19), {})}).isValid());
    EXPECT_FALSE(lastDrawDate({}).isValid());
}

TEST(buildDrawExportTable, RangeRulesKeepStartBeforeEndInsideTheDrawYears) {
    const QDate today(2024, 6, 15);
    struct Case {
        QDate fromDate, toDate, corrected;
    };
    // A changed start date against the end date.
    for (const Case& c : std::vector<Case>{{QDate(2024, 3, 1), QDate(2024, 6, 1), QDate(2024, 3, 1)},
                                           {QDate(2024, 6, 2), QDate(2024, 6, 1), QDate(2024, 6, 1)},
                                           {QDate(2004, 2, 1), QDate(2024, 6, 1), QDate(2004, 2, 2)},
                                           {QDate(1999, 1, 1), QDate(2024, 6, 1), QDate(2004, 2, 2)}})
        EXPECT_EQ(adjustedStartDate(c.fromDate, c.toDate), c.corrected)
            << c.fromDate.toString().toStdString();
    // A changed end date against the start date and today.
    for (const Case& c : std::vector<Case>{{QDate(2024, 3, 1), QDate(2024, 6, 1), QDate(2024, 6, 1)},
                                           {QDate(2024, 3, 1), QDate(2024, 2, 1), QDate(2024, 3, 1)},
                                           {QDate(2024, 3, 1), QDate(2024, 6, 16), today},
                                           {QDate(2024, 3, 1), QDate(2030, 1, 1), today}})
        EXPECT_EQ(adjustedEndDate(c.fromDate, c.toDate, today), c.corrected)
            << c.toDate.toString().toStdString();
}

} // namespace
