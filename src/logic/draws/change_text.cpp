#include "logic/draws/change_text.h"

#include "logic/draws/archive_import.h"
#include "logic/draws/draw_merge.h"

#include <QLocale>
#include <algorithm>

namespace talvo::logic {

namespace {
QString count(long long n) {
    return QLocale(QLocale::German).toString(n);
}

// The empty records of days `before` did not hold; the import keeps both in date order.
long long addedPlaceholders(const DrawHistory& before, const DrawHistory& after) {
    return std::count_if(after.begin(), after.end(), [&](const DrawRecord& d) {
        if (!d.isPlaceholder())
            return false;
        const auto at = std::lower_bound(before.begin(), before.end(), d.datum,
                                         [](const DrawRecord& r, double datum) { return r.datum < datum; });
        return at == before.end() || at->datum != d.datum;
    });
}
} // namespace

QString storedDrawText(DaySerial datum) {
    return QStringLiteral("Ziehung %1 gespeichert").arg(serialToText(datum));
}

QString drawSetChangeText(const DrawSetMerge& merge) {
    return QStringLiteral("Update: %1 neu, %2 ersetzt").arg(count(merge.added), count(merge.replaced));
}

QString importChangeText(const QString& fileName, const DrawHistory& before, const ImportResult& result) {
    QString text =
        QStringLiteral("Import %1: %2 neu, %3 Platzhalter")
            .arg(fileName, count(result.report.added), count(addedPlaceholders(before, result.history)));
    if (result.report.replaced > 0)
        text += QStringLiteral(", %1 ersetzt").arg(count(result.report.replaced));
    return text;
}

} // namespace talvo::logic
