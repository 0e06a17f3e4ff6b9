#pragma once

#include <QByteArray>

namespace talvo::test {

// A version file as the download server offers it: 8 bytes the program does not read, the
// length byte (the text's own unless given) and 15 bytes of text, the rest filled.
inline QByteArray versionFile(const QByteArray& text, int length = -1) {
    QByteArray bytes("KENOVERS");
    bytes += static_cast<char>(length < 0 ? text.size() : length);
    bytes += text.left(15);
    bytes += QByteArray(24 - bytes.size(), '#');
    return bytes;
}

} // namespace talvo::test
