#include "logic/draws/history_backup.h"

#include "logic/core/error.h"
#include "logic/core/record_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace talvo::logic {

QString historyBackupPath(const QString& historyPath) {
    return historyPath + QStringLiteral(".bak");
}

bool hasHistoryBackup(const QString& historyPath) {
    return QFileInfo::exists(historyBackupPath(historyPath));
}

bool writeHistoryKeepingBackup(const QString& historyPath, const DrawHistory& draws) {
    const QByteArray bytes = drawsToBytes(draws);
    const bool existed = QFileInfo::exists(historyPath);
    const QByteArray previous = existed ? readWholeFile(historyPath, kMaxDrawFileBytes) : QByteArray();
    if (existed && previous == bytes)
        return false;
    // The backup first: if it cannot be written, the history file stays as it was.
    writeWholeFile(historyBackupPath(historyPath), previous);
    writeWholeFile(historyPath, bytes);
    return true;
}

void undoHistoryChange(const QString& historyPath) {
    const QString backup = historyBackupPath(historyPath);
    if (!QFileInfo::exists(backup))
        throw Error(
            QStringLiteral("Es gibt keine Änderung der Ziehungen, die sich rückgängig machen lässt."));
    writeWholeFile(historyPath, readWholeFile(backup, kMaxDrawFileBytes));
    if (!QFile::remove(backup))
        throw Error(
            QStringLiteral("Die Ziehungen sind wiederhergestellt, aber die Sicherung \"%1\" lässt sich "
                           "nicht löschen.")
                .arg(QDir::toNativeSeparators(backup)));
}

} // namespace talvo::logic
