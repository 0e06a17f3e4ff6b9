#include "logic/evaluation/evaluation_summary.h"

#include "logic/core/records.h"
#include "logic/evaluation/evaluate_slip.h"

namespace talvo::logic {

ResultTable* EvaluationSummary::newTable() {
    if (!options_.tables)
        return nullptr;
    if (options_.tables->size() >= options_.maxTables) {
        capped_ = true;
        return nullptr;
    }
    return &options_.tables->emplace_back();
}

void EvaluationSummary::slipEvaluated(const EvaluatedSlip& evaluated) {
    if (evaluated.slipIndex < 0)
        return;
    const auto index = static_cast<std::size_t>(evaluated.slipIndex);
    if (index >= summaryOfSlip_.size())
        summaryOfSlip_.resize(index + 1, -1);
    if (summaryOfSlip_[index] < 0) {
        summaryOfSlip_[index] = static_cast<int>(slips_.size());
        slips_.emplace_back().name = evaluated.slip.name.text();
        slipIndexes_.push_back(evaluated.slipIndex);
    }
    SlipSummary& summary = slips_[static_cast<std::size_t>(summaryOfSlip_[index])];
    const double expectedBefore = summary.expectedBalance();
    summary.add(evaluated.outcome, evaluated.date);

    if (!options_.balanceSeries || evaluated.position < 0)
        return;
    const auto position = static_cast<std::size_t>(evaluated.position);
    if (position >= steps_.size())
        steps_.resize(position + 1);
    DrawStep& step = steps_[position];
    step.evaluated = true;
    step.date = evaluated.date;
    const SlipOutcome& outcome = evaluated.outcome;
    step.balanceCents += (outcome.gamePrize + outcome.plus5Prize) * 100 - outcome.stakeCents;
    step.expected += summary.expectedBalance() - expectedBefore;
}

SlipSummary EvaluationSummary::total() const {
    SlipSummary sum;
    sum.name = QStringLiteral("Summe");
    for (const SlipSummary& slip : slips_)
        sum.add(slip);
    return sum;
}

std::vector<BalancePoint> EvaluationSummary::balanceSeries() const {
    std::vector<BalancePoint> series;
    std::int64_t balanceCents = 0;
    double expected = 0;
    for (const DrawStep& step : steps_) {
        if (!step.evaluated)
            continue;
        balanceCents += step.balanceCents;
        expected += step.expected;
        series.push_back({step.date, static_cast<double>(balanceCents) / 100.0, expected});
    }
    return series;
}

} // namespace talvo::logic
