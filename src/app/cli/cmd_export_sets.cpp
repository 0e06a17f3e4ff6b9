#include "arguments.h"
#include "command.h"

#include "logic/core/history_file.h"
#include "logic/draws/draw_sets.h"

namespace talvo::cli {
namespace {

int exportSets(const QStringList& args, Io&) {
    const Arguments opts(args);
    QString dir = opts.required(QStringLiteral("dir"));
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    logic::writeDrawSets(logic::loadDrawHistory(opts.required(QStringLiteral("history"))), dir);
    return 0;
}

const CommandRegistrar reg("export-sets", "export-sets --history H --dir D", exportSets);

} // namespace
} // namespace talvo::cli
