#include "logic/export/tip_text.h"

#include "logic/core/ansi.h"
#include "logic/core/record_file.h"

namespace talvo::logic {

QStringList textLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString textOfLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

QStringList tipTextLines(const QByteArray& bytes) {
    QString text = ansiToText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return textLines(text);
}

QByteArray tipTextBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += textToAnsi(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool fitsTipText(const QString& text) {
    return fitsAnsi(text);
}

QStringList readTipText(const QString& path) {
    return tipTextLines(readWholeFile(path, kMaxTipTextBytes));
}

void writeTipText(const QString& path, const QStringList& lines) {
    writeWholeFile(path, tipTextBytes(lines));
}

} // namespace talvo::logic
