#pragma once

class QString;
class QWidget;

namespace talvo::logic {
class ExportTabelle;
}

namespace talvo::ui {

// Hands a table to the spreadsheet program; tells the user when there is none.
void TabellenExportieren(QWidget* parent, const logic::ExportTabelle& table, const QString& title, int mode,
                         const QString& folder);

} // namespace talvo::ui
