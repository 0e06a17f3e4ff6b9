#include "logic/core/record_file.h"

#include "logic/core/error.h"
#include "logic/core/system_error_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <algorithm>
#include <array>

namespace talvo::logic {

namespace {
QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

[[noreturn]] void failWrite(const QString& path, bool existed, const QFileDevice& file) {
    throw Error(QStringLiteral("Die Datei \"%1\" konnte nicht vollständig geschrieben werden%2.\r%3")
                    .arg(shown(path),
                         existed ? QStringLiteral("; der bisherige Inhalt bleibt erhalten") : QString(),
                         germanFileError(file.errorString())));
}
} // namespace

QByteArray readWholeFile(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw Error(QStringLiteral("\"%1\" ist keine gewöhnliche Datei und kann nicht gelesen werden.")
                        .arg(shown(path)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.\r%2")
                        .arg(shown(path), germanFileError(file.errorString())));
    // Read piece by piece so that neither a file that grows while it is read nor a wrong
    // size report can take more than the cap.
    QByteArray bytes;
    bytes.reserve(std::min(file.size(), maxBytes));
    std::array<char, 65536> piece;
    qint64 got = 0;
    bool tooBig = file.size() > maxBytes;
    while (!tooBig && (got = file.read(piece.data(), piece.size())) > 0) {
        tooBig = bytes.size() + got > maxBytes;
        if (!tooBig)
            bytes.append(piece.data(), got);
    }
    if (got < 0)
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\r%2")
                        .arg(shown(path), germanFileError(file.errorString())));
    if (tooBig)
        throw Error(
            QStringLiteral("Die Datei \"%1\" ist zu groß: Für diese Art Datei sind höchstens %2 Bytes "
                           "vorgesehen.")
                .arg(shown(path), QLocale(QLocale::German).toString(maxBytes)));
    return bytes;
}

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    QSaveFile file(path);
    // Unbuffered: a buffered write reports success before the data meets the disk, and
    // commit() does not always see the failure of the later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden%2.\r%3")
                        .arg(shown(path),
                             existed ? QStringLiteral("; der bisherige Inhalt bleibt erhalten") : QString(),
                             germanFileError(file.errorString())));
    if (file.write(bytes) != bytes.size())
        failWrite(path, existed, file);
    if (!file.flush())
        failWrite(path, existed, file);
    if (!file.commit())
        failWrite(path, existed, file);
}

} // namespace talvo::logic
