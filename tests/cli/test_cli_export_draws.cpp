#include "logic/core/history_file.h"
#include "support/builders.h"
#include "support/cli_runner.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"
#include "support/workbook_reader.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using talvo::test::runCli;

namespace {

// Mon 26.02.2024 to Sat 09.03.2024, Sundays without a draw; Thursday 29.02. a placeholder.
class CliExportDraws : public ::testing::Test {
  protected:
    void SetUp() override {
        talvo::logic::DrawHistory h = talvo::test::drawDays(QDate(2024, 2, 26), 12);
        h[3].GZ = {};
        h[4].plus5.setText(QStringLiteral("01234"));
        talvo::logic::saveDrawHistory(path, h);
    }
    talvo::test::CliResult run(const QString& choice, const QString& from, const QString& to,
                               const QStringList& more = {}) {
        return runCli(QStringList{"export-draws", "--history", path, "--choice", choice, "--from", from,
                                  "--to", to, "--now", "2024-03-09 18:00"} +
                      more);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.tpp"));
};

TEST_F(CliExportDraws, PrintsTheTableOfEachChoice) {
    const auto plus5 = run("2", "27.02.2024", "01.03.2024");
    EXPECT_EQ(plus5.exitCode, 0) << plus5.err.toStdString();
    EXPECT_EQ(plus5.out, "Veranstaltung\tDatum\tplus 5\n"
                         "2\t27-02-2024\t10001\n"
                         "3\t28-02-2024\t10002\n"
                         "5\t01-03-2024\t01234\n");
    EXPECT_EQ(plus5.err, "");

    const auto both = run("0", "01.03.2024", "01.03.2024");
    QString header = QStringLiteral("Veranstaltung\tDatum");
    for (int z = 1; z <= 20; ++z)
        header += QStringLiteral("\tZahl %1").arg(z);
    QString numbers;
    for (int n : talvo::test::run20(4 * 7 % 70 + 1))
        numbers += QStringLiteral("\t%1").arg(n);
    EXPECT_EQ(both.out, header + "\tplus 5\n5\t01.03.2024" + numbers + "\t01234\n");

    const auto only = run("1", "01.03.2024", "01.03.2024");
    EXPECT_EQ(only.out, header + "\n5\t01.03.2024" + numbers + "\n");
}

TEST_F(CliExportDraws, BoundsOfTheRange) {
    // Before the first KENO draw and after now: the whole history.
    const auto all = run("2", "01.01.2000", "31.12.2030");
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.out.count(QLatin1Char('\n')), 12); // header and 11 draws
    EXPECT_TRUE(all.out.endsWith("12\t09-03-2024\t10011\n"));
    // Days without a draw at either end.
    EXPECT_EQ(run("2", "03.03.2024", "03.03.2024").exitCode, 1);
    const auto sundays = run("2", "25.02.2024", "03.03.2024");
    EXPECT_TRUE(sundays.out.startsWith("Veranstaltung\tDatum\tplus 5\n1\t26-02-2024\t10000\n"));
    EXPECT_TRUE(sundays.out.endsWith("6\t02-03-2024\t10005\n"));

    struct Case {
        QString from, to, message;
    };
    const std::vector<Case> cases = {
        {"05.03.2024", "04.03.2024",
         "Der Zeitraum ist ungültig: Er beginnt am 05.03.2024 und endet am 04.03.2024.\n"},
        {"10.03.2024", "20.03.2024",
         "Der Zeitraum ist ungültig: Er beginnt am 10.03.2024 und endet am 09.03.2024.\n"},
        {"03.03.2024", "03.03.2024", "Vom 03.03.2024 bis zum 03.03.2024 ist keine Ziehung gespeichert.\n"},
        {"01.01.2000", "01.02.2024", "Vom 02.02.2004 bis zum 01.02.2024 ist keine Ziehung gespeichert.\n"},
    };
    for (const Case& c : cases) {
        const auto r = run("0", c.from, c.to);
        EXPECT_EQ(r.exitCode, 1) << c.from.toStdString();
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliExportDraws, EmptyHistoryAndWrongUsage) {
    talvo::logic::saveDrawHistory(path, {talvo::test::draw(QDate(2024, 3, 1), {})});
    const auto empty = run("0", "01.01.2024", "01.03.2024");
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.err, "Es ist noch keine Ziehung gespeichert, die exportiert werden könnte.\n");
    for (const char* choice : {"3", "-1", "x"})
        EXPECT_EQ(run(choice, "01.01.2024", "01.03.2024").exitCode, 2);
    EXPECT_EQ(run("0", "32.01.2024", "01.03.2024").exitCode, 2);
    EXPECT_EQ(runCli({"export-draws", "--history", path, "--choice", "0", "--from", "01.01.2024"}).exitCode,
              2);
}

TEST_F(CliExportDraws, WritesTheWorkbookInsteadAndReplacesAnOldOne) {
    const QString out = dir.filePath(QStringLiteral("z.xlsx"));
    {
        QFile old(out);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an old file");
    }
    const auto r = run("0", "02.02.2004", "09.03.2024", {"--xlsx", out});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "");
    const auto book = talvo::test::readWorkbook(out, {"W6"});
    ASSERT_TRUE(book.ok) << book.error.toStdString();
    EXPECT_EQ(book.sheets(), QStringList{"Gewinnzahlen und plus 5"});
    EXPECT_EQ(book.dimensions(), QStringLiteral("A1:W12"));
    EXPECT_EQ(book.row(1, 2), (QStringList{"Veranstaltung", "Datum"}));
    EXPECT_EQ(book.cell("W1"), QStringLiteral("plus 5"));
    EXPECT_EQ(book.row(6, 2), (QStringList{"6", "02.03.2024"}));
    EXPECT_EQ(book.cell("W5"), QStringLiteral("01234"));
    EXPECT_TRUE(book.isText("W5"));
    EXPECT_EQ(book.numberFormat("W6"), QStringLiteral("@"));
    EXPECT_LT(book.width("B"), 0); // the date column keeps its width

    const auto plus5 = run("2", "01.03.2024", "01.03.2024", {"--xlsx", out});
    EXPECT_EQ(plus5.exitCode, 0);
    const auto small = talvo::test::readWorkbook(out);
    EXPECT_EQ(small.sheets(), QStringList{"nur plus 5"});
    EXPECT_EQ(small.dimensions(), QStringLiteral("A1:C2"));
    EXPECT_EQ(small.row(2, 3), (QStringList{"5", "01-03-2024", "01234"}));
}

} // namespace
