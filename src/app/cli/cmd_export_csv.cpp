#include "arguments.h"
#include "command.h"

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/draws/archive_export.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

int exportCsv(const Arguments& opts, Io& io) {
    const auto day = [&](const QString& name, int fallback) {
        return opts.has(name) ? logic::wholeDay(parseDate(opts.value(name))) : fallback;
    };
    const int from = day(QStringLiteral("from"), INT_MIN);
    const int to = day(QStringLiteral("to"), INT_MAX);
    const logic::DrawHistory history = logic::loadDrawHistory(opts.required(QStringLiteral("history")));
    io.out << logic::drawsAsArchiveCsv(history, from, to);
    return 0;
}

const CommandRegistrar reg("export-csv", exportCsv);

} // namespace
} // namespace talvo::cli
