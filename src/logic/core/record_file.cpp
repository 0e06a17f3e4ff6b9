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

[[noreturn]] void throwTooBig(const QString& path, qint64 maxBytes) {
    throw Error(QStringLiteral("Die Datei \"%1\" ist zu groß: Für diese Art Datei sind höchstens %2 Bytes "
                               "vorgesehen.")
                    .arg(shown(path), QLocale(QLocale::German).toString(maxBytes)));
}

// The kernel's views of processes and devices: their files claim a size of 0 and a read
// may block until something happens (/proc/kmsg waits for the next kernel message).
bool isSystemPseudoFile(const QFileInfo& info) {
#if defined(Q_OS_LINUX)
    const QString real = info.canonicalFilePath();
    for (const QLatin1String root : {QLatin1String("/proc"), QLatin1String("/sys")}) {
        if (real == root || real.startsWith(root + QLatin1Char('/')))
            return true;
    }
#else
    Q_UNUSED(info);
#endif
    return false;
}

// Why a file could not be opened for writing. A missing right is named with the folder or
// the file it concerns, so the user knows where to look.
QString openForWritingCause(const QString& path, const QFileDevice& file) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QString system = file.errorString();
    if (system.contains(QLatin1String("denied")) || system.contains(QLatin1String("not permitted")) ||
        system.contains(QLatin1String("not writable"))) {
        if (!QFileInfo(folder).isWritable())
            return QStringLiteral("Keine Schreibrechte für den Ordner \"%1\".").arg(shown(folder));
        if (info.exists() && !info.isWritable())
            return QStringLiteral("Keine Schreibrechte für die Datei \"%1\".").arg(shown(path));
    }
    return germanFileError(system);
}

[[noreturn]] void failWrite(const QString& path, bool existed, const QFileDevice& file) {
    throw Error(QStringLiteral("Die Datei \"%1\" konnte nicht vollständig geschrieben werden%2.\r%3")
                    .arg(shown(path),
                         existed ? QStringLiteral("; der bisherige Inhalt bleibt erhalten") : QString(),
                         germanFileError(file.errorString())));
}
} // namespace

CappedFileReader::CappedFileReader(const QString& path, qint64 maxBytes)
    : path_(path), maxBytes_(maxBytes), file_(path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw Error(QStringLiteral("\"%1\" ist keine gewöhnliche Datei und kann nicht gelesen werden.")
                        .arg(shown(path)));
    if (isSystemPseudoFile(info))
        throw Error(QStringLiteral("\"%1\" gehört zu den Systemdateien unter /proc oder /sys, die keine "
                                   "Größe angeben und beim Lesen warten können; das Programm liest sie "
                                   "nicht.")
                        .arg(shown(path)));
    if (!file_.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.\r%2")
                        .arg(shown(path), germanFileError(file_.errorString())));
    if (file_.size() > maxBytes_)
        throwTooBig(path, maxBytes_);
}

qint64 CappedFileReader::read(char* into, qint64 size) {
    // One byte past the cap is enough to know the file is too big.
    const qint64 wanted = std::min(size, maxBytes_ + 1 - done_);
    const qint64 got = wanted > 0 ? file_.read(into, wanted) : 0;
    if (got < 0)
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\r%2")
                        .arg(shown(path_), germanFileError(file_.errorString())));
    done_ += got;
    if (done_ > maxBytes_)
        throwTooBig(path_, maxBytes_);
    return got;
}

QByteArray readWholeFile(const QString& path, qint64 maxBytes) {
    CappedFileReader reader(path, maxBytes);
    QByteArray bytes;
    bytes.reserve(std::min(reader.claimedSize(), maxBytes));
    std::array<char, 65536> piece;
    while (const qint64 got = reader.read(piece.data(), piece.size()))
        bytes.append(piece.data(), got);
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
                             openForWritingCause(path, file)));
    if (file.write(bytes) != bytes.size())
        failWrite(path, existed, file);
    if (!file.flush())
        failWrite(path, existed, file);
    if (!file.commit())
        failWrite(path, existed, file);
}

} // namespace talvo::logic
