#include "logic/draws/change_text.h"

#include "logic/draws/archive_import.h"
#include "logic/draws/draw_merge.h"

#include <QLocale>

namespace talvo::logic {

namespace {
QString count(long long n) {
    return QLocale(QLocale::German).toString(n);
}
} // namespace

QString storedDrawText(DaySerial datum) {
    return QStringLiteral("Ziehung %1 gespeichert").arg(serialToText(datum));
}

QString drawSetChangeText(const DrawSetMerge& merge) {
    return QStringLiteral("Update: %1 neu, %2 ersetzt").arg(count(merge.added), count(merge.replaced));
}

QString importChangeText(const QString& fileName, const ImportResult& result) {
    QString text = QStringLiteral("Import %1: %2 neu, %3 Platzhalter")
                       .arg(fileName, count(result.report.added), count(result.report.placeholders));
    if (result.report.replaced > 0)
        text += QStringLiteral(", %1 ersetzt").arg(count(result.report.replaced));
    return text;
}

} // namespace talvo::logic
