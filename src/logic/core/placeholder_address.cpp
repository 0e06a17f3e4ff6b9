#include "logic/core/placeholder_address.h"

#include <QUrl>

namespace talvo::logic {

bool isPlaceholderAddress(const QString& address) {
    const QString trimmed = address.trimmed();
    QString host;
    const qsizetype at = trimmed.lastIndexOf(QLatin1Char('@'));
    if (!trimmed.contains(QLatin1String("://")) && at >= 0)
        host = trimmed.mid(at + 1);
    else
        host = QUrl(trimmed).host();
    host = host.toLower();
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    if (host.isEmpty())
        return true;
    for (const char* domain : {"example.net", "example.com", "example.org"}) {
        const QLatin1String d(domain);
        if (host == d || host.endsWith(QLatin1Char('.') + d))
            return true;
    }
    for (const char* top : {".example", ".invalid", ".test"})
        if (host.endsWith(QLatin1String(top)))
            return true;
    return false;
}

} // namespace talvo::logic
