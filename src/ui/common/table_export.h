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

// The spreadsheet export of one click: every table becomes a workbook in `folder`, each
// then opened with the desktop's program for workbooks. When some cannot be opened, the
// user is told once where they were saved.
void exportTables(QWidget* parent, const std::vector<ExportSheet>& sheets, const QString& folder);

} // namespace talvo::ui
