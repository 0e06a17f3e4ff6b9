#pragma once

#include <QString>
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

// Appends one row per used field of the slip for one draw and updates the state. A slip
// playing plus 5 pays its plus 5 stake once and shows the class on its first row.
// Throws Error when a plus 5 number is no integer; the rows written so far stay.
void evaluateSlip(ResultTable& table, const NumberSet& drawNumbers, const QString& drawPlus5,
                  const SlipRecord& slip, RunningTotals& totals);

} // namespace talvo::logic
