#include "logic/core/history_file.h"
#include "logic/core/slip_file.h"
#include "support/builders.h"
#include "support/cli_runner.h"
#include "support/qstring_printer.h"
#include "support/temp_files.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace talvo;
using talvo::test::runCli;

namespace {

const QString kHeader =
    QStringLiteral("Tipp\tTyp\tTreffer\tEinsatz\tFaktor\tGewinn\tplus 5\tGesamtgewinn\tSaldo\n");

class CliEvaluation : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    QString slips = dir.filePath(QStringLiteral("s.tix"));

    void SetUp() override {
        // Monday 26.02. to Thursday 29.02.2024; 28.02. is still missing.
        logic::saveDrawHistory(history,
                               {test::draw(QDate(2024, 2, 26), test::run20(1), QStringLiteral("11111")),
                                test::draw(QDate(2024, 2, 27), test::run20(11), QStringLiteral("12345")),
                                test::draw(QDate(2024, 2, 28), {}),
                                test::draw(QDate(2024, 2, 29), test::run20(21), QStringLiteral("99345"))});
        logic::SlipRecord a =
            test::slip({{1, 2}, {15, 30, 45}}, 1, 0, QDate(2024, 2, 26), QStringLiteral("Alpha"));
        a.p5 = 1;
        a.plus5.setText(QStringLiteral("12345"));
        const logic::SlipRecord b = test::slip({{}, {21, 22, 23, 24, 25, 26, 27, 28}}, 0, 2,
                                               QDate(2024, 2, 27), QStringLiteral("Beta"));
        logic::saveSlips(slips, {a, b});
    }

    test::CliResult evaluate(QStringList mode) {
        return runCli(QStringList{QStringLiteral("evaluate"), QStringLiteral("--history"), history,
                                  QStringLiteral("--slips"), slips, QStringLiteral("--now"),
                                  QStringLiteral("2024-03-01 12:00")} +
                      mode);
    }
};

TEST_F(CliEvaluation, SlipsPrintsTheListingGrid) {
    const auto r = runCli({QStringLiteral("slips"), slips});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Tipp\tSchein\tK-Typ\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\tplus "
                     "5\tEinsatz\tZiehungen\tab\tTippgemeinschaft\n"
                     "1\tAlpha\t2\t1\t2\t\t\t\t\t\t\t\t\t12345\t2\tDauer\t26.02.2024\t\n"
                     "2\t\t3\t15\t30\t45\t\t\t\t\t\t\t\t\t\t\t\t\n"
                     "3\tBeta\t8\t21\t22\t23\t24\t25\t26\t27\t28\t\t\tnein\t1\t2\t27.02.2024\t\n");
}

// Names are free bytes in the file; a tab or a line break in one must not split a row
// or a caption line, and an escape or a bell must not reach the terminal.
TEST_F(CliEvaluation, ControlCharactersInNamesKeepTheRowsWhole) {
    logic::SlipRecord a = test::slip({{1, 2}}, 0, 1, QDate(2024, 2, 26), QStringLiteral("A\tB"));
    a.p5 = 1;
    a.plus5.setText(QStringLiteral("1\r\n2"));
    const logic::SlipRecord b =
        test::slip({{50, 60}}, 0, 1, QDate(2024, 2, 26), QStringLiteral("C\nD\x1b[2J\x07\x7f"));
    logic::saveSlips(slips, {a, b});

    const auto listing = runCli({QStringLiteral("slips"), slips});
    EXPECT_EQ(listing.exitCode, 0);
    const QStringList rows = listing.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3);
    for (const QString& row : rows)
        EXPECT_EQ(row.count(u'\t'), 17) << row.toStdString();
    EXPECT_EQ(rows[1].section(u'\t', 1, 1), "A B");
    EXPECT_EQ(rows[1].section(u'\t', 13, 13), "1  2");
    EXPECT_EQ(rows[2].section(u'\t', 1, 1), "C D [2J  ");

    a.plus5.setText(QStringLiteral("12345"));
    logic::saveSlips(slips, {a, b});
    const auto r = evaluate({QStringLiteral("--laufzeit")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "# A B: 26.02.2024\n" + kHeader + "1\t2\t2\t1\t6\t6\t0\t6\t4,25\n" +
                         "# C D [2J  : 26.02.2024\n" + kHeader + "1\t2\t0\t1\t\t\t\t\t-1,00\n");
}

TEST_F(CliEvaluation, CurrentDrawGivesOneTable) {
    const auto r =
        evaluate({QStringLiteral("--current"), QStringLiteral("1 2 15 21"), QStringLiteral("--plus5"),
                  QStringLiteral("9934567"), QStringLiteral("--caption"), QStringLiteral("29.02.2024")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "# 29.02.2024\n" + kHeader +
                         "1\t2\t2\t2\t6\t12\t3\t62\t59,25\n"
                         "2\t3\t1\t2\t\t\t\t\t57,25\n"
                         "3\t8\t1\t1\t\t\t\t\t56,25\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(CliEvaluation, RunningTimeGivesOneTablePerDraw) {
    const auto r = evaluate({QStringLiteral("--laufzeit")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "# Alpha: 26.02.2024\n" + kHeader +
                         "1\t2\t2\t2\t6\t12\t0\t12\t9,25\n"
                         "2\t3\t1\t2\t\t\t\t\t7,25\n"
                         "# Alpha: 27.02.2024\n" +
                         kHeader +
                         "1\t2\t0\t2\t\t\t5\t5000\t5.004,50\n"
                         "2\t3\t2\t2\t1\t2\t\t5002\t5.004,50\n"
                         "# Alpha: 29.02.2024\n" +
                         kHeader +
                         "1\t2\t0\t2\t\t\t3\t50\t5.051,75\n"
                         "2\t3\t1\t2\t\t\t\t\t5.049,75\n"
                         "# Beta: 27.02.2024\n" +
                         kHeader + "1\t8\t8\t1\t10000\t10000\t\t10000\t9.999,00\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(CliEvaluation, SummaryAddsUpTheTablesPerSlip) {
    const QString header = QStringLiteral("Schein\tAuswertungen\tEinsatz\tGewinn\tplus 5\tSaldo\n");
    // Alpha: three draws at 2 x 2 + 0,75 euro; games 12 + 2, plus 5 5000 + 50 (26.02. has no
    // matching digit). Beta: one draw at 1 euro, eight of eight hits.
    const QString running = header + "Alpha\t3\t14,25\t14,00\t5.050,00\t5.049,75\n" +
                            "Beta\t1\t1,00\t10.000,00\t0,00\t9.999,00\n" +
                            "Summe\t4\t15,25\t10.014,00\t5.050,00\t15.048,75\n";
    const auto laufzeit = evaluate({QStringLiteral("--laufzeit"), QStringLiteral("--summary")});
    EXPECT_EQ(laufzeit.exitCode, 0) << laufzeit.err.toStdString();
    EXPECT_EQ(laufzeit.out, running);

    // Beta's balance runs from its first table to its last; the range gives both slips both days.
    const auto range = evaluate({QStringLiteral("--range"), QStringLiteral("27.02.2024"),
                                 QStringLiteral("28.02.2024"), QStringLiteral("--summary")});
    EXPECT_EQ(range.exitCode, 0) << range.err.toStdString();
    EXPECT_EQ(range.out, header + "Alpha\t1\t4,75\t2,00\t5.000,00\t4.997,25\n" +
                             "Beta\t1\t1,00\t10.000,00\t0,00\t9.999,00\n" +
                             "Summe\t2\t5,75\t10.002,00\t5.000,00\t14.996,25\n");

    const auto current =
        evaluate({QStringLiteral("--current"), QStringLiteral("1 2 15 21"), QStringLiteral("--plus5"),
                  QStringLiteral("99345"), QStringLiteral("--summary")});
    EXPECT_EQ(current.exitCode, 0) << current.err.toStdString();
    EXPECT_EQ(current.out, header + "Alpha\t1\t4,75\t12,00\t50,00\t57,25\n" +
                               "Beta\t1\t1,00\t0,00\t0,00\t-1,00\n" +
                               "Summe\t2\t5,75\t12,00\t50,00\t56,25\n");
}

TEST_F(CliEvaluation, SummaryIsPrintedAlsoWhenNothingOrOnlyPartWasEvaluated) {
    const QString header = QStringLiteral("Schein\tAuswertungen\tEinsatz\tGewinn\tplus 5\tSaldo\n");
    const auto nothing = evaluate({QStringLiteral("--range"), QStringLiteral("01.01.2020"),
                                   QStringLiteral("02.01.2020"), QStringLiteral("--summary")});
    EXPECT_EQ(nothing.exitCode, 0);
    EXPECT_EQ(nothing.out, header + "Summe\t0\t0,00\t0,00\t0,00\t0,00\n");

    // The second slip's plus 5 number is broken: the first slip's sums are printed, then the error.
    logic::SlipRecord good = test::slip({{1, 2}}, 0, 1, QDate(2024, 2, 26), QStringLiteral("Gut\tSchein"));
    logic::SlipRecord bad = test::slip({{1, 2}}, 0, 1, QDate(2024, 2, 26), QStringLiteral("Kaputt"));
    bad.p5 = 1;
    bad.plus5.setText(QStringLiteral("x"));
    logic::saveSlips(slips, {good, bad});
    const auto partly = evaluate({QStringLiteral("--laufzeit"), QStringLiteral("--summary")});
    EXPECT_EQ(partly.exitCode, 1);
    EXPECT_EQ(partly.out,
              header + "Gut Schein\t1\t1,00\t6,00\t0,00\t5,00\n" + "Summe\t1\t1,00\t6,00\t0,00\t5,00\n");
    EXPECT_TRUE(partly.err.contains(QStringLiteral("Kaputt"))) << partly.err.toStdString();
}

TEST_F(CliEvaluation, RangeAndTheClock) {
    const auto r =
        evaluate({QStringLiteral("--range"), QStringLiteral("27.02.2024"), QStringLiteral("29.02.2024")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count(QStringLiteral("# ")), 4);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("# Alpha: 27.02.2024\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("# Beta: 29.02.2024\n")));

    // Before noon of 29.02. only two draws have taken place.
    const auto early = runCli({QStringLiteral("evaluate"), QStringLiteral("--history"), history,
                               QStringLiteral("--slips"), slips, QStringLiteral("--laufzeit"),
                               QStringLiteral("--now"), QStringLiteral("2024-02-28 20:00")});
    EXPECT_EQ(early.out.count(QStringLiteral("# ")), 3);
}

// A range that ends before it starts is a wrong call, as the window refuses it: nothing
// evaluated, not even an empty summary. A range of one day is a range.
TEST_F(CliEvaluation, AReversedRangeIsRefused) {
    struct Case {
        const char* from;
        const char* until;
        bool summary;
        int exitCode;
    };
    const Case cases[] = {
        {"01.05.2004", "01.04.2004", false, 2}, {"29.02.2024", "27.02.2024", false, 2},
        {"28.02.2024", "27.02.2024", true, 2},  {"01.01.2025", "31.12.2024", true, 2},
        {"27.02.2024", "27.02.2024", false, 0}, {"27.02.2024", "28.02.2024", true, 0},
    };
    for (const Case& c : cases) {
        QStringList mode{QStringLiteral("--range"), QString::fromLatin1(c.from),
                         QString::fromLatin1(c.until)};
        if (c.summary)
            mode << QStringLiteral("--summary");
        const auto r = evaluate(mode);
        const std::string call = mode.join(u' ').toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << call;
        if (c.exitCode == 0) {
            EXPECT_FALSE(r.out.isEmpty()) << call;
            EXPECT_EQ(r.err, "") << call;
            continue;
        }
        EXPECT_EQ(r.out, "") << call;
        EXPECT_TRUE(r.err.startsWith(QStringLiteral(
            "Das Datum \"von\" liegt nach dem Datum \"bis\". Bitte den Zeitraum berichtigen.\nAufruf: "
            "talvo-cli evaluate ")))
            << call << ": " << r.err.toStdString();
    }
}

TEST_F(CliEvaluation, RangeCountsSundaysOnceTheyAreDrawn) {
    // Drawn every day from Sunday 03.03.2024 on: the week to Sunday 10.03. holds eight draws.
    logic::DrawHistory h;
    for (QDate d(2024, 3, 3); d <= QDate(2024, 3, 10); d = d.addDays(1))
        h.push_back(test::draw(d, test::run20(d.day())));
    logic::saveDrawHistory(history, h);
    logic::saveSlips(slips, {test::slip({{1, 2}})});
    const auto r =
        runCli({QStringLiteral("evaluate"), QStringLiteral("--history"), history, QStringLiteral("--slips"),
                slips, QStringLiteral("--now"), QStringLiteral("2024-03-11 12:00"), QStringLiteral("--range"),
                QStringLiteral("04.03.2024"), QStringLiteral("10.03.2024")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count(QStringLiteral("# ")), 7);
    EXPECT_TRUE(r.out.contains(QStringLiteral("# Test: 10.03.2024\n")));
}

TEST_F(CliEvaluation, MessagesGoToStderr) {
    logic::saveSlips(slips, {test::slip({{1, 2}}, 0, 1, QDate(2024, 3, 2)),
                             test::slip({{1, 2}}, 0, 1, QDate(2024, 2, 29))});
    const auto one = evaluate({QStringLiteral("--laufzeit")});
    EXPECT_EQ(one.exitCode, 0);
    EXPECT_EQ(one.err,
              "Für einen Spielschein war keine Auswertung möglich, da für dessen Laufzeit keine Angaben "
              "vorhanden sind.\n");
    EXPECT_EQ(one.out.count(QStringLiteral("# ")), 1);

    const auto noNumbers = evaluate({QStringLiteral("--current"), QString()});
    EXPECT_EQ(noNumbers.exitCode, 1);
    EXPECT_EQ(noNumbers.err, "Keine Gewinnzahlen für die Auswertung angegeben.\n");
}

TEST_F(CliEvaluation, ABadPlusFiveNumberPrintsTheTablesBeforeIt) {
    logic::SlipRecord bad = test::slip({{1, 2}}, 0, 0, QDate(2024, 2, 27), QStringLiteral("Kaputt"));
    bad.p5 = 1;
    logic::saveSlips(slips, {test::slip({{1, 2}}, 0, 1, QDate(2024, 2, 26)), bad});
    const auto r = evaluate({QStringLiteral("--laufzeit")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "# Test: 26.02.2024\n" + kHeader +
                         "1\t2\t2\t1\t6\t6\t\t6\t5,00\n# Kaputt: 27.02.2024\n" + kHeader);
    EXPECT_EQ(
        r.err,
        "Der Spielschein \"Kaputt\" kann nicht ausgewertet werden: \"\" ist keine gültige plus 5-Zahl.\n");
}

TEST_F(CliEvaluation, WrongUsage) {
    for (const QStringList& mode :
         {QStringList{},
          QStringList{QStringLiteral("--laufzeit"), QStringLiteral("--current"), QStringLiteral("1")},
          QStringList{QStringLiteral("--current"), QStringLiteral("71")},
          QStringList{QStringLiteral("--current"), QStringLiteral("1 x")},
          QStringList{QStringLiteral("--range"), QStringLiteral("01.01.2024")},
          QStringList{QStringLiteral("--range"), QStringLiteral("01.01.2024"),
                      QStringLiteral("32.01.2024")}}) {
        EXPECT_EQ(evaluate(mode).exitCode, 2) << mode.join(u' ').toStdString();
    }
    const auto bothWrong =
        evaluate({QStringLiteral("--range"), QStringLiteral("32.01.2024"), QStringLiteral("33.01.2024")});
    EXPECT_EQ(bothWrong.exitCode, 2);
    EXPECT_TRUE(bothWrong.err.startsWith(QStringLiteral("\"33.01.2024\" ist kein Datum (TT.MM.JJJJ).\n")))
        << bothWrong.err.toStdString();
    QStringList many;
    for (int n = 1; n <= 21; ++n)
        many << QString::number(n);
    EXPECT_EQ(evaluate({QStringLiteral("--current"), many.join(u' ')}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("slips")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("slips"), dir.filePath(QStringLiteral("fehlt.tix"))}).exitCode, 1);
}

TEST_F(CliEvaluation, ExportSetsWritesTheFiveFiles) {
    const QString out = dir.filePath(QStringLiteral("sets"));
    QDir().mkdir(out);
    const auto r = runCli(
        {QStringLiteral("export-sets"), QStringLiteral("--history"), history, QStringLiteral("--dir"), out});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    for (const char* name : {"gz6.tpp", "gz30.tpp", "gz90.tpp", "gz300.tpp", "gzAlle.tpp"})
        EXPECT_EQ(QFileInfo(out + QLatin1Char('/') + QLatin1String(name)).size(), 160) << name;
    EXPECT_EQ(runCli({QStringLiteral("export-sets"), QStringLiteral("--history"), history}).exitCode, 2);
}

} // namespace
