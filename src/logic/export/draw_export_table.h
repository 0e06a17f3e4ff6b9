#pragma once

#include "logic/core/history_file.h"
#include "logic/export/export_table.h"

#include <QDate>
#include <QString>

namespace talvo::logic {

// What the draw export writes, by the index of its choice; the index is also the
// spreadsheet export's format mode.
enum DrawExportChoice { kNumbersAndPlus5 = 0, kNumbersOnly = 1, kPlus5Only = 2 };
inline constexpr int kDrawExportChoices = 3;

// "Gewinnzahlen und plus 5", "nur Gewinnzahlen", "nur plus 5": the choice's text and the
// name of the sheet.
QString drawExportChoiceText(int choice);

// The first day the export offers, the day of the first KENO draw.
QDate firstExportDate();

// The day of the last stored draw, where the export's range ends at first; an invalid date
// when only placeholders or nothing is stored.
QDate lastDrawDate(const DrawHistory& history);

// Keeping the range valid. A new start date after the end date becomes the end date, and
// none lies before the first KENO draw.
QDate adjustedStartDate(const QDate& from, const QDate& to);
// A new end date before the start date becomes the start date, and none lies after today.
QDate adjustedEndDate(const QDate& from, const QDate& to, const QDate& today);

// The positions in the history (inclusive) that an export from `from` to `to` covers: from
// the first stored draw on or after `from` to the last on or before `to`. Placeholders are
// no draws. An error with a German text when the history or the range holds no draw.
struct ExportRange {
    int first = 0;
    int last = -1;
};
ExportRange findExportRange(const DrawHistory& history, const QDate& from, const QDate& to);

// The table of choice `choice` for the draws at positions first..last: the header row, then
// one row per stored draw; a placeholder gets no row. "Veranstaltung" is the position + 1.
ExportTable buildDrawExportTable(const DrawHistory& history, int choice, int first, int last);

} // namespace talvo::logic
