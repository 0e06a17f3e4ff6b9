// The manual page and the bash completion written when talvo-cli is built, read back as
// groff and bash read them, against the command table.

#include "command.h"
#include "command_table.h"
#include "help_text.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using talvo::cli::CommandSpec;
using talvo::cli::Switch;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun run(const QString& program, const QStringList& args, const QString& folder = {}) {
    QProcess p;
    if (!folder.isEmpty())
        p.setWorkingDirectory(folder);
    p.start(program, args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The page as a reader sees it, on one long line per paragraph, with the typographic
// hyphens and minus signs of the terminal font taken back to the ones typed.
QString renderedPage() {
    const ToolRun r =
        run(QStringLiteral("groff"),
            {QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-P-cbou"),
             QStringLiteral("-rLL=400n"), QStringLiteral("-rHY=0"), QStringLiteral(TALVO_CLI_MAN_PAGE)});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QString text = r.out;
    text.replace(QChar(0x2010), QLatin1Char('-')).replace(QChar(0x2212), QLatin1Char('-'));
    return text.simplified();
}

TEST(CliManual, PageHasNoRoffWarnings) {
    const ToolRun r =
        run(QStringLiteral("groff"), {QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-ww"),
                                      QStringLiteral("-z"), QStringLiteral(TALVO_CLI_MAN_PAGE)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QString());
}

TEST(CliManual, PageNamesEveryCommandSwitchExitCodeAndFile) {
    const QString page = renderedPage();
    for (const char* heading : {"NAME", "ÜBERSICHT", "BESCHREIBUNG", "BEFEHLE", "RÜCKGABEWERT", "DATEIEN"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(heading))) << heading;
    for (const CommandSpec& command : talvo::cli::commandTable()) {
        EXPECT_TRUE(page.contains(talvo::cli::usageLine(command).simplified())) << command.name;
        EXPECT_TRUE(page.contains(QString::fromUtf8(command.description).simplified())) << command.name;
        for (const Switch& option : command.switches)
            EXPECT_TRUE(page.contains(talvo::cli::switchText(option) + QLatin1Char(' ') +
                                      QString::fromUtf8(option.meaning).simplified()))
                << command.name << " --" << option.name;
    }
    for (const char* code : {"0 Der Befehl ist gelungen.", "1 Ein Fehler:", "2 Ein falscher Aufruf:"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(code))) << code;
    for (const char* file : {"KenoZahlen.tpp", "optionen.kop", "Demo.tix"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(file))) << file;
}

// What bash offers for the words typed so far, the last one being completed.
QStringList complete(const QStringList& words, const QString& folder = QDir::tempPath()) {
    QString array;
    for (const QString& w : words)
        array += QStringLiteral(" '") + w + QLatin1Char('\'');
    const QString script = QStringLiteral("source '%1'; COMP_WORDS=(%2); COMP_CWORD=%3; _talvo_cli; "
                                          "printf '%s\\n' \"${COMPREPLY[@]}\"")
                               .arg(QStringLiteral(TALVO_CLI_COMPLETION), array)
                               .arg(words.size() - 1);
    const ToolRun r = run(QStringLiteral("bash"), {QStringLiteral("-c"), script}, folder);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList offered = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    offered.sort();
    return offered;
}

TEST(CliManual, CompletionOffersCommandsSwitchesAndFiles) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("Ziehungen"));
    QFile(dir.filePath(QStringLiteral("KenoZahlen.tpp"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(complete({"talvo-cli", "im"}), QStringList{"import"});
    EXPECT_EQ(complete({"talvo-cli", "--v"}), QStringList{"--version"});
    EXPECT_EQ(complete({"talvo-cli", "help", "export-"}),
              (QStringList{"export-csv", "export-draws", "export-sets"}));
    EXPECT_EQ(complete({"talvo-cli", "import", "--dr"}), QStringList{"--dry-run"});
    EXPECT_EQ(complete({"talvo-cli", "import", "--history", "Ke"}, dir.path()),
              QStringList{"KenoZahlen.tpp"});
    EXPECT_EQ(complete({"talvo-cli", "import", "--history", "h.tpp", ""}, dir.path()),
              (QStringList{"KenoZahlen.tpp", "Ziehungen"}));
    EXPECT_EQ(complete({"talvo-cli", "export-sets", "--dir", ""}, dir.path()), QStringList{"Ziehungen"});
    EXPECT_EQ(complete({"talvo-cli", "combos", "--k", ""}, dir.path()), QStringList{});
    EXPECT_EQ(complete({"talvo-cli", "odds", ""}, dir.path()), QStringList{});
}

TEST(CliManual, CompletionKnowsEverySwitchOfEveryCommand) {
    for (const CommandSpec& command : talvo::cli::commandTable()) {
        QStringList expected{QStringLiteral("--help")};
        for (const Switch& option : command.switches)
            expected << QStringLiteral("--") + QString::fromUtf8(option.name);
        expected.sort();
        EXPECT_EQ(complete({"talvo-cli", command.name, "--"}), expected) << command.name;
    }
}

} // namespace
