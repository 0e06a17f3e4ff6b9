#include "logic/core/history_file.h"
#include "logic/draws/draw_sets.h"
#include "support/builders.h"
#include "support/temp_files.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

DrawHistory drawsWithPadding(int count) {
    DrawHistory h;
    QDate d(2004, 2, 2);
    for (int i = 0; i < count; ++i, d = d.addDays(d.dayOfWeek() == 6 ? 2 : 1)) {
        DrawRecord z = talvo::test::draw(d, talvo::test::run20(i % 70 + 1), QStringLiteral("123"));
        z.pad1 = {7, 7};
        z.pad2 = {1, 2, 3, 4};
        z.plus5.chars[4] = 'x'; // a byte after the text
        h.push_back(z);
    }
    return h;
}

qint64 sizeOf(const QTemporaryDir& dir, const char* name) {
    return QFileInfo(dir.filePath(QString::fromLatin1(name))).size();
}

TEST(DrawSets, FourHundredDrawsGiveTheFiveSets) {
    QTemporaryDir dir;
    const DrawHistory h = drawsWithPadding(400);
    writeDrawSets(h, dir.path() + QLatin1Char('/'));
    EXPECT_EQ(sizeOf(dir, "gz6.tpp"), 240);
    EXPECT_EQ(sizeOf(dir, "gz30.tpp"), 1200);
    EXPECT_EQ(sizeOf(dir, "gz90.tpp"), 3600);
    EXPECT_EQ(sizeOf(dir, "gz300.tpp"), 12000);
    EXPECT_EQ(sizeOf(dir, "gzAlle.tpp"), 16000);

    // The sets hold the newest draws rebuilt with zero padding; "gzAlle" keeps every byte.
    const DrawHistory six = loadDrawHistory(dir.filePath(QStringLiteral("gz6.tpp")));
    ASSERT_EQ(six.size(), 6u);
    EXPECT_EQ(six[0].datum, h[394].datum);
    EXPECT_EQ(six[5].GZ, h[399].GZ);
    EXPECT_EQ(six[5].plus5.text(), "123");
    EXPECT_EQ(six[5].pad1, (std::array<std::uint8_t, 2>{}));
    EXPECT_EQ(six[5].pad2, (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ(six[5].plus5.chars[4], 0);
    EXPECT_EQ(talvo::test::readFile(dir.filePath(QStringLiteral("gzAlle.tpp"))), drawsToBytes(h));
}

TEST(DrawSets, ASmallHistoryFillsTheLargerSetsWithEveryDraw) {
    QTemporaryDir dir;
    writeDrawSets(drawsWithPadding(20), dir.path() + QLatin1Char('/'));
    EXPECT_EQ(sizeOf(dir, "gz6.tpp"), 240);
    for (const char* name : {"gz30.tpp", "gz90.tpp", "gz300.tpp", "gzAlle.tpp"})
        EXPECT_EQ(sizeOf(dir, name), 800) << name;

    QTemporaryDir empty;
    writeDrawSets({}, empty.path() + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo::exists(empty.filePath(QStringLiteral("gz300.tpp"))));
    EXPECT_EQ(sizeOf(empty, "gzAlle.tpp"), 0);
}

} // namespace
