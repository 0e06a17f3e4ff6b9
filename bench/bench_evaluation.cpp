// The engine alone: a slip in continuous play since the first draw, evaluated over a
// full history ("Laufzeit"), and the texts of every cell of its result tables.

#include "logic/evaluation/auswertung.h"
#include "support/builders.h"
#include "support/generated_history.h"

#include <benchmark/benchmark.h>

namespace {

using namespace talvo;

const logic::DrawHistory& fullHistory() {
    static const logic::DrawHistory h = test::generatedHistory(7000);
    return h;
}

logic::TGetippt dauerschein() {
    logic::TGetippt s = test::slip({{3, 11, 19, 24, 32, 40, 47, 55, 61, 68},
                                    {7, 14, 21, 28, 35, 42, 49},
                                    {1, 2, 3, 4, 5, 6, 7, 8},
                                    {10, 20, 30, 40, 50},
                                    {33, 66}},
                                   1, 0, QDate(2004, 2, 2), QStringLiteral("Dauerschein"));
    s.p5 = 1;
    s.plus5.setText(QStringLiteral("12345"));
    return s;
}

void LaufzeitOverSevenThousandDraws(benchmark::State& state) {
    const std::vector<logic::TGetippt> slips = {dauerschein()};
    for (auto _ : state) {
        logic::Ergebnisse out;
        logic::LaufzeitAuswerten(slips, fullHistory(), 1.0e6, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["draws/s"] =
        benchmark::Counter(7000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(LaufzeitOverSevenThousandDraws)->Unit(benchmark::kMillisecond);

void CellTextsOfSevenThousandTables(benchmark::State& state) {
    logic::Ergebnisse out;
    logic::LaufzeitAuswerten(std::vector{dauerschein()}, fullHistory(), 1.0e6, out);
    for (auto _ : state) {
        qsizetype chars = 0;
        for (const logic::Ergebnistabelle& t : out)
            for (std::size_t r = 0; r < t.rows.size(); ++r)
                for (int c = 0; c < logic::Ergebnistabelle::kSpalten; ++c)
                    chars += t.cell(r, c).size();
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(CellTextsOfSevenThousandTables)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
