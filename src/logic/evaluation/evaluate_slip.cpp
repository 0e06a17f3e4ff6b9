#include "logic/evaluation/evaluate_slip.h"

#include "logic/core/error.h"
#include "logic/core/hits.h"
#include "logic/core/printable_text.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/evaluation/plus5_class.h"
#include "logic/evaluation/result_table.h"

namespace talvo::logic {

namespace {
constexpr std::int64_t kPlus5StakeCents = 75;
} // namespace

SlipOutcome evaluateSlip(ResultTable* table, const NumberSet& drawNumbers, const QString& drawPlus5,
                         const SlipRecord& slip, RunningTotals& totals) {
    SlipOutcome outcome;
    const std::int32_t stake = stakeEuro(slip.einsatz);
    outcome.fieldStake = stake;
    // The plus 5 class and prize wait for the slip's first row.
    std::int32_t plus5 = -1;
    std::int32_t plus5Euro = 0;
    if (slip.playsPlus5()) {
        totals.balance -= kPlus5Stake;
        outcome.stakeCents += kPlus5StakeCents;
        // A draw whose plus 5 number is not known has no class and pays nothing.
        if (!drawPlus5.isEmpty()) {
            try {
                plus5 = plus5Class(drawPlus5, slip.plus5.text());
            } catch (const Error& error) {
                throw Error(QStringLiteral("Der Spielschein \"%1\" kann nicht ausgewertet werden: %2")
                                .arg(printableText(slip.name.text()), printableText(error.text())));
            }
            plus5Euro = plus5Prize(plus5);
            outcome.plus5Digits = plus5;
            outcome.plus5Prize = plus5Euro;
        }
    }
    for (int f = 0; f < SlipRecord::kFields; ++f) {
        const int typ = slip.typ[f];
        if (typ == 0)
            continue;
        totals.balance -= stake;
        outcome.stakeCents += std::int64_t{stake} * 100;
        ++totals.rowNumber;
        ResultRow resultRow;
        resultRow.tip = totals.rowNumber;
        resultRow.kenoType = typ;
        resultRow.hits = fieldHits(slip, f, drawNumbers);
        resultRow.stake = stake;
        resultRow.plus5Class = plus5;
        resultRow.plus5Prize = plus5Euro;
        const std::int32_t factor = payoutFactor(typ, resultRow.hits);
        const std::int32_t prize = factor * stake;
        if (factor > 0) {
            resultRow.factor = factor;
            resultRow.prize = prize;
        }
        totals.totalPrize += prize + plus5Euro;
        resultRow.totalPrize = totals.totalPrize;
        totals.balance += static_cast<double>(prize) + plus5Euro;
        resultRow.balance = totals.balance;
        outcome.fields[static_cast<std::size_t>(outcome.fieldCount++)] = {typ, resultRow.hits, prize};
        outcome.gamePrize += prize;
        plus5 = -1;
        plus5Euro = 0;
        if (table)
            table->rows.push_back(resultRow);
    }
    // A slip without a used field has no row to show its plus 5 class; its prize still
    // goes into the balance.
    totals.balance += plus5Euro;
    return outcome;
}

} // namespace talvo::logic
