// The overview of an evaluation: 1,000 slips, each over 7,000 draws, summed up per slip
// without keeping a table. It should take well under 2 s.

#include "logic/core/records.h"
#include "logic/evaluation/evaluation.h"
#include "logic/evaluation/evaluation_summary.h"
#include "support/builders.h"
#include "tools/generated_history.h"

#include <benchmark/benchmark.h>

namespace {

using namespace talvo;

std::vector<logic::SlipRecord> thousandSlips() {
    std::vector<logic::SlipRecord> slips;
    for (int i = 0; i < 1000; ++i) {
        const int n = i % 60 + 1;
        logic::SlipRecord s = test::slip({{n, n + 1, n + 2, n + 3, n + 4, n + 5, n + 6, n + 7, n + 8, n + 9},
                                          {n, n + 2, n + 4, n + 6, n + 8},
                                          {n + 1, n + 3}},
                                         i % 4, 0, QDate(2004, 2, 2), QStringLiteral("Schein %1").arg(i + 1));
        if (i % 2 == 0) {
            s.p5 = 1;
            s.plus5.setText(QString::number(10007 * i % 100000));
        }
        slips.push_back(s);
    }
    return slips;
}

void SummaryOfThousandSlipsOverSevenThousandDraws(benchmark::State& state) {
    const logic::DrawHistory history = tools::generatedHistory(7000);
    const std::vector<logic::SlipRecord> slips = thousandSlips();
    for (auto _ : state) {
        logic::EvaluationSummary summary;
        logic::evaluateRange(slips, history.front().datum, history.back().datum, history, 1.0e6, summary);
        benchmark::DoNotOptimize(summary.total().balanceCents());
    }
    state.counters["evaluations/s"] =
        benchmark::Counter(7.0e6 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(SummaryOfThousandSlipsOverSevenThousandDraws)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
