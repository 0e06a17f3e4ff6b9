#include "arguments.h"
#include "command.h"

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/draws/archive_export.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

int exportCsv(const QStringList& args, Io& io) {
    const Arguments opts(args);
    if (!opts.positional().isEmpty())
        throw UsageError{QStringLiteral("Unerwartete Angabe \"%1\".").arg(opts.positional().first())};
    const auto day = [&](const QString& name, int fallback) {
        return opts.has(name) ? logic::wholeDay(parseDate(opts.value(name))) : fallback;
    };
    const int from = day(QStringLiteral("from"), INT_MIN);
    const int to = day(QStringLiteral("to"), INT_MAX);
    const logic::DrawHistory history = logic::loadDrawHistory(opts.required(QStringLiteral("history")));
    io.out << logic::drawsAsArchiveCsv(history, from, to);
    return 0;
}

const CommandRegistrar reg("export-csv", "export-csv --history H [--from TT.MM.JJJJ] [--to TT.MM.JJJJ]",
                           exportCsv);

} // namespace
} // namespace talvo::cli
