#include "logic/core/error.h"
#include "logic/core/format.h"
#include "logic/core/tables.h"
#include "logic/statistics/number_statistics.h"
#include "logic/tips/kandidatenliste.h"
#include "logic/tips/klassen_fenster.h"
#include "logic/tips/quoten.h"
#include "logic/tips/strategie_test.h"
#include "support/builders.h"
#include "support/generated_history.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <cmath>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::generatedHistory;
using talvo::test::run20;

namespace {

// Binomial coefficients from Pascal's triangle, independent of the code under test.
std::int64_t pascal(int n, int k) {
    if (k < 0 || k > n)
        return 0;
    // Only the columns up to k: the middle of row 70 does not fit 64 bits.
    std::vector<std::vector<std::int64_t>> c(n + 1, std::vector<std::int64_t>(k + 1, 0));
    for (int i = 0; i <= n; ++i) {
        c[i][0] = 1;
        for (int j = 1; j <= std::min(i, k); ++j)
            c[i][j] = c[i - 1][j - 1] + c[i - 1][j];
    }
    return c[n][k];
}

// Whether p is the double nearest to num / den, decided in integer arithmetic:
// p = m · 2^e exactly, and |m · 2^e − num / den| ≤ 2^e / 2 ⇔ |2·m·den − num·2^(1−e)| ≤ den.
bool nearest(double p, std::int64_t num, std::int64_t den) {
    int exp = 0;
    const double mantissa = std::frexp(p, &exp); // p = mantissa · 2^exp, 0.5 ≤ mantissa < 1
    const auto m = static_cast<__int128>(std::ldexp(mantissa, 53));
    const int e = exp - 53;
    if (e > 0 || 1 - e > 100)
        return false;
    const __int128 lhs = 2 * m * den - static_cast<__int128>(num) * (static_cast<__int128>(1) << (1 - e));
    return (lhs < 0 ? -lhs : lhs) <= den;
}

TEST(Quoten, EveryFigureIsItsExactFractionRoundedOnce) {
    for (int t = 2; t <= 10; ++t) {
        const TypQuoten q = Quoten(t);
        std::int64_t all = 0, returned = 0, prized = 0;
        for (int h = 0; h <= t; ++h) {
            const std::int64_t ways = pascal(20, h) * pascal(50, t - h);
            all += ways;
            returned += ways * q.faktor[h];
            prized += q.faktor[h] > 0 ? ways : 0;
            EXPECT_TRUE(nearest(q.wahrscheinlichkeit(h), ways, pascal(70, t))) << t << ' ' << h;
        }
        EXPECT_EQ(all, pascal(70, t));
        EXPECT_TRUE(nearest(q.rueckfluss(), returned, all)) << t;
        EXPECT_TRUE(nearest(q.gewinnchance(), prized, all)) << t;
    }
    EXPECT_EQ(Quoten(10).faktor, (std::vector<int>{2, 0, 0, 0, 0, 2, 5, 15, 100, 1000, 100000}));
}

TEST(Quoten, ReturnsMatchThePayoutTable) {
    const std::vector<QString> percent = {"47,20", "50,68", "49,44", "49,90", "49,74",
                                          "49,57", "48,94", "50,05", "49,40"};
    for (int t = 2; t <= 10; ++t)
        EXPECT_EQ(formatNumber(100 * Quoten(t).rueckfluss(), 2), percent[t - 2]) << t;
    EXPECT_DOUBLE_EQ(Quoten(2).gewinnchance(), 190.0 / 2415.0);
}

TEST(Quoten, ChanceOfAtLeastOnePrizeInSeveralDraws) {
    const TypQuoten q = Quoten(2);
    const double p = 190.0 / 2415.0;
    EXPECT_EQ(q.gewinnchanceIn(0), 0.0);
    EXPECT_DOUBLE_EQ(q.gewinnchanceIn(1), p);
    EXPECT_DOUBLE_EQ(q.gewinnchanceIn(2), 1 - (1 - p) * (1 - p));
    EXPECT_NEAR(q.gewinnchanceIn(30), 1 - std::pow(1 - p, 30), 1e-15);
    for (int t = 2; t <= 10; ++t)
        EXPECT_GT(Quoten(t).gewinnchanceIn(100000), 0.999999) << t;
}

TEST(KlassenFenster, SlidingSetsEqualTheFrequencyStatisticsOfTheSameDraws) {
    const DrawHistory all = generatedHistory(420, QDate(2010, 1, 4), 11);
    for (int n : {10, 18, 313, 0}) {
        KlassenFenster fenster;
        for (int j = 0; j < static_cast<int>(all.size()); ++j) {
            if (j % 37 == 5) {
                const DrawHistory before(all.begin(), all.begin() + j);
                TKlassenMengen expected;
                for (StatArt art : {StatArt::Zahlen, StatArt::Endzahlen, StatArt::Zehner})
                    frequencyStatistic(art, before, n, expected);
                const TKlassenMengen got = fenster.klassenMengen();
                EXPECT_EQ(got.sets, expected.sets) << n << ' ' << j;
            }
            fenster.hinzufuegen(all[j]);
            if (n > 0 && fenster.ziehungen() > n)
                fenster.entfernen(all[j - n]);
        }
    }
}

StrategieTestParameter params(int strategie, int typ, int anzahl, int einsatz = 1, quint64 seed = 17) {
    StrategieTestParameter p;
    p.strategie = strategie;
    p.typ = typ;
    p.anzahl = anzahl;
    p.einsatz = einsatz;
    p.seed = seed;
    return p;
}

// 20 draws of the same numbers 1..20: the Favoriten are 1..20, the Restanten lie outside.
DrawHistory sameDraws() {
    DrawHistory h;
    QDate d(2024, 1, 1); // a Monday
    for (int i = 0; i < 20; ++i, d = d.addDays(d.dayOfWeek() == Qt::Saturday ? 2 : 1))
        h.push_back(draw(d, run20(1)));
    return h;
}

TEST(StrategieTest, TotalsOfAStrategyThatAlwaysOrNeverHits) {
    const DrawHistory h = sameDraws();
    struct Case {
        int strategie;
        int einsatz;
        long long gewinn;
        long long tiefster;
        int serie;
        int mitGewinn;
        int hits;
    };
    // N = 10 leaves the last 10 draws to test; type 2 pays 6 per euro for 2 hits.
    for (const Case& c : {Case{kRestanten, 2, 0, -20, 10, 0, 0}, Case{kFavoriten, 5, 300, 0, 0, 10, 2}}) {
        const StrategieTestErgebnis r = StrategieTest(h, params(c.strategie, 2, 10, c.einsatz));
        ASSERT_EQ(r.ziehungen.size(), 10u);
        EXPECT_EQ(r.ziehungen.front().position, 10);
        EXPECT_EQ(r.einsatz, 10 * c.einsatz);
        EXPECT_EQ(r.gewinn, c.gewinn);
        EXPECT_EQ(r.tiefsterStand, c.tiefster);
        EXPECT_EQ(r.laengsteSerieOhneGewinn, c.serie);
        EXPECT_EQ(r.ziehungenMitGewinn, c.mitGewinn);
        EXPECT_EQ(r.treffer[c.hits], 10);
        EXPECT_DOUBLE_EQ(r.rueckfluss(), 100.0 * c.gewinn / (10 * c.einsatz));
        EXPECT_EQ(r.ziehungen.back().stand, c.gewinn - 10 * c.einsatz);
        EXPECT_NEAR(r.erwartet[2], 10 * 190.0 / 2415.0, 1e-12);
        EXPECT_FALSE(r.gestoppt);
    }
}

TEST(StrategieTest, RunningBalanceRunsAndCountsFollowTheDraws) {
    const DrawHistory h = generatedHistory(900, QDate(2012, 3, 5), 3);
    const StrategieTestErgebnis r = StrategieTest(h, params(kRestantenUndFavoriten, 3, 50, 2));
    ASSERT_EQ(r.ziehungen.size(), 850u);
    long long stand = 0, lowest = 0;
    int run = 0, longest = 0, won = 0;
    std::vector<int> hits(4, 0);
    for (const GetesteteZiehung& z : r.ziehungen) {
        EXPECT_EQ(z.tipp.count(), 3);
        EXPECT_EQ(z.gewinn, payoutFactor(3, z.treffer) * 2);
        stand += z.gewinn - 2;
        EXPECT_EQ(z.stand, stand);
        lowest = std::min(lowest, stand);
        run = z.gewinn > 0 ? 0 : run + 1;
        longest = std::max(longest, run);
        won += z.gewinn > 0;
        ++hits[z.treffer];
    }
    EXPECT_EQ(r.tiefsterStand, lowest);
    EXPECT_LT(lowest, 0);
    EXPECT_EQ(r.laengsteSerieOhneGewinn, longest);
    EXPECT_EQ(r.ziehungenMitGewinn, won);
    EXPECT_EQ(r.treffer, hits);
    EXPECT_EQ(r.gewinn, stand + 1700);
}

TEST(StrategieTest, ATipDependsNeitherOnLaterDrawsNorOnTheRange) {
    const DrawHistory all = generatedHistory(600, QDate(2015, 6, 1), 8);
    const DrawHistory early(all.begin(), all.begin() + 400);
    for (int strategie = 0; strategie < kTippStrategien; ++strategie) {
        const StrategieTestErgebnis full = StrategieTest(all, params(strategie, 6, 100));
        const StrategieTestErgebnis part = StrategieTest(early, params(strategie, 6, 100));
        StrategieTestParameter ranged = params(strategie, 6, 100);
        ranged.von = wholeDay(all[250].datum);
        ranged.bis = wholeDay(all[300].datum);
        const StrategieTestErgebnis window = StrategieTest(all, ranged);
        ASSERT_EQ(part.ziehungen.size(), 300u);
        ASSERT_EQ(window.ziehungen.size(), 51u);
        for (std::size_t i = 0; i < part.ziehungen.size(); ++i) {
            EXPECT_EQ(part.ziehungen[i].tipp, full.ziehungen[i].tipp);
            EXPECT_EQ(part.ziehungen[i].zufallTreffer, full.ziehungen[i].zufallTreffer);
        }
        for (std::size_t i = 0; i < window.ziehungen.size(); ++i)
            EXPECT_EQ(window.ziehungen[i].tipp, full.ziehungen[i + 150].tipp);
        // Another seed, other tips.
        const StrategieTestErgebnis other = StrategieTest(early, params(strategie, 6, 100, 1, 18));
        int same = 0;
        for (std::size_t i = 0; i < part.ziehungen.size(); ++i)
            same += other.ziehungen[i].tipp == part.ziehungen[i].tipp;
        EXPECT_LT(same, 5);
    }
}

TEST(StrategieTest, RandomTipsHitAsTheOddsSay) {
    const DrawHistory h = generatedHistory(7000, QDate(2004, 2, 2), 21);
    for (int typ : {4, 7, 10}) {
        const StrategieTestErgebnis r = StrategieTest(h, params(kZufall, typ, 0, 1, 2024));
        ASSERT_EQ(r.ziehungen.size(), 6999u);
        // Chi-square over the hit counts, the rare tail merged so every cell expects >= 5.
        double chi = 0, observedTail = 0, expectedTail = 0;
        int cells = 0;
        for (int hh = typ; hh >= 0; --hh) {
            observedTail += r.treffer[hh];
            expectedTail += r.erwartet[hh];
            if (expectedTail >= 5) {
                chi += (observedTail - expectedTail) * (observedTail - expectedTail) / expectedTail;
                ++cells;
                observedTail = expectedTail = 0;
            }
        }
        // df = cells - 1 ≤ 7; 24.3 is the 0.1 % quantile for 7 degrees of freedom.
        EXPECT_LT(chi, 24.3) << typ;
        EXPECT_GE(cells, 4);
        // The baseline is the same "Zufall" draw.
        EXPECT_EQ(r.zufallGewinn, r.gewinn);
        EXPECT_NEAR(r.rueckfluss(), 100 * Quoten(typ).rueckfluss(), typ == 10 ? 60 : 8);
    }
}

TEST(StrategieTest, PlaceholdersAreNoDrawsAndNeedEnoughDrawsBefore) {
    DrawHistory h = sameDraws();
    h.insert(h.begin() + 5, draw(QDate(2030, 1, 1), {})); // a placeholder counts for nothing
    const StrategieTestErgebnis r = StrategieTest(h, params(kFavoriten, 2, 10));
    ASSERT_EQ(r.ziehungen.size(), 10u);
    EXPECT_EQ(r.ziehungen.front().position, 11);
    EXPECT_EQ(StrategieTest(h, params(kFavoriten, 2, 20)).ziehungen.size(), 0u);
    // N = 0 needs one draw before: every draw but the first.
    EXPECT_EQ(StrategieTest(h, params(kFavoriten, 2, 0)).ziehungen.size(), 19u);
}

TEST(StrategieTest, StopsBetweenDrawsAndReportsProgress) {
    const DrawHistory h = generatedHistory(1000);
    std::atomic<bool> stop{false};
    std::vector<std::pair<int, int>> reports;
    const StrategieTestErgebnis r =
        StrategieTest(h, params(kRestanten, 5, 313), &stop, [&](int done, int total) {
            reports.emplace_back(done, total);
            if (done >= 256)
                stop = true;
        });
    EXPECT_TRUE(r.gestoppt);
    EXPECT_EQ(r.ziehungen.size(), 256u);
    ASSERT_GE(reports.size(), 2u);
    EXPECT_EQ(reports.front(), std::make_pair(256, 687));
    EXPECT_EQ(reports.back(), std::make_pair(256, 687));
}

TEST(StrategieTest, RefusesParametersItCannotTest) {
    const DrawHistory h = sameDraws();
    for (const StrategieTestParameter& p : {params(4, 2, 0), params(-1, 2, 0), params(0, 1, 0),
                                            params(0, 11, 0), params(0, 2, 0, 3), params(0, 2, -1)}) {
        EXPECT_FALSE(strategieTestFehler(p).isEmpty());
        EXPECT_THROW(StrategieTest(h, p), Error);
    }
    for (int e : {1, 2, 5, 10})
        EXPECT_TRUE(strategieTestFehler(params(0, 2, 0, e)).isEmpty());
}

} // namespace
