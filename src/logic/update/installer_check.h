#pragma once

#include <QByteArray>
#include <QString>

namespace talvo::logic {

// Beside its installer the server may offer a small text file that names the installer's
// size and SHA-256: the installer's name on the server followed by this ending.
inline constexpr char kInstallerCheckEnding[] = ".check";
// Its most bytes; anything longer is not such a file.
inline constexpr qint64 kMostInstallerCheckBytes = 4096;

// What a complete installer looks like.
struct InstallerCheck {
    qint64 size = 0;
    QByteArray sha256; // 32 bytes
};

// The check file's first line: the size in bytes as a decimal number, blanks or tabs, and
// the SHA-256 as 64 hexadecimal digits. Lines after it are not read. Throws Error (German)
// for anything else.
InstallerCheck parseInstallerCheck(const QByteArray& text);

// Why the downloaded bytes are not the installer the check describes (German); empty when
// they are.
QString installerMismatch(const InstallerCheck& check, const QByteArray& bytes);

} // namespace talvo::logic
