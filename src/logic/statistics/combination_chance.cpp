#include "logic/statistics/combination_chance.h"

#include "logic/core/format.h"
#include "logic/statistics/combination_counter.h"
#include "logic/statistics/combination_values.h"
#include "logic/statistics/number_frequency_test.h"

#include <QElapsedTimer>
#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace talvo::logic {

namespace {

// Spreads the seed and the run's number over all 64 bits (splitmix64), so neighbouring
// runs get unrelated generators.
std::uint64_t runSeed(std::uint64_t seed, int run) {
    std::uint64_t z = seed + 0x9e3779b97f4a7c15ULL * (static_cast<std::uint64_t>(run) + 1);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double share(int part, int runs) {
    return runs > 0 ? static_cast<double>(part) / runs : 0.0;
}

double standardError(int part, int runs) {
    if (runs <= 0)
        return 0.0;
    const double p = share(part, runs);
    return std::sqrt(p * (1.0 - p) / runs);
}

QString sizeWord(int k) {
    switch (k) {
    case 2:
        return QStringLiteral("Zweierkombinationen");
    case 3:
        return QStringLiteral("Dreierkombinationen");
    default:
        return QStringLiteral("Viererkombinationen");
    }
}

QString estimateText(int part, int runs) {
    return QStringLiteral("%1 der Fälle (± %2 Prozentpunkte, %3 Simulationen)")
        .arg(chanceText(share(part, runs)), formatNumber(100.0 * standardError(part, runs), 1),
             formatNumber(runs, 0));
}

} // namespace

double CombinationChance::highChance() const {
    return share(highReached, runs);
}
double CombinationChance::lowChance() const {
    return share(lowReached, runs);
}
double CombinationChance::highError() const {
    return standardError(highReached, runs);
}
double CombinationChance::lowError() const {
    return standardError(lowReached, runs);
}

CombinationExtremes combinationExtremes(const DrawSetList& draws, int k) {
    CombinationExtremes e{0, static_cast<std::uint32_t>(draws.size())};
    CombinationCounter counter(draws, k);
    counter.run([&](const std::uint32_t* counts, std::size_t n) {
        const auto [low, high] = std::minmax_element(counts, counts + n);
        e.highest = std::max(e.highest, *high);
        e.lowest = std::min(e.lowest, *low);
        return true;
    });
    return e;
}

DrawSetList randomDrawSets(int drawCount, quint64 seed) {
    std::mt19937_64 random(seed);
    DrawSetList draws;
    draws.reserve(static_cast<std::size_t>(std::max(drawCount, 0)));
    std::array<int, 70> pool{};
    for (int n = 1; n <= 70; ++n)
        pool[static_cast<std::size_t>(n - 1)] = n;
    for (int d = 0; d < drawCount; ++d) {
        NumberSet set;
        // The first 20 places of a partial shuffle are a uniform choice of 20 numbers.
        for (int i = 0; i < 20; ++i) {
            std::uniform_int_distribution<int> pick(i, 69);
            std::swap(pool[static_cast<std::size_t>(i)], pool[static_cast<std::size_t>(pick(random))]);
            set.insert(pool[static_cast<std::size_t>(i)]);
        }
        draws.push_back(set);
    }
    return draws;
}

CombinationChance estimateCombinationChance(const CombinationChanceParameters& p,
                                            const std::atomic<bool>* stop,
                                            const std::function<void(int)>& progress) {
    CombinationChance c;
    c.k = p.k;
    c.drawCount = p.drawCount;
    c.observed = p.observed;
    if (p.k < 2 || p.k > 4 || p.drawCount <= 0)
        return c;
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < p.runs; ++r) {
        if (stop && stop->load(std::memory_order_relaxed))
            break;
        if (c.runs > 0 && p.budget.count() > 0 && timer.elapsed() >= p.budget.count())
            break;
        const CombinationExtremes e =
            combinationExtremes(randomDrawSets(p.drawCount, runSeed(p.seed, r)), p.k);
        ++c.runs;
        if (e.highest >= p.observed.highest)
            ++c.highReached;
        if (e.lowest <= p.observed.lowest)
            ++c.lowReached;
        if (progress)
            progress(c.runs);
    }
    return c;
}

QString highCombinationSentence(const CombinationChance& c) {
    return QStringLiteral("Dass die häufigste der %1 %2 in %3 Ziehungen %4-mal oder öfter vorkommt, "
                          "geschieht rein zufällig in %5.")
        .arg(formatNumber(static_cast<double>(combinationsOf70(c.k)), 0), sizeWord(c.k),
             formatNumber(c.drawCount, 0), QString::number(c.observed.highest),
             estimateText(c.highReached, c.runs));
}

QString lowCombinationSentence(const CombinationChance& c) {
    const QString often = c.observed.lowest == 0 ? QStringLiteral("gar nicht")
                                                 : QStringLiteral("höchstens %1-mal").arg(c.observed.lowest);
    return QStringLiteral("Dass die seltenste der %1 %2 in %3 Ziehungen %4 vorkommt, "
                          "geschieht rein zufällig in %5.")
        .arg(formatNumber(static_cast<double>(combinationsOf70(c.k)), 0), sizeWord(c.k),
             formatNumber(c.drawCount, 0), often, estimateText(c.lowReached, c.runs));
}

} // namespace talvo::logic
