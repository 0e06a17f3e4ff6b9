#pragma once

// Reads the undo history's files as they lie beside a draw history: what an undo of the
// newest change would put back, without making the undo.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace talvo::test {

// The history bytes kept by the newest undo point; an empty array when there is none.
inline QByteArray newestUndoBytes(const QString& historyPath) {
    const QFileInfo history(historyPath);
    int newest = 0;
    const QString prefix = history.fileName() + QStringLiteral(".undo-");
    for (const QString& name : history.absoluteDir().entryList({prefix + u'*'}, QDir::Files)) {
        bool ok = false;
        const int n = name.mid(prefix.size()).toInt(&ok);
        if (ok && n > newest)
            newest = n;
    }
    if (newest == 0)
        return QByteArray();
    QFile f(history.absoluteDir().filePath(prefix + QString::number(newest)));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray bytes = f.readAll();
    return bytes.mid(bytes.indexOf('\n') + 1);
}

// How many undo points lie beside the history.
inline int undoFileCount(const QString& historyPath) {
    const QFileInfo history(historyPath);
    const QString prefix = history.fileName() + QStringLiteral(".undo-");
    int count = 0;
    for (const QString& name : history.absoluteDir().entryList({prefix + u'*'}, QDir::Files)) {
        bool ok = false;
        name.mid(prefix.size()).toInt(&ok);
        count += ok ? 1 : 0;
    }
    return count;
}

} // namespace talvo::test
