#include "logic/core/record_file.h"

#include "logic/core/error.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace talvo::logic {

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.\r%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\r%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\r%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Error(QStringLiteral("Die Datei \"%1\" konnte nicht vollständig geschrieben werden; "
                                   "der bisherige Inhalt bleibt erhalten.\r%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace talvo::logic
