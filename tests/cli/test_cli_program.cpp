#include "support/cli_runner.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using talvo::test::runCli;

namespace {

TEST(CliProgram, VersionIsTheProgramsVersion) {
    const auto r = runCli({QStringLiteral("--version")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("talvo-cli 1.7.1.0\n"));
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(runCli({QStringLiteral("--version"), QStringLiteral("x")}).exitCode, 2);
}

// In the build tree the demo slip and the help lie beside the programs.
TEST(CliProgram, PathsOfTheBuildTree) {
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    const auto r = runCli({QStringLiteral("paths")}, {}, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString bin = QDir(QStringLiteral(TALVO_BIN_DIR)).absolutePath() + QLatin1Char('/');
    EXPECT_EQ(r.out, QStringLiteral("Programmordner\t%1\n"
                                    "Demo-Spielschein\t%1Demo.tix\n"
                                    "Hilfe\t%1TALVO Hilfe.qch\n"
                                    "Hilfe-Verzeichnis\t%2/cache/TALVO/TALVO Hilfe.qhc\n"
                                    "Datenordner\t%2/data/TALVO/\n")
                         .arg(bin, home.path()));
    EXPECT_EQ(runCli({QStringLiteral("paths"), QStringLiteral("x")}, {}, env).exitCode, 2);
}

} // namespace
