#include "tools/generated_history.h"

#include "logic/core/dates.h"

#include <QRandomGenerator>
#include <algorithm>

namespace talvo::tools {

logic::DrawHistory generatedHistory(int count, const QDate& first, quint32 seed) {
    QRandomGenerator random(seed);
    logic::DrawHistory history;
    history.reserve(static_cast<std::size_t>(count));
    QDate day = first;
    for (int i = 0; i < count; ++i) {
        if (day.dayOfWeek() == Qt::Sunday)
            day = day.addDays(1);
        logic::DrawRecord d;
        d.datum = logic::dateToSerial(day);
        std::array<std::uint8_t, 70> all{};
        for (int n = 0; n < 70; ++n)
            all[n] = static_cast<std::uint8_t>(n + 1);
        for (int k = 0; k < 20; ++k)
            std::swap(all[k], all[k + random.bounded(70 - k)]);
        std::copy_n(all.begin(), 20, d.GZ.begin());
        std::sort(d.GZ.begin(), d.GZ.end());
        d.plus5.setText(QStringLiteral("%1").arg(random.bounded(100000), 5, 10, QLatin1Char('0')));
        history.push_back(d);
        day = day.addDays(1);
    }
    return history;
}

int drawDaysBetween(const QDate& first, const QDate& last) {
    int n = 0;
    for (QDate d = first; d <= last; d = d.addDays(1))
        n += d.dayOfWeek() == Qt::Sunday ? 0 : 1;
    return n;
}

} // namespace talvo::tools
