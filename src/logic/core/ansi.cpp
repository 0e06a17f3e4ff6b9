#include "logic/core/ansi.h"

#include <array>

namespace talvo::logic {

namespace {

// 0x80..0x9F of Windows-1252; zero marks the five bytes the code page leaves undefined,
// which are passed through as the control characters of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QString ansiToText(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && kHighControls[b - 0x80] != 0)
            text.append(QChar(kHighControls[b - 0x80]));
        else
            text.append(QChar(b));
    }
    return text;
}

QByteArray textToAnsi(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        char out = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out = static_cast<char>(u);
        } else if (u >= 0x80 && u <= 0x9F) {
            if (kHighControls[u - 0x80] == 0)
                out = static_cast<char>(u);
        } else {
            for (int i = 0; i < 32; ++i) {
                if (kHighControls[i] == u) {
                    out = static_cast<char>(0x80 + i);
                    break;
                }
            }
        }
        bytes.append(out);
    }
    return bytes;
}

bool fitsAnsi(const QString& text) {
    return ansiToText(textToAnsi(text)) == text;
}

} // namespace talvo::logic
