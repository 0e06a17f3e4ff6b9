#include "logic/core/error.h"
#include "logic/statistics/klassen.h"
#include "logic/tips/kandidatenliste.h"
#include "logic/tips/klassen_zeilen.h"
#include "logic/tips/spiel_ziehen.h"
#include "logic/tips/tipp.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace talvo::logic;

namespace {

using Typen = std::array<int, kTippSpiele>;

Zahlenmenge menge(const std::vector<int>& numbers) {
    Zahlenmenge s;
    for (int n : numbers)
        s.insert(n);
    return s;
}

// Class sets whose Restanten are exactly the given numbers (all at level 1, weight 2).
TKlassenMengen restanten(const std::vector<int>& numbers) {
    TKlassenMengen m;
    m.at(1, 1) = menge(numbers);
    return m;
}

std::vector<int> liste(const Kandidatenliste& l) {
    return {l.begin(), l.end()};
}

TEST(Kandidatenliste, EachStrategyAppendsKindsAndLevelsInOrderWithTheirWeights) {
    TKlassenMengen m;
    m.at(1, 3) = menge({5});
    m.at(1, 1) = menge({7, 2});
    m.at(2, 2) = menge({10, 20});
    m.at(3, 1) = menge({5});
    m.at(1, 6) = menge({9});
    m.at(1, 4) = menge({3});
    m.at(3, 5) = menge({1});
    const std::vector<int> rest = {5, 5, 5, 5, 5, 5, 2, 2, 7, 7, 10, 10, 20, 20, 5};
    const std::vector<int> fav = {9, 9, 9, 9, 9, 9, 3, 3, 1, 1};
    EXPECT_EQ(liste(KandidatenlisteBilden(m, kRestanten)), rest);
    EXPECT_EQ(liste(KandidatenlisteBilden(m, kFavoriten)), fav);
    std::vector<int> both = rest;
    both.insert(both.end(), fav.begin(), fav.end());
    EXPECT_EQ(liste(KandidatenlisteBilden(m, kRestantenUndFavoriten)), both);
    std::vector<int> all;
    for (int n = 1; n <= 70; ++n)
        all.push_back(n);
    EXPECT_EQ(liste(KandidatenlisteBilden(m, kZufall)), all);
}

TEST(Kandidatenliste, FullClassSetsGiveTheLongestList) {
    TKlassenMengen m;
    for (int kind = 1; kind <= 3; ++kind)
        for (int level = 1; level <= 6; ++level)
            for (int n = 1; n <= 70; ++n)
                m.at(kind, level).insert(n);
    EXPECT_EQ(KandidatenlisteBilden(m, kRestantenUndFavoriten).size(), 2u * 70 * (12 + 6 + 6));
}

TEST(Kandidatenliste, StrategyNames) {
    EXPECT_EQ(strategieName(kRestanten), "Auswahl nur aus Restanten");
    EXPECT_EQ(strategieName(kFavoriten), "Auswahl nur aus Favoriten");
    EXPECT_EQ(strategieName(kRestantenUndFavoriten), "Auswahl aus Restanten und Favoriten");
    EXPECT_EQ(strategieName(kZufall), "Auswahl aus 70 Zahlen per Zufall");
}

TEST(KlassenZeilen, SixRowsFromTheFurthestLevelOnAndKeineForEmptyRows) {
    TKlassenMengen m;
    m.at(1, 1) = menge({4, 9});
    m.at(1, 3) = menge({30});
    m.at(2, 6) = menge({10, 20, 30, 40, 50, 60, 70});
    m.at(3, 4) = menge({1, 2});
    m.at(3, 5) = menge({3});
    const auto rows = klassenZeilen(m);
    const std::vector<QString> titles = {"Restanten bei Einzelnummern", "Favoriten bei Einzelnummern",
                                         "Restanten bei Endzahlen",     "Favoriten bei Endzahlen",
                                         "Restanten bei Zehnern",       "Favoriten bei Zehnern"};
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(rows[r].titel, titles[r]);
    using Z = std::vector<KlassenZelle>;
    EXPECT_EQ(rows[0].zellen, (Z{{30, 7}, {4, 5}, {9, 5}}));
    EXPECT_TRUE(rows[1].zellen.empty());
    EXPECT_TRUE(rows[2].zellen.empty());
    EXPECT_EQ(rows[3].zellen.size(), 7u);
    EXPECT_EQ(rows[3].zellen[0], (KlassenZelle{10, 1}));
    EXPECT_EQ(rows[5].zellen, (Z{{3, 2}, {1, 3}, {2, 3}}));
}

TEST(SpielZiehen, CompletesOnlyWhenTheListHasNoMoreDistinctNumbersThanTheType) {
    struct Case {
        std::vector<std::uint8_t> liste;
        int typ;
        bool ergaenzt;
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
        Zahlenmenge candidates;
        for (auto n : c.liste)
            candidates.insert(n);
        Zahlenmenge seen;
        for (quint64 seed = 0; seed < 200; ++seed) {
            QRandomGenerator zufall = tippZufall(seed);
            const GezogenesSpiel spiel = spielZiehen(c.liste, c.typ, zufall);
            EXPECT_EQ(spiel.ergaenzt, c.ergaenzt) << c.typ;
            EXPECT_EQ(spiel.zahlen.count(), c.typ);
            for (int w = 0; w < 8; ++w)
                seen.words[static_cast<std::size_t>(w)] |= spiel.zahlen.words[static_cast<std::size_t>(w)];
        }
        // Completion brings in numbers from outside the list; without it none comes in.
        Zahlenmenge outside = seen;
        for (int n = 1; n <= 70; ++n)
            if (candidates.contains(n))
                outside.remove(n);
        EXPECT_EQ(!outside.empty(), c.ergaenzt) << c.typ;
        EXPECT_FALSE(seen.contains(0));
        EXPECT_FALSE(seen.contains(71));
    }
}

TEST(SpielZiehen, CompletionBringsTheListToTypePlusEDistinctNumbers) {
    // A list of t numbers once each is completed to t + e equally weighted numbers, so a
    // candidate is in a type-t tip with chance t / (t + e).
    for (const auto& [typ, e] : std::map<int, int>{{2, 9}, {5, 9}, {6, 6}, {8, 6}, {9, 3}, {10, 3}}) {
        EXPECT_EQ(ergaenzungsZahl(typ), e);
        Kandidatenliste l;
        for (int n = 1; n <= typ; ++n)
            l.push_back(static_cast<std::uint8_t>(n));
        QRandomGenerator zufall = tippZufall(7);
        int hits = 0;
        const int draws = 4000;
        for (int i = 0; i < draws; ++i)
            hits += spielZiehen(l, typ, zufall).zahlen.contains(1) ? 1 : 0;
        EXPECT_NEAR(hits / double(draws), typ / double(typ + e), 0.03) << typ;
    }
}

TEST(Tippgenerator, TheSameSeedGivesTheSameTip) {
    TKlassenMengen m;
    m.at(1, 2) = menge({3, 14, 15, 22, 35, 41, 48, 59, 60, 67});
    m.at(2, 4) = menge({6, 16, 26, 36, 46, 56, 66});
    const Typen typen = {3, 5, 0, 8, 10};
    std::set<QStringList> different;
    for (quint64 seed : {1ull, 2ull, 0xFFFFFFFFFFFFFFFFull}) {
        Tippgenerator a, b;
        QRandomGenerator za = tippZufall(seed), zb = tippZufall(seed);
        const TippErgebnis ta = a.generieren(m, kRestantenUndFavoriten, typen, za);
        const TippErgebnis tb = b.generieren(m, kRestantenUndFavoriten, typen, zb);
        EXPECT_EQ(ta.text(), tb.text());
        different.insert(ta.text());
    }
    EXPECT_EQ(different.size(), 3u);
}

TEST(Tippgenerator, WeightsShowInTheFrequenciesOfManyTips) {
    // Number 21 is a three-sigma Restant (weight 6), 1..20 are one-sigma Restanten
    // (weight 2 each). For a type-2 game the chance to be picked works out as
    // 6/46 + 40/46 · 6/44 = 0.2490 for 21 and 0.0876 for each of the others.
    TKlassenMengen m = restanten({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    m.at(1, 3) = menge({21});
    Tippgenerator g;
    QRandomGenerator zufall = tippZufall(42);
    std::array<int, 71> hits{};
    const int tips = 20000;
    for (int i = 0; i < tips; ++i) {
        const TippErgebnis t = g.generieren(m, kRestanten, {2, 0, 0, 0, 0}, zufall);
        for (int n = 1; n <= 70; ++n)
            hits[static_cast<std::size_t>(n)] += t.spieltipps.spiele[0].zahlen.contains(n) ? 1 : 0;
    }
    EXPECT_NEAR(hits[21] / double(tips), 0.2490, 0.01);
    for (int n = 1; n <= 20; ++n)
        EXPECT_NEAR(hits[static_cast<std::size_t>(n)] / double(tips), 0.0876, 0.008) << n;
    for (int n = 22; n <= 70; ++n)
        EXPECT_EQ(hits[static_cast<std::size_t>(n)], 0);
}

TEST(Tippgenerator, GamesOfTheSameTypeNeverEqual) {
    // Six candidates allow exactly six type-5 games; five of them must all differ.
    const TKlassenMengen m = restanten({4, 8, 15, 16, 23, 42});
    for (quint64 seed = 0; seed < 100; ++seed) {
        Tippgenerator g;
        QRandomGenerator zufall = tippZufall(seed);
        const TippErgebnis t = g.generieren(m, kRestanten, {5, 5, 5, 5, 5}, zufall);
        for (int i = 0; i < kTippSpiele; ++i)
            for (int j = i + 1; j < kTippSpiele; ++j)
                EXPECT_NE(t.spieltipps.spiele[i].zahlen, t.spieltipps.spiele[j].zahlen);
    }
}

TEST(Tippgenerator, GamesAreNumberedWithoutGapsAndTheTextFollowsThem) {
    const TKlassenMengen m = restanten({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    Tippgenerator g;
    QRandomGenerator zufall = tippZufall(3);
    const TippErgebnis t = g.generieren(m, kRestanten, {0, 4, 0, 6, 0}, zufall);
    EXPECT_EQ(t.spieltipps.anzahl(), 2);
    EXPECT_EQ(t.spieltipps.spiele[0].typ, 4);
    EXPECT_EQ(t.spieltipps.spiele[1].typ, 6);
    EXPECT_EQ(t.spieltipps.spiele[2].typ, 0);
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

TEST(Tippgenerator, CountsTipsAndKeepsTheLastWhileFailuresChangeNothing) {
    const TKlassenMengen m = restanten({1, 2, 3});
    Tippgenerator g;
    QRandomGenerator zufall = tippZufall(9);
    EXPECT_EQ(g.spieltipps().anzahl(), 0);
    EXPECT_EQ(g.generieren(m, kZufall, {2, 0, 0, 0, 0}, zufall).nummer, 1);
    const TippErgebnis second = g.generieren(m, kZufall, {0, 0, 3, 0, 0}, zufall);
    EXPECT_EQ(second.nummer, 2);
    EXPECT_EQ(second.text()[0], "Tipp-Nr.: 2");

    try {
        g.generieren(m, kRestanten, {0, 0, 0, 0, 0}, zufall);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.text(), QString::fromUtf8(kKeinSpielMeldung));
    }
    EXPECT_FALSE(spielGewaehlt({0, 0, 0, 0, 0}));
    EXPECT_THROW(g.generieren(m, kRestanten, {2, 2, 2, 2, 2}, zufall), Error);
    EXPECT_EQ(g.zaehler(), 2);
    EXPECT_EQ(g.spieltipps(), second.spieltipps);
}

TEST(Tippgenerator, TheBoundStopsBeforeDrawingWhenTooFewSetsExist) {
    struct Case {
        std::vector<int> candidates;
        Typen typen;
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
        Tippgenerator g;
        QRandomGenerator zufall = tippZufall(1);
        const TKlassenMengen m = restanten(c.candidates);
        if (!c.stops) {
            EXPECT_NO_THROW(g.generieren(m, kRestanten, c.typen, zufall));
            continue;
        }
        try {
            g.generieren(m, kRestanten, c.typen, zufall);
            ADD_FAILURE() << "no stop";
        } catch (const Error& e) {
            EXPECT_TRUE(e.text().contains(QStringLiteral("KENO-Typ %1").arg(c.typen[0])))
                << e.text().toStdString();
        }
        EXPECT_EQ(g.zaehler(), 0);
    }
}

} // namespace
