// Evaluating a slip in continuous play since the first draw by "Laufzeit" over a full
// history and showing its ~7,000 result tabs; then switching between the tabs.

#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/core/slip_file.h"
#include "logic/evaluation/evaluation.h"
#include "logic/state/program_state.h"
#include "support/builders.h"
#include "tools/generated_history.h"
#include "ui/app/main_window.h"
#include "ui/evaluation/evaluation_area.h"
#include "ui/evaluation/result_tab_strip.h"
#include "ui/evaluation/result_tabs.h"
#include "ui/evaluation/slip_file_frame.h"
#include "widget_bench_main.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace talvo;

const logic::DrawHistory& fullHistory() {
    static const logic::DrawHistory h = tools::generatedHistory(7000);
    return h;
}

std::vector<logic::SlipRecord> continuousSlips() {
    return {test::slip({{3, 11, 19, 24, 32, 40, 47, 55, 61, 68}, {7, 14, 21, 28, 35, 42, 49}, {12, 45}}, 1, 0,
                       QDate(2004, 2, 2), QStringLiteral("Dauerschein"))};
}

void EvaluateAndShowSevenThousandTabs(benchmark::State& state) {
    for (auto _ : state) {
        ui::ResultTabs tabs;
        tabs.resize(700, 400);
        tabs.show();
        QApplication::processEvents();
        int counter = 1;
        logic::ResultTables tables;
        logic::evaluateRunningTimes(continuousSlips(), fullHistory(), 1.0e6, tables);
        tabs.addTables(std::move(tables), counter);
        tabs.repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(tabs.count());
        state.PauseTiming();
        tabs.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(EvaluateAndShowSevenThousandTabs)->Unit(benchmark::kMillisecond)->Iterations(3);

void SwitchAndRepaintAmongSevenThousandTabs(benchmark::State& state) {
    ui::ResultTabs tabs;
    tabs.resize(700, 400);
    tabs.show();
    int counter = 1;
    logic::ResultTables tables;
    logic::evaluateRunningTimes(continuousSlips(), fullHistory(), 1.0e6, tables);
    tabs.addTables(std::move(tables), counter);
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        // As the user does: the next tab to the left, painted at once.
        tabs.tabBar()->setCurrentIndex(tabs.count() - 1 - (i++ % 500));
        tabs.repaint();
    }
}
BENCHMARK(SwitchAndRepaintAmongSevenThousandTabs)->Unit(benchmark::kMillisecond);

// The whole way in the main window: "Laufzeit" on a file holding the continuous-play slip.
void MainWindowRunningTimeWithSevenThousandDraws(benchmark::State& state) {
    QTemporaryDir dir;
    logic::AppPaths paths;
    paths.dataDir = dir.path() + QLatin1Char('/');
    logic::saveDrawHistory(paths.historyFile(), fullHistory());
    const QString slips = dir.filePath(QStringLiteral("Dauer.tix"));
    logic::saveSlips(slips, continuousSlips());
    logic::ProgramState programState;
    ui::MainWindow window(programState, paths);
    window.setUpAtStart();
    window.show();
    window.evaluationArea()->loadEvaluationFile(slips);
    QApplication::processEvents();
    std::size_t tabs = 0;
    for (auto _ : state) {
        window.evaluationArea()->evaluateOverRunTime();
        window.repaint();
        QApplication::processEvents();
        state.PauseTiming();
        tabs = static_cast<std::size_t>(window.evaluationArea()->activeFileFrame()->results()->count());
        window.evaluationArea()->activeFileFrame()->results()->closeAll();
        state.ResumeTiming();
    }
    state.counters["tabs"] = static_cast<double>(tabs);
}
BENCHMARK(MainWindowRunningTimeWithSevenThousandDraws)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

TALVO_WIDGET_BENCHMARK_MAIN()
