#include "ui/common/user_folders.h"

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

} // namespace talvo::ui
