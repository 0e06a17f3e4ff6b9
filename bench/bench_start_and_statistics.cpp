// The program's start with a history of 10,000 draws until "Weiter" can be clicked, and a
// change of the draw-count choice in the statistics window until the window has painted
// the new frequencies, classes and boards.

#include "logic/core/history_file.h"
#include "logic/core/paths.h"
#include "logic/state/program_state.h"
#include "logic/state/statistics_selection.h"
#include "tools/generated_history.h"
#include "ui/app/application.h"
#include "ui/app/start_window.h"
#include "ui/common/message_box.h"
#include "ui/statistics/statistics_window.h"
#include "widget_bench_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace talvo;

constexpr int kDraws = 10000;

const logic::DrawHistory& history() {
    static const logic::DrawHistory h = tools::generatedHistory(kDraws);
    return h;
}

void StartUntilContinueWithTenThousandDraws(benchmark::State& state) {
    QTemporaryDir dir;
    logic::AppPaths paths;
    paths.programDir = dir.path() + QStringLiteral("/prog/");
    paths.dataDir = dir.path() + QLatin1Char('/');
    logic::saveDrawHistory(paths.historyFile(), history());
    ui::setMessageHook([](const QString&, ui::MessageIcon) { return false; });
    bool enabled = false;
    for (auto _ : state) {
        auto program = std::make_unique<ui::Application>(paths);
        program->start();
        enabled = program->startWindow()->findChild<QPushButton*>(QStringLiteral("BWeiter"))->isEnabled();
        state.PauseTiming();
        program.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    ui::setMessageHook({});
    if (!enabled)
        state.SkipWithError("\"Weiter\" was not enabled after the start");
    state.counters["draws"] = kDraws;
}
BENCHMARK(StartUntilContinueWithTenThousandDraws)->Unit(benchmark::kMillisecond)->Iterations(10);

void StatisticsDrawCountChangeWithTenThousandDraws(benchmark::State& state) {
    logic::ProgramState programState;
    programState.setHistory(history());
    logic::AppPaths paths;
    logic::StatisticsSelection selection(programState);
    ui::StatisticsWindow window(programState, selection, paths);
    window.setUpAtStart();
    window.show();
    window.setDrawCountIndex(0);
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        // Through the choices as a user clicks them, "Alle" included, each painted at once.
        window.setDrawCountIndex(++i % 10);
        window.repaint();
    }
    state.counters["draws"] = kDraws;
}
BENCHMARK(StatisticsDrawCountChangeWithTenThousandDraws)->Unit(benchmark::kMillisecond);

} // namespace

TALVO_WIDGET_BENCHMARK_MAIN()
