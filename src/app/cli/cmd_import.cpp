#include "arguments.h"
#include "command.h"

#include "logic/core/dates.h"
#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/draws/archive_import.h"
#include "logic/draws/history_backup.h"

#include <QFileInfo>
#include <QTextStream>

namespace talvo::cli {
namespace {

int importDraws(const QStringList& args, Io& io) {
    const Arguments opts(args, {QStringLiteral("replace"), QStringLiteral("dry-run")});
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

const CommandRegistrar reg("import",
                           "import --history H DATEI [--replace] [--dry-run] [--now \"JJJJ-MM-TT SS:MM\"]",
                           importDraws);

} // namespace
} // namespace talvo::cli
