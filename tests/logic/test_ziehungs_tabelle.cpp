#include "logic/core/error.h"
#include "logic/export/ziehungs_tabelle.h"
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
    h.push_back(draw(QDate(2024, 3, 18), {70, 1, 35, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18},
                     QStringLiteral("00007")));
    return h;
}

QStringList row(const ExportTabelle& t, int r) {
    QStringList cells;
    for (int c = 0; c < t.spalten(); ++c)
        cells << t.zelle(c, r);
    return cells;
}

TEST(ZiehungsTabelle, ChoicesGiveTheirColumnsAndOneRowPerStoredDraw) {
    const DrawHistory h = history();
    EXPECT_EQ(ziehungsExportText(kGewinnzahlenUndPlus5), QStringLiteral("Gewinnzahlen und plus 5"));
    EXPECT_EQ(ziehungsExportText(kNurGewinnzahlen), QStringLiteral("nur Gewinnzahlen"));
    EXPECT_EQ(ziehungsExportText(kNurPlus5), QStringLiteral("nur plus 5"));

    const ExportTabelle beide = ZiehungsTabelle(h, kGewinnzahlenUndPlus5, 0, 6);
    ASSERT_EQ(beide.spalten(), 23);
    ASSERT_EQ(beide.zeilen(), 7); // the placeholder of 05.03. is no draw
    QStringList kopf = {"Veranstaltung", "Datum"};
    for (int z = 1; z <= 20; ++z)
        kopf << QStringLiteral("Zahl %1").arg(z);
    EXPECT_EQ(row(beide, 0), kopf + QStringList{"plus 5"});
    QStringList letzte = {"7", "18.03.2024", "70", "1", "35"};
    for (int n = 2; n <= 18; ++n)
        letzte << QString::number(n);
    EXPECT_EQ(row(beide, 6), letzte + QStringList{"00007"}); // stored order, plus 5 unchanged
    EXPECT_EQ(row(beide, 1).first(), QStringLiteral("1"));
    EXPECT_EQ(row(beide, 2).mid(0, 2), (QStringList{"3", "06.03.2024"})); // the position + 1

    const ExportTabelle zahlen = ZiehungsTabelle(h, kNurGewinnzahlen, 0, 6);
    ASSERT_EQ(zahlen.spalten(), 22);
    EXPECT_EQ(row(zahlen, 0), kopf);
    EXPECT_EQ(row(zahlen, 6), letzte);

    const ExportTabelle plus5 = ZiehungsTabelle(h, kNurPlus5, 0, 6);
    ASSERT_EQ(plus5.spalten(), 3);
    EXPECT_EQ(row(plus5, 0), (QStringList{"Veranstaltung", "Datum", "plus 5"}));
    EXPECT_EQ(row(plus5, 1), (QStringList{"1", "04-03-2024", "01234"}));
    EXPECT_EQ(row(plus5, 6), (QStringList{"7", "18-03-2024", "00007"}));
}

TEST(ZiehungsTabelle, PartOfTheHistoryAndNoDrawAtAll) {
    const DrawHistory h = history();
    const ExportTabelle mitte = ZiehungsTabelle(h, kNurPlus5, 2, 3);
    ASSERT_EQ(mitte.zeilen(), 3);
    EXPECT_EQ(row(mitte, 1), (QStringList{"3", "06-03-2024", "56786"}));
    EXPECT_EQ(row(mitte, 2), (QStringList{"4", "07-03-2024", "56787"}));

    const ExportTabelle leer = ZiehungsTabelle(h, kNurPlus5, 1, 1);
    EXPECT_EQ(leer.zeilen(), 1);
    EXPECT_EQ(leer.zelle(2, 0), QStringLiteral("plus 5"));
}

TEST(ZiehungsTabelle, RangeRunsFromTheFirstToTheLastStoredDrawInside) {
    const DrawHistory h = history();
    struct Case {
        QDate von, bis;
        int erste, letzte;
    };
    const std::vector<Case> cases = {
        {QDate(2004, 2, 2), QDate(2024, 3, 18), 0, 6},
        {QDate(2024, 3, 4), QDate(2024, 3, 4), 0, 0},
        {QDate(2024, 3, 5), QDate(2024, 3, 7), 2, 3},    // a placeholder's day starts at the next draw
        {QDate(2024, 3, 10), QDate(2024, 3, 20), 6, 6},  // Sunday and days without draws
        {QDate(2024, 3, 1), QDate(2024, 3, 12), 0, 5},
        {QDate(2024, 3, 18), QDate(2026, 1, 1), 6, 6},
    };
    for (const Case& c : cases) {
        const ExportBereich b = ziehungsBereich(h, c.von, c.bis);
        EXPECT_EQ(b.erste, c.erste) << c.von.toString().toStdString();
        EXPECT_EQ(b.letzte, c.letzte) << c.bis.toString().toStdString();
    }
}

TEST(ZiehungsTabelle, NoDrawInTheRangeOrNoneStoredIsAGermanError) {
    const DrawHistory h = history();
    const auto message = [](const DrawHistory& draws, const QDate& von, const QDate& bis) {
        try {
            ziehungsBereich(draws, von, bis);
        } catch (const Error& e) {
            return e.text();
        }
        return QStringLiteral("kein Fehler");
    };
    const QString keine = QStringLiteral("Vom 10.03.2024 bis zum 17.03.2024 ist keine Ziehung gespeichert.");
    EXPECT_EQ(message(h, QDate(2024, 3, 10), QDate(2024, 3, 17)), keine);
    EXPECT_EQ(message(h, QDate(2024, 3, 5), QDate(2024, 3, 5)),
              QStringLiteral("Vom 05.03.2024 bis zum 05.03.2024 ist keine Ziehung gespeichert."));
    EXPECT_EQ(message(h, QDate(2024, 3, 19), QDate(2025, 1, 1)),
              QStringLiteral("Vom 19.03.2024 bis zum 01.01.2025 ist keine Ziehung gespeichert."));
    const QString nichts = QStringLiteral("Es ist noch keine Ziehung gespeichert, die exportiert werden könnte.");
    EXPECT_EQ(message({}, QDate(2004, 2, 2), QDate(2030, 1, 1)), nichts);
    EXPECT_EQ(message({draw(QDate(2024, 3, 5), {})}, QDate(2004, 2, 2), QDate(2030, 1, 1)), nichts);
}

TEST(ZiehungsTabelle, TheRangeEndsAtFirstOnTheLastStoredDraw) {
    DrawHistory h = history();
    EXPECT_EQ(letzterZiehungstag(h), QDate(2024, 3, 18));
    h.push_back(draw(QDate(2024, 3, 19), {}));
    EXPECT_EQ(letzterZiehungstag(h), QDate(2024, 3, 18));
    EXPECT_FALSE(letzterZiehungstag({draw(QDate(2024, 3, 19), {})}).isValid());
    EXPECT_FALSE(letzterZiehungstag({}).isValid());
}

TEST(ZiehungsTabelle, RangeRulesKeepStartBeforeEndInsideTheDrawYears) {
    const QDate heute(2024, 6, 15);
    struct Case {
        QDate von, bis, neu;
    };
    // A changed start date against the end date.
    for (const Case& c : std::vector<Case>{{QDate(2024, 3, 1), QDate(2024, 6, 1), QDate(2024, 3, 1)},
                                           {QDate(2024, 6, 2), QDate(2024, 6, 1), QDate(2024, 6, 1)},
                                           {QDate(2004, 2, 1), QDate(2024, 6, 1), QDate(2004, 2, 2)},
                                           {QDate(1999, 1, 1), QDate(2024, 6, 1), QDate(2004, 2, 2)}})
        EXPECT_EQ(vonGeaendert(c.von, c.bis), c.neu) << c.von.toString().toStdString();
    // A changed end date against the start date and today.
    for (const Case& c : std::vector<Case>{{QDate(2024, 3, 1), QDate(2024, 6, 1), QDate(2024, 6, 1)},
                                           {QDate(2024, 3, 1), QDate(2024, 2, 1), QDate(2024, 3, 1)},
                                           {QDate(2024, 3, 1), QDate(2024, 6, 16), heute},
                                           {QDate(2024, 3, 1), QDate(2030, 1, 1), heute}})
        EXPECT_EQ(bisGeaendert(c.von, c.bis, heute), c.neu) << c.bis.toString().toStdString();
}

} // namespace
