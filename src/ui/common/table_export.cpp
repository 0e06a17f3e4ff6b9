#include "ui/common/table_export.h"

#include "platform/shell.h"
#include "platform/spreadsheet.h"
#include "ui/common/message_box.h"

#include <QDir>
#include <QWidget>

#include <memory>

namespace talvo::ui {

namespace {

// Collects the answers of the desktop for the workbooks of one click.
struct OpenRound {
    int pending = 0;
    QStringList notOpened;
};

QString notOpenedText(const QStringList& paths) {
    QStringList shown;
    for (const QString& path : paths)
        shown << QDir::toNativeSeparators(path);
    return (paths.size() == 1 ? QStringLiteral("Die Tabelle wurde gespeichert unter:\r")
                              : QStringLiteral("Die Tabellen wurden gespeichert unter:\r")) +
           shown.join(QLatin1Char('\r')) +
           QStringLiteral("\r\rAuf diesem Rechner ist kein Programm eingerichtet, das Excel-Tabellen "
                          "(.xlsx) öffnet.");
}

} // namespace

void exportTables(QWidget* parent, const std::vector<ExportSheet>& sheets, const QString& folder) {
    QStringList paths;
    for (const ExportSheet& sheet : sheets)
        paths << platform::saveWorkbook(sheet.table, sheet.title, sheet.mode, folder);
    auto round = std::make_shared<OpenRound>();
    round->pending = static_cast<int>(paths.size());
    for (const QString& path : paths) {
        platform::shellOpenAsync(path, parent, [round, parent, path](bool opened) {
            if (!opened)
                round->notOpened << path;
            if (--round->pending == 0 && !round->notOpened.isEmpty())
                showMessage(parent, notOpenedText(round->notOpened), MessageIcon::Information);
        });
    }
}

} // namespace talvo::ui
