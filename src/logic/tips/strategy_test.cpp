#include "logic/tips/strategy_test.h"

#include "logic/core/error.h"
#include "logic/core/tables.h"
#include "logic/core/type_odds.h"
#include "logic/statistics/draw_window.h"
#include "logic/tips/candidate_list.h"
#include "logic/tips/game_draw.h"
#include "logic/tips/sliding_class_sets.h"

#include <QRandomGenerator>
#include <algorithm>
#include <bit>

namespace talvo::logic {

namespace {

// The generator of one tested draw: from the seed and the draw's day alone.
QRandomGenerator drawRandomGenerator(quint64 seed, int day) {
    const std::array<quint32, 3> words = {static_cast<quint32>(seed), static_cast<quint32>(seed >> 32),
                                          static_cast<quint32>(day)};
    return QRandomGenerator(words.data(), words.data() + words.size());
}

int commonCount(const NumberSet& a, const NumberSet& b) {
    int n = 0;
    for (std::size_t i = 0; i < a.words.size(); ++i)
        n += std::popcount(a.words[i] & b.words[i]);
    return n;
}

double percent(long long winnings, long long stake) {
    return stake > 0 ? 100.0 * static_cast<double>(winnings) / static_cast<double>(stake) : 0.0;
}

} // namespace

double StrategyTestResult::returnRate() const {
    return percent(winnings, stake);
}

double StrategyTestResult::randomReturnRate() const {
    return percent(randomWinnings, stake);
}

QString strategyTestError(const StrategyTestParameters& p) {
    if (p.strategy < 0 || p.strategy >= kTipStrategyCount)
        return QStringLiteral("Die Strategie %1 gibt es nicht: möglich sind 0 bis 3.").arg(p.strategy);
    if (p.kenoType < 2 || p.kenoType > kMaxType)
        return QStringLiteral("Der KENO-Typ %1 ist ungültig: möglich sind 2 bis 10.").arg(p.kenoType);
    if (std::find(kStakeEuro.begin(), kStakeEuro.end(), p.stake) == kStakeEuro.end())
        return QStringLiteral("Ein Einsatz von %1 Euro ist nicht möglich: 1, 2, 5 oder 10 Euro.")
            .arg(p.stake);
    if (p.windowSize < 0)
        return QStringLiteral("Die Anzahl der auszuwertenden Ziehungen kann nicht negativ sein.");
    return {};
}

StrategyTestResult runStrategyTest(const DrawHistory& history, const StrategyTestParameters& p,
                                   const std::atomic<bool>* stop,
                                   const std::function<void(int, int)>& progress) {
    if (const QString problem = strategyTestError(p); !problem.isEmpty())
        throw Error(problem);

    std::vector<int> realPositions;
    for (int i = 0; i < static_cast<int>(history.size()); ++i)
        if (isRealDraw(history[static_cast<std::size_t>(i)]))
            realPositions.push_back(i);
    const auto drawAt = [&](int j) -> const DrawRecord& {
        return history[static_cast<std::size_t>(realPositions[static_cast<std::size_t>(j)])];
    };
    const int minimumBefore = std::max(p.windowSize, 1);
    const auto isTested = [&](int j) {
        const int day = wholeDay(drawAt(j).datum);
        return j >= minimumBefore && (!p.from || day >= *p.from) && (!p.to || day <= *p.to);
    };
    int total = 0;
    for (int j = 0; j < static_cast<int>(realPositions.size()); ++j)
        total += isTested(j) ? 1 : 0;

    StrategyTestResult r;
    r.draws.reserve(static_cast<std::size_t>(total));
    r.hitCount.assign(static_cast<std::size_t>(p.kenoType) + 1, 0);
    const CandidateList randomCandidates = buildCandidateList({}, kRandom);
    SlidingClassSets window;
    int streak = 0;
    for (int j = 0; j < static_cast<int>(realPositions.size()); ++j) {
        if (j > 0) {
            window.addDraw(drawAt(j - 1));
            if (p.windowSize > 0 && window.draws() > p.windowSize)
                window.removeDraw(drawAt(j - 1 - p.windowSize));
        }
        if (!isTested(j))
            continue;
        if (stop && stop->load(std::memory_order_relaxed)) {
            r.stopped = true;
            break;
        }
        const DrawRecord& d = drawAt(j);
        const int day = wholeDay(d.datum);
        const NumberSet drawn = drawSet(d);
        TestedDraw z;
        z.position = realPositions[static_cast<std::size_t>(j)];
        z.date = d.datum;

        const CandidateList candidates =
            p.strategy == kRandom ? randomCandidates : buildCandidateList(window.classSets(), p.strategy);
        QRandomGenerator rng = drawRandomGenerator(p.seed, day);
        const DrawnGame tip = drawGame(candidates, p.kenoType, rng);
        z.tip = tip.numbers;
        z.completed = tip.completed;
        z.hitCount = commonCount(tip.numbers, drawn);
        z.winnings = payoutFactor(p.kenoType, z.hitCount) * p.stake;

        // The baseline starts from the same seed, so "Zufall" tested against itself is equal.
        QRandomGenerator baselineRandom = drawRandomGenerator(p.seed, day);
        z.randomHitCount = commonCount(drawGame(randomCandidates, p.kenoType, baselineRandom).numbers, drawn);
        z.randomWinnings = payoutFactor(p.kenoType, z.randomHitCount) * p.stake;

        r.stake += p.stake;
        r.winnings += z.winnings;
        r.randomWinnings += z.randomWinnings;
        z.balance = r.winnings - r.stake;
        z.randomBalance = r.randomWinnings - r.stake;
        r.lowestBalance = std::min(r.lowestBalance, z.balance);
        streak = z.winnings > 0 ? 0 : streak + 1;
        r.longestLosingStreak = std::max(r.longestLosingStreak, streak);
        r.winningDraws += z.winnings > 0 ? 1 : 0;
        ++r.hitCount[static_cast<std::size_t>(z.hitCount)];
        r.draws.push_back(z);
        if (progress && r.draws.size() % 256 == 0)
            progress(static_cast<int>(r.draws.size()), total);
    }
    if (progress)
        progress(static_cast<int>(r.draws.size()), total);

    const TypeOdds odds = oddsOfType(p.kenoType);
    for (int h = 0; h <= p.kenoType; ++h)
        r.expectedHits.push_back(static_cast<double>(r.draws.size()) * odds.probability(h));
    return r;
}

} // namespace talvo::logic
