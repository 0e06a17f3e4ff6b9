#include "logic/core/history_file.h"
#include "support/builders.h"
#include "support/cli_runner.h"
#include "support/temp_files.h"
#include "tools/generated_history.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

using talvo::test::runCli;

namespace {

class CliTips : public testing::Test {
  protected:
    void SetUp() override {
        path = dir.filePath(QStringLiteral("h.tpp"));
        talvo::logic::DrawHistory h = talvo::tools::generatedHistory(400, QDate(2004, 2, 2), 9);
        h.push_back(talvo::test::draw(QDate(2030, 1, 1), {})); // placeholder at the end
        talvo::logic::saveDrawHistory(path, h);
    }
    talvo::test::CliResult tip(QStringList args) {
        return runCli(QStringList{"tip", "--history", path} + args);
    }

    QTemporaryDir dir;
    QString path;
};

TEST_F(CliTips, PrintsNumberedTipsWithCompletionFlags) {
    const auto r =
        tip({"--last", "10", "--strategy", "0", "--types", "-- 4 -- 6 --", "--seed", "5", "--count", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = r.out.split('\n');
    ASSERT_EQ(l.size(), 14) << r.out.toStdString(); // 2 × 6 lines, the separator and the final end
    EXPECT_EQ(l[0], "Tipp-Nr.: 1");
    EXPECT_EQ(l[1], "Auswahl nur aus Restanten");
    EXPECT_EQ(l[2], "");
    EXPECT_TRUE(QRegularExpression("^KENO-Typ 4: \\d+( \\d+){3}$").match(l[3]).hasMatch())
        << l[3].toStdString();
    EXPECT_TRUE(QRegularExpression("^KENO-Typ 6: \\d+( \\d+){5}$").match(l[4]).hasMatch())
        << l[4].toStdString();
    EXPECT_TRUE(QRegularExpression("^Ergänzt:( (ja|nein)){2}$").match(l[5]).hasMatch()) << l[5].toStdString();
    EXPECT_EQ(l[6], "");
    EXPECT_EQ(l[7], "Tipp-Nr.: 2");
    EXPECT_TRUE(l[12].startsWith("Ergänzt:"));
    EXPECT_EQ(l[13], "");
    EXPECT_EQ(r.err, "");
}

TEST_F(CliTips, TheSameSeedGivesTheSameOutput) {
    const QStringList args = {"--strategy", "2", "--types", "2 3 4 5 10", "--count", "3", "--last", "50"};
    const auto a = tip(args + QStringList{"--seed", "77"});
    const auto b = tip(args + QStringList{"--seed", "77"});
    const auto c = tip(args + QStringList{"--seed", "78"});
    ASSERT_EQ(a.exitCode, 0) << a.err.toStdString();
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, c.out);
    EXPECT_EQ(tip(args).exitCode, 0); // the clock seeds
}

TEST_F(CliTips, CandidatesPrintTheWeightedList) {
    const auto all = tip({"--strategy", "3", "--candidates"});
    ASSERT_EQ(all.exitCode, 0) << all.err.toStdString();
    QStringList numbers;
    for (int n = 1; n <= 70; ++n)
        numbers << QString::number(n);
    EXPECT_EQ(all.out, "Kandidaten\t" + numbers.join(' ') + "\n");

    // Weights show as repetitions: every number of the Restanten list comes in runs of 1..6.
    const auto rest = tip({"--strategy", "0", "--candidates", "--last", "313", "--types", "ignored"});
    ASSERT_EQ(rest.exitCode, 0) << rest.err.toStdString();
    ASSERT_TRUE(rest.out.startsWith("Kandidaten\t"));
    const QStringList list = rest.out.trimmed().mid(11).split(' ');
    EXPECT_GT(list.size(), 10);
    EXPECT_LE(list.size(), 420);
}

TEST_F(CliTips, PlaceholdersAreNoDraws) {
    // The placeholder at the end must not push the oldest of the last ten draws out.
    talvo::logic::DrawHistory h = talvo::logic::loadDrawHistory(path);
    h.pop_back();
    const QString plain = dir.filePath("plain.tpp");
    talvo::logic::saveDrawHistory(plain, h);
    const QStringList args = {"--strategy", "2", "--last", "10", "--candidates"};
    const auto with = tip(args);
    const auto without = runCli(QStringList{"tip", "--history", plain} + args);
    ASSERT_EQ(with.exitCode, 0) << with.err.toStdString();
    EXPECT_EQ(with.out, without.out);
    h.erase(h.begin() + static_cast<long>(h.size()) - 10);
    talvo::logic::saveDrawHistory(plain, h);
    EXPECT_NE(runCli(QStringList{"tip", "--history", plain} + args).out, with.out);
}

TEST_F(CliTips, CandidatesOfAnEmptyHistoryAreNothingAfterTheTab) {
    const QString empty = dir.filePath("e.tpp");
    talvo::logic::saveDrawHistory(empty, {});
    const auto r = runCli({"tip", "--history", empty, "--strategy", "1", "--candidates"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Kandidaten\t\n");
    // Tips still come: the empty list is completed at random.
    const auto t =
        runCli({"tip", "--history", empty, "--strategy", "1", "--types", "10 -- -- -- --", "--seed", "1"});
    ASSERT_EQ(t.exitCode, 0) << t.err.toStdString();
    EXPECT_TRUE(t.out.endsWith("Ergänzt: ja\n"));
}

TEST_F(CliTips, SaveWritesTheLastTipAsATipTextFile) {
    const QString file = dir.filePath("t.ktp");
    const auto r =
        tip({"--strategy", "3", "--types", "3 -- -- -- --", "--seed", "4", "--count", "2", "--save", file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList l = r.out.split('\n');
    const QByteArray expected = (l.mid(6, 4).join("\r\n") + "\r\n").toLatin1();
    EXPECT_EQ(talvo::test::readFile(file), expected);
    EXPECT_TRUE(expected.startsWith("Tipp-Nr.: 2\r\nAuswahl aus 70 Zahlen per Zufall\r\n\r\nKENO-Typ 3: "));
}

TEST_F(CliTips, WrongUsageAndFailures) {
    struct Case {
        QStringList args;
        int exitCode;
        QString err;
    };
    const std::vector<Case> cases = {
        {{"--strategy", "4", "--types", "2 -- -- -- --"}, 2, "--strategy"},
        {{"--strategy", "x", "--types", "2 -- -- -- --"}, 2, "--strategy"},
        {{"--types", "2 -- -- -- --"}, 2, "--strategy"},
        {{"--strategy", "0"}, 2, "--types"},
        {{"--strategy", "0", "--types", "2 -- -- --"}, 2, "--types"},
        {{"--strategy", "0", "--types", "2 -- -- -- -- --"}, 2, "--types"},
        {{"--strategy", "0", "--types", "1 -- -- -- --"}, 2, "--types"},
        {{"--strategy", "0", "--types", "11 -- -- -- --"}, 2, "--types"},
        {{"--strategy", "0", "--types", "- -- -- -- --"}, 2, "--types"},
        {{"--strategy", "0", "--types", "2 -- -- -- --", "--count", "0"}, 2, "--count"},
        {{"--strategy", "0", "--types", "2 -- -- -- --", "--seed", "-1"}, 2, "--seed"},
        {{"--strategy", "0", "--types", "-- -- -- -- --"},
         1,
         "Bitte wählen Sie mindestens für ein Spiel einen KENO-Typ. Ich muss leider abbrechen.\n"},
    };
    for (const Case& c : cases) {
        const auto r = tip(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.err)) << r.err.toStdString();
        EXPECT_EQ(r.out, "");
    }
    const auto missing =
        runCli({"tip", "--history", dir.filePath("none.tpp"), "--strategy", "0", "--types", "2 -- -- -- --"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("none.tpp"));
}

// Ten draws in which every number but 68, 69 and 70 is drawn one to four times, every
// final digit and every tens group within one standard deviation: the only Restanten
// are those three numbers.
talvo::logic::DrawHistory threeOverdueNumbers() {
    std::vector<int> copies;
    for (int n = 1; n <= 67; ++n) {
        const int count = n >= 61 ? (n <= 63 ? 4 : 3) : (n >= 4 && n <= 7 ? 2 : 3);
        copies.insert(copies.end(), count, n);
    }
    std::vector<std::vector<int>> numbers(10);
    for (std::size_t k = 0; k < copies.size(); ++k) // copies of a number land in different draws
        numbers[k % 10].push_back(copies[k]);
    talvo::logic::DrawHistory h;
    for (int i = 0; i < 10; ++i) {
        std::sort(numbers[i].begin(), numbers[i].end());
        h.push_back(talvo::test::draw(QDate(2024, 1, 1).addDays(i), numbers[i]));
    }
    return h;
}

TEST_F(CliTips, TheBoundStopsWithAMessageNamingTheType) {
    const QString few = dir.filePath("few.tpp");
    talvo::logic::saveDrawHistory(few, threeOverdueNumbers());
    const auto list = runCli({"tip", "--history", few, "--strategy", "0", "--candidates"});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(list.out, "Kandidaten\t68 68 69 69 70 70\n");

    // Three candidates make three different pairs: five type-2 games cannot all differ.
    const auto stop =
        runCli({"tip", "--history", few, "--strategy", "0", "--types", "2 2 2 2 2", "--seed", "1"});
    EXPECT_EQ(stop.exitCode, 1);
    EXPECT_EQ(stop.out, "");
    EXPECT_TRUE(stop.err.contains("KENO-Typ 2")) << stop.err.toStdString();

    const auto three =
        runCli({"tip", "--history", few, "--strategy", "0", "--types", "2 2 2 -- --", "--seed", "1"});
    ASSERT_EQ(three.exitCode, 0) << three.err.toStdString();
    const QStringList l = three.out.split('\n');
    const std::set<QString> games = {l[3], l[4], l[5]};
    EXPECT_EQ(games, (std::set<QString>{"KENO-Typ 2: 68 69", "KENO-Typ 2: 68 70", "KENO-Typ 2: 69 70"}));
    EXPECT_EQ(l[6], "Ergänzt: nein nein nein");
}

} // namespace
