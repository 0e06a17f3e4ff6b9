#include "logic/tips/tip_generator.h"

#include "logic/core/error.h"
#include "logic/core/tables.h"
#include "logic/statistics/free_search.h"
#include "logic/tips/candidate_list.h"
#include "logic/tips/game_draw.h"

#include <algorithm>
#include <cstdint>

namespace talvo::logic {

namespace {

// C(d, t), or `enough` when it is at least that: only the comparison with a game count
// matters, and this keeps it from overflowing.
std::int64_t combinationsUpTo(int d, int t, std::int64_t enough) {
    std::int64_t c = 1;
    for (int i = 1; i <= t; ++i) {
        c = c * (d - t + i) / i; // exact: c is C(d - t + i, i) after each step
        if (c >= enough)
            return enough;
    }
    return c;
}

// With D distinct candidates, more games of a type t < D than there are t-sets among
// them can never all differ, and the redraw would not end. A list with D <= t is
// completed at random at every draw, so it always offers enough.
void checkEnoughCombinations(const CandidateList& candidates, const std::array<int, kTipGames>& kenoTypes) {
    NumberSet distinct;
    for (auto n : candidates)
        distinct.insert(n);
    const int D = distinct.count();
    for (int t = 2; t <= kMaxType; ++t) {
        const auto games = std::count(kenoTypes.begin(), kenoTypes.end(), t);
        if (games < 2 || D <= t)
            continue;
        const std::int64_t possible = combinationsUpTo(D, t, games);
        if (possible < games)
            throw Error(
                QStringLiteral("Aus den %1 verschiedenen Zahlen der Kandidatenliste lassen sich nur %2 "
                               "verschiedene Spiele vom KENO-Typ %3 bilden, gewählt sind %4. Ich muss "
                               "leider abbrechen.")
                    .arg(D)
                    .arg(possible)
                    .arg(t)
                    .arg(games));
    }
}

} // namespace

int Tip::gameCount() const {
    return static_cast<int>(
        std::count_if(games.begin(), games.end(), [](const TipGame& s) { return s.kenoType > 0; }));
}

QStringList TipResult::text() const {
    QStringList lines = {QStringLiteral("Tipp-Nr.: %1").arg(number), strategyName(strategy), QString()};
    for (const TipGame& game : tip.games)
        if (game.kenoType > 0)
            lines << QStringLiteral("KENO-Typ %1: %2").arg(game.kenoType).arg(numbersText(game.numbers));
    return lines;
}

bool anyGameChosen(const std::array<int, kTipGames>& kenoTypes) {
    return std::any_of(kenoTypes.begin(), kenoTypes.end(), [](int t) { return t > 0; });
}

TipResult TipGenerator::generate(const ClassSets& classSets, int strategy,
                                 const std::array<int, kTipGames>& kenoTypes, QRandomGenerator& rng) {
    for (int t : kenoTypes)
        if (t != 0 && (t < 2 || t > kMaxType))
            throw Error(QStringLiteral("Der KENO-Typ %1 ist ungültig: möglich sind 2 bis 10.").arg(t));
    if (!anyGameChosen(kenoTypes))
        throw Error(QString::fromUtf8(kNoGameMessage));
    const CandidateList candidates = buildCandidateList(classSets, strategy);
    checkEnoughCombinations(candidates, kenoTypes);

    TipResult result;
    result.strategy = strategy;
    int k = 0;
    for (int t : kenoTypes) {
        if (t == 0)
            continue;
        TipGame& game = result.tip.games[static_cast<std::size_t>(k)];
        game.kenoType = t;
        const auto earlier = result.tip.games.begin();
        const auto current = earlier + k;
        do {
            const DrawnGame drawn = drawGame(candidates, t, rng);
            game.numbers = drawn.numbers;
            game.completed = drawn.completed;
        } while (std::any_of(earlier, current, [&](const TipGame& s) { return s.numbers == game.numbers; }));
        ++k;
    }
    result.number = ++counter_;
    lastTip_ = result.tip;
    return result;
}

} // namespace talvo::logic
