#include "logic/evaluation/evaluation.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"
#include "logic/core/printable_text.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/evaluation/evaluate_slip.h"

#include <QLocale>

namespace talvo::logic {

namespace {

// Where a slip's draws begin. A start date that matches no stored draw (a Sunday, a day
// missing from the history, a day before the first draw) begins at the first stored draw
// dated after it, so the slip's running time is still honoured.
std::size_t startPosition(const DrawHistory& history, int start) {
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (history[i].datum == start)
            return i;
    }
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (wholeDay(history[i].datum) >= start)
            return i;
    }
    return history.size();
}

} // namespace

ResultTable& ResultList::newTable() {
    if (tables_.size() >= kMaxResultTables)
        throw Error(QStringLiteral(
                        "Die Auswertung ergäbe mehr als %1 Ergebnistabellen; gezeigt werden die ersten %1. "
                        "Für den Rest wählen Sie bitte weniger Spielscheine oder einen kürzeren Zeitraum.")
                        .arg(QLocale(QLocale::German).toString(static_cast<qulonglong>(kMaxResultTables))));
    return tables_.emplace_back();
}

void evaluateDraw(std::span<const SlipRecord> slips, const NumberSet& numbers, const QString& plus5,
                  const QString& caption, ResultSink& out) {
    // A file without slips gets no table at all.
    if (slips.empty())
        return;
    RunningTotals totals;
    ResultTable& table = out.newTable();
    table.caption = caption;
    for (const SlipRecord& slip : slips)
        evaluateSlip(table, numbers, plus5, slip, totals);
}

void evaluateSlipRunningTime(const SlipRecord& slip, const RunningTime& runningTime,
                             const DrawHistory& history, DaySerial now, ResultSink& out) {
    RunningTotals totals;
    const long long n = runningTime.n == 0 ? kMaxContinuousPlayDraws : runningTime.n;
    const std::size_t first = startPosition(history, runningTime.start);
    const QString name = printableText(slip.name.text());
    for (std::size_t i = first; i < history.size() && static_cast<long long>(i - first) < n; ++i) {
        const DrawRecord& draw = history[i];
        if (draw.datum > now || draw.isPlaceholder())
            continue;
        if (runningTime.until >= 0 && wholeDay(draw.datum) > runningTime.until)
            continue;
        totals.rowNumber = 0;
        totals.totalPrize = 0;
        ResultTable& table = out.newTable();
        table.caption = name + QStringLiteral(": ") + serialToText(draw.datum);
        table.position = static_cast<int>(i);
        evaluateSlip(table, draw.numberSet(), draw.plus5.text(), slip, totals);
    }
}

int evaluateRunningTimes(std::span<const SlipRecord> slips, const DrawHistory& history, DaySerial now,
                         ResultSink& out) {
    int slipsWithoutDraws = 0;
    const int last = history.empty() ? 0 : wholeDay(history.back().datum);
    for (const SlipRecord& slip : slips) {
        // A start that is no calendar day has no draws, as one after the last draw.
        const int start = wholeDay(slip.ab);
        if (history.empty() || !isCalendarDay(slip.ab) || start > last) {
            ++slipsWithoutDraws;
            continue;
        }
        // A duration index outside the table gives no draws at all.
        const int n = durationDraws(slip.dauer);
        if (n >= 0)
            evaluateSlipRunningTime(slip, {start, n}, history, now, out);
    }
    return slipsWithoutDraws;
}

int countDrawDaysInRange(int from, int until, const DrawCalendar& calendar) {
    if (until <= from)
        return 1;
    return 1 + calendar.drawDaysBetween(from + 1, until);
}

void evaluateRange(std::span<const SlipRecord> slips, DaySerial from, DaySerial until,
                   const DrawHistory& history, DaySerial now, ResultSink& out) {
    const int firstDay = wholeDay(from);
    const int lastDay = wholeDay(until);
    if (firstDay > lastDay)
        return;
    // The last day also bounds the draws, so a range starting on a day without a draw
    // does not reach past it.
    const RunningTime runningTime{firstDay, countDrawDaysInRange(firstDay, lastDay, DrawCalendar(history)),
                                  lastDay};
    for (const SlipRecord& slip : slips)
        evaluateSlipRunningTime(slip, runningTime, history, now, out);
}

QString runningTimeMessage(int slips, int slipsWithoutDraws) {
    if (slipsWithoutDraws <= 0)
        return {};
    if (slipsWithoutDraws == slips)
        return QStringLiteral("Keine Auswertung möglich, da für die Laufzeit keine Angaben vorhanden sind.");
    if (slipsWithoutDraws == 1)
        return QStringLiteral(
            "Für einen Spielschein war keine Auswertung möglich, da für dessen Laufzeit keine "
            "Angaben vorhanden sind.");
    return QStringLiteral("Für ") + QString::number(slipsWithoutDraws) +
           QStringLiteral(" Spielscheine war keine Auswertung möglich, ") +
           QStringLiteral("da für deren Laufzeiten keine Angaben vorhanden sind.");
}

} // namespace talvo::logic
