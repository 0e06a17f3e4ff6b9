#include "ui/common/table_export.h"

#include "platform/spreadsheet.h"
#include "ui/common/message_box.h"

namespace talvo::ui {

void TabellenExportieren(QWidget* parent, const logic::ExportTabelle& table, const QString& title, int mode,
                         const QString& folder) {
    if (platform::TabellenExport(table, title, mode, folder) == platform::ExportErgebnis::KeinProgramm)
        showMessage(parent, QString::fromUtf8(platform::kExcelFehlt), MessageIcon::Information);
}

} // namespace talvo::ui
