#include "logic/core/error.h"
#include "logic/draws/draw_merge.h"
#include "support/history_builder.h"
#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <limits>
#include <optional>

using namespace talvo::logic;
using talvo::test::drawDays;

namespace {

std::vector<QString> datesOf(const DrawHistory& h) {
    std::vector<QString> v;
    for (const auto& d : h)
        v.push_back(serialToText(d.datum));
    return v;
}

// A block with the dates of history positions from..to, but other numbers, so the test
// sees which records came from the block.
DrawHistory blockOf(const DrawHistory& full, std::size_t from, std::size_t to) {
    DrawHistory b(full.begin() + static_cast<std::ptrdiff_t>(from),
                  full.begin() + static_cast<std::ptrdiff_t>(to) + 1);
    for (auto& d : b)
        d.plus5.setText(QStringLiteral("99999"));
    return b;
}

TEST(MergeDrawBlock, BlockStartingAtAStoredDateOverwritesFromThere) {
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 12);
    const DrawHistory stored(full.begin(), full.begin() + 10);
    const DrawHistory merged = mergeDrawBlock(stored, blockOf(full, 6, 11));
    ASSERT_EQ(merged.size(), 12u);
    EXPECT_EQ(datesOf(merged), datesOf(full));
    EXPECT_EQ(merged[5].plus5.text(), stored[5].plus5.text());
    for (std::size_t i = 6; i < 12; ++i)
        EXPECT_EQ(merged[i].plus5.text(), "99999") << i;
}

TEST(MergeDrawBlock, HistoryLongerThanTheBlockKeepsItsTail) {
    const DrawHistory stored = drawDays(QDate(2024, 1, 2), 10);
    const DrawHistory merged = mergeDrawBlock(stored, blockOf(stored, 3, 5));
    ASSERT_EQ(merged.size(), 10u);
    EXPECT_EQ(merged[2].plus5.text(), stored[2].plus5.text());
    EXPECT_EQ(merged[5].plus5.text(), "99999");
    EXPECT_EQ(merged[6].plus5.text(), stored[6].plus5.text());
}

TEST(MergeDrawBlock, BlockStartingWithTheLastStoredDateReplacesIt) {
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 8);
    const DrawHistory stored(full.begin(), full.begin() + 5);
    const DrawHistory merged = mergeDrawBlock(stored, blockOf(full, 4, 7));
    EXPECT_EQ(datesOf(merged), datesOf(full));
    EXPECT_EQ(merged[4].plus5.text(), "99999");
}

TEST(MergeDrawBlock, BlockAfterTheLastStoredDateIsAppended) {
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 9);
    const DrawHistory stored(full.begin(), full.begin() + 5);
    const DrawHistory merged = mergeDrawBlock(stored, blockOf(full, 6, 8));
    ASSERT_EQ(merged.size(), 8u);
    EXPECT_EQ(merged[4].plus5.text(), stored[4].plus5.text()) << "the last stored draw is kept";
    EXPECT_EQ(serialToText(merged[5].datum), serialToText(full[6].datum));
}

TEST(MergeDrawBlock, BlockStartingOnAMissingEarlierDateBeginsAfterIt) {
    DrawHistory stored = drawDays(QDate(2024, 1, 2), 10);
    const DrawHistory full = stored;
    stored.erase(stored.begin() + 4); // a day the history lacks
    const DrawHistory merged = mergeDrawBlock(stored, blockOf(full, 4, 9));
    EXPECT_EQ(datesOf(merged).size(), 10u);
    EXPECT_EQ(datesOf(merged), datesOf(full)) << "nothing duplicated, nothing older lost";
    EXPECT_EQ(merged[3].plus5.text(), full[3].plus5.text());
    EXPECT_EQ(merged[4].plus5.text(), "99999");
}

TEST(MergeDrawBlock, EmptyHistoryBecomesTheBlock) {
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 6);
    EXPECT_EQ(datesOf(mergeDrawBlock({}, full)), datesOf(full));
}

// Well after every test set; the future-date case pins its own day.
const DaySerial kToday = dateToSerial(QDate(2030, 1, 1));

TEST(CheckedDrawSet, RefusesBrokenSetsAndSaysWhy) {
    const DrawHistory good = drawDays(QDate(2024, 1, 2), 3); // 02., 03. and 04.01.2024
    EXPECT_EQ(checkedDrawSet(drawsToBytes(good), kToday).size(), 3u);

    auto broken = [&](auto change) {
        DrawHistory h = good;
        change(h[1]);
        return drawsToBytes(h);
    };
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* why;
    };
    const Case cases[] = {
        {"empty", QByteArray(), "keine vollständigen Ziehungen"},
        {"error page", QByteArray("<html>404</html>"), "keine vollständigen Ziehungen"},
        {"cut off", drawsToBytes(good).left(100), "keine vollständigen Ziehungen"},
        {"before the first draw", broken([](DrawRecord& d) { d.datum = kFirstDrawSerial - 1; }),
         "Die 2. Ziehung vom 01.02.2004 hat kein gültiges Ziehungsdatum"},
        {"time of day", broken([](DrawRecord& d) { d.datum += 0.5; }), "kein gültiges Ziehungsdatum"},
        {"no number", broken([](DrawRecord& d) { d.datum = std::numeric_limits<double>::quiet_NaN(); }),
         "Die 2. Ziehung hat kein gültiges Ziehungsdatum"},
        {"number above 70", broken([](DrawRecord& d) { d.GZ[7] = 71; }),
         "die Zahl 71, die nicht zwischen 1 und 70"},
        {"number twice", broken([](DrawRecord& d) { d.GZ[7] = d.GZ[6]; }), "zweimal"},
        {"0 after numbers", broken([](DrawRecord& d) { d.GZ[19] = 0; }),
         "Die 2. Ziehung vom 03.01.2024 hat weniger als 20 Zahlen"},
        {"plus 5 with a letter", broken([](DrawRecord& d) { d.plus5.setText(QStringLiteral("1234x")); }),
         "plus 5-Zahl aus höchstens fünf Ziffern"},
        {"plus 5 too long", broken([](DrawRecord& d) { d.plus5.length = 6; }), "plus 5-Zahl"},
        {"same date again", broken([](DrawRecord& d) { d.datum -= 1; }),
         "liegt nicht nach der Ziehung davor"},
        {"older date", broken([](DrawRecord& d) { d.datum -= 10; }), "liegt nicht nach der Ziehung davor"},
    };
    for (const Case& c : cases) {
        try {
            checkedDrawSet(c.bytes, kToday);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.why)))
                << c.name << ": " << e.text().toStdString();
        }
    }

    // A set reaching past today is refused; the same set on its last day is fine.
    EXPECT_THROW(checkedDrawSet(drawsToBytes(good), dateToSerial(QDate(2024, 1, 3)) + 0.9), Error);
    EXPECT_EQ(checkedDrawSet(drawsToBytes(good), dateToSerial(QDate(2024, 1, 4)) + 0.1).size(), 3u);
    // A placeholder day (numbers 0, empty plus 5) as the program's own export writes it.
    EXPECT_NO_THROW(checkedDrawSet(broken([](DrawRecord& d) {
                                       d.GZ.fill(0);
                                       d.plus5.setText(QString());
                                   }),
                                   kToday));
}

TEST(mergeDownloadedDraws, MergesRewritesAndDeletesTheBlock) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const QString block = dir.filePath(QStringLiteral("tempGZ.tpp"));
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 10);
    saveDrawHistory(history, DrawHistory(full.begin(), full.begin() + 7));
    const QByteArray before = talvo::test::readFile(history);

    EXPECT_FALSE(mergeDownloadedDraws(block, history, kToday)) << "no block, nothing happens";
    EXPECT_EQ(talvo::test::readFile(history), before);

    const DrawHistory downloaded = blockOf(full, 5, 9);
    saveDrawHistory(block, downloaded);
    const std::optional<DrawHistory> merged = mergeDownloadedDraws(block, history, kToday);
    ASSERT_TRUE(merged.has_value());
    EXPECT_EQ(merged->size(), 10u);
    // What comes back is what was written, the downloaded draws laid over the stored ones.
    EXPECT_EQ(drawsToBytes(*merged), talvo::test::readFile(history));
    EXPECT_EQ(drawsToBytes({(*merged)[9]}), drawsToBytes({downloaded.back()}));
    EXPECT_FALSE(QFile::exists(block));
}

TEST(mergeDownloadedDraws, InvalidBlockChangesNothingAndIsDeleted) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const DrawHistory stored = drawDays(QDate(2024, 1, 2), 7);
    saveDrawHistory(history, stored);
    const QByteArray before = talvo::test::readFile(history);

    const QString block = talvo::test::writeFile(dir, QStringLiteral("tempGZ.tpp"), QByteArray(123, 'x'));
    EXPECT_THROW(mergeDownloadedDraws(block, history, kToday), Error);
    EXPECT_EQ(talvo::test::readFile(history), before);
    EXPECT_FALSE(QFile::exists(block));

    talvo::test::writeFile(dir, QStringLiteral("tempGZ.tpp"), QByteArray(40, '\0'));
    EXPECT_TRUE(keepValidDrawSet(block, kToday).contains(QStringLiteral("kein gültiges Ziehungsdatum")));
    EXPECT_FALSE(QFile::exists(block));

    saveDrawHistory(block, stored);
    EXPECT_EQ(keepValidDrawSet(block, kToday), QString());
    EXPECT_TRUE(QFile::exists(block));
}

TEST(mergeDownloadedDraws, UnwritableHistoryThrowsAndLeavesNoBlock) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    QDir(dir.path()).mkdir(QStringLiteral("KenoZahlen.tpp")); // cannot be replaced by a file
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 10);
    const QString block = dir.filePath(QStringLiteral("tempGZ.tpp"));
    saveDrawHistory(block, blockOf(full, 5, 9));
    // Thrown, not returned: the caller keeps the history it holds.
    EXPECT_THROW(mergeDownloadedDraws(block, history, kToday), Error);
    EXPECT_FALSE(QFile::exists(block));
}

} // namespace
