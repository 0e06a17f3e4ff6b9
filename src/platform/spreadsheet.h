#pragma once

#include <QString>

namespace talvo::logic {
class ExportTable;
}

namespace talvo::platform {

// Format modes of the export: which column holds text that must stay text (plus 5
// numbers with leading zeros) and which columns get fitted widths.
enum ExportMode {
    kModeWinningNumbersPlus5 = 0,
    kModeWinningNumbers = 1,
    kModePlus5 = 2,
    kModeStatistics = 5
};

// Writes the table into a new workbook at `path`: one sheet named by the title, the cells
// from A1, formatted and fitted as the mode says. An error when the file cannot be written.
void writeWorkbook(const logic::ExportTable& table, const QString& title, int mode, const QString& path);

// The path a new workbook named by the title gets in `folder`: the title with the characters
// a file name cannot hold replaced, and a number added while that name is taken.
QString freeWorkbookPath(const QString& folder, const QString& title);

// Writes the table into a new workbook in `folder`, named by the title, and returns its
// path. An earlier workbook is never replaced: the new one takes the next free name.
QString saveWorkbook(const logic::ExportTable& table, const QString& title, int mode, const QString& folder);

} // namespace talvo::platform
