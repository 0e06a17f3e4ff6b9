#include "logic/draws/history_lock.h"

#include "logic/core/error.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <algorithm>

namespace talvo::logic {

QString HistoryLock::lockPath(const QString& historyPath) {
    return historyPath + QStringLiteral(".lock");
}

namespace {

// A writer killed right after creating a lock file leaves it empty, without the owner Qt
// checks; Qt would then wait for ever (or, for its removal lock, half a minute). Qt writes the
// owner at once, so an empty file older than a second is abandoned.
void removeAbandonedLockFiles(const QString& historyPath) {
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString& path : {HistoryLock::lockPath(historyPath),
                                HistoryLock::lockPath(historyPath) + QStringLiteral(".rmlock")}) {
        const QFileInfo info(path);
        if (info.isFile() && !info.isSymLink() && info.size() == 0 && info.lastModified().msecsTo(now) > 1000)
            QFile::remove(path);
    }
}

} // namespace

HistoryLock::HistoryLock(const QString& historyPath, std::chrono::milliseconds wait)
    : file_(std::make_unique<QLockFile>(lockPath(historyPath))) {
    // Only a holder that no longer runs loses its lock: a slow writer (a large import on a
    // network drive) keeps it however long it takes.
    file_->setStaleLockTime(0);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        removeAbandonedLockFiles(historyPath);
        if (file_->tryLock(static_cast<int>(std::clamp<qint64>(wait.count() - waited.elapsed(), 0, 200))))
            return;
        if (file_->error() != QLockFile::LockFailedError || waited.elapsed() >= wait.count())
            break;
    }
    const QString shown = QDir::toNativeSeparators(lockPath(historyPath));
    if (file_->error() == QLockFile::LockFailedError)
        throw Error(QStringLiteral("Die Ziehungen werden gerade von einem anderen Programm geändert "
                                   "(Sperrdatei \"%1\"). Nach %2 Sekunden Warten ist es noch nicht "
                                   "fertig.\r\rEs wurde nichts geändert. Bitte versuchen Sie es gleich "
                                   "noch einmal.")
                        .arg(shown, QLocale(QLocale::German).toString(wait.count() / 1000.0)));
    throw Error(QStringLiteral("Die Sperrdatei \"%1\" kann nicht angelegt werden; vielleicht ist der "
                               "Datenträger voll oder schreibgeschützt. Ohne sie lassen sich die "
                               "Ziehungen nicht sicher ändern.\r\rEs wurde nichts geändert.")
                    .arg(shown));
}

HistoryLock::~HistoryLock() = default;

} // namespace talvo::logic
