#pragma once

#include <QDate>
#include <QList>

namespace talvo::ui {

// Ticks of a time axis that fall on the first day of a month (every 1, 2, 3 or 6 months) or
// of a year (every 1, 2, 5, 10 ... years), so every label names a whole month or year.
struct TimeAxisTicks {
    QList<QDate> dates; // ascending; the first lies on or before, the last after the range
    bool yearly = false;
};

// The finest ticks that cut first..last into at most maxIntervals parts.
TimeAxisTicks timeAxisTicks(const QDate& first, const QDate& last, int maxIntervals);

} // namespace talvo::ui
