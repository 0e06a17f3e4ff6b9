#include "logic/update/installer_check.h"

#include "logic/core/error.h"
#include "logic/core/format.h"

#include <QCryptographicHash>
#include <QList>

namespace talvo::logic {

namespace {

Error faultyCheck(const QString& why) {
    return Error(QStringLiteral("Die Prüfdatei des Updates ist fehlerhaft: %1").arg(why));
}

bool isDecimal(const QByteArray& text) {
    if (text.isEmpty() || text.size() > 15)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool isHex(const QByteArray& text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

} // namespace

InstallerCheck parseInstallerCheck(const QByteArray& text) {
    const qsizetype end = text.indexOf('\n');
    QByteArray line = end < 0 ? text : text.left(end);
    if (line.endsWith('\r'))
        line.chop(1);
    const QList<QByteArray> parts = line.simplified().split(' ');
    if (parts.size() != 2)
        throw faultyCheck(QStringLiteral("Die erste Zeile muss die Größe und die SHA-256-Prüfsumme nennen."));
    if (!isDecimal(parts[0]))
        throw faultyCheck(QStringLiteral("Die Größe ist keine Zahl von Bytes."));
    if (parts[1].size() != 64 || !isHex(parts[1]))
        throw faultyCheck(QStringLiteral("Die SHA-256-Prüfsumme muss aus 64 Hexadezimalziffern bestehen."));
    return {parts[0].toLongLong(), QByteArray::fromHex(parts[1])};
}

QString installerMismatch(const InstallerCheck& check, const QByteArray& bytes) {
    if (bytes.size() != check.size)
        return QStringLiteral("Die Installationsdatei ist unvollständig oder fehlerhaft: Sie hat %1 Bytes, "
                              "erwartet waren %2 Bytes.")
            .arg(formatNumber(static_cast<double>(bytes.size()), 0),
                 formatNumber(static_cast<double>(check.size), 0));
    if (QCryptographicHash::hash(bytes, QCryptographicHash::Sha256) != check.sha256)
        return QStringLiteral(
            "Die Installationsdatei ist fehlerhaft: Ihre SHA-256-Prüfsumme stimmt nicht mit "
            "der des Servers überein.");
    return QString();
}

} // namespace talvo::logic
