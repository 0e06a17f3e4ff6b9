#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace talvo::logic {
class ExportTable;
}

namespace talvo::ui {

// One sheet of an export: the table, its title and its format mode.
struct ExportSheet {
    const logic::ExportTable& table;
    QString title;
    int mode;
};

// The spreadsheet export of one click: a save dialog asks where the first workbook goes,
// starting in the folder of the last export or the documents folder; the other tables
// become workbooks beside it, named by their titles. Each is then opened with the
// desktop's program for workbooks. When some cannot be opened, the user is told once where
// they were saved. `dataDir` keeps the folder for the next export.
void exportTables(QWidget* parent, const std::vector<ExportSheet>& sheets, const QString& dataDir);

} // namespace talvo::ui
