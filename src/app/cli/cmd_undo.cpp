#include "arguments.h"
#include "command.h"

#include "logic/draws/history_lock.h"
#include "logic/draws/undo_history.h"

#include <QTextStream>

namespace talvo::cli {
namespace {

int undo(const Arguments& opts, Io& io) {
    const QString historyPath = opts.required(QStringLiteral("history"));
    if (opts.has(QStringLiteral("list"))) {
        for (const logic::UndoPoint& point : logic::undoPoints(historyPath))
            io.out << point.number << '\t' << point.when.toString(QStringLiteral("dd.MM.yyyy HH:mm")) << '\t'
                   << point.what << '\n';
        return 0;
    }
    const logic::HistoryLock lock(historyPath);
    logic::undoNewestChange(lock, historyPath);
    return 0;
}

const CommandRegistrar reg("undo", undo);

} // namespace
} // namespace talvo::cli
