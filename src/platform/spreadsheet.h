#pragma once

#include <QString>
#include <functional>

namespace talvo::logic {
class ExportTabelle;
}

namespace talvo::platform {

inline constexpr char kExcelFehlt[] =
    "Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.\r\rIch breche ab.";

// Format modes of the export: which column holds text that must stay text (plus 5
// numbers with leading zeros) and which columns get fitted widths.
enum ExportModus {
    kModusGewinnzahlenPlus5 = 0,
    kModusGewinnzahlen = 1,
    kModusPlus5 = 2,
    kModusStatistik = 5
};

// Whether the desktop has a program that opens .xlsx workbooks.
bool ExcelVorhanden();

// Writes the table into a new workbook at `path`: one sheet named by the title, the cells
// from A1, formatted and fitted as the mode says. An error when the file cannot be written.
void writeWorkbook(const logic::ExportTabelle& table, const QString& title, int mode, const QString& path);

enum class ExportErgebnis { Geoeffnet, KeinProgramm };

// The export: without a spreadsheet program nothing is written; otherwise the workbook is
// saved in `folder` under the title and opened in that program, which the user then keeps
// or discards it in.
ExportErgebnis TabellenExport(const logic::ExportTabelle& table, const QString& title, int mode,
                              const QString& folder);

// Test seam: while set, the desktop is not asked whether it has a spreadsheet program, and
// a finished workbook is handed to `open` instead of being opened.
struct SpreadsheetDesktop {
    bool available = true;
    std::function<void(const QString& path)> open;
};
void setSpreadsheetDesktopForTests(const SpreadsheetDesktop* desktop);

} // namespace talvo::platform
