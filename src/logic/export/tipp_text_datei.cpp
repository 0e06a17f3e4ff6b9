#include "logic/export/tipp_text_datei.h"

#include "logic/core/ansi.h"
#include "logic/core/record_file.h"

namespace talvo::logic {

QStringList TippTextLesen(const QString& path) {
    const QByteArray bytes = readWholeFile(path, kMaxTippTextBytes);
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines << ansiToText(bytes.mid(start, stop - start));
        start = end + 1;
    }
    return lines;
}

void TippTextSchreiben(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += textToAnsi(line) + "\r\n";
    writeWholeFile(path, bytes);
}

} // namespace talvo::logic
