// Output a command could not write is an error: every printing command once with its
// standard output on a device that is always full, and once on a real file.

#include "logic/core/history_file.h"
#include "logic/export/tip_text.h"
#include "logic/settings/options_file.h"
#include "tools/generated_history.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString err;
};

Outcome runInto(const QString& output, const QStringList& args) {
    QProcess p;
    p.setStandardOutputFile(output);
    p.start(QStringLiteral(TALVO_CLI), args);
    p.waitForStarted();
    p.write("Ziehung vom 10.12.2026: 3, 17, 45\n");
    p.closeWriteChannel();
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

class CliOutputErrors : public testing::Test {
  protected:
    void SetUp() override {
        talvo::logic::saveDrawHistory(history, talvo::tools::generatedHistory(400));
        talvo::logic::saveOptions(options, talvo::logic::OptionsRecord{});
        talvo::logic::writeTipText(tipText, {QStringLiteral("Tipp 1: 3 17 45")});
        ASSERT_EQ(
            runInto(archive, {QStringLiteral("export-csv"), QStringLiteral("--history"), history}).exitCode,
            0);
    }
    QString file(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    const QString history = file("KenoZahlen.tpp");
    const QString options = file("optionen.kop");
    const QString tipText = file("tipp.txt");
    const QString archive = file("archiv.csv");
    const QString demo = QStringLiteral(TALVO_BIN_DIR "/Demo.tix");
};

TEST_F(CliOutputErrors, EveryPrintingCommandFailsOnAFullDevice) {
    const QString h = history;
    const std::vector<QStringList> calls = {
        {"--version"},
        {"--help"},
        {"history", "--help"},
        {"history", h},
        {"slips", demo},
        {"evaluate", "--history", h, "--slips", demo, "--current", "1 2 3 4 5 6 7 8 9 10"},
        {"parse"},
        {"stats", "--history", h},
        {"combos", "--history", h, "--k", "2"},
        {"free-search", "--history", h, "3", "17"},
        {"need", "--history", h, "--now", "2030-01-01 12:00"},
        {"options", options},
        {"tip", "--history", h, "--strategy", "0", "--types", "10 -- 6 -- --", "--seed", "1"},
        {"print-text", tipText, "--pdf", file("tipp.pdf")},
        {"export-draws", "--history", h, "--choice", "0", "--from", "01.01.2004", "--to", "31.12.2030"},
        {"import", "--history", h, "--dry-run", archive},
        {"export-csv", "--history", h},
        {"odds"},
        {"backtest", "--history", h, "--strategy", "0", "--type", "6", "--seed", "1"},
        {"paths"},
    };
    for (const QStringList& args : calls) {
        const Outcome written = runInto(file("out.txt"), args);
        EXPECT_EQ(written.exitCode, 0) << args.join(' ').toStdString() << ": " << written.err.toStdString();
        const Outcome full = runInto(QStringLiteral("/dev/full"), args);
        EXPECT_EQ(full.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(full.err.contains(QStringLiteral(
            "Die Ausgabe konnte nicht vollständig geschrieben werden (ist der Datenträger voll?).")))
            << args.join(' ').toStdString() << ": " << full.err.toStdString();
    }
}

} // namespace
