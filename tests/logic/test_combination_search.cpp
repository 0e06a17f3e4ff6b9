#include "logic/statistics/combination_search.h"
#include "logic/statistics/combination_values.h"
#include "logic/statistics/free_search.h"
#include "support/builders.h"
#include "support/straight_combination_search.h"
#include "tools/generated_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

using namespace talvo::logic;
using talvo::test::straightCombinationSearch;
using talvo::test::straightLists;
using talvo::tools::generatedHistory;

namespace {

NumberSet combo(std::initializer_list<int> numbers) {
    NumberSet s;
    for (int n : numbers)
        s.insert(n);
    return s;
}

int occupied(const std::vector<CombinationEntry>& list) {
    return static_cast<int>(
        std::count_if(list.begin(), list.end(), [](const auto& e) { return e.occupied(); }));
}

void expectSameLists(const CombinationSearchResult& fast, const CombinationSearchResult& straight) {
    EXPECT_EQ(fast.combinationsTaken, straight.combinationsTaken);
    for (std::size_t p = 0; p < kCombinationListLength; ++p) {
        ASSERT_EQ(fast.topCombinations[p], straight.topCombinations[p]) << "top position " << p + 1;
        ASSERT_EQ(fast.flopCombinations[p], straight.flopCombinations[p]) << "flop position " << p + 1;
    }
}

TEST(CombinationLabels, ExpectedValueAndTests) {
    EXPECT_EQ(expectedValueText(2, 6000), QStringLiteral("Erwartungswert: 472,05"));
    EXPECT_EQ(checkCountText(2, 6000), QStringLiteral("Prüfroutinen: 14.490.000"));
    EXPECT_EQ(expectedValueText(4, 10), QStringLiteral("Erwartungswert: 0,05"));
    EXPECT_EQ(checkCountText(4, 10), QStringLiteral("Prüfroutinen: 9.168.950"));
    EXPECT_EQ(checkCountText(4, 7000), QStringLiteral("Prüfroutinen: 6.418.265.000"));
    EXPECT_EQ(expectedValueText(3, 0), QStringLiteral("Erwartungswert: 0,00"));
}

TEST(CombinationLabels, Duration) {
    EXPECT_EQ(durationText(0), QStringLiteral("Dauer: 0:00:00,0"));
    EXPECT_EQ(durationText(123), QStringLiteral("Dauer: 0:00:00,1"));
    EXPECT_EQ(durationText(3723999), QStringLiteral("Dauer: 1:02:03,9"));
    EXPECT_EQ(durationText(36000000 + 61000), QStringLiteral("Dauer: 10:01:01,0"));
}

struct SearchCase {
    int k;
    int draws;
    unsigned seed;
};

class SameListsAsTheSequentialSearch : public testing::TestWithParam<SearchCase> {};

TEST_P(SameListsAsTheSequentialSearch, OnRandomHistories) {
    const SearchCase& c = GetParam();
    const DrawSetList draws = collectDrawSets(generatedHistory(c.draws, QDate(2004, 2, 2), c.seed));
    const CombinationSearchResult fast = searchCombinations(draws, c.k);
    EXPECT_FALSE(fast.stopped);
    EXPECT_EQ(fast.combinationsTaken, combinationsOf70(c.k));
    expectSameLists(fast, straightCombinationSearch(draws, c.k));
}

INSTANTIATE_TEST_SUITE_P(Table, SameListsAsTheSequentialSearch,
                         testing::Values(SearchCase{2, 0, 1}, SearchCase{2, 1, 1}, SearchCase{2, 10, 2},
                                         SearchCase{2, 313, 3}, SearchCase{2, 3000, 4}, SearchCase{3, 0, 5},
                                         SearchCase{3, 1, 5}, SearchCase{3, 10, 5}, SearchCase{3, 100, 6},
                                         SearchCase{3, 700, 7}, SearchCase{4, 0, 13}, SearchCase{4, 3, 13},
                                         SearchCase{4, 40, 14}, SearchCase{4, 90, 15}));

// The same draw again and again ties thousands of combinations at each count, across the
// 64-draw steps in which the search gathers draws.
TEST(CombinationSearch, RepeatedDrawsTieEverywhere) {
    const NumberSet same = combo({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70});
    for (int copies : {63, 64, 65}) {
        DrawSetList draws(static_cast<std::size_t>(copies), same);
        for (const NumberSet& d : collectDrawSets(generatedHistory(3, QDate(2004, 2, 2), 16)))
            draws.push_back(d);
        // The plain search takes a second for quadruples: one history is enough there.
        for (int k = 2; k <= (copies == 65 ? 4 : 3); ++k) {
            SCOPED_TRACE(testing::Message() << copies << " copies, k = " << k);
            expectSameLists(searchCombinations(draws, k), straightCombinationSearch(draws, k));
        }
    }
}

TEST(CombinationSearch, QuadruplesAgreeUpToAStop) {
    const DrawSetList draws = collectDrawSets(generatedHistory(313, QDate(2004, 2, 2), 8));
    std::atomic<bool> stop{false};
    std::int64_t seen = 0;
    const CombinationSearchResult fast = searchCombinations(draws, 4, &stop, [&](std::int64_t taken) {
        if (taken >= 60000 && !stop) {
            seen = taken;
            stop = true;
        }
    });
    EXPECT_TRUE(fast.stopped);
    // The group being counted when the stop came is dropped.
    EXPECT_EQ(fast.combinationsTaken, seen);
    expectSameLists(fast, straightCombinationSearch(draws, 4, fast.combinationsTaken));
}

TEST(CombinationSearch, StopBeforeAnythingIsCountedLeavesEmptyLists) {
    const DrawSetList draws = collectDrawSets(generatedHistory(50, QDate(2004, 2, 2), 9));
    std::atomic<bool> stop{true};
    const CombinationSearchResult r = searchCombinations(draws, 3, &stop);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.combinationsTaken, 0);
    EXPECT_EQ(occupied(r.topCombinations), 0);
    EXPECT_EQ(occupied(r.flopCombinations), 0);
    EXPECT_EQ(r.flopCombinations[0].occurrences, kFlopEmptyCount);
}

TEST(CombinationSearch, FewerPositiveCountsThanPositionsAndTies) {
    // One draw 1..20: its 190 pairs occur once, all others never.
    const DrawSetList draws = {
        combo({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})};
    const CombinationSearchResult r = searchCombinations(draws, 2);
    EXPECT_EQ(occupied(r.topCombinations), 190);
    EXPECT_EQ(r.topCombinations[0], (CombinationEntry{combo({1, 2}), 1})); // earlier first on ties
    EXPECT_EQ(r.topCombinations[189], (CombinationEntry{combo({19, 20}), 1}));
    EXPECT_FALSE(r.topCombinations[190].occupied());
    EXPECT_EQ(occupied(r.flopCombinations), 1000);
    EXPECT_EQ(r.flopCombinations[0], (CombinationEntry{combo({69, 70}), 0})); // later first on ties
    EXPECT_EQ(r.flopCombinations[1], (CombinationEntry{combo({68, 70}), 0}));
}

TEST(CombinationPlacement, PushedOutOfTheTopListStillReachesTheFlopList) {
    // The first 1000 pairs occur once, the other 1415 twice.
    std::vector<std::uint32_t> counts(2415, 2);
    std::fill(counts.begin(), counts.begin() + 1000, 1);
    CombinationSearchResult r = emptyCombinationSearchResult(2);
    fillCombinationLists(counts, r);
    expectSameLists(r, straightLists(counts, 2));
    for (const auto& e : r.topCombinations)
        EXPECT_EQ(e.occurrences, 2);
    // The pairs counted once entered the top list first and were pushed out; they are the
    // rarest, so the flop list holds them, the latest first.
    EXPECT_EQ(occupied(r.flopCombinations), 1000);
    for (const auto& e : r.flopCombinations)
        EXPECT_EQ(e.occurrences, 1);
    std::vector<std::uint32_t> first(1000, 1);
    CombinationSearchResult alone = emptyCombinationSearchResult(2);
    fillCombinationLists(first, alone);
    EXPECT_EQ(r.flopCombinations.front().combination, alone.topCombinations.back().combination);
    EXPECT_EQ(r.flopCombinations.back().combination, combo({1, 2}));
}

// Every combination's count from the draws themselves: each draw adds one to each of the
// C(20, k) combinations it holds. Indexed by the combination's numbers.
std::map<std::vector<int>, std::int32_t> countedByDraws(const DrawSetList& draws, int k) {
    std::map<std::vector<int>, std::int32_t> counts;
    std::vector<int> c(static_cast<std::size_t>(k));
    const auto all = [&](auto&& self, int depth, int from) -> void {
        if (depth == k) {
            counts.emplace(c, 0);
            return;
        }
        for (int n = from; n <= 70; ++n) {
            c[static_cast<std::size_t>(depth)] = n;
            self(self, depth + 1, n + 1);
        }
    };
    all(all, 0, 1);
    for (const NumberSet& d : draws) {
        std::vector<int> numbers;
        for (int n = 1; n <= 70; ++n)
            if (d.contains(n))
                numbers.push_back(n);
        const auto each = [&](auto&& self, int depth, std::size_t from) -> void {
            if (depth == k) {
                ++counts[c];
                return;
            }
            for (std::size_t i = from; i < numbers.size(); ++i) {
                c[static_cast<std::size_t>(depth)] = numbers[i];
                self(self, depth + 1, i + 1);
            }
        };
        each(each, 0, 0);
    }
    return counts;
}

// The flop list is a plain sort of all combinations: by ascending count, the one later in
// lexicographic order first on equal counts.
TEST(CombinationSearch, FlopListHoldsTheRarestOfAllCombinations) {
    for (int k : {2, 3}) {
        SCOPED_TRACE(testing::Message() << "k = " << k);
        const DrawSetList draws = collectDrawSets(generatedHistory(6884, QDate(2004, 2, 2), 30 + k));
        const auto counts = countedByDraws(draws, k);
        std::vector<std::pair<std::int32_t, std::vector<int>>> sorted;
        for (const auto& [numbers, count] : counts)
            sorted.emplace_back(count, numbers);
        std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : a.second > b.second;
        });
        const CombinationSearchResult r = searchCombinations(draws, k);
        for (std::size_t p = 0; p < kCombinationListLength; ++p) {
            NumberSet expected;
            for (int n : sorted[p].second)
                expected.insert(n);
            ASSERT_EQ(r.flopCombinations[p], (CombinationEntry{expected, sorted[p].first}))
                << "flop position " << p + 1;
        }
    }
}

TEST(CombinationPlacement, AgreesWithTheSequentialPlacementOnSkewedCounts) {
    std::mt19937 random(21);
    for (int round = 0; round < 6; ++round) {
        const int k = round % 2 == 0 ? 2 : 3;
        const std::size_t n = round < 4 ? static_cast<std::size_t>(combinationsOf70(k)) : 1500;
        std::vector<std::uint32_t> counts(n);
        std::geometric_distribution<int> dist(round < 2 ? 0.6 : 0.15);
        for (auto& c : counts)
            c = static_cast<std::uint32_t>(dist(random));
        CombinationSearchResult r = emptyCombinationSearchResult(k);
        fillCombinationLists(counts, r);
        expectSameLists(r, straightLists(counts, k));
    }
}

TEST(CombinationSearch, WindowIsTheLatestDraws) {
    const DrawSetList all = collectDrawSets(generatedHistory(40, QDate(2004, 2, 2), 10));
    EXPECT_EQ(lastDrawSets(all, 0).size(), 40u);
    EXPECT_EQ(lastDrawSets(all, 313).size(), 40u);
    const DrawSetList last = lastDrawSets(all, 10);
    ASSERT_EQ(last.size(), 10u);
    EXPECT_EQ(last.front(), all[30]);
    EXPECT_EQ(last.back(), all[39]);
}

} // namespace
