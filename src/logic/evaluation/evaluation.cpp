#include "logic/evaluation/evaluation.h"

#include "logic/core/draw_calendar.h"
#include "logic/core/error.h"
#include "logic/core/number_set.h"
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

// The numbers and plus 5 text of each draw, made once for all slips of an evaluation.
class DrawInputs {
  public:
    explicit DrawInputs(const DrawHistory& history) : history_(history), made_(history.size(), false) {
        numbers_.resize(history.size());
        plus5_.resize(history.size());
    }
    void prepare(std::size_t i) {
        if (made_[i])
            return;
        numbers_[i] = history_[i].numberSet();
        plus5_[i] = history_[i].plus5.text();
        made_[i] = true;
    }
    const NumberSet& numbers(std::size_t i) const { return numbers_[i]; }
    const QString& plus5(std::size_t i) const { return plus5_[i]; }

  private:
    const DrawHistory& history_;
    std::vector<bool> made_;
    std::vector<NumberSet> numbers_;
    std::vector<QString> plus5_;
};

void evaluateOverDraws(const SlipRecord& slip, int slipIndex, const RunningTime& runningTime,
                       const DrawHistory& history, DrawInputs& inputs, DaySerial now, ResultSink& out);

} // namespace

ResultTable* ResultList::newTable() {
    if (tables_.size() >= kMaxResultTables)
        throw Error(QStringLiteral(
                        "Die Auswertung ergäbe mehr als %1 Ergebnistabellen; gezeigt werden die ersten %1. "
                        "Für den Rest wählen Sie bitte weniger Spielscheine oder einen kürzeren Zeitraum.")
                        .arg(QLocale(QLocale::German).toString(static_cast<qulonglong>(kMaxResultTables))));
    return &tables_.emplace_back();
}

void evaluateDraw(std::span<const SlipRecord> slips, const NumberSet& numbers, const QString& plus5,
                  const QString& caption, ResultSink& out) {
    // A file without slips gets no table at all.
    if (slips.empty())
        return;
    RunningTotals totals;
    ResultTable* table = out.newTable();
    if (table)
        table->caption = caption;
    for (std::size_t i = 0; i < slips.size(); ++i) {
        const SlipOutcome outcome = evaluateSlip(table, numbers, plus5, slips[i], totals);
        out.slipEvaluated({slips[i], static_cast<int>(i), ResultTable::kNoPosition, 0, outcome});
    }
}

void evaluateSlipRunningTime(const SlipRecord& slip, int slipIndex, const RunningTime& runningTime,
                             const DrawHistory& history, DaySerial now, ResultSink& out) {
    DrawInputs inputs(history);
    evaluateOverDraws(slip, slipIndex, runningTime, history, inputs, now, out);
}

namespace {

void evaluateOverDraws(const SlipRecord& slip, int slipIndex, const RunningTime& runningTime,
                       const DrawHistory& history, DrawInputs& inputs, DaySerial now, ResultSink& out) {
    RunningTotals totals;
    const long long n = runningTime.n == 0 ? kMaxContinuousPlayDraws : runningTime.n;
    const std::size_t first = startPosition(history, runningTime.start);
    QString name;
    for (std::size_t i = first; i < history.size() && static_cast<long long>(i - first) < n; ++i) {
        const DrawRecord& draw = history[i];
        if (draw.datum > now || draw.isPlaceholder())
            continue;
        if (runningTime.until >= 0 && wholeDay(draw.datum) > runningTime.until)
            continue;
        totals.rowNumber = 0;
        totals.totalPrize = 0;
        // Captions cost more than the evaluation itself; a sink that keeps no table needs none.
        ResultTable* table = out.newTable();
        if (table) {
            if (name.isNull())
                name = printableText(slip.name.text());
            table->caption = name + QStringLiteral(": ") + serialToText(draw.datum);
            table->position = static_cast<int>(i);
        }
        inputs.prepare(i);
        const SlipOutcome outcome = evaluateSlip(table, inputs.numbers(i), inputs.plus5(i), slip, totals);
        out.slipEvaluated({slip, slipIndex, static_cast<int>(i), draw.datum, outcome});
    }
}

} // namespace

int evaluateRunningTimes(std::span<const SlipRecord> slips, const DrawHistory& history, DaySerial now,
                         ResultSink& out) {
    int slipsWithoutDraws = 0;
    DrawInputs inputs(history);
    const int last = history.empty() ? 0 : wholeDay(history.back().datum);
    for (std::size_t index = 0; index < slips.size(); ++index) {
        const SlipRecord& slip = slips[index];
        // A start that is no calendar day has no draws, as one after the last draw.
        const int start = wholeDay(slip.ab);
        if (history.empty() || !isCalendarDay(slip.ab) || start > last) {
            ++slipsWithoutDraws;
            continue;
        }
        // A duration index outside the table gives no draws at all.
        const int n = durationDraws(slip.dauer);
        if (n >= 0)
            evaluateOverDraws(slip, static_cast<int>(index), {start, n}, history, inputs, now, out);
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
    DrawInputs inputs(history);
    for (std::size_t index = 0; index < slips.size(); ++index)
        evaluateOverDraws(slips[index], static_cast<int>(index), runningTime, history, inputs, now, out);
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
