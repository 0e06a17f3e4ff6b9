#pragma once

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/core/number_set.h"

#include <QtGlobal>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace talvo::logic {

inline constexpr char kNoTestDrawMessage[] =
    "Im gewählten Zeitraum gibt es keine Ziehung, vor der genug Ziehungen für den Test gespeichert sind.";

struct StrategyTestParameters {
    int strategy = 0;        // the tip centre's strategies 0..3
    int kenoType = 2;        // KENO type 2..10
    int windowSize = 0;      // N: the tip of a draw comes from the N real draws before it; 0: all of them
    int stake = 1;           // euro per draw: 1, 2, 5 or 10
    std::optional<int> from; // first and last day tested, both included; none: open
    std::optional<int> to;
    quint64 seed = 0;
};

struct TestedDraw {
    int position = 0; // in the history
    DaySerial date = 0;
    NumberSet tip;
    bool completed = false; // the candidates were completed with random numbers
    int hitCount = 0;
    int winnings = 0;       // euro
    long long balance = 0;  // winnings minus stakes up to and including this draw
    int randomHitCount = 0; // the same draw played with a "Zufall" tip
    int randomWinnings = 0;
    long long randomBalance = 0;
};

struct StrategyTestResult {
    std::vector<TestedDraw> draws;
    long long stake = 0; // euro, all amounts
    long long winnings = 0;
    long long randomWinnings = 0;
    long long lowestBalance = 0; // the lowest running balance, the start counting as 0
    int longestLosingStreak = 0;
    int winningDraws = 0;
    std::vector<int> hitCount;        // per h = 0..typ: tested draws with h hits
    std::vector<double> expectedHits; // per h: what the odds let expect for as many draws
    bool stopped = false;             // the test was stopped; the draws so far are in

    // Winnings per stake in percent; 0 with nothing staked.
    double returnRate() const;
    double randomReturnRate() const;
};

// Can the parameters be tested: a strategy 0..3, a type 2..10 and a stake of 1, 2, 5 or
// 10 euro. Gives the German message why not, or an empty text.
QString strategyTestError(const StrategyTestParameters& p);

// Plays every real draw in the range that has at least max(N, 1) real draws before it
// with one tip drawn as the tip centre draws a game of the type, from the class sets of
// the N draws before it only, and with one "Zufall" tip beside it. Each draw's tips come
// from a generator seeded from the seed and the draw's date alone, so a draw's result
// depends neither on later draws nor on the range. Runs on any thread: `stop` is read
// between draws and `progress` gets the draws done and the draws to test now and then,
// from the calling thread. Parameters that cannot be tested throw Error.
StrategyTestResult runStrategyTest(const DrawHistory& history, const StrategyTestParameters& p,
                                   const std::atomic<bool>* stop = nullptr,
                                   const std::function<void(int, int)>& progress = {});

} // namespace talvo::logic
