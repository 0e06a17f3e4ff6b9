// Rewrites the draw history (with its lock and undo point), a play-slip file and the options file
// in the given folder, alternating between two versions of each, until it is killed.
// Prints "started" before the first write and "round" after each round of all three.

#include "support/write_versions.h"

#include "logic/draws/history_lock.h"
#include "logic/draws/undo_history.h"

#include <array>
#include <cstdio>

using namespace talvo;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + u'/';
    const std::array histories{test::versionHistory(0), test::versionHistory(1)};
    const std::array slips{test::versionSlips(0), test::versionSlips(1)};
    const std::array options{test::versionOptions(0), test::versionOptions(1)};
    std::puts("started");
    std::fflush(stdout);
    for (int round = 1;; ++round) {
        const int v = round % 2;
        {
            const QString history = folder + QStringLiteral("KenoZahlen.tpp");
            const logic::HistoryLock lock(history);
            logic::writeHistoryWithUndo(lock, history, histories[v], QStringLiteral("Runde"));
        }
        logic::saveSlips(folder + QStringLiteral("scheine.tix"), slips[v]);
        logic::saveOptions(folder + QStringLiteral("optionen.kop"), options[v]);
        std::puts("round");
        std::fflush(stdout);
    }
}
