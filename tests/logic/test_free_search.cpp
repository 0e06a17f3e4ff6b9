#include "logic/statistics/free_search.h"
#include "support/builders.h"

#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

Zahlenmenge picked(std::initializer_list<int> numbers) {
    Zahlenmenge s;
    for (int n : numbers)
        EXPECT_TRUE(auswahlUmschalten(s, n));
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
    const Zahlenmenge p = picked({45, 3, 17});
    const FreieSucheErgebnis r = FreieSuche(h, p, 10);
    EXPECT_EQ(r.W, 10);
    ASSERT_EQ(r.treffer.size(), 2u);
    EXPECT_EQ(r.treffer[0].position, 7);
    EXPECT_EQ(serialToText(r.treffer[0].datum), QStringLiteral("08.03.2024"));
    EXPECT_EQ(r.treffer[1].position, 2);
    const auto column = zusammenfassung(4, p, r);
    EXPECT_EQ(QStringList(column.begin(), column.end()),
              (QStringList{"4", "3", "3 17 45", "10", "2", "0,21"}));
    EXPECT_EQ(zusammenfassungsZeilen()[5], QStringLiteral("Chance"));
}

TEST(FreeSearch, WindowSkipsPlaceholdersButKeepsPositions) {
    DrawHistory h = tenDraws();
    h.insert(h.begin() + 5, draw(QDate(2024, 3, 20), {}));
    const FreieSucheErgebnis last = FreieSuche(h, picked({3, 17, 45}), 8);
    EXPECT_EQ(last.W, 8);
    ASSERT_EQ(last.treffer.size(), 2u);
    EXPECT_EQ(last.treffer[0].position, 8);
    // "Alle" and a count beyond the history both examine every draw, the oldest included.
    for (int n : {0, 313}) {
        const FreieSucheErgebnis all = FreieSuche(h, picked({1, 2}), n);
        EXPECT_EQ(all.W, 10);
        EXPECT_EQ(all.treffer.back().position, 2);
    }
    EXPECT_EQ(FreieSuche({}, picked({1}), 0).W, 0);
}

TEST(FreeSearch, PickingRefusesAnEleventhNumber) {
    Zahlenmenge s = picked({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_FALSE(auswahlUmschalten(s, 11));
    EXPECT_EQ(s.count(), 10);
    EXPECT_TRUE(auswahlUmschalten(s, 5)); // removes
    EXPECT_FALSE(s.contains(5));
    EXPECT_TRUE(auswahlUmschalten(s, 11));
    EXPECT_FALSE(auswahlUmschalten(s, 0));
    EXPECT_FALSE(auswahlUmschalten(s, 71));
    EXPECT_EQ(zahlenText(s), QStringLiteral("1 2 3 4 6 7 8 9 10 11"));
}

TEST(FreeSearch, ChanceUsesTheOddsOfThePickedCount) {
    FreieSucheErgebnis r;
    r.W = 6000;
    EXPECT_EQ(zusammenfassung(1, picked({7, 8}), r)[5], QStringLiteral("471,33"));
    EXPECT_EQ(zusammenfassung(1, picked({7}), r)[5], QStringLiteral("1.714,29"));
}

} // namespace
