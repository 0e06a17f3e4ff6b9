#include "logic/draws/history_lock.h"

#include "logic/core/error.h"

#include <QDir>
#include <QLocale>
#include <QLockFile>

namespace talvo::logic {

QString HistoryLock::lockPath(const QString& historyPath) {
    return historyPath + QStringLiteral(".lock");
}

HistoryLock::HistoryLock(const QString& historyPath, std::chrono::milliseconds wait)
    : file_(std::make_unique<QLockFile>(lockPath(historyPath))) {
    // Only a holder that no longer runs loses its lock: a slow writer (a large import on a
    // network drive) keeps it however long it takes.
    file_->setStaleLockTime(0);
    if (file_->tryLock(static_cast<int>(wait.count())))
        return;
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
