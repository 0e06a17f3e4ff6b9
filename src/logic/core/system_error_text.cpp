#include "logic/core/system_error_text.h"

#include <array>
#include <utility>

namespace talvo::logic {

QString germanFileError(const QString& systemText) {
    static const std::array<std::pair<const char*, const char*>, 14> known{{
        {"No space left on device", "Auf dem Datenträger ist kein Platz mehr frei."},
        {"Partial write. Partition full?", "Auf dem Datenträger ist kein Platz mehr frei."},
        {"Disk quota exceeded", "Der zugeteilte Speicherplatz ist ausgeschöpft."},
        {"File too large", "Die Datei ist zu groß für den Datenträger."},
        {"Permission denied", "Der Zugriff wurde verweigert."},
        {"Operation not permitted", "Der Zugriff wurde verweigert."},
        {"Read-only file system", "Der Datenträger ist schreibgeschützt."},
        {"No such file or directory", "Die Datei oder der Ordner ist nicht vorhanden."},
        {"Not a directory", "Ein Teil des Pfades ist kein Ordner."},
        {"Is a directory", "Der Name bezeichnet einen Ordner."},
        {"Filename refers to a directory", "Der Name bezeichnet einen Ordner."},
        {"Too many open files", "Es sind zu viele Dateien geöffnet."},
        {"Input/output error", "Der Datenträger meldet einen Ein-/Ausgabefehler."},
        {"Unknown error", "Unbekannter Fehler."},
    }};
    const QString text = systemText.trimmed();
    if (text.isEmpty())
        return QStringLiteral("Unbekannter Fehler.");
    for (const auto& [english, german] : known) {
        if (text.compare(QLatin1String(english), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(german);
    }
    // QSaveFile names the file in this one: "Existing file <name> is not writable".
    if (text.startsWith(QLatin1String("Existing file")) && text.endsWith(QLatin1String("is not writable")))
        return QStringLiteral("Die vorhandene Datei ist schreibgeschützt.");
    return text;
}

} // namespace talvo::logic
