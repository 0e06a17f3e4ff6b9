#pragma once

#include "logic/evaluation/evaluation.h"
#include "logic/evaluation/slip_summary.h"

#include <vector>

namespace talvo::logic {

// The running balance after one stored draw, over all slips evaluated against it.
struct BalancePoint {
    DaySerial date = 0;
    double balance = 0;  // euro
    double expected = 0; // euro, after the exact odds
};

// Sums an evaluation up while it runs, per slip and in total, without keeping its tables;
// on request it also keeps the first `maxTables` tables for a window, and the running
// balance per draw.
class EvaluationSummary final : public ResultSink {
  public:
    struct Options {
        ResultTables* tables = nullptr; // where to keep tables; none kept without it
        std::size_t maxTables = kMaxResultTables;
        bool balanceSeries = false;
    };
    EvaluationSummary() = default;
    explicit EvaluationSummary(Options options) : options_(options) {}

    ResultTable* newTable() override;
    void slipEvaluated(const EvaluatedSlip& evaluated) override;

    // Slips evaluated at least once, in the order of their first evaluation.
    const std::vector<SlipSummary>& slips() const { return slips_; }
    // The index in the evaluated slips of slips()[i].
    int slipIndex(std::size_t i) const { return slipIndexes_.at(i); }
    SlipSummary total() const;
    // True when more tables were made than kept.
    bool tablesCapped() const { return capped_; }
    // One point per stored draw evaluated, in history order; empty unless asked for.
    std::vector<BalancePoint> balanceSeries() const;

  private:
    struct DrawStep {
        DaySerial date = 0;
        std::int64_t balanceCents = 0;
        double expected = 0;
        bool evaluated = false;
    };

    Options options_;
    std::vector<SlipSummary> slips_;
    std::vector<int> slipIndexes_;
    std::vector<int> summaryOfSlip_; // by index in the evaluated slips; -1 before its first evaluation
    std::vector<DrawStep> steps_;    // by history position
    bool capped_ = false;
};

} // namespace talvo::logic
