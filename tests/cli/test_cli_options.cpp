#include "logic/settings/options_file.h"
#include "support/cli_runner.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using talvo::test::runCli;

namespace {

TEST(CliOptions, OneNamedLinePerField) {
    QTemporaryDir dir;
    talvo::logic::OptionsRecord e;
    e.farbschema = 2;
    e.einsatzIndex = 1;
    e.laufzeitIndex = 7;
    e.statAnzahlIndex = 7;
    e.statRegister = 4;
    e.tippBereich = 3;
    e.tippTyp = {1, 3, -1, 7, 9};
    e.scheinTyp = {0, 0, 5, 0, 0};
    e.startDatei.setText(QStringLiteral("/home/anna/Scheine/März.tix"));
    e.plus5Mitspiel = 1;
    const QString path = dir.filePath(QStringLiteral("optionen.kop"));
    talvo::logic::saveOptions(path, e);

    const auto r = runCli({QStringLiteral("options"), path});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("farbschema\t2\n"
                                    "einsatzIndex\t1\n"
                                    "laufzeitIndex\t7\n"
                                    "statAnzahlIndex\t7\n"
                                    "statRegister\t4\n"
                                    "tippBereich\t3\n"
                                    "tippTyp\t1 3 -1 7 9\n"
                                    "scheinTyp\t0 0 5 0 0\n"
                                    "startDatei\t/home/anna/Scheine/März.tix\n"
                                    "plus5Mitspiel\t1\n"));
}

TEST(CliOptions, ShortFileShowsTheZeroRecord) {
    QTemporaryDir dir;
    const auto r = runCli({QStringLiteral("options"),
                           talvo::test::writeFile(dir, QStringLiteral("o.kop"), QByteArray(200, '\x05'))});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("farbschema\t0\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\ntippTyp\t0 0 0 0 0\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nstartDatei\t\n")));
}

TEST(CliOptions, ErrorsAndWrongUsage) {
    QTemporaryDir dir;
    const auto missing = runCli({QStringLiteral("options"), dir.filePath(QStringLiteral("fehlt.kop"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("kann nicht geöffnet werden")));
    EXPECT_EQ(runCli({QStringLiteral("options")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("options"), QStringLiteral("a"), QStringLiteral("b")}).exitCode, 2);
}

} // namespace
