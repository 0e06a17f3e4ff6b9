// The walk-forward strategy test over a generated history of 7,000 draws with tips from
// the 313 draws before each: one strategy in well under a second on one core.

#include "logic/tips/candidate_list.h"
#include "logic/tips/strategy_test.h"
#include "tools/generated_history.h"

#include <benchmark/benchmark.h>

namespace {

using namespace talvo;

const logic::DrawHistory& history() {
    static const logic::DrawHistory h = tools::generatedHistory(7000);
    return h;
}

void StrategyTest313(benchmark::State& state) {
    logic::StrategyTestParameters p;
    p.strategy = static_cast<int>(state.range(0));
    p.kenoType = 10;
    p.windowSize = 313;
    p.seed = 1;
    for (auto _ : state) {
        const logic::StrategyTestResult r = logic::runStrategyTest(history(), p);
        benchmark::DoNotOptimize(r.winnings);
        state.counters["draws"] = static_cast<double>(r.draws.size());
    }
}
BENCHMARK(StrategyTest313)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// All earlier draws for every tip: the window only grows, so the counts never restart.
void StrategyTestAll(benchmark::State& state) {
    logic::StrategyTestParameters p;
    p.strategy = logic::kOverdueAndFavourites;
    p.kenoType = 6;
    p.seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(logic::runStrategyTest(history(), p).winnings);
}
BENCHMARK(StrategyTestAll)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
