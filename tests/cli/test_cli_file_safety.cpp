#include "logic/core/history_file.h"
#include "logic/core/slip_file.h"
#include "support/cli_runner.h"
#include "support/full_disk.h"
#include "support/history_builder.h"
#include "support/temp_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using talvo::test::readFile;
using talvo::test::runCli;

namespace {

QString cliOutcome(const talvo::test::CliResult& r) {
    return QString::number(r.exitCode) + u'\n' + r.err;
}

const char kNotWritten[] = "konnte nicht vollständig geschrieben werden";

TEST(CliFullDisk, StoreFailsAndKeepsTheHistory) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    talvo::logic::saveDrawHistory(history, talvo::test::drawDays(QDate(2024, 3, 4), 100));
    const QByteArray before = readFile(history);
    const auto outcome = talvo::test::onFullDisk(dir.path(), [&] {
        return cliOutcome(
            runCli({QStringLiteral("store"), QStringLiteral("--history"), history,
                    QStringLiteral("--position"), QStringLiteral("101"), QStringLiteral("--date"),
                    QStringLiteral("01.07.2024"), QStringLiteral("--numbers"),
                    QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20")}));
    });
    if (!outcome)
        GTEST_SKIP() << "neither a mount namespace nor a file size limit is available";
    EXPECT_TRUE(outcome->startsWith(QStringLiteral("1\n"))) << outcome->toStdString();
    // Refused already at the writers' lock, or at writing the history or its undo point.
    EXPECT_TRUE(outcome->contains(QString::fromUtf8(kNotWritten)) ||
                outcome->contains(QStringLiteral("vielleicht ist der Datenträger voll")))
        << outcome->toStdString();
    EXPECT_EQ(readFile(history), before);
}

TEST(CliFullDisk, ExportSetsFailsAndKeepsTheOldSets) {
    QTemporaryDir source;
    const QString history = source.filePath(QStringLiteral("KenoZahlen.tpp"));
    talvo::logic::saveDrawHistory(history, talvo::test::drawDays(QDate(2024, 3, 4), 40));
    QTemporaryDir sets;
    const QString drawSet6File =
        talvo::test::writeFile(sets, QStringLiteral("gz6.tpp"), QByteArray(240, 'o'));
    const auto outcome = talvo::test::onFullDisk(sets.path(), [&] {
        return cliOutcome(runCli({QStringLiteral("export-sets"), QStringLiteral("--history"), history,
                                  QStringLiteral("--dir"), sets.path()}));
    });
    if (!outcome)
        GTEST_SKIP() << "neither a mount namespace nor a file size limit is available";
    EXPECT_TRUE(outcome->startsWith(QStringLiteral("1\n"))) << outcome->toStdString();
    EXPECT_TRUE(outcome->contains(QString::fromUtf8(kNotWritten))) << outcome->toStdString();
    EXPECT_EQ(readFile(drawSet6File), QByteArray(240, 'o'));
}

TEST(CliReads, DevicesAndPipesAreRefusedAtOnce) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.tpp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {QStringLiteral("/dev/zero"), fifo}) {
        QElapsedTimer clock;
        clock.start();
        const auto r = runCli({QStringLiteral("history"), path});
        EXPECT_EQ(r.exitCode, 1) << path.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("keine gewöhnliche Datei"))) << r.err.toStdString();
        EXPECT_LT(clock.elapsed(), 30000) << path.toStdString();
    }
}

// 40 continuous-play slips over 10,000 draws make 400,000 result tables: far more than
// fit the memory the evaluation may take here when it keeps them all before printing.
// Files of the kernel claim a size of 0 and may wait for ever (/proc/kmsg waits for the next
// kernel message); they are refused before anything is read.
TEST(CliReads, SystemFilesAreRefusedWithAGermanMessage) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const QString link = dir.filePath(QStringLiteral("verweis.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/status"), link));
    const QStringList files{QStringLiteral("/proc/kmsg"), QStringLiteral("/proc/self/status"),
                            QStringLiteral("/sys/kernel/uevent_seqnum"), link};
    for (const QString& path : files) {
        for (const QStringList& args :
             {QStringList{QStringLiteral("import"), QStringLiteral("--history"), history, path},
              QStringList{QStringLiteral("options"), path}}) {
            QElapsedTimer clock;
            clock.start();
            const auto r = runCli(args);
            EXPECT_EQ(r.exitCode, 1) << args.join(u' ').toStdString();
            EXPECT_TRUE(r.err.contains(QStringLiteral("Systemdateien unter /proc oder /sys")))
                << r.err.toStdString();
            EXPECT_LT(clock.elapsed(), 30000) << path.toStdString();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(history));
}

TEST(CliEvaluateStreams, HugeRunningTimeEvaluationPrintsAsItGoes) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    talvo::logic::saveDrawHistory(history, talvo::test::drawDays(QDate(2004, 2, 2), 10000));
    const QString slips = dir.filePath(QStringLiteral("viele.tix"));
    talvo::logic::saveSlips(slips,
                            talvo::logic::SlipList(40, talvo::test::slip({{1, 2}}, 0, 0, QDate(2004, 2, 2))));
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    // The data size limit (in KiB) stands for a machine without more memory to give.
    QString limit = QStringLiteral("ulimit -d 100000");
#ifdef __SANITIZE_ADDRESS__
    // AddressSanitizer reserves far more address space than any data limit allows; its
    // own limit on the resident memory, with room for its bookkeeping, stands in.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ASAN_OPTIONS"),
               env.value(QStringLiteral("ASAN_OPTIONS")) +
                   QStringLiteral(":hard_rss_limit_mb=400:quarantine_size_mb=16"));
    p.setProcessEnvironment(env);
    limit = QStringLiteral("true");
#endif
    p.start(QStringLiteral("sh"),
            {QStringLiteral("-c"), limit + QStringLiteral(" && exec \"$0\" \"$@\""),
             QStringLiteral(TALVO_CLI), QStringLiteral("evaluate"), QStringLiteral("--history"), history,
             QStringLiteral("--slips"), slips, QStringLiteral("--laufzeit"), QStringLiteral("--now"),
             QStringLiteral("2040-01-01 12:00")});
    ASSERT_TRUE(p.waitForFinished(300000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

} // namespace
