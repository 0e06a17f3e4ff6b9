#include "arguments.h"
#include "command.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"
#include "logic/core/history_file.h"
#include "logic/core/number_set.h"
#include "logic/draws/history_backup.h"
#include "logic/draws/store_draw.h"

#include <QFileInfo>

namespace talvo::cli {
namespace {

int store(const Arguments& opts, Io&) {
    const QString path = opts.required(QStringLiteral("history"));
    // The very first draw starts a new history.
    logic::DrawHistory history =
        QFileInfo::exists(path) ? logic::loadDrawHistory(path) : logic::DrawHistory{};
    const int position = opts.integer(QStringLiteral("position"), 0);
    if (!opts.has(QStringLiteral("position")) || position < 1)
        throw UsageError{QStringLiteral("--position erwartet eine Nummer ab 1.")};
    const logic::DaySerial date = parseDate(opts.required(QStringLiteral("date")));
    // A position behind the end fills the days before the new draw with empty draws. Each
    // of them takes an earlier draw day, and none can lie before the first draw of all;
    // this also keeps a mistyped position from growing the history without end.
    const long long gap = static_cast<long long>(position) - 1 - static_cast<long long>(history.size());
    const int day = logic::wholeDay(date);
    const long long freeDrawDays =
        logic::DrawCalendar(history).drawDaysBetween(logic::kFirstDrawSerial, day - 1);
    if (gap > freeDrawDays)
        throw UsageError{
            QStringLiteral("--position liegt zu weit hinter der letzten gespeicherten Ziehung.")};
    logic::NumberSet numbers;
    for (const QString& piece :
         opts.required(QStringLiteral("numbers")).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = piece.toInt(&ok);
        if (!ok || n < 1 || n > 70)
            throw UsageError{QStringLiteral("\"%1\" ist keine Zahl von 1 bis 70.").arg(piece)};
        numbers.insert(n);
    }
    if (!logic::storeDraw(history, position - 1, date, numbers, opts.value(QStringLiteral("plus5"))))
        throw logic::Error(
            QStringLiteral("Eine Ziehung besteht aus genau 20 verschiedenen Zahlen; nichts wurde "
                           "gespeichert."));
    logic::writeHistoryKeepingBackup(path, history);
    return 0;
}

const CommandRegistrar reg("store", store);

} // namespace
} // namespace talvo::cli
