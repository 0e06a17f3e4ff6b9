#include "logic/evaluation/evaluate_slip.h"

#include "logic/core/error.h"
#include "logic/core/hits.h"
#include "logic/core/printable_text.h"
#include "logic/core/records.h"
#include "logic/core/tables.h"
#include "logic/evaluation/plus5_class.h"
#include "logic/evaluation/result_table.h"

namespace talvo::logic {

void evaluateSlip(ResultTable& table, const NumberSet& drawNumbers, const QString& drawPlus5,
                  const SlipRecord& slip, RunningTotals& totals) {
    const std::int32_t stake = stakeEuro(slip.einsatz);
    std::int32_t plus5 = -1;
    if (slip.playsPlus5()) {
        totals.balance -= kPlus5Stake;
        try {
            plus5 = plus5Class(drawPlus5, slip.plus5.text());
        } catch (const Error& error) {
            throw Error(QStringLiteral("Der Spielschein \"%1\" kann nicht ausgewertet werden: %2")
                            .arg(printableText(slip.name.text()), printableText(error.text())));
        }
    }
    for (int f = 0; f < SlipRecord::kFields; ++f) {
        const int typ = slip.typ[f];
        if (typ == 0)
            continue;
        totals.balance -= stake;
        ++totals.rowNumber;
        ResultRow resultRow;
        resultRow.tip = totals.rowNumber;
        resultRow.kenoType = typ;
        resultRow.hits = fieldHits(slip, f, drawNumbers);
        resultRow.stake = stake;
        // A slip without a used field has no row to carry its class; it is not shown.
        resultRow.plus5Class = plus5;
        plus5 = -1;
        const std::int32_t factor = payoutFactor(typ, resultRow.hits);
        if (factor > 0) {
            resultRow.factor = factor;
            resultRow.prize = factor * stake;
            totals.totalPrize += factor * stake;
            resultRow.totalPrize = totals.totalPrize;
        }
        totals.balance += static_cast<double>(factor) * stake;
        resultRow.balance = totals.balance;
        table.rows.push_back(resultRow);
    }
}

} // namespace talvo::logic
