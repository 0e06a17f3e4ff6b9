// The undo history of the draw history and the lock that lets one writer at a time change it.

#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/undo_history.h"
#include "support/full_disk.h"
#include "support/history_builder.h"
#include "support/qstring_printer.h"
#include "support/temp_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace talvo::logic;
using talvo::test::readFile;

namespace {

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.text();
    }
    return QString();
}

QStringList folderEntries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Change k of a test: the first k + 1 draws.
DrawHistory version(int k) {
    return talvo::test::drawDays(QDate(2024, 1, 2), k + 1);
}

TEST(UndoHistory, TwentyFiveChangesThenTwentyUndosGiveChangeFiveByteForByte) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const HistoryLock lock(history);
    std::vector<QByteArray> after(26);
    const QDateTime start(QDate(2024, 5, 1), QTime(18, 0));
    for (int k = 1; k <= 25; ++k) {
        EXPECT_TRUE(writeHistoryWithUndo(lock, history, version(k), QStringLiteral("Änderung %1").arg(k),
                                         start.addSecs(60 * k)));
        after[static_cast<std::size_t>(k)] = readFile(history);
    }
    // The same bytes once more are no change.
    EXPECT_FALSE(writeHistoryWithUndo(lock, history, version(25), QStringLiteral("nichts")));

    const std::vector<UndoPoint> points = undoPoints(history);
    ASSERT_EQ(points.size(), std::size_t{kUndoDepth});
    EXPECT_EQ(points.front().number, 1);
    EXPECT_EQ(points.front().what, "Änderung 25");
    EXPECT_EQ(points.front().when, start.addSecs(60 * 25));
    EXPECT_EQ(points.back().number, 20);
    EXPECT_EQ(points.back().what, "Änderung 6");

    for (int k = 25; k > 5; --k) {
        EXPECT_EQ(undoNewestChange(lock, history), QStringLiteral("Änderung %1").arg(k));
        EXPECT_EQ(readFile(history), after[static_cast<std::size_t>(k - 1)]) << "after undoing change " << k;
    }
    EXPECT_EQ(readFile(history), after[5]);
    EXPECT_TRUE(undoPoints(history).empty());
    EXPECT_TRUE(errorOf([&] { undoNewestChange(lock, history); }).contains(QStringLiteral("keine Änderung")));
    EXPECT_EQ(readFile(history), after[5]);
    // Only the history and its lock are left.
    EXPECT_EQ(folderEntries(dir),
              (QStringList{QStringLiteral("KenoZahlen.tpp"), QStringLiteral("KenoZahlen.tpp.lock")}));
}

TEST(UndoHistory, AFailedWriteAfterTheUndoPointWasSetAsideLeavesTheUndoHistory) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    {
        const HistoryLock lock(history);
        writeHistoryWithUndo(lock, history, version(1), QStringLiteral("klein"));
    }
    const QByteArray before = readFile(history);
    const QStringList entries = folderEntries(dir);
    const auto text = talvo::test::onFullDisk(dir.path(), [&] {
        // Room for the lock and the small undo point, none for the much larger history.
        QFile filler(QDir(dir.path()).filePath(QStringLiteral(".filler")));
        filler.resize(std::max<qint64>(0, filler.size() - 3 * 4096));
        return errorOf([&] {
            const HistoryLock lock(history);
            writeHistoryWithUndo(lock, history, version(3000), QStringLiteral("groß"));
        });
    });
    if (!text)
        GTEST_SKIP() << "neither a mount namespace nor a file size limit is available";
    EXPECT_FALSE(text->isEmpty());
    // On a full disk of its own the history itself fails; with only a file size limit even the
    // lock cannot be written, and the change stops earlier.
    std::printf("the failed change: %s\n", qPrintable(text->section(u'\r', 0, 0)));
    EXPECT_EQ(readFile(history), before);
    EXPECT_EQ(folderEntries(dir), entries);
    const std::vector<UndoPoint> points = undoPoints(history);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points.front().what, "klein");
    // The undo still takes back the change before.
    const HistoryLock lock(history);
    undoNewestChange(lock, history);
    EXPECT_EQ(readFile(history), QByteArray());
}

TEST(UndoHistory, ALinkWhereAnUndoPointGoesIsRefusedAndNeverWrittenThrough) {
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString history = dir.filePath(QStringLiteral("K.tpp"));
    saveDrawHistory(history, version(2));
    const QByteArray before = readFile(history);
    const QString target = talvo::test::writeFile(elsewhere, QStringLiteral("fremd"), "nicht anfassen");
    const HistoryLock lock(history);
    for (const QString& planted : {QStringLiteral("K.tpp.undo-1.neu"), QStringLiteral("K.tpp.undo-1")}) {
        ASSERT_TRUE(QFile::link(target, dir.filePath(planted)));
        const QString error =
            errorOf([&] { writeHistoryWithUndo(lock, history, version(4), QStringLiteral("x")); });
        EXPECT_FALSE(error.isEmpty()) << planted.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("Es wurde nichts geändert."))) << error.toStdString();
        EXPECT_EQ(readFile(target), "nicht anfassen");
        EXPECT_EQ(readFile(history), before);
        QFile::remove(dir.filePath(planted));
    }
    EXPECT_TRUE(writeHistoryWithUndo(lock, history, version(4), QStringLiteral("x")));
    EXPECT_EQ(readFile(target), "nicht anfassen");
}

TEST(HistoryLock, ASecondWriterWaitsThenGivesUp) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const HistoryLock first(history);
    QElapsedTimer clock;
    clock.start();
    const QString error = errorOf([&] { HistoryLock second(history, std::chrono::milliseconds(300)); });
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_TRUE(error.contains(QStringLiteral("von einem anderen Programm geändert"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("Es wurde nichts geändert."))) << error.toStdString();
}

TEST(HistoryLock, TheLockOfAProcessThatDiedIsTakenOver) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const pid_t child = fork();
    if (child == 0) {
        new HistoryLock(history); // never released: the process ends holding it
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(QFile::exists(HistoryLock::lockPath(history)));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(errorOf([&] { HistoryLock taken(history, std::chrono::milliseconds(5000)); }), QString());
    EXPECT_LT(clock.elapsed(), 5000);
}

} // namespace
