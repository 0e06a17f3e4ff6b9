#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/core/slip_file.h"
#include "support/builders.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::readFile;
using talvo::test::writeFile;

namespace {

QByteArray patterned(int size) {
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    return b;
}

TEST(HistoryFile, RecordCountIsTheSizeDividedBy40) {
    QTemporaryDir dir;
    struct Case {
        int bytes;
        std::size_t records;
    };
    for (const Case c : {Case{0, 0}, Case{39, 0}, Case{40, 1}, Case{81, 2}, Case{400, 10}}) {
        const QString path = writeFile(dir, QStringLiteral("h.tpp"), patterned(c.bytes));
        EXPECT_EQ(loadDrawHistory(path).size(), c.records) << c.bytes;
    }
}

TEST(HistoryFile, UnchangedHistoryIsWrittenBackByteForByte) {
    QTemporaryDir dir;
    const QByteArray original = patterned(40 * 25 + 13);
    const QString in = writeFile(dir, QStringLiteral("in.tpp"), original);
    const QString out = dir.filePath(QStringLiteral("out.tpp"));
    saveDrawHistory(out, loadDrawHistory(in));
    EXPECT_EQ(readFile(out), original.left(40 * 25)); // the trailing piece is lost
}

TEST(HistoryFile, RecordsOutOfDateOrderLoadAsStored) {
    QTemporaryDir dir;
    const DrawHistory draws = {
        talvo::test::draw(QDate(2024, 3, 5), talvo::test::run20(1), QStringLiteral("11111")),
        talvo::test::draw(QDate(2024, 3, 1), talvo::test::run20(30)),
        talvo::test::draw(QDate(2024, 3, 5), {})};
    const QString path = dir.filePath(QStringLiteral("h.tpp"));
    saveDrawHistory(path, draws);
    const DrawHistory back = loadDrawHistory(path);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(serialToText(back[0].datum), "05.03.2024");
    EXPECT_EQ(serialToText(back[1].datum), "01.03.2024");
    EXPECT_TRUE(back[2].isPlaceholder());
    EXPECT_EQ(back[0].plus5.text(), "11111");
}

TEST(HistoryFile, ThousandDrawsMakeFortyThousandBytes) {
    QTemporaryDir dir;
    DrawHistory draws;
    QDate d(2004, 2, 2);
    for (int i = 0; i < 1000; ++i, d = d.addDays(d.dayOfWeek() == 6 ? 2 : 1))
        draws.push_back(talvo::test::draw(d, talvo::test::run20(i % 70 + 1), QStringLiteral("12345")));
    const QString path = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    saveDrawHistory(path, draws);
    EXPECT_EQ(QFileInfo(path).size(), 40000);
}

TEST(HistoryFile, MissingOrUnreadableFileFailsWithAGermanMessage) {
    QTemporaryDir dir;
    try {
        loadDrawHistory(dir.filePath(QStringLiteral("fehlt.tpp")));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("kann nicht geöffnet werden")))
            << e.text().toStdString();
    }
    // A folder where the file should be cannot be read as a file.
    QDir(dir.path()).mkdir(QStringLiteral("ordner.tpp"));
    EXPECT_THROW(loadDrawHistory(dir.filePath(QStringLiteral("ordner.tpp"))), Error);
}

TEST(HistoryFile, FailedWriteLeavesThePreviousFileWhole) {
    QTemporaryDir dir;
    const QByteArray original = patterned(400);
    const QString path = writeFile(dir, QStringLiteral("KenoZahlen.tpp"), original);
    // A target inside a missing folder cannot be written: the error names it.
    EXPECT_THROW(saveDrawHistory(dir.filePath(QStringLiteral("fehlt/KenoZahlen.tpp")), {}), Error);
    // Writing over a folder fails before anything of the old file is touched.
    QDir(dir.path()).mkdir(QStringLiteral("busy.tpp"));
    EXPECT_THROW(saveDrawHistory(dir.filePath(QStringLiteral("busy.tpp")), loadDrawHistory(path)), Error);
    EXPECT_EQ(readFile(path), original);
}

TEST(HistoryFile, RandomBytesAlwaysLoadAndRewriteTheirWholeRecords) {
    QTemporaryDir dir;
    QRandomGenerator rng(4711);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(static_cast<int>(rng.bounded(0, 2000)), '\0');
        for (auto& c : bytes)
            c = static_cast<char>(rng.bounded(256));
        const QString path = writeFile(dir, QStringLiteral("r.tpp"), bytes);
        const DrawHistory draws = loadDrawHistory(path);
        ASSERT_EQ(draws.size(), static_cast<std::size_t>(bytes.size() / 40));
        for (const auto& d : draws) {
            (void)d.plus5.text();
            (void)serialToText(d.datum); // NaN, infinities and huge serials give no date, no crash
        }
        ASSERT_EQ(drawsToBytes(draws), bytes.left(bytes.size() / 40 * 40));
    }
}

TEST(SlipFile, RecordCountIsTheSizeDividedBy112) {
    QTemporaryDir dir;
    struct Case {
        int bytes;
        std::size_t records;
    };
    for (const Case c : {Case{0, 0}, Case{111, 0}, Case{230, 2}, Case{336, 3}}) {
        const QString path = writeFile(dir, QStringLiteral("s.tix"), patterned(c.bytes));
        EXPECT_EQ(loadSlips(path).size(), c.records) << c.bytes;
    }
}

TEST(SlipFile, WrittenSlipsReadBackByteForByte) {
    QTemporaryDir dir;
    SlipList slips = {talvo::test::slip({{1, 2}}), talvo::test::slip({{5, 6, 7}, {}, {8, 9}}, 2, 3),
                      talvo::test::slip({{70, 69, 68, 67, 66, 65, 64, 63, 62, 61}})};
    slips[0].Nr = 1;
    slips[1].Nr = 1; // the same number twice: both are read, in file order
    slips[2].pad2 = {1, 2, 3, 4, 5};
    const QString path = dir.filePath(QStringLiteral("s.tix"));
    saveSlips(path, slips);
    EXPECT_EQ(QFileInfo(path).size(), 336);
    const SlipList back = loadSlips(path);
    ASSERT_EQ(back.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(back[i] == slips[i]) << i;

    const QByteArray bytes = readFile(path);
    const QString copy = dir.filePath(QStringLiteral("copy.tix"));
    saveSlips(copy, back);
    EXPECT_EQ(readFile(copy), bytes);
}

TEST(SlipFile, RandomBytesAlwaysLoad) {
    QTemporaryDir dir;
    QRandomGenerator rng(815);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(static_cast<int>(rng.bounded(0, 1200)), '\0');
        for (auto& c : bytes)
            c = static_cast<char>(rng.bounded(256));
        const SlipList slips = loadSlips(writeFile(dir, QStringLiteral("r.tix"), bytes));
        ASSERT_EQ(slips.size(), static_cast<std::size_t>(bytes.size() / 112));
        for (const auto& s : slips) {
            (void)s.name.text();
            (void)serialToText(s.ab);
        }
    }
}

} // namespace
