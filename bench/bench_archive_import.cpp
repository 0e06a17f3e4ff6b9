// Importing a published draw archive of 20,000 rows (newest first, as the lottery lists
// them, with the stake column) from the file on disk into a history: reading, merging
// and writing the history with its undo point, holding its lock. Must stay well under one second.
// Reading the hostile files of the largest size allowed (64 MB of one-character lines, one
// line of 60 MB, random bytes) must stay under ten seconds each.

#include "logic/draws/archive_import.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/undo_history.h"
#include "tools/generated_history.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <climits>

namespace {

using namespace talvo;

constexpr int kRows = 20000;

QByteArray archiveOf(const logic::DrawHistory& draws) {
    QByteArray csv = "Datum";
    for (int i = 1; i <= 20; ++i)
        csv += "; Keno_Z" + QByteArray::number(i);
    csv += ";Keno_Plus5;Keno_Spieleinsatz\r\n";
    for (auto d = draws.rbegin(); d != draws.rend(); ++d) {
        csv += logic::serialToText(d->datum).toLatin1();
        for (auto n : d->GZ)
            csv += ';' + QByteArray::number(n);
        // The plus 5 without its leading zeros, as a spreadsheet saves it.
        csv += ';' + QByteArray::number(d->plus5.text().toInt()) + ";304.198,00\r\n";
    }
    return csv;
}

void ImportTwentyThousandRows(benchmark::State& state) {
    const logic::DrawHistory draws = tools::generatedHistory(kRows);
    QTemporaryDir dir;
    const QString archivePath = dir.filePath(QStringLiteral("archiv.csv"));
    {
        QFile f(archivePath);
        f.open(QIODevice::WriteOnly);
        f.write(archiveOf(draws));
    }
    // Half of the draws are stored already: the other half is new.
    const logic::DrawHistory stored(draws.begin(), draws.begin() + kRows / 2);
    const QString historyPath = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    for (auto _ : state) {
        const logic::ArchiveFile archive = logic::readArchiveFile(archivePath, INT_MAX);
        const logic::ImportResult result = logic::mergeArchive(stored, archive, true);
        {
            const logic::HistoryLock lock(historyPath);
            logic::writeHistoryWithUndo(lock, historyPath, result.history,
                                        QStringLiteral("Import archiv.csv"));
        }
        if (result.report.added != kRows / 2 || result.report.identical != kRows / 2)
            state.SkipWithError("unexpected report");
        state.PauseTiming();
        QFile::remove(historyPath);
        state.ResumeTiming();
    }
    state.counters["rows/s"] = benchmark::Counter(double(kRows) * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(ImportTwentyThousandRows)->Unit(benchmark::kMillisecond);

// kind 0: short lines, 1: one endless line, 2: random bytes.
void ReadHostileArchive(benchmark::State& state) {
    const qsizetype size = state.range(0) == 1 ? qsizetype(60) << 20 : logic::kMaxArchiveFileBytes;
    QByteArray bytes;
    if (state.range(0) == 0) {
        bytes = QByteArray("x\n").repeated(size / 2);
    } else if (state.range(0) == 1) {
        bytes = QByteArray(size, '7');
    } else {
        bytes.resize(size);
        quint32 seed = 7;
        for (char& b : bytes) {
            seed = seed * 1664525u + 1013904223u;
            b = static_cast<char>(seed >> 24);
        }
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("feindlich.csv"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    bytes.clear();
    for (auto _ : state) {
        const logic::ArchiveFile archive = logic::readArchiveFile(path, INT_MAX);
        if (archive.faulty.size() > logic::kKeptFaultyReasons)
            state.SkipWithError("too many reasons kept");
        benchmark::DoNotOptimize(archive.faultyCount);
    }
}
BENCHMARK(ReadHostileArchive)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
