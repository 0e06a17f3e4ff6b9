#pragma once

#include "logic/core/dates.h"
#include "logic/core/history_file.h"
#include "logic/evaluation/result_table.h"

#include <QString>
#include <span>
#include <vector>

namespace talvo::logic {

class DrawCalendar;
struct SlipRecord;
struct SlipOutcome;
struct NumberSet;

using ResultTables = std::vector<ResultTable>;

// One slip evaluated against one draw, as the evaluation reports it.
struct EvaluatedSlip {
    const SlipRecord& slip;
    int slipIndex;  // in the evaluated slips, counted from 0
    int position;   // the draw's history position; ResultTable::kNoPosition for the board
    DaySerial date; // the draw's date; 0 for the board
    const SlipOutcome& outcome;
};

// Takes the result tables of an evaluation one by one as they are made, so a caller that
// prints them need not keep them all, and hears of every slip evaluated.
class ResultSink {
  public:
    // A new, empty table for the evaluation to fill; the one handed out before is complete.
    // Null when the sink keeps no more tables: the evaluation then goes on without rows.
    virtual ResultTable* newTable() = 0;
    virtual void slipEvaluated(const EvaluatedSlip& evaluated) { (void)evaluated; }

  protected:
    ~ResultSink() = default;
};

// The most result tables one evaluation keeps in memory for a window.
inline constexpr std::size_t kMaxResultTables = 100000;

// Keeps the tables in a list of at most kMaxResultTables; one table more ends the
// evaluation with a German message, and the tables kept so far stay.
class ResultList final : public ResultSink {
  public:
    explicit ResultList(ResultTables& tables) : tables_(tables) {}
    ResultTable* newTable() override;

  private:
    ResultTables& tables_;
};

// A continuous-play slip is evaluated over at most this many draws.
inline constexpr int kMaxContinuousPlayDraws = 10000;

// All slips of a file against one set of numbers, in one table: rows are numbered on
// across the slips and the balance runs over all of them. The table is appended to
// `out` before it is filled, so an error keeps the rows written before it.
void evaluateDraw(std::span<const SlipRecord> slips, const NumberSet& numbers, const QString& plus5,
                  const QString& caption, ResultSink& out);

// The draws of one slip: n draws from the start date on (0 = continuous play), one
// table per evaluated draw. Draws after `now` and empty draws are skipped but count
// towards n; so are draws after `until` when a last day is given.
struct RunningTime {
    int start = 0;
    int n = 0;
    int until = -1; // no last day
};
void evaluateSlipRunningTime(const SlipRecord& slip, int slipIndex, const RunningTime& runningTime,
                             const DrawHistory& history, DaySerial now, ResultSink& out);

// Every slip over its own running time. Returns how many slips could not be evaluated
// because their start lies after the newest stored draw.
int evaluateRunningTimes(std::span<const SlipRecord> slips, const DrawHistory& history, DaySerial now,
                         ResultSink& out);

// Every slip over the draws from from to until. Nothing is evaluated when from lies after until.
void evaluateRange(std::span<const SlipRecord> slips, DaySerial from, DaySerial until,
                   const DrawHistory& history, DaySerial now, ResultSink& out);

// The same, keeping the tables in `out` through an ResultList.
inline void evaluateDraw(std::span<const SlipRecord> slips, const NumberSet& numbers, const QString& plus5,
                         const QString& caption, ResultTables& out) {
    ResultList list(out);
    evaluateDraw(slips, numbers, plus5, caption, list);
}
inline int evaluateRunningTimes(std::span<const SlipRecord> slips, const DrawHistory& history, DaySerial now,
                                ResultTables& out) {
    ResultList list(out);
    return evaluateRunningTimes(slips, history, now, list);
}
inline void evaluateRange(std::span<const SlipRecord> slips, DaySerial from, DaySerial until,
                          const DrawHistory& history, DaySerial now, ResultTables& out) {
    ResultList list(out);
    evaluateRange(slips, from, until, history, now, list);
}

// Draws from from to until: one for from itself, whatever day it is, and one for every later
// draw day of the calendar.
int countDrawDaysInRange(int from, int until, const DrawCalendar& calendar);

// The message after a running-time evaluation of `slips` slips of which `slipsWithoutDraws`
// had no draws; empty when every slip was evaluated.
QString runningTimeMessage(int slips, int slipsWithoutDraws);

} // namespace talvo::logic
