#include "ui/common/user_folders.h"

#include "ui/common/file_dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace talvo::ui {

QString startFolder(const QString& dataDir, logic::RememberedPlace place) {
    const QString last = logic::remembered(dataDir, place);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void rememberFolderOf(const QString& dataDir, logic::RememberedPlace place, const QString& chosenFile) {
    if (!chosenFile.isEmpty())
        logic::remember(dataDir, place, QFileInfo(chosenFile).absolutePath());
}

QString chooseSlipFileToOpen(QWidget* parent, const QString& title, const QString& dataDir) {
    const QString path = chooseOpenFile(parent, title, QStringLiteral("KENO-Spielschein-Dateien|*.tix"),
                                        startFolder(dataDir, logic::RememberedPlace::SlipFolder));
    if (!path.isEmpty())
        rememberFolderOf(dataDir, logic::RememberedPlace::SlipFolder, path);
    return path;
}

} // namespace talvo::ui
