#include "logic/statistics/combination_chance.h"
#include "logic/statistics/combination_search.h"
#include "tools/generated_history.h"

#include <gtest/gtest.h>

using namespace talvo::logic;

namespace {

CombinationChanceParameters parametersFor(const DrawSetList& draws, int k, int runs) {
    const CombinationSearchResult lists = searchCombinations(draws, k);
    CombinationChanceParameters p;
    p.k = k;
    p.drawCount = static_cast<int>(draws.size());
    p.observed = {static_cast<std::uint32_t>(lists.topCombinations.front().occurrences),
                  static_cast<std::uint32_t>(lists.flopCombinations.front().occurrences)};
    EXPECT_EQ(p.observed.highest, combinationExtremes(draws, k).highest);
    EXPECT_EQ(p.observed.lowest, combinationExtremes(draws, k).lowest);
    p.runs = runs;
    p.seed = 77;
    return p;
}

TEST(RandomDrawSets, TwentyDistinctNumbersPerDrawAndRepeatable) {
    const DrawSetList draws = randomDrawSets(500, 9);
    ASSERT_EQ(draws.size(), 500u);
    std::vector<int> seen(71, 0);
    for (const NumberSet& d : draws) {
        EXPECT_EQ(d.count(), 20);
        EXPECT_FALSE(d.contains(0));
        for (int n = 1; n <= 70; ++n)
            seen[static_cast<std::size_t>(n)] += d.contains(n) ? 1 : 0;
    }
    // 500 · 20 / 70 ≈ 143 per number.
    for (int n = 1; n <= 70; ++n)
        EXPECT_NEAR(seen[static_cast<std::size_t>(n)], 143, 50) << n;
    EXPECT_EQ(randomDrawSets(500, 9), draws);
    EXPECT_NE(randomDrawSets(500, 10), draws);
}

TEST(CombinationChance, APlantedPairIsUnusual) {
    DrawSetList draws = collectDrawSets(talvo::tools::generatedHistory(313, QDate(2004, 2, 2), 4));
    // Every third draw gets 6 and 42, for some 100 draws with the pair instead of about 25.
    for (std::size_t i = 0; i < draws.size(); i += 3) {
        NumberSet& d = draws[i];
        for (int n : {6, 42}) {
            if (d.contains(n))
                continue;
            for (int other = 1; other <= 70; ++other)
                if (other != 6 && other != 42 && d.contains(other)) {
                    d.remove(other);
                    break;
                }
            d.insert(n);
        }
    }
    const CombinationChance c = estimateCombinationChance(parametersFor(draws, 2, 200));
    EXPECT_EQ(c.runs, 200);
    EXPECT_GE(c.observed.highest, 100u);
    EXPECT_EQ(c.highReached, 0);
    EXPECT_LT(c.highChance(), 0.05);
}

TEST(CombinationChance, ARandomHistoryIsNot) {
    for (int k : {2, 3}) {
        const DrawSetList draws = collectDrawSets(talvo::tools::generatedHistory(313, QDate(2004, 2, 2), 5));
        const CombinationChance c = estimateCombinationChance(parametersFor(draws, k, 200));
        SCOPED_TRACE(testing::Message()
                     << "k = " << k << ", top " << c.highChance() << ", flop " << c.lowChance());
        EXPECT_EQ(c.runs, 200);
        EXPECT_GT(c.highChance(), 0.05);
        EXPECT_GT(c.lowChance(), 0.05);
        EXPECT_NEAR(c.highError(), std::sqrt(c.highChance() * (1 - c.highChance()) / 200), 1e-12);
    }
}

TEST(CombinationChance, StoppedRunsAgreeWithFewerRuns) {
    const DrawSetList draws = randomDrawSets(100, 3);
    CombinationChanceParameters p = parametersFor(draws, 2, 40);
    std::atomic<bool> stop{false};
    const CombinationChance stopped = estimateCombinationChance(p, &stop, [&](int runs) {
        if (runs == 15)
            stop = true;
    });
    EXPECT_EQ(stopped.runs, 15);
    p.runs = 15;
    const CombinationChance fewer = estimateCombinationChance(p);
    EXPECT_EQ(stopped.highReached, fewer.highReached);
    EXPECT_EQ(stopped.lowReached, fewer.lowReached);
    p.runs = 1000;
    p.budget = std::chrono::milliseconds(1);
    const CombinationChance timed = estimateCombinationChance(p);
    EXPECT_GE(timed.runs, 1);
    EXPECT_LT(timed.runs, 1000);
}

TEST(CombinationChance, Sentences) {
    CombinationChance c;
    c.k = 2;
    c.drawCount = 313;
    c.observed = {43, 11};
    c.runs = 200;
    c.highReached = 86;
    c.lowReached = 188;
    EXPECT_EQ(highCombinationSentence(c),
              "Dass die häufigste der 2.415 Zweierkombinationen in 313 Ziehungen 43-mal oder öfter vorkommt, "
              "geschieht rein zufällig in 43 % der Fälle (± 3,5 Prozentpunkte, 200 Simulationen).");
    EXPECT_EQ(lowCombinationSentence(c),
              "Dass die seltenste der 2.415 Zweierkombinationen in 313 Ziehungen höchstens 11-mal vorkommt, "
              "geschieht rein zufällig in 94 % der Fälle (± 1,7 Prozentpunkte, 200 Simulationen).");
    c.k = 4;
    c.observed.lowest = 0;
    c.lowReached = 200;
    EXPECT_EQ(lowCombinationSentence(c),
              "Dass die seltenste der 916.895 Viererkombinationen in 313 Ziehungen gar nicht vorkommt, "
              "geschieht rein zufällig in mehr als 99 % der Fälle (± 0,0 Prozentpunkte, 200 Simulationen).");
}

} // namespace
