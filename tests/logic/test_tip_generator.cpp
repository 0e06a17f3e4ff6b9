#include "logic/core/error.h"
#include "logic/statistics/frequency_classes.h"
#include "logic/tips/candidate_list.h"
#include "logic/tips/class_rows.h"
#include "logic/tips/game_draw.h"
#include "logic/tips/tip_generator.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace talvo::logic;

namespace {

using GameTypes = std::array<int, kTipGames>;

NumberSet numberSet(const std::vector<int>& numbers) {
    NumberSet s;
    for (int n : numbers)
        s.insert(n);
    return s;
}

// Class sets whose Restanten are exactly the given numbers (all at level 1, weight 2).
ClassSets overdueSets(const std::vector<int>& numbers) {
    ClassSets m;
    m.at(1, 1) = numberSet(numbers);
    return m;
}

std::vector<int> candidateList(const CandidateList& l) {
    return {l.begin(), l.end()};
}

TEST(CandidateList, EachStrategyAppendsKindsAndLevelsInOrderWithTheirWeights) {
    ClassSets m;
    m.at(1, 3) = numberSet({5});
    m.at(1, 1) = numberSet({7, 2});
    m.at(2, 2) = numberSet({10, 20});
    m.at(3, 1) = numberSet({5});
    m.at(1, 6) = numberSet({9});
    m.at(1, 4) = numberSet({3});
    m.at(3, 5) = numberSet({1});
    const std::vector<int> rest = {5, 5, 5, 5, 5, 5, 2, 2, 7, 7, 10, 10, 20, 20, 5};
    const std::vector<int> fav = {9, 9, 9, 9, 9, 9, 3, 3, 1, 1};
    EXPECT_EQ(candidateList(buildCandidateList(m, kOverdue)), rest);
    EXPECT_EQ(candidateList(buildCandidateList(m, kFavourites)), fav);
    std::vector<int> both = rest;
    both.insert(both.end(), fav.begin(), fav.end());
    EXPECT_EQ(candidateList(buildCandidateList(m, kOverdueAndFavourites)), both);
    std::vector<int> all;
    for (int n = 1; n <= 70; ++n)
        all.push_back(n);
    EXPECT_EQ(candidateList(buildCandidateList(m, kRandom)), all);
}

TEST(CandidateList, FullClassSetsGiveTheLongestList) {
    ClassSets m;
    for (int kind = 1; kind <= 3; ++kind)
        for (int level = 1; level <= 6; ++level)
            for (int n = 1; n <= 70; ++n)
                m.at(kind, level).insert(n);
    EXPECT_EQ(buildCandidateList(m, kOverdueAndFavourites).size(), 2u * 70 * (12 + 6 + 6));
}

TEST(CandidateList, StrategyNames) {
    EXPECT_EQ(strategyName(kOverdue), "Auswahl nur aus Restanten");
    EXPECT_EQ(strategyName(kFavourites), "Auswahl nur aus Favoriten");
    EXPECT_EQ(strategyName(kOverdueAndFavourites), "Auswahl aus Restanten und Favoriten");
    EXPECT_EQ(strategyName(kRandom), "Auswahl aus 70 Zahlen per Zufall");
}

TEST(ClassRows, SixRowsFromTheFurthestLevelOnAndNoneForEmptyRows) {
    ClassSets m;
    m.at(1, 1) = numberSet({4, 9});
    m.at(1, 3) = numberSet({30});
    m.at(2, 6) = numberSet({10, 20, 30, 40, 50, 60, 70});
    m.at(3, 4) = numberSet({1, 2});
    m.at(3, 5) = numberSet({3});
    const auto rows = classRows(m);
    const std::vector<QString> titles = {"Restanten bei Einzelnummern", "Favoriten bei Einzelnummern",
                                         "Restanten bei Endzahlen",     "Favoriten bei Endzahlen",
                                         "Restanten bei Zehnern",       "Favoriten bei Zehnern"};
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(rows[r].title, titles[r]);
    using Z = std::vector<ClassCell>;
    EXPECT_EQ(rows[0].numberCells, (Z{{30, 7}, {4, 5}, {9, 5}}));
    EXPECT_TRUE(rows[1].numberCells.empty());
    EXPECT_TRUE(rows[2].numberCells.empty());
    EXPECT_EQ(rows[3].numberCells.size(), 7u);
    EXPECT_EQ(rows[3].numberCells[0], (ClassCell{10, 1}));
    EXPECT_EQ(rows[5].numberCells, (Z{{3, 2}, {1, 3}, {2, 3}}));
}

TEST(DrawGame, CompletesOnlyWhenTheListHasNoMoreDistinctNumbersThanTheType) {
    struct Case {
        std::vector<std::uint8_t> candidateList;
        int typ;
        bool completed;
    };
    std::vector<std::uint8_t> eleven;
    for (int n = 1; n <= 11; ++n)
        eleven.insert(eleven.end(), {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n)});
    const std::vector<Case> cases = {
        {{1, 1, 2, 2, 3, 3, 4, 4}, 4, true}, // D = t
        {{1, 2, 3}, 5, true},                // D < t
        {{}, 10, true},                      // no candidate at all
        {eleven, 10, false},                 // D = t + 1
        {{1, 2, 3, 4, 5}, 4, false},
    };
    for (const Case& c : cases) {
        NumberSet candidates;
        for (auto n : c.candidateList)
            candidates.insert(n);
        NumberSet seen;
        for (quint64 seed = 0; seed < 200; ++seed) {
            QRandomGenerator rng = tipRandomGenerator(seed);
            const DrawnGame game = drawGame(c.candidateList, c.typ, rng);
            EXPECT_EQ(game.completed, c.completed) << c.typ;
            EXPECT_EQ(game.numbers.count(), c.typ);
            for (int w = 0; w < 8; ++w)
                seen.words[static_cast<std::size_t>(w)] |= game.numbers.words[static_cast<std::size_t>(w)];
        }
        // Completion brings in numbers from outside the list; without it none comes in.
        NumberSet outside = seen;
        for (int n = 1; n <= 70; ++n)
            if (candidates.contains(n))
                outside.remove(n);
        EXPECT_EQ(!outside.empty(), c.completed) << c.typ;
        EXPECT_FALSE(seen.contains(0));
        EXPECT_FALSE(seen.contains(71));
    }
}

TEST(DrawGame, CompletionBringsTheListToTypePlusEDistinctNumbers) {
    // A list of t numbers once each is completed to t + e equally weighted numbers, so a
    // candidate is in a type-t tip with chance t / (t + e).
    for (const auto& [typ, e] : std::map<int, int>{{2, 9}, {5, 9}, {6, 6}, {8, 6}, {9, 3}, {10, 3}}) {
        EXPECT_EQ(completionCount(typ), e);
        CandidateList l;
        for (int n = 1; n <= typ; ++n)
            l.push_back(static_cast<std::uint8_t>(n));
        QRandomGenerator rng = tipRandomGenerator(7);
        int hits = 0;
        const int draws = 4000;
        for (int i = 0; i < draws; ++i)
            hits += drawGame(l, typ, rng).numbers.contains(1) ? 1 : 0;
        EXPECT_NEAR(hits / double(draws), typ / double(typ + e), 0.03) << typ;
    }
}

TEST(TipGenerator, TheSameSeedGivesTheSameTip) {
    ClassSets m;
    m.at(1, 2) = numberSet({3, 14, 15, 22, 35, 41, 48, 59, 60, 67});
    m.at(2, 4) = numberSet({6, 16, 26, 36, 46, 56, 66});
    const GameTypes types = {3, 5, 0, 8, 10};
    std::set<QStringList> different;
    for (quint64 seed : {1ull, 2ull, 0xFFFFFFFFFFFFFFFFull}) {
        TipGenerator a, b;
        QRandomGenerator rngA = tipRandomGenerator(seed), rngB = tipRandomGenerator(seed);
        const TipResult tipA = a.generate(m, kOverdueAndFavourites, types, rngA);
        const TipResult tipB = b.generate(m, kOverdueAndFavourites, types, rngB);
        EXPECT_EQ(tipA.text(), tipB.text());
        different.insert(tipA.text());
    }
    EXPECT_EQ(different.size(), 3u);
}

TEST(TipGenerator, WeightsShowInTheFrequenciesOfManyTips) {
    // Number 21 is a three-sigma Restant (weight 6), 1..20 are one-sigma Restanten
    // (weight 2 each). For a type-2 game the chance to be picked works out as
    // 6/46 + 40/46 · 6/44 = 0.2490 for 21 and 0.0876 for each of the others.
    ClassSets m = overdueSets({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    m.at(1, 3) = numberSet({21});
    TipGenerator g;
    QRandomGenerator rng = tipRandomGenerator(42);
    std::array<int, 71> hits{};
    const int tips = 20000;
    for (int i = 0; i < tips; ++i) {
        const TipResult t = g.generate(m, kOverdue, {2, 0, 0, 0, 0}, rng);
        for (int n = 1; n <= 70; ++n)
            hits[static_cast<std::size_t>(n)] += t.tip.games[0].numbers.contains(n) ? 1 : 0;
    }
    EXPECT_NEAR(hits[21] / double(tips), 0.2490, 0.01);
    for (int n = 1; n <= 20; ++n)
        EXPECT_NEAR(hits[static_cast<std::size_t>(n)] / double(tips), 0.0876, 0.008) << n;
    for (int n = 22; n <= 70; ++n)
        EXPECT_EQ(hits[static_cast<std::size_t>(n)], 0);
}

TEST(TipGenerator, GamesOfTheSameTypeNeverEqual) {
    // Six candidates allow exactly six type-5 games; five of them must all differ.
    const ClassSets m = overdueSets({4, 8, 15, 16, 23, 42});
    for (quint64 seed = 0; seed < 100; ++seed) {
        TipGenerator g;
        QRandomGenerator rng = tipRandomGenerator(seed);
        const TipResult t = g.generate(m, kOverdue, {5, 5, 5, 5, 5}, rng);
        for (int i = 0; i < kTipGames; ++i)
            for (int j = i + 1; j < kTipGames; ++j)
                EXPECT_NE(t.tip.games[i].numbers, t.tip.games[j].numbers);
    }
}

TEST(TipGenerator, GamesAreNumberedWithoutGapsAndTheTextFollowsThem) {
    const ClassSets m = overdueSets({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    TipGenerator g;
    QRandomGenerator rng = tipRandomGenerator(3);
    const TipResult t = g.generate(m, kOverdue, {0, 4, 0, 6, 0}, rng);
    EXPECT_EQ(t.tip.gameCount(), 2);
    EXPECT_EQ(t.tip.games[0].kenoType, 4);
    EXPECT_EQ(t.tip.games[1].kenoType, 6);
    EXPECT_EQ(t.tip.games[2].kenoType, 0);
    const QStringList text = t.text();
    ASSERT_EQ(text.size(), 5);
    EXPECT_EQ(text[0], "Tipp-Nr.: 1");
    EXPECT_EQ(text[1], "Auswahl nur aus Restanten");
    EXPECT_EQ(text[2], "");
    EXPECT_TRUE(text[3].startsWith("KENO-Typ 4: "));
    EXPECT_TRUE(text[4].startsWith("KENO-Typ 6: "));
    // Ascending, single blanks, nothing at the end.
    const QStringList numbers = text[4].mid(12).split(' ');
    ASSERT_EQ(numbers.size(), 6);
    for (int i = 1; i < numbers.size(); ++i)
        EXPECT_LT(numbers[i - 1].toInt(), numbers[i].toInt());
}

TEST(TipGenerator, CountsTipsAndKeepsTheLastWhileFailuresChangeNothing) {
    const ClassSets m = overdueSets({1, 2, 3});
    TipGenerator g;
    QRandomGenerator rng = tipRandomGenerator(9);
    EXPECT_EQ(g.tip().gameCount(), 0);
    EXPECT_EQ(g.generate(m, kRandom, {2, 0, 0, 0, 0}, rng).number, 1);
    const TipResult second = g.generate(m, kRandom, {0, 0, 3, 0, 0}, rng);
    EXPECT_EQ(second.number, 2);
    EXPECT_EQ(second.text()[0], "Tipp-Nr.: 2");

    try {
        g.generate(m, kOverdue, {0, 0, 0, 0, 0}, rng);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.text(), QString::fromUtf8(kNoGameMessage));
    }
    EXPECT_FALSE(anyGameChosen({0, 0, 0, 0, 0}));
    EXPECT_THROW(g.generate(m, kOverdue, {2, 2, 2, 2, 2}, rng), Error);
    EXPECT_EQ(g.counter(), 2);
    EXPECT_EQ(g.tip(), second.tip);
}

TEST(TipGenerator, TheBoundStopsBeforeDrawingWhenTooFewSetsExist) {
    struct Case {
        std::vector<int> candidates;
        GameTypes types;
        bool stops;
    };
    const std::vector<Case> cases = {
        {{1, 2, 3}, {2, 2, 2, 2, 2}, true},  // C(3, 2) = 3 < 5
        {{1, 2, 3}, {2, 2, 2, 0, 0}, false}, // exactly the three pairs
        {{1, 2, 3, 4}, {3, 3, 3, 3, 3}, true}, {{1, 2, 3, 4, 5, 6}, {5, 5, 5, 5, 5}, false},
        {{1, 2, 3}, {3, 3, 3, 3, 3}, false}, // D = t: every draw completes at random
        {{1, 2, 3}, {2, 2, 2, 2, 4}, true},
    };
    for (const Case& c : cases) {
        TipGenerator g;
        QRandomGenerator rng = tipRandomGenerator(1);
        const ClassSets m = overdueSets(c.candidates);
        if (!c.stops) {
            EXPECT_NO_THROW(g.generate(m, kOverdue, c.types, rng));
            continue;
        }
        try {
            g.generate(m, kOverdue, c.types, rng);
            ADD_FAILURE() << "no stop";
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("KENO-Typ %1").arg(c.types[0])))
                << e.text().toStdString();
        }
        EXPECT_EQ(g.counter(), 0);
    }
}

} // namespace
