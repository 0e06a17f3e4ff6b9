#pragma once

#include "logic/core/history_file.h"
#include "logic/export/export_tabelle.h"

#include <QDate>
#include <QString>

namespace talvo::logic {

// What the draw export writes, by the index of its choice; the index is also the
// spreadsheet export's format mode.
enum ZiehungsExportWahl { kGewinnzahlenUndPlus5 = 0, kNurGewinnzahlen = 1, kNurPlus5 = 2 };
inline constexpr int kZiehungsExportWahlen = 3;

// "Gewinnzahlen und plus 5", "nur Gewinnzahlen", "nur plus 5": the choice's text and the
// name of the sheet.
QString ziehungsExportText(int wahl);

// The first day the export offers, the day of the first KENO draw.
QDate ersterExportTag();

// The day of the last stored draw, where the export's range ends at first; an invalid date
// when only placeholders or nothing is stored.
QDate letzterZiehungstag(const DrawHistory& history);

// Keeping the range valid. A new start date after the end date becomes the end date, and
// none lies before the first KENO draw.
QDate vonGeaendert(const QDate& von, const QDate& bis);
// A new end date before the start date becomes the start date, and none lies after today.
QDate bisGeaendert(const QDate& von, const QDate& bis, const QDate& heute);

// The positions in the history (inclusive) that an export from `von` to `bis` covers: from
// the first stored draw on or after `von` to the last on or before `bis`. Placeholders are
// no draws. An error with a German text when the history or the range holds no draw.
struct ExportBereich {
    int erste = 0;
    int letzte = -1;
};
ExportBereich ziehungsBereich(const DrawHistory& history, const QDate& von, const QDate& bis);

// The table of choice `wahl` for the draws at positions erste..letzte: the header row, then
// one row per stored draw; a placeholder gets no row. "Veranstaltung" is the position + 1.
ExportTabelle ZiehungsTabelle(const DrawHistory& history, int wahl, int erste, int letzte);

} // namespace talvo::logic
