#include "arguments.h"
#include "command.h"

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/draws/archive_import.h"
#include "logic/draws/history_backup.h"

#include <QFileInfo>
#include <QTextStream>

namespace talvo::cli {
namespace {

int importDraws(const Arguments& opts, Io& io) {
    const QString historyPath = opts.required(QStringLiteral("history"));
    if (opts.positional().size() != 1)
        throw UsageError{QStringLiteral("Genau eine Datei zum Importieren angeben.")};
    const logic::ArchiveFile archive =
        logic::readArchiveFile(opts.positional().first(), logic::wholeDay(opts.now()));
    const logic::DrawHistory history =
        QFileInfo::exists(historyPath) ? logic::loadDrawHistory(historyPath) : logic::DrawHistory{};
    const logic::ImportResult result =
        logic::mergeArchive(history, archive, opts.has(QStringLiteral("replace")));

    const logic::ImportReport& report = result.report;
    if (report.changesHistory() && !opts.has(QStringLiteral("dry-run")))
        logic::writeHistoryKeepingBackup(historyPath, result.history);
    io.out << "neu\t" << report.added << "\nersetzt\t" << report.replaced << "\nabweichend\t"
           << report.differing << "\ngleich\t" << report.identical << "\nfehlerhaft\t" << report.faulty.size()
           << '\n';
    for (const logic::FaultyRow& row : report.faulty)
        io.out << "Zeile\t" << row.line << '\t' << row.reason << '\n';
    return 0;
}

const CommandRegistrar reg("import", importDraws);

} // namespace
} // namespace talvo::cli
