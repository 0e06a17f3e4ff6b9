#include "arguments.h"
#include "command.h"

#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/core/number_set.h"
#include "logic/draws/change_text.h"
#include "logic/draws/history_lock.h"
#include "logic/draws/store_draw.h"
#include "logic/draws/undo_history.h"

#include <QFileInfo>

namespace talvo::cli {
namespace {

int store(const Arguments& opts, Io&) {
    const QString path = opts.required(QStringLiteral("history"));
    const int position = opts.integer(QStringLiteral("position"), 0);
    if (!opts.has(QStringLiteral("position")) || position < 1)
        throw UsageError{QStringLiteral("--position erwartet eine Nummer ab 1.")};
    const logic::DaySerial date = parseDate(opts.required(QStringLiteral("date")));
    logic::NumberSet numbers;
    for (const QString& piece :
         opts.required(QStringLiteral("numbers")).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = piece.toInt(&ok);
        if (!ok || n < 1 || n > 70)
            throw UsageError{QStringLiteral("\"%1\" ist keine Zahl von 1 bis 70.").arg(piece)};
        numbers.insert(n);
    }
    const logic::HistoryLock lock(path);
    // The very first draw starts a new history.
    logic::DrawHistory history =
        QFileInfo::exists(path) ? logic::loadDrawHistory(path) : logic::DrawHistory{};
    if (!logic::storeDraw(history, position - 1, date, numbers, opts.value(QStringLiteral("plus5")),
                          opts.now()))
        throw logic::Error(
            QStringLiteral("Eine Ziehung besteht aus genau 20 verschiedenen Zahlen; nichts wurde "
                           "gespeichert."));
    logic::writeHistoryWithUndo(lock, path, history, logic::storedDrawText(date), opts.nowDateTime());
    return 0;
}

const CommandRegistrar reg("store", store);

} // namespace
} // namespace talvo::cli
