#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/core/record_file.h"
#include "logic/core/slip_file.h"
#include "logic/core/system_error_text.h"
#include "logic/draws/draw_sets.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/undo_history.h"
#include "logic/export/tip_text.h"
#include "logic/settings/options_file.h"
#include "support/builders.h"
#include "support/full_disk.h"
#include "support/history_builder.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace talvo::logic;
using talvo::test::readFile;
using talvo::test::writeFile;

namespace {

// The message of the Error the call throws; empty when it throws none.
QString errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.text();
    }
    return {};
}

bool hasEnglish(const QString& text) {
    for (const char* word : {"space", "device", "error", "denied", "large", "Unknown", "file"})
        if (text.contains(QLatin1String(word)))
            return true;
    return false;
}

// Every kind of file the program writes, each writing something new over `path`.
struct Writer {
    const char* kind;
    std::function<void(const QString& path)> write;
};

const std::vector<Writer>& writers() {
    static const std::vector<Writer> list{
        {"history",
         [](const QString& p) { saveDrawHistory(p, talvo::test::drawDays(QDate(2024, 1, 2), 100)); }},
        {"slips",
         [](const QString& p) {
             saveSlips(p, SlipList(40, talvo::test::slip({{1, 2, 3}, {4, 5, 6, 7}})));
         }},
        {"options",
         [](const QString& p) {
             OptionsRecord e;
             e.farbschema = 3;
             saveOptions(p, e);
         }},
        {"history with undo point",
         [](const QString& p) {
             // The lock lies outside the full folder: here it only stands for the caller's.
             const QTemporaryDir lockDir;
             const HistoryLock lock(lockDir.filePath(QStringLiteral("KenoZahlen.tpp")));
             writeHistoryWithUndo(lock, p, talvo::test::drawDays(QDate(2024, 1, 2), 100),
                                  QStringLiteral("Test"));
         }},
        {"tip text",
         [](const QString& p) { writeTipText(p, QStringList(50, QStringLiteral("3 14 15 26 53 58"))); }},
        {"any bytes", [](const QString& p) { writeWholeFile(p, QByteArray(9000, 'x')); }},
    };
    return list;
}

TEST(FullDisk, EveryWriterFailsWithAGermanMessageAndKeepsTheOldFile) {
    for (const Writer& w : writers()) {
        QTemporaryDir dir;
        const QByteArray old(1000, 'o');
        const QString path = writeFile(dir, QStringLiteral("datei"), old);
        const auto text =
            talvo::test::onFullDisk(dir.path(), [&] { return errorOf([&] { w.write(path); }); });
        if (!text)
            GTEST_SKIP() << "neither a mount namespace nor a file size limit is available";
        // The message names the file that failed: the target or, before it, its undo point.
        const QString failed = text->section(QLatin1Char('"'), 1, 1);
        EXPECT_TRUE(failed == QDir::toNativeSeparators(path) ||
                    failed == QDir::toNativeSeparators(path) + ".undo-1.neu")
            << w.kind << ": " << text->toStdString();
        EXPECT_TRUE(text->contains(QStringLiteral("\" konnte nicht vollständig geschrieben werden")))
            << w.kind << ": " << text->toStdString();
        EXPECT_FALSE(hasEnglish(text->section(QLatin1Char('\r'), 1)))
            << w.kind << ": " << text->toStdString();
        EXPECT_EQ(readFile(path), old) << w.kind;
        // No half-written temporary file is left beside it.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("datei")})
            << w.kind;
    }
}

TEST(FullDisk, ExportedDrawSetsFailInsteadOfLeavingEmptyFiles) {
    QTemporaryDir dir;
    const QByteArray old(800, 'o');
    writeFile(dir, QStringLiteral("gz6.tpp"), old);
    const auto text = talvo::test::onFullDisk(dir.path(), [&] {
        return errorOf(
            [&] { writeDrawSets(talvo::test::drawDays(QDate(2024, 1, 2), 50), dir.path() + '/'); });
    });
    if (!text)
        GTEST_SKIP() << "neither a mount namespace nor a file size limit is available";
    EXPECT_TRUE(text->contains(QStringLiteral("konnte nicht vollständig geschrieben werden")))
        << text->toStdString();
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("gz6.tpp"))), old);
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        EXPECT_GT(QFileInfo(dir.filePath(name)).size(), 0) << name.toStdString();
}

TEST(CappedRead, OnlyRegularFilesUpToTheCapAreRead) {
    QTemporaryDir dir;
    const QString fitting = writeFile(dir, QStringLiteral("passt"), QByteArray(100, 'a'));
    EXPECT_EQ(readWholeFile(fitting, 100).size(), 100);

    const QString tooBig = writeFile(dir, QStringLiteral("gross"), QByteArray(101, 'a'));
    EXPECT_TRUE(
        errorOf([&] {
            readWholeFile(tooBig, 100);
        }).startsWith(QStringLiteral("Die Datei \"%1\" ist zu groß").arg(QDir::toNativeSeparators(tooBig))));

    QDir(dir.path()).mkdir(QStringLiteral("ordner"));
    for (const QString& path : {dir.filePath(QStringLiteral("ordner")), QStringLiteral("/dev/zero")})
        EXPECT_TRUE(errorOf([&] {
                        readWholeFile(path, 1 << 20);
                    }).contains(QStringLiteral("keine gewöhnliche Datei")))
            << path.toStdString();
}

TEST(CappedRead, APipeIsRefusedInsteadOfWaitedFor) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return errorOf([&] { loadDrawHistory(fifo); }); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        QFile writer(fifo); // lets the blocked read end
        writer.open(QIODevice::WriteOnly);
        writer.close();
        FAIL() << "reading a pipe blocked";
    }
    EXPECT_TRUE(reading.get().contains(QStringLiteral("keine gewöhnliche Datei")));
}

TEST(CappedRead, EveryKindHasACapThatFitsIt) {
    QTemporaryDir dir;
    // A century of daily draws is a history; one record more than the cap is not.
    const QString century = dir.filePath(QStringLiteral("century.tpp"));
    {
        QFile f(century);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(36525LL * DrawRecord::kSize));
    }
    EXPECT_EQ(loadDrawHistory(century).size(), 36525u);

    struct Case {
        const char* kind;
        qint64 cap;
        std::function<void(const QString&)> read;
    };
    for (const Case& c : {Case{"history", kMaxDrawFileBytes, [](const QString& p) { loadDrawHistory(p); }},
                          Case{"slips", kMaxSlipFileBytes, [](const QString& p) { loadSlips(p); }},
                          Case{"options", kMaxOptionsFileBytes, [](const QString& p) { loadOptions(p); }},
                          Case{"tip text", kMaxTipTextBytes, [](const QString& p) { readTipText(p); }}}) {
        const QString path = dir.filePath(QString::fromLatin1(c.kind));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(c.cap + 1)); // sparse: no disk space needed
        f.close();
        EXPECT_TRUE(errorOf([&] { c.read(path); }).contains(QStringLiteral("zu groß"))) << c.kind;
    }
}

// A folder the user may not write into is named in the message. Root may write anywhere,
// so the write runs in a child that gives up root's rights first.
TEST(WriteRights, AFolderWithoutWriteRightsIsNamed) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("fremd"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    const QString path = folder + QStringLiteral("/KenoZahlen.tpp");
    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        const QByteArray text = errorOf([&] { writeWholeFile(path, "x"); }).toUtf8();
        const bool sent =
            write(channel[1], text.constData(), static_cast<size_t>(text.size())) == text.size();
        _exit(sent ? 0 : 3);
    }
    close(channel[1]);
    QByteArray text;
    char piece[4096];
    ssize_t n = 0;
    while ((n = read(channel[0], piece, sizeof piece)) > 0)
        text.append(piece, n);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    chmod(QFile::encodeName(folder).constData(), 0755);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(
        QString::fromUtf8(text),
        QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\rKeine Schreibrechte für den Ordner "
                       "\"%2\".")
            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(folder)));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SystemErrorText, CommonFileErrorsAreGerman) {
    struct Case {
        const char* system;
        const char* german;
    };
    for (const Case& c :
         {Case{"No space left on device", "Auf dem Datenträger ist kein Platz mehr frei."},
          Case{"File too large", "Die Datei ist zu groß für den Datenträger."},
          Case{"Permission denied", "Der Zugriff wurde verweigert."},
          Case{"Unknown error", "Unbekannter Fehler."}, Case{"", "Unbekannter Fehler."},
          Case{"Existing file /x/y.tpp is not writable", "Die vorhandene Datei ist schreibgeschützt."},
          Case{"Ein anderer Text", "Ein anderer Text"}})
        EXPECT_EQ(germanFileError(QString::fromUtf8(c.system)), QString::fromUtf8(c.german)) << c.system;
}

} // namespace
