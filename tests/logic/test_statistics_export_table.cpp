#include "logic/export/statistics_export_table.h"
#include "logic/statistics/number_statistics.h"
#include "support/builders.h"
#include "support/qstring_printer.h"

#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

// 1234 draws of 1..20, then one of 51..70: counts and absences past a thousand, where a
// German number format would put a dot.
DrawHistory history() {
    DrawHistory h;
    QDate day(2004, 2, 2);
    for (int i = 0; i < 1234; ++i, day = day.addDays(1))
        h.push_back(draw(day, run20(1)));
    h.push_back(draw(day, run20(51)));
    return h;
}

QStringList row(const ExportTable& t, int r) {
    QStringList cells;
    for (int c = 0; c < t.columnCount(); ++c)
        cells << t.cell(c, r);
    return cells;
}

// A row as its expected texts, "" for an empty cell.
using Row = std::pair<int, QStringList>;

void expectRows(const ExportTable& t, int rowCount, const std::vector<Row>& rows) {
    ASSERT_EQ(t.columnCount(), 2);
    ASSERT_EQ(t.rowCount(), rowCount);
    for (const auto& [r, cells] : rows)
        EXPECT_EQ(row(t, r), cells) << "row " << r;
}

// The cells are the same whatever number format the user has.
class StatisticsExportTable : public ::testing::TestWithParam<QLocale::Language> {
  protected:
    void SetUp() override {
        saved_ = QLocale();
        QLocale::setDefault(QLocale(GetParam()));
    }
    void TearDown() override { QLocale::setDefault(saved_); }

    const DrawHistory h = history();
    ClassSets sets;

  private:
    QLocale saved_;
};

TEST_P(StatisticsExportTable, NumbersByNumberWithTheirCounts) {
    const ExportTable t = buildNumbersExportTable(numberStatistic(h, 0, sets));
    expectRows(t, 71,
               {{0, {"Zahl", "Häufigkeit"}},
                {1, {"1", "1234"}},
                {20, {"20", "1234"}},
                {21, {"21", "0"}},
                {51, {"51", "1"}},
                {70, {"70", "1"}}});
    // The last 10 draws.
    const ExportTable last = buildNumbersExportTable(numberStatistic(h, 10, sets));
    expectRows(last, 71, {{1, {"1", "9"}}, {50, {"50", "0"}}, {70, {"70", "1"}}});
}

TEST_P(StatisticsExportTable, FinalDigitsAndTensWithTheirLabels) {
    // 1..20 hold each final digit twice, 51..70 once more.
    expectRows(buildItemsExportTable(StatisticKind::FinalDigits, finalDigitStatistic(h, 0, sets)), 71,
               {{0, {"Endnummer", "Häufigkeit"}},
                {1, {"Gewinnzahlen mit Endzahl 0:", "2470"}},
                {10, {"Gewinnzahlen mit Endzahl 9:", "2470"}},
                {11, {"", ""}},
                {70, {"", ""}}});
    expectRows(buildItemsExportTable(StatisticKind::Tens, tensStatistic(h, 0, sets)), 8,
               {{0, {"Zehner", "Häufigkeit"}},
                {1, {"Gewinnzahlen von 1 - 10", "12340"}},
                {2, {"Gewinnzahlen von 11 - 20", "12340"}},
                {3, {"Gewinnzahlen von 21 - 30", "0"}},
                {6, {"Gewinnzahlen von 51 - 60", "10"}},
                {7, {"Gewinnzahlen von 61 - 70", "10"}}});
}

// Before the first run the window shows labels and numbers without counts; so does the sheet.
TEST_P(StatisticsExportTable, WithoutAResultTheCountsStayEmpty) {
    expectRows(buildNumbersExportTable(std::nullopt), 71,
               {{0, {"Zahl", "Häufigkeit"}}, {1, {"1", ""}}, {70, {"70", ""}}});
    expectRows(buildItemsExportTable(StatisticKind::FinalDigits, std::nullopt), 71,
               {{1, {"Gewinnzahlen mit Endzahl 0:", ""}}, {11, {"", ""}}});
    expectRows(buildItemsExportTable(StatisticKind::Tens, std::nullopt), 8,
               {{7, {"Gewinnzahlen von 61 - 70", ""}}});
}

TEST_P(StatisticsExportTable, AbsencesInEitherOrderOfTheBoard) {
    const Absences a = computeAbsences(collectDrawSets(h));
    expectRows(buildAbsencesExportTable(a, AbsenceOrder::ByNumber), 71,
               {{0, {"Zahl", "Seit Ziehungen..."}},
                {1, {"1", "1"}},
                {21, {"21", "1235"}}, // never drawn
                {51, {"51", "0"}}});
    // Ascending absence: 51..70, then 1..20; the numbers never drawn have no place.
    expectRows(buildAbsencesExportTable(a, AbsenceOrder::ByAbsence), 71,
               {{0, {"Zahl", "Seit Ziehungen..."}},
                {1, {"51", "0"}},
                {20, {"70", "0"}},
                {21, {"1", "1"}},
                {40, {"20", "1"}},
                {41, {"", ""}},
                {70, {"", ""}}});
    expectRows(buildAbsencesExportTable(Absences{}, AbsenceOrder::ByAbsence), 71, {{1, {"", ""}}});
}

INSTANTIATE_TEST_SUITE_P(Locales, StatisticsExportTable, ::testing::Values(QLocale::C, QLocale::German),
                         [](const auto& info) { return info.param == QLocale::C ? "C" : "German"; });

} // namespace
