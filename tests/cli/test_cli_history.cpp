#include "logic/core/history_file.h"
#include "support/builders.h"
#include "support/cli_runner.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using talvo::test::runCli;

namespace {

TEST(CliHistory, OneTabSeparatedLinePerWholeRecord) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.tpp"));
    talvo::logic::saveDrawHistory(
        path, {talvo::test::draw(QDate(2024, 2, 23), talvo::test::run20(3), QStringLiteral("01234")),
               talvo::test::draw(QDate(2024, 2, 24), {})});
    const auto r = runCli({QStringLiteral("history"), path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "1\t23.02.2024\t3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22\t01234\n"
                     "2\t24.02.2024\t0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\t\n");
}

TEST(CliHistory, ControlCharactersInThePlus5TextKeepTheLineWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("h.tpp"));
    talvo::logic::saveDrawHistory(
        path, {talvo::test::draw(QDate(2024, 2, 23), talvo::test::run20(3), QStringLiteral("1\t\x1b\n3"))});
    const auto r = runCli({QStringLiteral("history"), path});
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 1);
    EXPECT_EQ(r.out.count(QLatin1Char('\t')), 3);
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("\t1   3\n")));
}

TEST(CliHistory, FileSizesDecideTheLineCount) {
    QTemporaryDir dir;
    EXPECT_EQ(
        runCli({QStringLiteral("history"), talvo::test::writeFile(dir, QStringLiteral("e.tpp"), {})}).out,
        "");
    const auto r = runCli({QStringLiteral("history"),
                           talvo::test::writeFile(dir, QStringLiteral("o.tpp"), QByteArray(81, '\0'))});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 2);
}

TEST(CliHistory, ErrorsAndWrongUsage) {
    QTemporaryDir dir;
    const auto missing = runCli({QStringLiteral("history"), dir.filePath(QStringLiteral("fehlt.tpp"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("kann nicht geöffnet werden")));
    EXPECT_EQ(runCli({QStringLiteral("history")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("gibtsnicht")}).exitCode, 2);
    EXPECT_EQ(runCli({}).exitCode, 2);
}

} // namespace
