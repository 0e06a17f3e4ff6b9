#include "logic/core/history_file.h"
#include "logic/draws/archive_import.h"
#include "support/history_builder.h"
#include "support/temp_files.h"
#include "support/undo_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/resource.h>

using talvo::test::readFile;

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QString err;
    qint64 milliseconds = 0;
};

// Runs an import in a child whose address space is limited as on a small machine: what
// takes memory in proportion to the file aborts there instead of passing.
Outcome importLimited(const QString& history, const QString& file) {
    QProcess p;
    p.setChildProcessModifier([] {
        const rlimit twoGigabytes{2ull << 30, 2ull << 30};
        setrlimit(RLIMIT_AS, &twoGigabytes);
    });
    QElapsedTimer clock;
    clock.start();
    p.start(QStringLiteral(TALVO_CLI), {QStringLiteral("import"), QStringLiteral("--history"), history, file,
                                        QStringLiteral("--now"), QStringLiteral("2024-06-30 12:00")});
    // Only a guard against a hang; the time it takes is measured by the benchmark.
    p.waitForFinished(300000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError()), clock.elapsed()};
}

// The largest resident memory of any child waited for so far, in MiB.
long largestChildMiB() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss / 1024;
}

TEST(CliHostileArchives, StayWithinMemoryAndEndWithAGermanMessage) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer cannot start under an address-space limit";
#endif
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    talvo::logic::saveDrawHistory(history, talvo::test::drawDays(QDate(2024, 3, 4), 30));
    const QByteArray before = readFile(history);

    const qint64 cap = talvo::logic::kMaxArchiveFileBytes;
    const QString shortLines =
        talvo::test::writeFile(dir, QStringLiteral("zeilen.csv"), QByteArray("x\n").repeated(cap / 2));
    const QString oneLine =
        talvo::test::writeFile(dir, QStringLiteral("eine.csv"), QByteArray(60 << 20, '7'));
    const QString tooBig = dir.filePath(QStringLiteral("gross.csv"));
    {
        QFile f(tooBig);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(cap + 1)); // sparse: no disk space needed
    }

    struct Case {
        QString file;
        const char* faulty; // the count line of the report, or nothing when the file is refused
        const char* message;
    };
    // The first line of short ones is taken for a header.
    const Case cases[] = {
        {shortLines, "fehlerhaft\t33554431\n", "keine Ziehung, die sich übernehmen lässt"},
        {oneLine, "fehlerhaft\t1\n", "keine Ziehung, die sich übernehmen lässt"},
        {QStringLiteral("/proc/kmsg"), nullptr, "Systemdateien unter /proc oder /sys"},
        {tooBig, nullptr, "ist zu groß"},
    };
    for (const Case& c : cases) {
        const Outcome r = importLimited(history, c.file);
        std::cout << c.file.section(u'/', -1).toStdString() << ": " << r.milliseconds
                  << " ms, largest child so far " << largestChildMiB() << " MiB\n";
        EXPECT_EQ(r.exitCode, 1) << c.file.toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QStringLiteral("bad_alloc")));
        if (c.faulty)
            EXPECT_TRUE(r.out.contains(c.faulty)) << r.out.left(200).toStdString();
        else
            EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(readFile(history), before) << c.file.toStdString();
        EXPECT_EQ(talvo::test::undoFileCount(history), 0);
    }
    EXPECT_LT(largestChildMiB(), 300);
}

} // namespace
