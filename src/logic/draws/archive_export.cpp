#include "logic/draws/archive_export.h"

#include "logic/core/dates.h"
#include "logic/core/error.h"

namespace talvo::logic {

namespace {
// A plus 5 text comes from the file's bytes and may hold anything; a line break in it
// would split the row, so it becomes a blank.
QString plus5Field(QString text) {
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    if (!text.contains(u';') && !text.contains(u'"'))
        return text;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}
} // namespace

QString drawsAsArchiveCsv(const DrawHistory& history, int from, int to) {
    if (from > to)
        throw Error(QStringLiteral("Der Beginn des Zeitraums liegt nach seinem Ende."));
    QString csv = QStringLiteral("Datum");
    for (int i = 1; i <= 20; ++i)
        csv += QStringLiteral(";Keno_Z%1").arg(i);
    csv += QStringLiteral(";Keno_Plus5\r\n");
    for (const DrawRecord& draw : history) {
        const int day = wholeDay(draw.datum);
        if (draw.isPlaceholder() || day < from || day > to)
            continue;
        csv += serialToText(draw.datum);
        for (auto n : draw.GZ) {
            csv += u';';
            csv += QString::number(n);
        }
        csv += u';';
        csv += plus5Field(draw.plus5.text());
        csv += QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace talvo::logic
