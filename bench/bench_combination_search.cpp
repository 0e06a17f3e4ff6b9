// The best-combination search over a generated history of 7,000 draws, side by side with
// the plain search that tests every combination against every draw. After the runs a
// table compares the two on the same data, and the fast search's peak heap use is shown.
// Then the whole `talvo-cli combos` run for quadruples over every draw from 02.02.2004 to
// yesterday: start, reading the history, search and printing.

#include "logic/statistics/combination_counter.h"
#include "logic/statistics/combination_search.h"
#include "support/cli_runner.h"
#include "support/straight_combination_search.h"
#include "tools/generated_history.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>

// Heap bookkeeping for the peak memory of one search: every allocation carries its size.
namespace {
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};
constexpr std::size_t kHeader = alignof(std::max_align_t);
} // namespace

void* operator new(std::size_t size) {
    auto* block = static_cast<char*>(std::malloc(size + kHeader));
    if (!block)
        throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t now = liveBytes += size;
    for (std::size_t peak = peakBytes; now > peak && !peakBytes.compare_exchange_weak(peak, now);) {
    }
    return block + kHeader;
}
void operator delete(void* p) noexcept {
    if (!p)
        return;
    char* block = static_cast<char*>(p) - kHeader;
    liveBytes -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

using namespace talvo;

const logic::DrawSetList& allDraws() {
    static const logic::DrawSetList sets = logic::collectDrawSets(tools::generatedHistory(7000));
    return sets;
}

logic::DrawSetList window(int n) {
    return logic::lastDrawSets(allDraws(), n);
}

void BM_CombinationSearch(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    const logic::DrawSetList draws = window(static_cast<int>(state.range(1)));
    double peakMiB = 0;
    for (auto _ : state) {
        const std::size_t before = liveBytes;
        peakBytes = before;
        benchmark::DoNotOptimize(logic::searchCombinations(draws, k));
        peakMiB = std::max(peakMiB, static_cast<double>(peakBytes - before) / (1024.0 * 1024.0));
    }
    state.counters["peak_MiB"] = peakMiB;
    state.counters["draws"] = static_cast<double>(draws.size());
}

void BM_StraightCombinationSearch(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    const logic::DrawSetList draws = window(static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(test::straightCombinationSearch(draws, k));
    state.counters["draws"] = static_cast<double>(draws.size());
}

// Counting alone, with the widest kernel the processor offers (0) and with the plain one
// every processor runs (1), for quadruples over all draws.
void BM_CountQuadruples(benchmark::State& state) {
    const auto kernel = state.range(0) == 0 ? logic::CombinationCounter::Kernel::Fastest
                                            : logic::CombinationCounter::Kernel::Plain;
    std::uint64_t total = 0;
    for (auto _ : state) {
        logic::CombinationCounter counter(allDraws(), 4, kernel);
        counter.run([&](const std::uint32_t* counts, std::size_t n) {
            total += counts[n - 1];
            return true;
        });
    }
    benchmark::DoNotOptimize(total);
    state.SetLabel(state.range(0) == 0 && logic::CombinationCounter::wideKernelAvailable() ? "wide"
                                                                                           : "plain");
}
BENCHMARK(BM_CountQuadruples)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// range(1) = 0 is "Alle".
BENCHMARK(BM_CombinationSearch)
    ->Args({4, 0})
    ->Args({4, 313})
    ->Args({3, 0})
    ->Args({2, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StraightCombinationSearch)
    ->Args({4, 313})
    ->Args({3, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_StraightCombinationSearch)->Args({4, 0})->Unit(benchmark::kMillisecond)->Iterations(1);

double childCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The time of the whole process; cpu_ms is the processor time it used itself, which a busy
// machine disturbs less than the time on the clock.
void BM_CliCombosQuadruplesAllDraws(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const int draws = tools::drawDaysBetween(QDate(2004, 2, 2), QDate::currentDate().addDays(-1));
    logic::saveDrawHistory(file, tools::generatedHistory(draws));
    const QStringList args = {QStringLiteral("combos"), QStringLiteral("--history"), file,
                              QStringLiteral("--k"), QStringLiteral("4")};
    const double cpuBefore = childCpuSeconds();
    for (auto _ : state) {
        const test::CliResult r = test::runCli(args);
        if (r.exitCode != 0 || !r.out.contains(QStringLiteral("FLOP\t1000\t"))) {
            state.SkipWithError("talvo-cli combos failed");
            break;
        }
    }
    state.counters["cpu_ms"] =
        (childCpuSeconds() - cpuBefore) * 1000.0 / static_cast<double>(state.iterations());
    state.counters["draws"] = draws;
}
BENCHMARK(BM_CliCombosQuadruplesAllDraws)->Unit(benchmark::kMillisecond)->Iterations(20);

// Keeps the time per iteration of every run for the comparison table.
class ComparingReporter : public benchmark::ConsoleReporter {
  public:
    ComparingReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                seconds[r.benchmark_name()] = r.GetAdjustedRealTime() / 1000.0;
    }
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nplain search time / fast search time, same data, same run:\n");
    for (const char* args : {"4/313", "3/0", "4/0"}) {
        const auto fast = reporter.seconds.find(std::string("BM_KombiSuche/") + args);
        const auto plain =
            reporter.seconds.find(std::string("BM_StraightKombiSuche/") + args + "/iterations:1");
        if (fast != reporter.seconds.end() && plain != reporter.seconds.end() && fast->second > 0)
            std::printf("  k/draws %-6s fast %9.4f s   plain %9.3f s   ratio %8.0f\n", args, fast->second,
                        plain->second, plain->second / fast->second);
    }
    benchmark::Shutdown();
    return 0;
}
