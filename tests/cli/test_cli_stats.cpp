#include "logic/core/history_file.h"
#include "support/builders.h"
#include "support/cli_runner.h"
#include "tools/generated_history.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using talvo::test::runCli;

namespace {

class CliStatistics : public testing::Test {
  protected:
    void SetUp() override {
        path = dir.filePath(QStringLiteral("h.tpp"));
        talvo::logic::DrawHistory h = talvo::tools::generatedHistory(30, QDate(2004, 2, 2), 5);
        h.push_back(talvo::test::draw(QDate(2030, 1, 1), {})); // placeholder at the end
        talvo::logic::saveDrawHistory(path, h);
    }
    QStringList lines(const QString& out) { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }

    QTemporaryDir dir;
    QString path;
};

TEST_F(CliStatistics, StatsPrintsEveryBlock) {
    const auto r = runCli({"stats", "--history", path, "--last", "10"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = lines(r.out);
    ASSERT_EQ(l.size(), 3 * 6 + 70 + 10 + 7 + 18 + 70 + 2);
    EXPECT_EQ(l[0], "KIND\t1");
    EXPECT_EQ(l[1], "heading\tAuswertung für 10 Ziehungen (200 Zahlen)");
    EXPECT_EQ(l[2], "legend\t200 Zahlen");
    EXPECT_EQ(l[3], "mean\t2,9");
    EXPECT_EQ(l[4], "T\t8 6 5 1 0 0");
    EXPECT_EQ(l[5], "R\t> 8\t6 bis 8\t5 bis 5\t1 bis 4\t0 bis 0\tirrelevant\tirrelevant");
    EXPECT_TRUE(l[6].startsWith("item\t1\t"));
    EXPECT_EQ(l[6].split('\t').size(), 4);
    EXPECT_EQ(l[76], "KIND\t2");
    EXPECT_EQ(l[80], "T\t33 28 24 16 12 7");
    EXPECT_EQ(l[92], "KIND\t3");
    EXPECT_EQ(l[96], "T\t43 38 34 24 19 14");
    EXPECT_TRUE(l[105].startsWith("KLASSEN\t1\t1\t"));
    EXPECT_TRUE(l[122].startsWith("KLASSEN\t3\t6\t"));
    EXPECT_TRUE(l[123].startsWith("ABSENCE\t1\t"));
    EXPECT_TRUE(l[193].startsWith("ABSENCE-ORDER\t"));
    EXPECT_EQ(l[193].mid(14).split(' ').size(), 70);
    EXPECT_TRUE(l[194].startsWith("FREQUENCY-ORDER\t"));
}

TEST_F(CliStatistics, StatsWithoutDrawsPrintsOnlySetsAndAbsences) {
    const QString empty = dir.filePath(QStringLiteral("e.tpp"));
    talvo::logic::saveDrawHistory(empty, {talvo::test::draw(QDate(2024, 1, 1), {})});
    const auto r = runCli({"stats", "--history", empty, "--last", "0"});
    ASSERT_EQ(r.exitCode, 0);
    const QStringList l = lines(r.out);
    EXPECT_EQ(l[0], "KLASSEN\t1\t1\t");
    EXPECT_EQ(l[18], "ABSENCE\t1\t0");
    EXPECT_TRUE(
        l.contains("ABSENCE-ORDER\t1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 "
                   "27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50 51 52 53 54 "
                   "55 56 57 58 59 60 61 62 63 64 65 66 67 68 69 70"));
}

TEST_F(CliStatistics, CombosPrintsLabelsAndBothLists) {
    const auto r = runCli({"combos", "--history", path, "--k", "2", "--last", "0"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = lines(r.out);
    EXPECT_EQ(l[0], "Erwartungswert: 2,36"); // 190 * 30 / 2415
    EXPECT_EQ(l[1], "Prüfroutinen: 72.450");
    EXPECT_TRUE(l[2].startsWith("TOP\t1\t"));
    const QStringList first = l[2].split('\t');
    EXPECT_EQ(first[2].split(' ').size(), 2);
    EXPECT_EQ(l.filter(QRegularExpression("^TOP\t")).size(), 1000);
    // Every pair is offered to the flop list, which so holds the 1000 rarest, the pairs of
    // the top list included when they are rare enough.
    const QStringList flop = l.filter(QRegularExpression("^FLOP\t"));
    ASSERT_EQ(flop.size(), 1000);
    EXPECT_EQ(flop.last().split('\t')[1].toInt(), 1000);
    EXPECT_EQ(flop.first().split('\t')[2].split(' ').size(), 2);
    EXPECT_TRUE(QRegularExpression("^Dauer: \\d+:\\d\\d:\\d\\d,\\d\n$").match(r.err).hasMatch())
        << r.err.toStdString();
}

TEST_F(CliStatistics, StatsTestPrintsChiSquarePValueAndZScores) {
    const auto plain = runCli({"stats", "--history", path, "--last", "10"});
    const auto r = runCli({"stats", "--history", path, "--last", "10", "--test"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_TRUE(r.out.startsWith(plain.out));
    const QStringList l = lines(r.out.mid(plain.out.size()));
    ASSERT_EQ(l.size(), 3 + 70);
    EXPECT_TRUE(QRegularExpression("^Chi-Quadrat\t\\d+,\\d\\d$").match(l[0]).hasMatch())
        << l[0].toStdString();
    EXPECT_EQ(l[1], "Freiheitsgrade\t69");
    EXPECT_TRUE(QRegularExpression("^p-Wert\t[01],\\d{4}$").match(l[2]).hasMatch()) << l[2].toStdString();
    // The same T and z from the counts the item lines print: E = 200 / 70.
    const QStringList items = lines(plain.out).filter(QRegularExpression("^item\t")).mid(0, 70);
    const double e = 200.0 / 70.0;
    double sum = 0.0;
    for (int n = 1; n <= 70; ++n) {
        const int count = items[n - 1].split('\t')[2].toInt();
        sum += (count - e) * (count - e) / e;
        const double z = (count - e) / std::sqrt(10.0 * 2.0 / 7.0 * 5.0 / 7.0);
        const QStringList cells = l[2 + n].split('\t');
        ASSERT_EQ(cells.size(), 3);
        EXPECT_EQ(cells[0], "z");
        EXPECT_EQ(cells[1].toInt(), n);
        EXPECT_NEAR(QString(cells[2]).replace(',', '.').toDouble(), z, 0.0051) << n;
        EXPECT_TRUE(QRegularExpression("^-?\\d+,\\d\\d$").match(cells[2]).hasMatch())
            << cells[2].toStdString();
    }
    EXPECT_NEAR(l[0].section('\t', 1).replace(',', '.').toDouble(), 69.0 / 50.0 * sum, 0.0051);
}

TEST_F(CliStatistics, CombosTestPrintsTheTwoChancesAfterTheLists) {
    const QStringList args = {"combos", "--history", path,     "--k", "2",      "--last",
                              "0",      "--test",    "--runs", "50",  "--seed", "11"};
    const auto r = runCli(args);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = lines(r.out);
    ASSERT_GE(l.size(), 5);
    const QStringList tail = l.mid(l.size() - 5);
    const QString top = l.filter(QRegularExpression("^TOP\t1\t")).value(0).section('\t', 3);
    const QString flop = l.filter(QRegularExpression("^FLOP\t1\t")).value(0).section('\t', 3);
    EXPECT_TRUE(
        QRegularExpression("^TEST-TOP\t" + top + "\t[01],\\d{4}\t0,\\d{4}$").match(tail[0]).hasMatch())
        << tail[0].toStdString();
    EXPECT_TRUE(
        QRegularExpression("^TEST-FLOP\t" + flop + "\t[01],\\d{4}\t0,\\d{4}$").match(tail[1]).hasMatch())
        << tail[1].toStdString();
    EXPECT_EQ(tail[2], "TEST-RUNS\t50\t11");
    EXPECT_TRUE(tail[3].startsWith("Dass die häufigste der 2.415 Zweierkombinationen in 30 Ziehungen " + top +
                                   "-mal"));
    const QString rarest =
        flop == "0" ? QStringLiteral("gar nicht") : QStringLiteral("höchstens %1-mal").arg(flop);
    EXPECT_TRUE(tail[4].startsWith("Dass die seltenste der 2.415 Zweierkombinationen in 30 Ziehungen " +
                                   rarest + " vorkommt"))
        << tail[4].toStdString();
    EXPECT_TRUE(tail[4].endsWith("50 Simulationen)."));
    // The seed repeats the estimate.
    EXPECT_EQ(runCli(args).out, r.out);
    // Without --test the lists end the output.
    EXPECT_TRUE(lines(runCli(args.mid(0, 7)).out).last().startsWith("FLOP\t1000\t"));
    for (const char* runs : {"0", "-3", "viele"})
        EXPECT_EQ(runCli({"combos", "--history", path, "--k", "2", "--last", "0", "--test", "--runs", runs})
                      .exitCode,
                  2)
            << runs;
}

TEST_F(CliStatistics, FreeSearchPrintsDetailAndSummary) {
    const auto r = runCli({"free-search", "--history", path, "--last", "0", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = lines(r.out);
    ASSERT_GE(l.size(), 6);
    const QStringList summary = l.mid(l.size() - 6);
    EXPECT_EQ(summary[0], "Suche\t1");
    EXPECT_EQ(summary[1], "Kombi-Typ\t1");
    EXPECT_EQ(summary[2], "Kombi-Zahlen\t5");
    EXPECT_EQ(summary[3], "Ausspielungen\t30");
    EXPECT_EQ(summary[4], QStringLiteral("Aufgetreten\t%1").arg(l.size() - 6));
    EXPECT_EQ(summary[5], "Chance\t8,57");
    if (l.size() > 6) {
        EXPECT_TRUE(QRegularExpression("^1\t\\d+\t\\d\\d\\.\\d\\d\\.\\d{4}$").match(l[0]).hasMatch())
            << l[0].toStdString();
    }
}

TEST_F(CliStatistics, WrongUsageAndErrors) {
    struct Case {
        QStringList args;
        int exitCode;
    };
    const std::vector<Case> cases = {
        {{"stats", "--history", path, "--last", "-1"}, 2},
        {{"stats", "--last", "0"}, 2},
        {{"stats", "--history", dir.filePath("fehlt.tpp"), "--last", "0"}, 1},
        {{"combos", "--history", path, "--k", "5", "--last", "0"}, 2},
        {{"combos", "--history", path, "--last", "0"}, 2},
        {{"free-search", "--history", path, "--last", "0"}, 2},
        {{"free-search", "--history", path, "--last", "0", "71"}, 2},
        {{"free-search", "--history", path, "--last", "0", "4", "4"}, 2},
        {{"free-search", "--history", path, "--last", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
          "11"},
         2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(runCli(c.args).exitCode, c.exitCode) << c.args.join(' ').toStdString();
    // Any count is accepted, also one outside the draw-count choices.
    EXPECT_EQ(runCli({"combos", "--history", path, "--k", "3", "--last", "7"}).out.section('\n', 0, 0),
              "Erwartungswert: 0,15");
    // A count beyond every history, even beyond the machine's int, means all draws.
    for (const char* huge : {"313", "2147483648", "99999999999999"}) {
        const auto r = runCli({"stats", "--history", path, "--last", huge});
        EXPECT_EQ(r.exitCode, 0) << huge << ' ' << r.err.toStdString();
        EXPECT_TRUE(r.out.contains("heading\tAuswertung für 30 Ziehungen (600 Zahlen)\n")) << huge;
    }
    EXPECT_EQ(runCli({"stats", "--history", path, "--last", "zehn"}).exitCode, 2);
}

} // namespace
