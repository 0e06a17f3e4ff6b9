#include "arguments.h"
#include "command.h"

#include "logic/core/dates.h"
#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/draws/archive_import.h"
#include "logic/draws/change_text.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/undo_history.h"

#include <QFileInfo>
#include <QTextStream>
#include <optional>

namespace talvo::cli {
namespace {

int importDraws(const Arguments& opts, Io& io) {
    const QString historyPath = opts.required(QStringLiteral("history"));
    if (opts.positional().size() != 1)
        throw UsageError{QStringLiteral("Genau eine Datei zum Importieren angeben.")};
    const logic::ArchiveFile archive =
        logic::readArchiveFile(opts.positional().first(), logic::wholeDay(opts.now()));
    const bool dryRun = opts.has(QStringLiteral("dry-run"));
    // A dry run writes nothing and so waits for no other writer.
    std::optional<logic::HistoryLock> lock;
    if (!dryRun)
        lock.emplace(historyPath);
    const logic::DrawHistory history =
        QFileInfo::exists(historyPath) ? logic::loadDrawHistory(historyPath) : logic::DrawHistory{};
    const logic::ImportResult result =
        logic::mergeArchive(history, archive, opts.has(QStringLiteral("replace")));

    const logic::ImportReport& report = result.report;
    if (report.changesHistory() && !dryRun)
        logic::writeHistoryWithUndo(
            *lock, historyPath, result.history,
            logic::importChangeText(QFileInfo(opts.positional().first()).fileName(), result),
            opts.nowDateTime());
    io.out << "neu\t" << report.added << "\nersetzt\t" << report.replaced << "\nabweichend\t"
           << report.differing << "\ngleich\t" << report.identical << "\nfehlerhaft\t" << report.faultyCount
           << "\nplatzhalter\t" << report.placeholders << '\n';
    for (const logic::FaultyRow& row : report.faulty)
        io.out << "Zeile\t" << row.line << '\t' << row.reason << '\n';
    const auto leftOut = report.faultyCount - static_cast<int>(report.faulty.size());
    if (leftOut > 0)
        io.out << "weitere\t" << leftOut << '\n';
    // The report names the faulty lines first, so the user sees why nothing could be taken.
    if (archive.draws.empty())
        throw logic::Error(logic::noUsableRowText());
    return 0;
}

const CommandRegistrar reg("import", importDraws);

} // namespace
} // namespace talvo::cli
