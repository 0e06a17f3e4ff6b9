#include "logic/statistics/free_search.h"
#include "support/builders.h"

#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

NumberSet picked(std::initializer_list<int> numbers) {
    NumberSet s;
    for (int n : numbers)
        EXPECT_TRUE(togglePick(s, n));
    return s;
}

// Ten draws; the 3rd and 8th hold 3, 17 and 45.
DrawHistory tenDraws() {
    DrawHistory h;
    for (int i = 0; i < 10; ++i) {
        std::vector<int> numbers = run20(20 + i); // never 3 and 17 together with 45
        if (i == 2 || i == 7)
            numbers = {3, 17, 45, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19};
        h.push_back(draw(QDate(2024, 3, 1).addDays(i), numbers));
    }
    return h;
}

TEST(FreeSearch, HitsNewestFirstWithSummary) {
    const DrawHistory h = tenDraws();
    const NumberSet p = picked({45, 3, 17});
    const FreeSearchResult r = freeSearch(h, p, 10);
    EXPECT_EQ(r.drawCount, 10);
    ASSERT_EQ(r.hits.size(), 2u);
    EXPECT_EQ(r.hits[0].position, 7);
    EXPECT_EQ(serialToText(r.hits[0].date), QStringLiteral("08.03.2024"));
    EXPECT_EQ(r.hits[1].position, 2);
    const auto column = summaryColumn(4, p, r);
    EXPECT_EQ(QStringList(column.begin(), column.end()),
              (QStringList{"4", "3", "3 17 45", "10", "2", "0,21"}));
    EXPECT_EQ(summaryRowLabels()[5], QStringLiteral("Chance"));
}

TEST(FreeSearch, WindowSkipsPlaceholdersButKeepsPositions) {
    DrawHistory h = tenDraws();
    h.insert(h.begin() + 5, draw(QDate(2024, 3, 20), {}));
    const FreeSearchResult last = freeSearch(h, picked({3, 17, 45}), 8);
    EXPECT_EQ(last.drawCount, 8);
    ASSERT_EQ(last.hits.size(), 2u);
    EXPECT_EQ(last.hits[0].position, 8);
    // "Alle" and a count beyond the history both examine every draw, the oldest included.
    for (int n : {0, 313}) {
        const FreeSearchResult all = freeSearch(h, picked({1, 2}), n);
        EXPECT_EQ(all.drawCount, 10);
        EXPECT_EQ(all.hits.back().position, 2);
    }
    EXPECT_EQ(freeSearch({}, picked({1}), 0).drawCount, 0);
}

TEST(FreeSearch, PickingRefusesAnEleventhNumber) {
    NumberSet s = picked({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_FALSE(togglePick(s, 11));
    EXPECT_EQ(s.count(), 10);
    EXPECT_TRUE(togglePick(s, 5)); // removes
    EXPECT_FALSE(s.contains(5));
    EXPECT_TRUE(togglePick(s, 11));
    EXPECT_FALSE(togglePick(s, 0));
    EXPECT_FALSE(togglePick(s, 71));
    EXPECT_EQ(numbersText(s), QStringLiteral("1 2 3 4 6 7 8 9 10 11"));
}

TEST(FreeSearch, ChanceUsesTheOddsOfThePickedCount) {
    FreeSearchResult r;
    r.drawCount = 6000;
    EXPECT_EQ(summaryColumn(1, picked({7, 8}), r)[5], QStringLiteral("471,33"));
    EXPECT_EQ(summaryColumn(1, picked({7}), r)[5], QStringLiteral("1.714,29"));
}

} // namespace
