#include "logic/core/error.h"
#include "logic/core/program_state.h"
#include "logic/draws/draw_merge.h"
#include "support/history_builder.h"
#include "support/temp_files.h"

#include <QFile>
#include <QSignalSpy>
#include <limits>
#include <gtest/gtest.h>

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
    DrawHistory b(full.begin() + static_cast<std::ptrdiff_t>(from), full.begin() + static_cast<std::ptrdiff_t>(to) + 1);
    for (auto& d : b)
        d.plus5.setText(QStringLiteral("NEU"));
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
        EXPECT_EQ(merged[i].plus5.text(), "NEU") << i;
}

TEST(MergeDrawBlock, HistoryLongerThanTheBlockKeepsItsTail) {
    const DrawHistory stored = drawDays(QDate(2024, 1, 2), 10);
    const DrawHistory merged = mergeDrawBlock(stored, blockOf(stored, 3, 5));
    ASSERT_EQ(merged.size(), 10u);
    EXPECT_EQ(merged[2].plus5.text(), stored[2].plus5.text());
    EXPECT_EQ(merged[5].plus5.text(), "NEU");
    EXPECT_EQ(merged[6].plus5.text(), stored[6].plus5.text());
}

TEST(MergeDrawBlock, BlockStartingWithTheLastStoredDateReplacesIt) {
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 8);
    const DrawHistory stored(full.begin(), full.begin() + 5);
    const DrawHistory merged = mergeDrawBlock(stored, blockOf(full, 4, 7));
    EXPECT_EQ(datesOf(merged), datesOf(full));
    EXPECT_EQ(merged[4].plus5.text(), "NEU");
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
    EXPECT_EQ(merged[4].plus5.text(), "NEU");
}

TEST(MergeDrawBlock, EmptyHistoryBecomesTheBlock) {
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 6);
    EXPECT_EQ(datesOf(mergeDrawBlock({}, full)), datesOf(full));
}

TEST(CheckedDrawSet, RefusesWhatCannotBeDraws) {
    const DrawHistory good = drawDays(QDate(2024, 1, 2), 3);
    EXPECT_EQ(checkedDrawSet(drawsToBytes(good)).size(), 3u);

    auto broken = [&](auto change) {
        DrawHistory h = good;
        change(h[1]);
        return drawsToBytes(h);
    };
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("<html>404</html>"),
        drawsToBytes(good).left(100),
        broken([](TKenoZahlen& d) { d.datum = kFirstDrawSerial - 1; }),
        broken([](TKenoZahlen& d) { d.datum += 0.5; }),
        broken([](TKenoZahlen& d) { d.GZ[7] = 71; }),
        broken([](TKenoZahlen& d) { d.datum = std::numeric_limits<double>::quiet_NaN(); }),
    };
    for (const QByteArray& bytes : cases)
        EXPECT_THROW(checkedDrawSet(bytes), Error) << bytes.size();

    // A placeholder day (numbers 0) is a draw record like any other.
    EXPECT_NO_THROW(checkedDrawSet(broken([](TKenoZahlen& d) { d.GZ.fill(0); })));
}

TEST(ZiehungenMischen, MergesRewritesAndDeletesTheBlock) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const QString block = dir.filePath(QStringLiteral("tempGZ.tpp"));
    const DrawHistory full = drawDays(QDate(2024, 1, 2), 10);
    ProgramState state;
    state.setHistory(DrawHistory(full.begin(), full.begin() + 7));
    QSignalSpy changed(&state, &ProgramState::historyChanged);

    EXPECT_FALSE(ZiehungenMischen(state, block, history)) << "no block, nothing happens";
    EXPECT_FALSE(QFile::exists(history));

    KenoZahlenSchreiben(block, blockOf(full, 5, 9));
    EXPECT_TRUE(ZiehungenMischen(state, block, history));
    EXPECT_EQ(state.history().size(), 10u);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(KenoZahlenLaden(history).size(), 10u);
    EXPECT_FALSE(QFile::exists(block));
}

TEST(ZiehungenMischen, InvalidBlockChangesNothingAndIsDeleted) {
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const DrawHistory stored = drawDays(QDate(2024, 1, 2), 7);
    KenoZahlenSchreiben(history, stored);
    const QByteArray before = talvo::test::readFile(history);
    ProgramState state;
    state.setHistory(stored);

    const QString block = talvo::test::writeFile(dir, QStringLiteral("tempGZ.tpp"), QByteArray(123, 'x'));
    EXPECT_THROW(ZiehungenMischen(state, block, history), Error);
    EXPECT_EQ(talvo::test::readFile(history), before);
    EXPECT_EQ(state.history().size(), 7u);
    EXPECT_FALSE(QFile::exists(block));

    talvo::test::writeFile(dir, QStringLiteral("tempGZ.tpp"), QByteArray(40, '\0'));
    EXPECT_FALSE(keepValidDrawSet(block));
    EXPECT_FALSE(QFile::exists(block));
}

} // namespace
