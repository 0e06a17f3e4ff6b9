// Opening play-slip files of many slips in the slip centre: the time until the window
// shows them and the memory they take.

#include "logic/core/paths.h"
#include "logic/core/slip_file.h"
#include "logic/state/program_state.h"
#include "support/builders.h"
#include "ui/common/file_dialogs.h"
#include "ui/slips/slip_centre_window.h"
#include "widget_bench_main.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace talvo;

// The resident memory of the process in MB.
double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0;
}

QString slipFile(const QTemporaryDir& dir, int count) {
    logic::SlipList slips;
    for (int i = 0; i < count; ++i)
        slips.push_back(test::slip({{i % 70 + 1, (i + 7) % 70 + 1, (i + 23) % 70 + 1}, {1, 2}, {3, 4, 5, 6}},
                                   1, 3, QDate(2024, 1, 2), QStringLiteral("Schein %1").arg(i + 1)));
    const QString path = dir.filePath(QStringLiteral("viele.tix"));
    logic::saveSlips(path, slips);
    return path;
}

// "Öffnen..." of a file with N slips in a shown slip centre, until it is painted.
void OpenSlipFile(benchmark::State& state) {
    QTemporaryDir dir;
    logic::AppPaths paths;
    paths.dataDir = dir.path() + QLatin1Char('/');
    const QString file = slipFile(dir, static_cast<int>(state.range(0)));
    double grown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        logic::ProgramState programState;
        auto centre = std::make_unique<ui::SlipCentreWindow>(programState, paths);
        centre->show();
        QApplication::processEvents();
        const double before = residentMegabytes();
        ui::setNextFileName(file);
        state.ResumeTiming();
        centre->findChild<QAction*>(QStringLiteral("BOeffnen"))->trigger();
        centre->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        grown = residentMegabytes() - before;
        centre.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["MB"] = grown;
}
BENCHMARK(OpenSlipFile)->Arg(100)->Arg(1000)->Arg(2555)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

TALVO_WIDGET_BENCHMARK_MAIN()
