#include "arguments.h"
#include "command.h"

#include "logic/core/history_file.h"
#include "logic/draws/draw_sets.h"

namespace talvo::cli {
namespace {

int exportSets(const Arguments& opts, Io&) {
    QString dir = opts.required(QStringLiteral("dir"));
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    logic::writeDrawSets(logic::loadDrawHistory(opts.required(QStringLiteral("history"))), dir);
    return 0;
}

const CommandRegistrar reg("export-sets", exportSets);

} // namespace
} // namespace talvo::cli
