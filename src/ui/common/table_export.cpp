#include "ui/common/table_export.h"

#include "platform/shell.h"
#include "platform/spreadsheet.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/user_folders.h"

#include <QDir>
#include <QFileInfo>
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

void exportTables(QWidget* parent, const std::vector<ExportSheet>& sheets, const QString& dataDir) {
    if (sheets.empty())
        return;
    const ExportSheet& first = sheets.front();
    const QString suggested =
        platform::freeWorkbookPath(startFolder(dataDir, logic::RememberedPlace::ExportFolder), first.title);
    QString firstPath = chooseSaveFile(parent,
                                       sheets.size() == 1 ? QStringLiteral("Tabelle speichern")
                                                          : QStringLiteral("Tabellen speichern"),
                                       QStringLiteral("Excel-Arbeitsmappe|*.xlsx"), suggested);
    if (firstPath.isEmpty())
        return;
    if (QFileInfo(firstPath).suffix().isEmpty())
        firstPath += QStringLiteral(".xlsx");
    rememberFolderOf(dataDir, logic::RememberedPlace::ExportFolder, firstPath);
    QStringList paths;
    platform::writeWorkbook(first.table, first.title, first.mode, firstPath);
    paths << firstPath;
    const QString folder = QFileInfo(firstPath).absolutePath();
    for (std::size_t i = 1; i < sheets.size(); ++i)
        paths << platform::saveWorkbook(sheets[i].table, sheets[i].title, sheets[i].mode, folder);
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
