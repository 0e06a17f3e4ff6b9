#include "logic/core/history_file.h"
#include "support/builders.h"
#include "support/cli_runner.h"
#include "tools/generated_history.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using talvo::test::runCli;

namespace {

TEST(CliOdds, PrintsEveryTypeWithExactFigures) {
    const auto r = runCli({"odds"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(l.size(), (3 + 11) * 9 / 2 + 2 * 9);
    EXPECT_EQ(l[0], "odds\t2\t0\t0.50724637681159424\t0");
    EXPECT_EQ(l[1], "odds\t2\t1\t0.41407867494824019\t0");
    EXPECT_EQ(l[2], "odds\t2\t2\t0.078674948240165632\t6");
    EXPECT_EQ(l[3], "return\t2\t0.47204968944099379");
    EXPECT_EQ(l[4], "prize\t2\t0.078674948240165632");
    EXPECT_EQ(l[5], "odds\t3\t0\t0.35805626598465473\t0");
    EXPECT_EQ(l.last(), "prize\t10\t0.13544148336141645");
}

TEST(CliOdds, OneTypeAndWrongTypes) {
    const auto r = runCli({"odds", "--type", "10"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(l.size(), 13);
    EXPECT_EQ(l[0], "odds\t10\t0\t0.025894028282891196\t2");
    EXPECT_EQ(l[9], "odds\t10\t9\t2.1169408180047393e-05\t1000");
    EXPECT_EQ(l[10], "odds\t10\t10\t4.6572697996104266e-07\t100000");
    for (const char* type : {"1", "11", "x"}) {
        const auto bad = runCli({"odds", "--type", type});
        EXPECT_EQ(bad.exitCode, 2) << type;
        EXPECT_EQ(bad.out, "");
    }
}

class CliBacktest : public testing::Test {
  protected:
    void SetUp() override {
        path = dir.filePath(QStringLiteral("h.tpp"));
        talvo::logic::DrawHistory h = talvo::tools::generatedHistory(700, QDate(2004, 2, 2), 4);
        h.insert(h.begin() + 300, talvo::test::draw(QDate(2030, 1, 1), {}));
        talvo::logic::saveDrawHistory(path, h);
    }
    talvo::test::CliResult backtest(QStringList args) {
        return runCli(QStringList{"backtest", "--history", path} + args);
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(CliBacktest, PrintsTheDrawsAndTheSummary) {
    const auto r = backtest({"--strategy", "1", "--type", "4", "--last", "100", "--stake", "5", "--seed",
                             "99", "--from", "01.06.2005", "--to", "30.06.2005", "--draws"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = r.out.split('\n', Qt::SkipEmptyParts);
    // June 2005 has 26 draw days.
    ASSERT_EQ(l.size(), 26 + 9 + 5);
    const QRegularExpression row("^\\d\\d\\.06\\.2005\t\\d+ \\d+ \\d+ \\d+\t[0-4]\t\\d+,00$");
    for (int i = 0; i < 26; ++i)
        EXPECT_TRUE(row.match(l[i]).hasMatch()) << l[i].toStdString();
    EXPECT_TRUE(l[0].startsWith("01.06.2005\t"));
    EXPECT_TRUE(l[25].startsWith("30.06.2005\t"));
    EXPECT_EQ(l[26], "Seed\t99");
    EXPECT_EQ(l[27], "Ziehungen\t26");
    EXPECT_EQ(l[28], "Einsatz\t130,00");
    EXPECT_TRUE(QRegularExpression("^Gewinn\t\\d+,00$").match(l[29]).hasMatch());
    EXPECT_TRUE(QRegularExpression("^Rückfluss\t\\d+,\\d\\d$").match(l[30]).hasMatch());
    EXPECT_TRUE(QRegularExpression("^Zufall\t\\d+,\\d\\d$").match(l[31]).hasMatch());
    EXPECT_TRUE(QRegularExpression("^Tiefster Stand\t-?[\\d.]+,00$").match(l[32]).hasMatch())
        << l[32].toStdString();
    EXPECT_TRUE(QRegularExpression("^Längste Serie ohne Gewinn\t\\d+$").match(l[33]).hasMatch());
    EXPECT_TRUE(QRegularExpression("^Ziehungen mit Gewinn\t\\d+$").match(l[34]).hasMatch());
    // Expected hits of type 4 over 26 draws: 26 · C(20, h) · C(50, 4 − h) / C(70, 4).
    EXPECT_TRUE(l[35].startsWith("Treffer\t0\t"));
    EXPECT_TRUE(l[35].endsWith("\t6,53"));
    EXPECT_TRUE(l[39].endsWith("\t0,14"));
    int observed = 0;
    for (int h = 0; h <= 4; ++h)
        observed += l[35 + h].split('\t')[2].toInt();
    EXPECT_EQ(observed, 26);
}

TEST_F(CliBacktest, GermanAmountsWithGroupingAndTheDefaults) {
    const auto r = backtest({"--strategy", "3", "--type", "10", "--seed", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = r.out.split('\n', Qt::SkipEmptyParts);
    // Stake 1, every draw after the first: 699 draws.
    EXPECT_EQ(l[0], "Seed\t1");
    EXPECT_EQ(l[1], "Ziehungen\t699");
    EXPECT_EQ(l[2], "Einsatz\t699,00");
    EXPECT_EQ(l[4].mid(l[4].indexOf('\t')), l[5].mid(l[5].indexOf('\t'))); // Zufall against itself
    EXPECT_EQ(l.size(), 9 + 11);

    const auto big = backtest({"--strategy", "0", "--type", "2", "--stake", "10", "--seed", "1"});
    ASSERT_EQ(big.exitCode, 0);
    EXPECT_TRUE(big.out.contains("Einsatz\t6.990,00\n")) << big.out.toStdString();
}

TEST_F(CliBacktest, TheClockSeedsAndIsShown) {
    const auto r = backtest({"--strategy", "2", "--type", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QRegularExpressionMatch m = QRegularExpression("^Seed\t(\\d+)\n").match(r.out);
    ASSERT_TRUE(m.hasMatch());
    // Running again with the shown seed gives the same summary.
    const auto again = backtest({"--strategy", "2", "--type", "3", "--seed", m.captured(1)});
    EXPECT_EQ(again.out, r.out);
}

TEST_F(CliBacktest, WrongUsageAndNothingToTest) {
    struct Case {
        QStringList args;
        int exitCode;
    };
    const std::vector<Case> cases = {
        {{"--strategy", "0", "--type", "2", "--stake", "3"}, 2},
        {{"--strategy", "0", "--type", "1"}, 2},
        {{"--strategy", "0", "--type", "11"}, 2},
        {{"--strategy", "4", "--type", "5"}, 2},
        {{"--type", "5"}, 2},
        {{"--strategy", "0"}, 2},
        {{"--strategy", "0", "--type", "5", "--from", "31.02.2005"}, 2},
        {{"--strategy", "0", "--type", "5", "--seed", "x"}, 2},
        {{"--strategy", "0", "--type", "5", "--from", "01.01.2020"}, 1},
        {{"--strategy", "0", "--type", "5", "--last", "700"}, 1},
    };
    for (const Case& c : cases) {
        const auto r = backtest(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(r.err.isEmpty());
    }
    const auto missing =
        runCli({"backtest", "--history", dir.filePath("none.tpp"), "--strategy", "0", "--type", "2"});
    EXPECT_EQ(missing.exitCode, 1);
}

} // namespace
