#include "arguments.h"
#include "command.h"

#include "logic/draws/history_backup.h"

namespace talvo::cli {
namespace {

int undo(const Arguments& opts, Io&) {
    if (!opts.positional().isEmpty())
        throw UsageError{QStringLiteral("Unerwartete Angabe \"%1\".").arg(opts.positional().first())};
    logic::undoHistoryChange(opts.required(QStringLiteral("history")));
    return 0;
}

const CommandRegistrar reg("undo", undo);

} // namespace
} // namespace talvo::cli
