#include "logic/update/program_update.h"

#include "logic/core/ansi.h"
#include "logic/core/error.h"
#include "logic/core/printable_text.h"
#include "logic/core/record_file.h"
#include "logic/core/version.h"

#include <QDir>

namespace talvo::logic {

namespace {
// The file is one record; anything far beyond is no version file.
constexpr qint64 kMostVersionFileBytes = 1024 * 1024;
} // namespace

QString readVersionFile(const QString& path) {
    const QByteArray bytes = readWholeFile(path, kMostVersionFileBytes);
    const QString shown = QDir::toNativeSeparators(path);
    if (bytes.size() < VersionRecord::kSize)
        throw Error(
            QStringLiteral("Die Versionsdatei \"%1\" ist mit %2 Bytes zu kurz; sie muss %3 Bytes lang sein.")
                .arg(shown)
                .arg(bytes.size())
                .arg(VersionRecord::kSize));
    const VersionRecord record = VersionRecord::fromBytes(bytes.constData());
    if (record.version.length == 0 || record.version.length > static_cast<int>(record.version.chars.size()))
        throw Error(QStringLiteral("Die Versionsdatei \"%1\" nennt keine gültige Version.").arg(shown));
    return printableText(record.version.text());
}

QString versionNotCheckableMessage(const QString& host) {
    return QStringLiteral(
               "Momentan ist die Prüfung, ob eine aktuellere Programm-Version heruntergeladen werden "
               "kann, nicht möglich.\r\rBitte versuchen Sie es später noch einmal oder schauen sie "
               "auf %1 nach.")
        .arg(host);
}

bool isCurrentVersion(const QString& serverText) {
    return serverText == QLatin1String(kVersionText);
}

QByteArray selfDeleteScript(const QString& exe, const QString& folder, const QString& script) {
    for (const QString& path : {exe, folder, script})
        if (!fitsAnsi(path))
            throw Error(
                QStringLiteral("Der Pfad \"%1\" enthält Zeichen, die das Skript zum Entfernen des alten "
                               "Programms nicht schreiben kann.")
                    .arg(path));
    const auto quoted = [](const QString& path) { return QLatin1Char('"') + path + QLatin1Char('"'); };
    const QStringList lines{
        QStringLiteral(":Label1"),
        QStringLiteral("del ") + quoted(exe),
        QStringLiteral("if Exist ") + quoted(exe) + QStringLiteral(" goto Label1"),
        QStringLiteral("rmdir ") + quoted(folder),
        // Quoted as well: a user name with a blank puts one into the temporary folder.
        QStringLiteral("del ") + quoted(script),
    };
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += textToAnsi(line) + "\r\n";
    return bytes;
}

} // namespace talvo::logic
