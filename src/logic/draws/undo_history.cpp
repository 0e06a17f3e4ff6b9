#include "logic/draws/undo_history.h"

#include "logic/core/error.h"
#include "logic/core/record_file.h"
#include "logic/core/system_error_text.h"
#include "logic/draws/history_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace talvo::logic {

namespace {

// An undo point starts with one line "yyyy-MM-ddTHH:mm:ss<TAB>what", then the history's bytes.
constexpr qint64 kMostHeaderBytes = 4096;
const QString kAsideSuffix = QStringLiteral(".neu");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString pointPrefix(const QString& historyPath) {
    return QFileInfo(historyPath).fileName() + QStringLiteral(".undo-");
}

QString pointPath(const QString& historyPath, int sequence) {
    return QFileInfo(historyPath).absolutePath() + u'/' + pointPrefix(historyPath) +
           QString::number(sequence);
}

// The sequence numbers of the undo points in the folder, oldest first.
std::vector<int> sequences(const QString& historyPath) {
    const QFileInfo history(historyPath);
    const QRegularExpression name(
        QStringLiteral("^%1(\\d{1,9})$").arg(QRegularExpression::escape(pointPrefix(historyPath))));
    std::vector<int> found;
    // A link is never an undo point of ours: it is neither read nor written through.
    const QStringList entries = history.absoluteDir().entryList(
        {pointPrefix(historyPath) + u'*'}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& entry : entries) {
        const QRegularExpressionMatch m = name.match(entry);
        if (m.hasMatch())
            found.push_back(m.captured(1).toInt());
    }
    std::sort(found.begin(), found.end());
    return found;
}

struct PointFile {
    QDateTime when;
    QString what;
    QByteArray history;
};

PointFile readPoint(const QString& path) {
    const QByteArray bytes = readWholeFile(path, kMaxDrawFileBytes + kMostHeaderBytes);
    const qsizetype end = bytes.indexOf('\n');
    const QList<QByteArray> header = bytes.left(std::max<qsizetype>(end, 0)).split('\t');
    const QDateTime when =
        header.size() == 2 ? QDateTime::fromString(QString::fromLatin1(header[0]), Qt::ISODate) : QDateTime();
    if (end < 0 || !when.isValid())
        throw Error(QStringLiteral("Die Rückgängig-Datei \"%1\" ist beschädigt.").arg(shown(path)));
    return {when, QString::fromUtf8(header[1]), bytes.mid(end + 1)};
}

// Creates the file anew: it is never written through a link someone else left at its place,
// and a file that cannot be written completely is removed again.
void refuseLink(const QString& path) {
    if (QFileInfo(path).isSymLink())
        throw Error(QStringLiteral("An der Stelle der Sicherung \"%1\" liegt eine Verknüpfung. Sie wird "
                                   "nicht überschrieben.\r\rEs wurde nichts geändert.")
                        .arg(shown(path)));
}

void writeFreshFile(const QString& path, const QByteArray& bytes) {
    refuseLink(path);
    const QFileInfo info(path);
    if (info.exists() && !QFile::remove(path))
        throw Error(QStringLiteral("Die alte Sicherung \"%1\" lässt sich nicht löschen.\r\rEs wurde "
                                   "nichts geändert.")
                        .arg(shown(path)));
    QFile file(path);
    // NewOnly refuses whatever appeared at the path meanwhile, a link included.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        throw Error(QStringLiteral("Die Sicherung \"%1\" kann nicht angelegt werden.\r%2\r\rEs wurde "
                                   "nichts geändert.")
                        .arg(shown(path), germanFileError(file.errorString())));
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = germanFileError(file.errorString());
        file.close();
        QFile::remove(path);
        throw Error(QStringLiteral("Die Sicherung \"%1\" konnte nicht vollständig geschrieben werden.\r%2"
                                   "\r\rEs wurde nichts geändert.")
                        .arg(shown(path), why));
    }
}

void dropOldPoints(const QString& historyPath) {
    const std::vector<int> found = sequences(historyPath);
    for (std::size_t i = 0; i + kUndoDepth < found.size(); ++i)
        QFile::remove(pointPath(historyPath, found[i]));
}

QByteArray currentBytes(const QString& historyPath) {
    return QFileInfo::exists(historyPath) ? readWholeFile(historyPath, kMaxDrawFileBytes) : QByteArray();
}

} // namespace

std::vector<UndoPoint> undoPoints(const QString& historyPath) {
    const std::vector<int> found = sequences(historyPath);
    std::vector<UndoPoint> points;
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        const PointFile point = readPoint(pointPath(historyPath, *it));
        points.push_back({static_cast<int>(points.size()) + 1, point.when, point.what});
    }
    return points;
}

bool writeHistoryWithUndo(const HistoryLock&, const QString& historyPath, const DrawHistory& draws,
                          const QString& what, const QDateTime& when) {
    const QByteArray bytes = drawsToBytes(draws);
    const bool existed = QFileInfo::exists(historyPath);
    const QByteArray previous = currentBytes(historyPath);
    if (existed && previous == bytes)
        return false;

    const std::vector<int> found = sequences(historyPath);
    const QString point = pointPath(historyPath, found.empty() ? 1 : found.back() + 1);
    const QString aside = point + kAsideSuffix;
    refuseLink(point);
    QString header = what;
    header.replace(u'\n', u' ').replace(u'\t', u' ');
    writeFreshFile(aside, when.toString(Qt::ISODate).toUtf8() + '\t' + header.toUtf8() + '\n' + previous);
    try {
        writeWholeFile(historyPath, bytes);
    } catch (const Error&) {
        QFile::remove(aside);
        throw;
    }
    if (!QFile::rename(aside, point)) {
        // Without its undo point the change is not made either.
        QFile::remove(aside);
        if (existed)
            writeWholeFile(historyPath, previous);
        else
            QFile::remove(historyPath);
        throw Error(QStringLiteral("Die Sicherung \"%1\" lässt sich nicht anlegen.\r\rEs wurde nichts "
                                   "geändert.")
                        .arg(shown(point)));
    }
    dropOldPoints(historyPath);
    return true;
}

QString undoNewestChange(const HistoryLock&, const QString& historyPath) {
    const std::vector<int> found = sequences(historyPath);
    if (found.empty())
        throw Error(
            QStringLiteral("Es gibt keine Änderung der Ziehungen, die sich rückgängig machen lässt."));
    const QString newest = pointPath(historyPath, found.back());
    const PointFile point = readPoint(newest);
    const QByteArray before = currentBytes(historyPath);
    writeWholeFile(historyPath, point.history);
    if (!QFile::remove(newest)) {
        writeWholeFile(historyPath, before);
        throw Error(QStringLiteral("Die Sicherung \"%1\" lässt sich nicht löschen; die Ziehungen bleiben, "
                                   "wie sie waren.")
                        .arg(shown(newest)));
    }
    return point.what;
}

} // namespace talvo::logic
