// A process killed at any moment while it rewrites the program's files leaves each of
// them whole: the version before the write or the one after, never a mix, never missing.

#include "support/temp_files.h"
#include "support/write_versions.h"

#include "logic/draws/undo_history.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <array>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace talvo;
using namespace talvo::logic;

namespace {

using Versions = std::array<QByteArray, 2>;

struct WrittenFile {
    const char* name;
    Versions versions;
};

const std::array<WrittenFile, 3>& writtenFiles() {
    static const std::array<WrittenFile, 3> files{{
        {"KenoZahlen.tpp", {drawsToBytes(test::versionHistory(0)), drawsToBytes(test::versionHistory(1))}},
        {"scheine.tix", {slipsToBytes(test::versionSlips(0)), slipsToBytes(test::versionSlips(1))}},
        {"optionen.kop", {test::versionOptions(0).toBytes(), test::versionOptions(1).toBytes()}},
    }};
    return files;
}

// The file of that name.
const WrittenFile* writtenFile(const QString& name) {
    for (const WrittenFile& file : writtenFiles())
        if (name == QLatin1String(file.name))
            return &file;
    return nullptr;
}

// Which version the file holds: 0 or 1, -1 when it is missing, 2 when it is neither.
int versionOf(const QString& path, const Versions& versions) {
    if (!QFileInfo::exists(path))
        return -1;
    const QByteArray bytes = test::readFile(path);
    return bytes == versions[0] ? 0 : bytes == versions[1] ? 1 : 2;
}

// Each kill starts from the same folder as the measured round: the first versions and no
// undo history, whose growth would otherwise slow the later writes past the kill window.
void writeFirstVersions(const QDir& dir) {
    for (const QString& name : dir.entryList({QStringLiteral("KenoZahlen.tpp.undo-*")}, QDir::Files))
        QFile::remove(dir.filePath(name));
    saveDrawHistory(dir.filePath(QStringLiteral("KenoZahlen.tpp")), test::versionHistory(0));
    saveSlips(dir.filePath(QStringLiteral("scheine.tix")), test::versionSlips(0));
    saveOptions(dir.filePath(QStringLiteral("optionen.kop")), test::versionOptions(0));
}

// The writing child, started and waited for until it is about to write.
class Writer {
  public:
    explicit Writer(const QString& folder) {
        process_.start(QStringLiteral(TALVO_WRITE_LOOP), {folder});
        if (!process_.waitForStarted(10000) || !waitForLine("started"))
            ADD_FAILURE() << "the writing child did not start: " << process_.errorString().toStdString();
    }
    ~Writer() {
        process_.kill();
        process_.waitForFinished(10000);
    }
    bool waitForLine(const char* line) {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(20000))
                return false;
        }
        return process_.readLine().trimmed() == line;
    }
    void kill() {
        process_.kill();
        process_.waitForFinished(10000);
    }

  private:
    QProcess process_;
};

// How long one round of all three writes takes, in microseconds.
qint64 roundMicroseconds(const QString& folder) {
    Writer writer(folder);
    QElapsedTimer clock;
    clock.start();
    constexpr int kRounds = 4;
    for (int i = 0; i < kRounds; ++i)
        EXPECT_TRUE(writer.waitForLine("round"));
    return clock.nsecsElapsed() / 1000 / kRounds;
}

} // namespace

TEST(KillWhileWriting, EveryFileIsTheOldOrTheNewVersion) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QDir dir(temp.path());
    writeFirstVersions(dir);
    const qint64 round = std::max<qint64>(roundMicroseconds(temp.path()), 1000);

    // Kills spread over the first two rounds: before any write, within each file's write
    // and its commit, and between them.
    QRandomGenerator random(20261210);
    constexpr int kKills = 150;
    std::array<std::array<int, 2>, 3> seen{};
    int leftovers = 0;
    for (int k = 0; k < kKills; ++k) {
        writeFirstVersions(dir);
        {
            Writer writer(temp.path());
            std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(2 * round)));
            writer.kill();
        }
        for (std::size_t f = 0; f < writtenFiles().size(); ++f) {
            const WrittenFile& file = writtenFiles()[f];
            const int version = versionOf(dir.filePath(QString::fromLatin1(file.name)), file.versions);
            ASSERT_TRUE(version == 0 || version == 1)
                << file.name << (version < 0 ? " is missing" : " is neither version") << " after kill " << k;
            ++seen[f][static_cast<std::size_t>(version)];
        }
        // Every undo point is whole: the history as one of the versions after its header line.
        const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
        ASSERT_NO_THROW(undoPoints(history)) << "after kill " << k;
        for (const QString& name : dir.entryList({QStringLiteral("KenoZahlen.tpp.undo-*")}, QDir::Files)) {
            const QByteArray bytes = test::readFile(dir.filePath(name));
            const QByteArray saved = bytes.mid(bytes.indexOf('\n') + 1);
            // Set aside but not yet taken into the undo history, it may be cut off.
            if (name.endsWith(QStringLiteral(".neu")))
                continue;
            ASSERT_TRUE(saved == writtenFiles()[0].versions[0] || saved == writtenFiles()[0].versions[1])
                << name.toStdString() << " is not whole after kill " << k;
        }
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const QString path = dir.filePath(name);
            // The undo history and the writer's lock, which the next writer takes over.
            if (writtenFile(name) || name.startsWith(QStringLiteral("KenoZahlen.tpp.undo-")) ||
                name.startsWith(QStringLiteral("KenoZahlen.tpp.lock")))
                continue;
            const WrittenFile* of =
                name.size() > 7 && name.at(name.size() - 7) == u'.' ? writtenFile(name.chopped(7)) : nullptr;
            ASSERT_TRUE(of) << "unexpected file " << name.toStdString();
            ASSERT_LT(versionOf(path, of->versions), 2) << name.toStdString() << " is not whole";
            ++leftovers;
            QFile::remove(path);
        }
    }
    // Both outcomes for every file show that the kills fell before and after its commit.
    for (std::size_t f = 0; f < writtenFiles().size(); ++f) {
        EXPECT_GT(seen[f][0], 0) << writtenFiles()[f].name;
        EXPECT_GT(seen[f][1], 0) << writtenFiles()[f].name;
    }
    std::printf("one round of writes: %lld µs; history old/new %d/%d, slips %d/%d, options %d/%d; "
                "named temporary files left: %d\n",
                static_cast<long long>(round), seen[0][0], seen[0][1], seen[1][0], seen[1][1], seen[2][0],
                seen[2][1], leftovers);
}
