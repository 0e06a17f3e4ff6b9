// The program's own help and how it reads a command's words.

#include "logic/core/history_file.h"
#include "support/cli_runner.h"
#include "support/temp_files.h"
#include "tools/generated_history.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using talvo::test::readFile;
using talvo::test::runCli;

namespace {

TEST(CliCommandLine, HelpListsEveryCommandOnStdout) {
    const auto list = runCli({QStringLiteral("--help")});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.err, QString());
    EXPECT_TRUE(list.out.startsWith(QStringLiteral("Aufruf: talvo-cli BEFEHL [SCHALTER ...]\n")));
    EXPECT_TRUE(list.out.contains(
        QStringLiteral("\n  import                      liest Ziehungen aus einem CSV-Archiv ein\n")));
    EXPECT_TRUE(list.out.contains(
        QStringLiteral("\n  print-text                  druckt einen Tipptext in eine PDF-Datei\n")));
    for (const QString& other : {QStringLiteral("-h"), QStringLiteral("help")}) {
        const auto r = runCli({other});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, list.out);
    }
    // Without a command the list is the usage of a wrong call.
    const auto bare = runCli({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_EQ(bare.out, QString());
    EXPECT_EQ(bare.err, list.out);
}

TEST(CliCommandLine, UnknownCommandPointsToTheHelp) {
    for (const QStringList& args :
         {QStringList{QStringLiteral("imprt")}, QStringList{QStringLiteral("help"), QStringLiteral("imprt")},
          QStringList{QStringLiteral("--help"), QStringLiteral("x")}}) {
        const auto r = runCli(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, QString());
        EXPECT_TRUE(r.err.endsWith(QStringLiteral("\"talvo-cli --help\" zeigt alle Befehle.\n")))
            << r.err.toStdString();
    }
}

class CliWords : public testing::Test {
  protected:
    void SetUp() override {
        talvo::logic::saveDrawHistory(history, talvo::tools::generatedHistory(60));
        before = readFile(history);
    }
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    QByteArray before;
};

// A misspelt flag must not swallow the next switch as its value and go on writing.
TEST_F(CliWords, MisspeltFlagWritesNothing) {
    const QString archive = dir.filePath(QStringLiteral("f.csv"));
    ASSERT_EQ(runCli({"export-csv", "--history", history}).exitCode, 0);
    talvo::test::writeFile(dir, QStringLiteral("f.csv"),
                           runCli({"export-csv", "--history", history}).out.toUtf8());
    const auto r = runCli({"import", "--history", history, "--dryrun", "--replace", archive});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.startsWith(
        QStringLiteral("Unbekannter Schalter --dryrun.\nAufruf: talvo-cli import "
                       "--history DATEI [--replace] [--dry-run] [--now \"JJJJ-MM-TT "
                       "SS:MM\"] ARCHIV\n\"talvo-cli import --help\" zeigt alle Schalter.\n")))
        << r.err.toStdString();
    EXPECT_EQ(readFile(history), before);
}

// Values may begin with a minus sign; only the command's own switch names are no values.
TEST_F(CliWords, ValuesBeginningWithMinusStayValues) {
    const auto tip =
        runCli({"tip", "--history", history, "--strategy", "3", "--types", "-- 4 -- 6 --", "--seed", "5"});
    EXPECT_EQ(tip.exitCode, 0) << tip.err.toStdString();
    const auto caption =
        runCli({"evaluate", "--history", history, "--slips", QStringLiteral(TALVO_BIN_DIR "/Demo.tix"),
                "--current", "1 2 3", "--caption", "--x--"});
    EXPECT_EQ(caption.exitCode, 0) << caption.err.toStdString();
    EXPECT_TRUE(caption.out.startsWith(QStringLiteral("# --x--\n"))) << caption.out.toStdString();
    const auto own =
        runCli({"evaluate", "--history", history, "--slips", QStringLiteral(TALVO_BIN_DIR "/Demo.tix"),
                "--current", "1 2 3", "--caption", "--laufzeit"});
    EXPECT_EQ(own.exitCode, 2);
    EXPECT_TRUE(own.err.startsWith(QStringLiteral("Der Schalter --caption braucht einen Wert.\n")));
}

// A switch with two values takes both, and refuses a call that gives one.
TEST_F(CliWords, RangeTakesTwoDates) {
    const QString slips = QStringLiteral(TALVO_BIN_DIR "/Demo.tix");
    const auto both = runCli({"evaluate", "--history", history, "--slips", slips, "--range", "01.01.2004",
                              "31.12.2030", "--now", "2030-12-31 23:00"});
    EXPECT_NE(both.exitCode, 2) << both.err.toStdString();
    const auto one = runCli({"evaluate", "--history", history, "--slips", slips, "--range", "01.01.2004"});
    EXPECT_EQ(one.exitCode, 2);
    EXPECT_TRUE(one.err.startsWith(QStringLiteral("Der Schalter --range braucht 2 Werte.\n")))
        << one.err.toStdString();
}

// The help wins over a wrong call, so that a user who asks gets it.
TEST_F(CliWords, HelpWinsOverAWrongCall) {
    const auto r = runCli({"import", "--history", "--dryrun", "--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Aufruf: talvo-cli import ")));
    EXPECT_EQ(r.err, QString());
}

// The libraries a run loads, as the dynamic loader reports them.
QStringList loadedLibraries(const QString& program, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(60000);
    QStringList names;
    const QRegularExpression opened(QStringLiteral("file=(\\S+) \\[0\\];  needed by"));
    for (auto it = opened.globalMatch(QString::fromUtf8(p.readAllStandardError())); it.hasNext();)
        names << it.next().captured(1);
    return names;
}

// The common commands start without the desktop, network and workbook libraries; only
// the companion that needs one of them loads it.
TEST(CliCommandLine, EachProgramLoadsOnlyWhatItsCommandsNeed) {
    const QStringList heavy = {QStringLiteral("libQt6Gui"),     QStringLiteral("libQt6Widgets"),
                               QStringLiteral("libQt6Network"), QStringLiteral("libQt6PrintSupport"),
                               QStringLiteral("libQt6DBus"),    QStringLiteral("libxlsxwriter")};
    const auto loads = [](const QStringList& libraries, const QString& name) {
        return std::any_of(libraries.begin(), libraries.end(),
                           [&name](const QString& l) { return l.startsWith(name); });
    };
    const QStringList cli = loadedLibraries(QStringLiteral(TALVO_CLI), {QStringLiteral("--version")});
    ASSERT_TRUE(loads(cli, QStringLiteral("libQt6Core"))) << cli.join(' ').toStdString();
    for (const QString& name : heavy)
        EXPECT_FALSE(loads(cli, name)) << name.toStdString();

    const QString bin = QStringLiteral(TALVO_BIN_DIR "/");
    const QStringList net =
        loadedLibraries(bin + QStringLiteral("talvo-cli-net"), {QStringLiteral("--version")});
    EXPECT_TRUE(loads(net, QStringLiteral("libQt6Network")));
    EXPECT_FALSE(loads(net, QStringLiteral("libQt6Gui")));
    EXPECT_FALSE(loads(net, QStringLiteral("libxlsxwriter")));
    const QStringList xlsx =
        loadedLibraries(bin + QStringLiteral("talvo-cli-xlsx"), {QStringLiteral("--version")});
    EXPECT_TRUE(loads(xlsx, QStringLiteral("libxlsxwriter")));
    EXPECT_FALSE(loads(xlsx, QStringLiteral("libQt6Gui")));
    EXPECT_FALSE(loads(xlsx, QStringLiteral("libQt6Network")));
    const QStringList print =
        loadedLibraries(bin + QStringLiteral("talvo-cli-print"), {QStringLiteral("--version")});
    EXPECT_TRUE(loads(print, QStringLiteral("libQt6PrintSupport")));
    EXPECT_FALSE(loads(print, QStringLiteral("libQt6Network")));
}

// Without its companions beside it or in the installed folder, talvo-cli says so.
TEST(CliCommandLine, MissingCompanionIsAnError) {
    QTemporaryDir dir;
    const QString alone = dir.filePath(QStringLiteral("talvo-cli"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TALVO_CLI), alone));
    QProcess p;
    p.start(alone, {QStringLiteral("print-text"), dir.filePath(QStringLiteral("t.txt")),
                    QStringLiteral("--pdf"), dir.filePath(QStringLiteral("t.pdf"))});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
              QStringLiteral("Das Begleitprogramm talvo-cli-print lässt sich nicht starten; TALVO ist nicht "
                             "vollständig installiert.\n"));
    // The command itself still knows its switches without the companion.
    p.start(alone, {QStringLiteral("print-text"), QStringLiteral("--help")});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 0);
    // A companion started by hand runs only its own commands.
    const QString bin = QStringLiteral(TALVO_BIN_DIR "/");
    p.start(bin + QStringLiteral("talvo-cli-net"), {QStringLiteral("odds")});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
              QStringLiteral("Den Befehl odds führt talvo-cli selbst aus.\n"));
}

} // namespace
