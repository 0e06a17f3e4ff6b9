// The engine alone: a slip in continuous play since the first draw, evaluated over a
// full history ("Laufzeit"), and the texts of every cell of its result tables.

#include "logic/evaluation/evaluation.h"
#include "support/builders.h"
#include "tools/generated_history.h"

#include <benchmark/benchmark.h>

namespace {

using namespace talvo;

const logic::DrawHistory& fullHistory() {
    static const logic::DrawHistory h = tools::generatedHistory(7000);
    return h;
}

logic::SlipRecord continuousSlip() {
    logic::SlipRecord s = test::slip({{3, 11, 19, 24, 32, 40, 47, 55, 61, 68},
                                      {7, 14, 21, 28, 35, 42, 49},
                                      {1, 2, 3, 4, 5, 6, 7, 8},
                                      {10, 20, 30, 40, 50},
                                      {33, 66}},
                                     1, 0, QDate(2004, 2, 2), QStringLiteral("Dauerschein"));
    s.p5 = 1;
    s.plus5.setText(QStringLiteral("12345"));
    return s;
}

void RunningTimeOverSevenThousandDraws(benchmark::State& state) {
    const std::vector<logic::SlipRecord> slips = {continuousSlip()};
    for (auto _ : state) {
        logic::ResultTables out;
        logic::evaluateRunningTimes(slips, fullHistory(), 1.0e6, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["draws/s"] =
        benchmark::Counter(7000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(RunningTimeOverSevenThousandDraws)->Unit(benchmark::kMillisecond);

void CellTextsOfSevenThousandTables(benchmark::State& state) {
    logic::ResultTables out;
    logic::evaluateRunningTimes(std::vector{continuousSlip()}, fullHistory(), 1.0e6, out);
    for (auto _ : state) {
        qsizetype chars = 0;
        for (const logic::ResultTable& t : out)
            for (std::size_t r = 0; r < t.rows.size(); ++r)
                for (int c = 0; c < logic::ResultTable::kColumns; ++c)
                    chars += t.cell(r, c).size();
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(CellTextsOfSevenThousandTables)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
