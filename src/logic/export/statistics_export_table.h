#pragma once

#include "logic/export/export_table.h"
#include "logic/statistics/absences.h"
#include "logic/statistics/frequency_result.h"

#include <optional>

namespace talvo::logic {

// The sheets of the statistics window's "Excel-Export" buttons, made from the results the
// window shows. Without a result yet the count cells stay empty, as the window's are.

// "Zahl", "Häufigkeit", then row n for number n, whatever order the board shows them in.
ExportTable buildNumbersExportTable(const std::optional<FrequencyResult>& numbers);

// "Endnummer" or "Zehner", "Häufigkeit", then a row per item: its label and its count.
// The final digits fill a sheet of 71 rows as the numbers do; the tens one of 8.
ExportTable buildItemsExportTable(StatisticKind kind, const std::optional<FrequencyResult>& result);

// The absence board's two arrangements.
enum class AbsenceOrder { ByNumber, ByAbsence };

// "Zahl", "Seit Ziehungen...", then the 70 cells of the board in the order it shows:
// by number, or by ascending absence, where the cells after the last placed number stay
// empty.
ExportTable buildAbsencesExportTable(const Absences& absences, AbsenceOrder order);

} // namespace talvo::logic
