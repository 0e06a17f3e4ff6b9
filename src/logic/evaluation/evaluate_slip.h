#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace talvo::logic {

struct ResultTable;
struct SlipRecord;
struct NumberSet;

// The running state while a result table is filled; each evaluation mode decides which
// part restarts when.
struct RunningTotals {
    std::int32_t rowNumber = 0; // rows written into the current table
    // Prizes of the current table, whole euro ("Gesamtgewinn"). A file's table can sum
    // thousands of million-euro prizes, more than 32 bits hold.
    std::int64_t totalPrize = 0;
    double balance = 0; // prizes minus stakes, euro ("Saldo")
};

// What one slip staked and won in one draw, for callers that add it up.
struct SlipOutcome {
    struct Field {
        std::int32_t kenoType = 0;
        std::int32_t hits = 0;
        std::int32_t prize = 0;
    };
    std::array<Field, 5> fields{};
    int fieldCount = 0;            // fields charged, in field order
    std::int32_t fieldStake = 0;   // euro per field
    std::int64_t stakeCents = 0;   // the fields' stakes and the plus 5 stake
    std::int64_t gamePrize = 0;    // euro
    std::int32_t plus5Digits = -1; // -1: no plus 5 played, or the draw's plus 5 is unknown
    std::int32_t plus5Prize = 0;   // euro
};

// Appends one row per used field of the slip for one draw and updates the state. A slip
// playing plus 5 pays its plus 5 stake once, and its class and prize go on its first row;
// a draw without a plus 5 number shows no class and pays nothing. Without a table the
// rows are only counted. Throws Error when a plus 5 number is no integer; the rows
// written so far stay.
SlipOutcome evaluateSlip(ResultTable* table, const NumberSet& drawNumbers, const QString& drawPlus5,
                         const SlipRecord& slip, RunningTotals& totals);
inline SlipOutcome evaluateSlip(ResultTable& table, const NumberSet& drawNumbers, const QString& drawPlus5,
                                const SlipRecord& slip, RunningTotals& totals) {
    return evaluateSlip(&table, drawNumbers, drawPlus5, slip, totals);
}

} // namespace talvo::logic
