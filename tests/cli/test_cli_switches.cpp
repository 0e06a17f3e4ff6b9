// Every command of the table through the real program: its help, and the wrong calls
// that must be refused before anything is read or written.

#include "command.h"
#include "command_table.h"
#include "help_text.h"
#include "logic/core/history_file.h"
#include "support/cli_runner.h"
#include "support/temp_files.h"
#include "tools/generated_history.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using talvo::cli::CommandSpec;
using talvo::cli::Switch;
using talvo::test::readFile;
using talvo::test::runCli;

namespace {

class CliSwitches : public testing::TestWithParam<QString> {
  protected:
    void SetUp() override {
        history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
        talvo::logic::saveDrawHistory(history, talvo::tools::generatedHistory(40));
        before = readFile(history);
        command = talvo::cli::findCommand(GetParam());
        ASSERT_NE(command, nullptr);
    }

    // A value the switch could take; the history is the real file.
    QStringList valuesFor(const Switch& option) const {
        if (QLatin1String(option.name) == QLatin1String("history"))
            return {history};
        QStringList values;
        for (int v = 0; v < option.valueCount; ++v)
            values << (option.kind == talvo::cli::ValueKind::Text ? QStringLiteral("1")
                                                                  : dir.filePath(QStringLiteral("x")));
        return values;
    }
    // The command's required switches with values, leaving out `without`.
    QStringList requiredArgs(const char* without = nullptr) const {
        QStringList args{QString::fromUtf8(command->name)};
        for (const Switch& option : command->switches)
            if (option.required && option.name != without)
                args << QStringLiteral("--") + QString::fromUtf8(option.name) << valuesFor(option);
        return args;
    }
    // The call was refused with the usage line: the history is untouched and nothing new
    // lies beside it.
    void expectRefused(const talvo::test::CliResult& r, const QString& why) const {
        EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
        EXPECT_EQ(r.out, QString());
        EXPECT_TRUE(r.err.startsWith(why)) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Aufruf: ") + talvo::cli::usageLine(*command)))
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("--help"))) << r.err.toStdString();
        EXPECT_EQ(readFile(history), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("KenoZahlen.tpp")});
    }

    QTemporaryDir dir;
    QString history;
    QByteArray before;
    const CommandSpec* command = nullptr;
};

TEST_P(CliSwitches, HelpShowsUsageEverySwitchAndAnExample) {
    for (const QString& help : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const auto r = runCli(requiredArgs() << help);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, QString());
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("Aufruf: ") + talvo::cli::usageLine(*command) + '\n'))
            << r.out.toStdString();
        for (const Switch& option : command->switches) {
            EXPECT_TRUE(r.out.contains(QStringLiteral("\n  ") + talvo::cli::switchText(option)))
                << option.name;
            EXPECT_TRUE(r.out.contains(QString::fromUtf8(option.meaning))) << option.name;
        }
        EXPECT_TRUE(
            r.out.contains(QStringLiteral("Beispiele:\n  ") + QString::fromUtf8(command->examples.at(0))));
        EXPECT_EQ(readFile(history), before);
    }
    EXPECT_EQ(runCli({QStringLiteral("help"), GetParam()}).out,
              runCli({GetParam(), QStringLiteral("--help")}).out);
}

TEST_P(CliSwitches, UnknownSwitchIsRefused) {
    expectRefused(runCli(requiredArgs() << QStringLiteral("--gibtsnicht")),
                  QStringLiteral("Unbekannter Schalter --gibtsnicht."));
}

TEST_P(CliSwitches, StrayWordIsRefusedWhereNoneIsTaken) {
    if (*command->operands != '\0')
        GTEST_SKIP() << "takes words beside its switches";
    expectRefused(runCli(requiredArgs() << QStringLiteral("6")), QStringLiteral("Unerwartete Angabe \"6\"."));
}

TEST_P(CliSwitches, MissingValueIsRefused) {
    for (const Switch& option : command->switches) {
        if (option.isFlag())
            continue;
        const QString name = QStringLiteral("--") + QString::fromUtf8(option.name);
        const QString why = QStringLiteral("Der Schalter ") + name + QStringLiteral(" braucht ");
        // At the end, and followed by the next of the command's own switches.
        expectRefused(runCli(requiredArgs(option.name) << name), why);
        const std::size_t at = static_cast<std::size_t>(&option - command->switches.data());
        const Switch& next = command->switches[(at + 1) % command->switches.size()];
        if (&next != &option)
            expectRefused(runCli(requiredArgs(option.name)
                                 << name << QStringLiteral("--") + QString::fromUtf8(next.name)),
                          why);
    }
}

TEST_P(CliSwitches, SwitchTwiceIsRefused) {
    for (const Switch& option : command->switches) {
        const QString name = QStringLiteral("--") + QString::fromUtf8(option.name);
        QStringList args = requiredArgs(option.name);
        for (int twice = 0; twice < 2; ++twice)
            args << name << (option.isFlag() ? QStringList{} : valuesFor(option));
        expectRefused(runCli(args), QStringLiteral("Der Schalter %1 ist doppelt angegeben.").arg(name));
    }
}

TEST_P(CliSwitches, RequiredSwitchMissingIsRefused) {
    for (const Switch& option : command->switches)
        if (option.required)
            expectRefused(runCli(requiredArgs(option.name)),
                          QStringLiteral("Der Schalter --%1 fehlt.").arg(QString::fromUtf8(option.name)));
}

std::vector<QString> commandNames() {
    std::vector<QString> names;
    for (const CommandSpec& c : talvo::cli::commandTable())
        names.push_back(QString::fromUtf8(c.name));
    return names;
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, CliSwitches, testing::ValuesIn(commandNames()),
                         [](const testing::TestParamInfo<QString>& info) {
                             return QString(info.param).remove(QLatin1Char('-')).toStdString();
                         });

} // namespace
