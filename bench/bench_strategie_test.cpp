// The walk-forward strategy test over a generated history of 7,000 draws with tips from
// the 313 draws before each: one strategy in well under a second on one core.

#include "logic/tips/kandidatenliste.h"
#include "logic/tips/strategie_test.h"
#include "support/generated_history.h"

#include <benchmark/benchmark.h>

namespace {

using namespace talvo;

const logic::DrawHistory& history() {
    static const logic::DrawHistory h = test::generatedHistory(7000);
    return h;
}

void StrategieTest313(benchmark::State& state) {
    logic::StrategieTestParameter p;
    p.strategie = static_cast<int>(state.range(0));
    p.typ = 10;
    p.anzahl = 313;
    p.seed = 1;
    for (auto _ : state) {
        const logic::StrategieTestErgebnis r = logic::StrategieTest(history(), p);
        benchmark::DoNotOptimize(r.gewinn);
        state.counters["draws"] = static_cast<double>(r.ziehungen.size());
    }
}
BENCHMARK(StrategieTest313)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// All earlier draws for every tip: the window only grows, so the counts never restart.
void StrategieTestAlle(benchmark::State& state) {
    logic::StrategieTestParameter p;
    p.strategie = logic::kRestantenUndFavoriten;
    p.typ = 6;
    p.seed = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(logic::StrategieTest(history(), p).gewinn);
}
BENCHMARK(StrategieTestAlle)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
